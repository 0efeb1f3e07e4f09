#pragma once
// The drawing surface a cGrid paints on. The grid only knows this interface; the Qt layer
// implements it over a retained QImage, tests over a fixed-metric recording fake.
//
// What every implementation provides without being asked:
// - all coordinates and sizes are whole pixels of the drawable area, (0, 0) at its top left;
// - drawing is in copy mode, outlines are solid 1-pixel lines;
// - the surface keeps its image: whatever was drawn stays until drawn over or cleared, and the
//   surface repaints itself from that image (the grid draws once, never on expose).
#include <QString>
#include <QtGlobal>

// Colours are 0x00BBGGRR. With the top bit set, 0x80000000 + index names a system colour
// (the classic system colour indices); the surface resolves it when drawing.
using ColorRef = quint32;

constexpr ColorRef kSystemColorFlag = 0x80000000u;
constexpr ColorRef kSysColorButtonShadow = 0x80000010u; // default grid line colour
constexpr ColorRef kSysColorInfoBackground = 0x80000018u; // tooltip background

constexpr bool IsSystemColor(ColorRef color) { return (color & kSystemColorFlag) != 0; }
constexpr ColorRef Rgb(int red, int green, int blue)
{
    return ColorRef(red & 0xFF) | (ColorRef(green & 0xFF) << 8) | (ColorRef(blue & 0xFF) << 16);
}

struct GridFont {
    QString name;       // face name as the program spells it ("ＭＳ ゴシック"); the surface maps it
    float size = 10.0f; // points; the surface decides how a point becomes pixels
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    bool underline = false;

    bool operator==(const GridFont&) const = default;
};

class GridSurface {
public:
    virtual ~GridSurface() = default;

    // Metrics in the current font. An empty text is 0 wide and one line high.
    virtual int TextWidth(const QString& text) const = 0;
    virtual int TextHeight(const QString& text) const = 0;

    // Fills every pixel with x1 <= x <= x2 and y1 <= y <= y2 (corners in either order).
    virtual void FillRect(int x1, int y1, int x2, int y2, ColorRef color) = 0;
    // Draws the four 1-pixel lines x = x1, x = x2, y = y1, y = y2 between the corners.
    virtual void FrameRect(int x1, int y1, int x2, int y2, ColorRef color) = 0;
    // One line of text whose line box has its top left corner at (x, y); the next line of a
    // block goes TextHeight lower. Transparent background.
    virtual void DrawText(int x, int y, const QString& text, ColorRef color) = 0;
    // The whole surface to the background colour.
    virtual void Clear() = 0;

    // The grid hides the surface before a redraw and shows it afterwards: in between, nothing
    // needs to reach the screen. Calls come in pairs and never nest.
    virtual void Hide() = 0;
    virtual void Show() = 0;

    // Drawable size.
    virtual int ScaleWidth() const = 0;
    virtual int ScaleHeight() const = 0;
    // Resizes the surface (its frame and borders included, in its parent's units) so that
    // the drawable area becomes width x height pixels.
    virtual void SetScaleSize(int width, int height) = 0;

    virtual GridFont Font() const = 0;
    // May throw (for example for a face that does not exist); the grid copes.
    virtual void SetFont(const GridFont& font) = 0;
    virtual ColorRef ForeColor() const = 0;
    virtual void SetForeColor(ColorRef color) = 0;
    virtual ColorRef BackColor() const = 0;
    virtual void SetBackColor(ColorRef color) = 0;

    // Native handles for callers that need them; 0 where the platform has none.
    // False for a surface that keeps no picture (no display): the grid then skips painting,
    // since nobody will ever see it; cells, layout and hit tests are unaffected.
    virtual bool Paints() const { return true; }
    virtual quintptr hWnd() const { return 0; }
    virtual quintptr hDc() const { return 0; }
};

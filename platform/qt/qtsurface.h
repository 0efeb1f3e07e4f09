#pragma once
// The Qt drawing surface: a retained QImage that grids paint into once, and that widgets paint
// on expose. Also the colour and font mapping of the whole desktop program.
#include "views/gridsurface.h"
#include "views/windowstate.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <functional>

// 0x00BBGGRR (system colours resolved from the application palette) to a QColor.
QColor ToQColor(ColorRef color);
// The program's font faces on this platform: "ＭＳ ゴシック" (and an empty face) is IPAGothic,
// "ＭＳ Ｐゴシック" IPAPGothic; other faces are used as named.
QString MapFontFace(const QString& face);
QFont ToQFont(const GridFont& font);

class QtGridSurface : public GridSurface {
public:
    explicit QtGridSurface(int width = 200, int height = 100);

    int TextWidth(const QString& text) const override;
    int TextHeight(const QString& text) const override;
    void FillRect(int x1, int y1, int x2, int y2, ColorRef color) override;
    void FrameRect(int x1, int y1, int x2, int y2, ColorRef color) override;
    void DrawText(int x, int y, const QString& text, ColorRef color) override;
    void Clear() override;
    void Hide() override;
    void Show() override;
    int ScaleWidth() const override { return image_.width(); }
    int ScaleHeight() const override { return image_.height(); }
    void SetScaleSize(int width, int height) override;
    GridFont Font() const override { return font_; }
    void SetFont(const GridFont& font) override;
    ColorRef ForeColor() const override { return fore_; }
    void SetForeColor(ColorRef color) override { fore_ = color; }
    ColorRef BackColor() const override { return back_; }
    void SetBackColor(ColorRef color) override;

    const QImage& image() const { return image_; }
    bool visible() const { return visible_; }
    // Called after the picture changed (on Show and on size changes), so the widget repaints.
    std::function<void()> changed;

private:
    void notify();
    QImage image_;
    GridFont font_;
    QFont qfont_;
    ColorRef fore_ = 0x000000;
    ColorRef back_ = 0xFFFFFF;
    bool visible_ = true;
};

// Makes image-backed surfaces for the windows' picture boxes.
SurfaceFactory QtSurfaceFactory();

#pragma once
// A GridSurface without a display: fixed text metrics (8 px per CP932 byte, 16 px lines) and
// no pixels. Window state built on it lays out and stores every cell exactly as a window
// would, so the command-line front end and the tests read what the user would see.
#include "views/gridsurface.h"

class HeadlessSurface : public GridSurface {
public:
    explicit HeadlessSurface(int width = 1200, int height = 600) : width_(width), height_(height) {}

    int TextWidth(const QString& text) const override;
    int TextHeight(const QString& text) const override;
    void FillRect(int, int, int, int, ColorRef) override {}
    void FrameRect(int, int, int, int, ColorRef) override {}
    void DrawText(int, int, const QString&, ColorRef) override {}
    void Clear() override {}
    void Hide() override { visible_ = false; }
    void Show() override { visible_ = true; }
    int ScaleWidth() const override { return width_; }
    int ScaleHeight() const override { return height_; }
    void SetScaleSize(int width, int height) override
    {
        width_ = width;
        height_ = height;
    }
    GridFont Font() const override { return font_; }
    void SetFont(const GridFont& font) override { font_ = font; }
    ColorRef ForeColor() const override { return fore_; }
    void SetForeColor(ColorRef c) override { fore_ = c; }
    ColorRef BackColor() const override { return back_; }
    void SetBackColor(ColorRef c) override { back_ = c; }
    bool Paints() const override { return false; }
    bool visible() const { return visible_; }

private:
    int width_, height_;
    bool visible_ = true;
    GridFont font_{QStringLiteral("ＭＳ ゴシック"), 11};
    ColorRef fore_ = 0;
    ColorRef back_ = 0xFFFFFF;
};

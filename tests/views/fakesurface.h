#pragma once
// A GridSurface with fixed metrics that records every call and keeps a pixel canvas, so that
// layout, hit tests and drawing can be checked exactly.
//
// Metrics: 8 px per CP932 byte (half-width 8, full-width 16), 16 px per line, whatever the
// font; single characters can be given other widths.
#include "common/cp932.h"
#include "common/errors.h"
#include "views/gridsurface.h"

#include <QHash>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

class FakeSurface : public GridSurface {
public:
    enum class Op { Metrics, Fill, Frame, Text, Clear, Hide, Show, ScaleSize, Font, Colors };

    struct Call {
        Op op;
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        ColorRef color = 0;
        QString text;
    };

    explicit FakeSurface(int width = 640, int height = 480) : width_(width), height_(height)
    {
        pixels_.assign(size_t(width_) * size_t(height_), back_);
    }

    // ---- configuration ----
    int halfWidth = 8;   // per CP932 byte
    int lineHeight = 16;
    QHash<QChar, int> charWidth; // overrides for single characters
    std::set<Op> failOn;         // operations that throw
    int failError = ErrInvalidArgument;

    // ---- what happened ----
    std::vector<Call> calls;
    std::vector<GridFont> fontsSet;

    void ClearCalls() { calls.clear(); }

    // One readable line per drawing call: "fill 0,0-20,36 #E0E0E0", "frame ...",
    // "text 3,10 #000000 '枠'", "clear", "hide", "show", "size 100x50".
    std::vector<std::string> Log() const
    {
        std::vector<std::string> out;
        for (const Call& c : calls)
            out.push_back(Describe(c));
        return out;
    }
    static std::string Describe(const Call& c)
    {
        char buf[96];
        switch (c.op) {
        case Op::Fill:
        case Op::Frame:
            std::snprintf(buf, sizeof buf, "%s %d,%d-%d,%d #%06X", c.op == Op::Fill ? "fill" : "frame", c.x1, c.y1,
                          c.x2, c.y2, unsigned(c.color));
            return buf;
        case Op::Text:
            std::snprintf(buf, sizeof buf, "text %d,%d #%06X '", c.x1, c.y1, unsigned(c.color));
            return buf + c.text.toStdString() + "'";
        case Op::Clear: return "clear";
        case Op::Hide: return "hide";
        case Op::Show: return "show";
        case Op::ScaleSize:
            std::snprintf(buf, sizeof buf, "size %dx%d", c.x1, c.y1);
            return buf;
        default: return "?";
        }
    }
    std::vector<Call> CallsOf(Op op) const
    {
        std::vector<Call> out;
        for (const Call& c : calls)
            if (c.op == op)
                out.push_back(c);
        return out;
    }
    int Count(Op op) const { return int(CallsOf(op).size()); }
    // Texts drawn, in order.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> out;
        for (const Call& c : CallsOf(Op::Text))
            out.push_back(c.text.toStdString());
        return out;
    }

    ColorRef Pixel(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return 0xFFFFFFFFu;
        return pixels_[size_t(y) * size_t(width_) + size_t(x)];
    }

    // ---- GridSurface ----
    int TextWidth(const QString& text) const override
    {
        maybeFail(Op::Metrics);
        int w = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar ch = text.at(i);
            const auto it = charWidth.constFind(ch);
            w += it != charWidth.constEnd() ? *it : Cp932ByteLength(QString(ch)) * halfWidth;
        }
        return w;
    }
    int TextHeight(const QString&) const override
    {
        maybeFail(Op::Metrics);
        return lineHeight;
    }
    void FillRect(int x1, int y1, int x2, int y2, ColorRef color) override
    {
        maybeFail(Op::Fill);
        calls.push_back({Op::Fill, x1, y1, x2, y2, color, {}});
        paint(x1, y1, x2, y2, color, false);
    }
    void FrameRect(int x1, int y1, int x2, int y2, ColorRef color) override
    {
        maybeFail(Op::Frame);
        calls.push_back({Op::Frame, x1, y1, x2, y2, color, {}});
        paint(x1, y1, x2, y2, color, true);
    }
    void DrawText(int x, int y, const QString& text, ColorRef color) override
    {
        maybeFail(Op::Text);
        calls.push_back({Op::Text, x, y, 0, 0, color, text});
    }
    void Clear() override
    {
        maybeFail(Op::Clear);
        record(Op::Clear);
        std::fill(pixels_.begin(), pixels_.end(), back_);
    }
    void Hide() override
    {
        maybeFail(Op::Hide);
        record(Op::Hide);
        hidden_ = true;
    }
    void Show() override
    {
        maybeFail(Op::Show);
        record(Op::Show);
        hidden_ = false;
    }
    bool Hidden() const { return hidden_; }
    int ScaleWidth() const override { return width_; }
    int ScaleHeight() const override { return height_; }
    void SetScaleSize(int width, int height) override
    {
        maybeFail(Op::ScaleSize);
        record(Op::ScaleSize, width, height);
        width_ = std::max(0, width);
        height_ = std::max(0, height);
        pixels_.assign(size_t(width_) * size_t(height_), back_);
    }
    GridFont Font() const override { return font_; }
    void SetFont(const GridFont& font) override
    {
        if (failOn.count(Op::Font) && font.name != font_.name)
            RaiseError(failError); // like an unknown face
        font_ = font;
        fontsSet.push_back(font);
    }
    ColorRef ForeColor() const override { return fore_; }
    void SetForeColor(ColorRef color) override
    {
        maybeFail(Op::Colors);
        fore_ = color;
    }
    ColorRef BackColor() const override { return back_; }
    void SetBackColor(ColorRef color) override
    {
        maybeFail(Op::Colors);
        back_ = color;
    }
    quintptr hWnd() const override { return 0x1234; }
    quintptr hDc() const override { return 0x5678; }

private:
    void record(Op op, int x1 = 0, int y1 = 0) { calls.push_back({op, x1, y1, 0, 0, 0, QString()}); }
    void maybeFail(Op op) const
    {
        if (failOn.count(op))
            RaiseError(failError);
    }
    void paint(int x1, int y1, int x2, int y2, ColorRef color, bool outline)
    {
        if (x1 > x2)
            std::swap(x1, x2);
        if (y1 > y2)
            std::swap(y1, y2);
        auto put = [&](int x, int y) {
            if (x >= 0 && y >= 0 && x < width_ && y < height_)
                pixels_[size_t(y) * size_t(width_) + size_t(x)] = color;
        };
        const int left = std::max(x1, 0), right = std::min(x2, width_ - 1);
        const int top = std::max(y1, 0), bottom = std::min(y2, height_ - 1);
        if (!outline) {
            for (int y = top; y <= bottom; ++y)
                for (int x = left; x <= right; ++x)
                    put(x, y);
            return;
        }
        for (int x = left; x <= right; ++x) {
            put(x, y1);
            put(x, y2);
        }
        for (int y = top; y <= bottom; ++y) {
            put(x1, y);
            put(x2, y);
        }
    }

    int width_;
    int height_;
    GridFont font_{QStringLiteral("Fake"), 9.0f};
    ColorRef fore_ = 0x123456; // deliberately not the grid's defaults
    ColorRef back_ = 0x654321;
    bool hidden_ = false;
    std::vector<ColorRef> pixels_;
};

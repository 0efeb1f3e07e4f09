#include "platform/qt/qtsurface.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

namespace {

// Images are drawn at 96 dots per inch, the resolution the layouts were made for.
constexpr int kDotsPerMeter = 3780;

QImage makeImage(int w, int h, const QColor& fill)
{
    QImage img(qMax(1, w), qMax(1, h), QImage::Format_RGB32);
    img.setDotsPerMeterX(kDotsPerMeter);
    img.setDotsPerMeterY(kDotsPerMeter);
    img.fill(fill);
    return img;
}

} // namespace

QColor ToQColor(ColorRef color)
{
    if (IsSystemColor(color)) {
        const QPalette pal = QApplication::palette();
        switch (color & 0xFF) {
        case 4: return pal.color(QPalette::Window);         // menu
        case 5: return pal.color(QPalette::Base);           // window background
        case 7: return pal.color(QPalette::WindowText);     // menu text
        case 8: return pal.color(QPalette::Text);           // window text
        case 12: return pal.color(QPalette::Dark);          // application workspace
        case 13: return pal.color(QPalette::Highlight);
        case 14: return pal.color(QPalette::HighlightedText);
        case 15: return pal.color(QPalette::Button);        // button face
        case 16: return QColor(160, 160, 160);              // button shadow
        case 17: return pal.color(QPalette::Disabled, QPalette::Text);
        case 18: return pal.color(QPalette::ButtonText);
        case 20: return pal.color(QPalette::Light);
        case 21: return pal.color(QPalette::Shadow);
        case 22: return pal.color(QPalette::Midlight);
        case 23: return QColor(0, 0, 0);                    // tooltip text
        case 24: return QColor(255, 255, 225);              // tooltip background
        default: return pal.color(QPalette::Window);
        }
    }
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QString MapFontFace(const QString& face)
{
    if (face.isEmpty() || face == QStringLiteral("ＭＳ ゴシック") || face == QStringLiteral("MS Gothic"))
        return QStringLiteral("IPAGothic");
    if (face == QStringLiteral("ＭＳ Ｐゴシック") || face == QStringLiteral("MS PGothic"))
        return QStringLiteral("IPAPGothic");
    return face;
}

QFont ToQFont(const GridFont& font)
{
    QFont f(MapFontFace(font.name));
    f.setPointSizeF(font.size > 0 ? font.size : 10.0);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setStrikeOut(font.strikethrough);
    f.setUnderline(font.underline);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QtGridSurface::QtGridSurface(int width, int height)
    : image_(makeImage(width, height, Qt::white))
{
    font_.name = QStringLiteral("ＭＳ ゴシック");
    font_.size = 11;
    qfont_ = ToQFont(font_);
}

int QtGridSurface::TextWidth(const QString& text) const
{
    return QFontMetrics(qfont_, &image_).horizontalAdvance(text);
}

int QtGridSurface::TextHeight(const QString& text) const
{
    const int lines = int(text.count(QLatin1Char('\n'))) + 1;
    return QFontMetrics(qfont_, &image_).height() * lines;
}

void QtGridSurface::FillRect(int x1, int y1, int x2, int y2, ColorRef color)
{
    QPainter p(&image_);
    p.fillRect(QRect(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2))), ToQColor(color));
}

void QtGridSurface::FrameRect(int x1, int y1, int x2, int y2, ColorRef color)
{
    QPainter p(&image_);
    p.setPen(QPen(ToQColor(color), 1));
    p.drawLine(x1, y1, x2, y1);
    p.drawLine(x1, y2, x2, y2);
    p.drawLine(x1, y1, x1, y2);
    p.drawLine(x2, y1, x2, y2);
}

void QtGridSurface::DrawText(int x, int y, const QString& text, ColorRef color)
{
    QPainter p(&image_);
    p.setFont(qfont_);
    p.setPen(ToQColor(color));
    const QFontMetrics fm(qfont_, &image_);
    p.drawText(x, y + fm.ascent(), text);
}

void QtGridSurface::Clear()
{
    image_.fill(ToQColor(back_));
}

void QtGridSurface::Hide()
{
    visible_ = false;
}

void QtGridSurface::Show()
{
    visible_ = true;
    notify();
}

void QtGridSurface::SetScaleSize(int width, int height)
{
    if (width == image_.width() && height == image_.height())
        return;
    image_ = makeImage(width, height, ToQColor(back_));
    notify();
}

void QtGridSurface::SetFont(const GridFont& font)
{
    font_ = font;
    qfont_ = ToQFont(font);
}

void QtGridSurface::SetBackColor(ColorRef color)
{
    back_ = color;
}

void QtGridSurface::notify()
{
    if (changed)
        changed();
}

SurfaceFactory QtSurfaceFactory()
{
    return [](const QString&) -> std::unique_ptr<GridSurface> { return std::make_unique<QtGridSurface>(); };
}

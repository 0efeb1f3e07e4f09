#include "app/qt/pictures.h"

#include "common/product.h"
#include "platform/qt/qtsurface.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QFont GothicFont(int pixelSize, bool bold)
{
    QFont f(MapFontFace(QString()));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QPixmap GlyphPixmap(const QString& glyph, const QColor& color, int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size - 2, size - 2);
    p.setPen(QPen(color.darker(130), 1));
    p.setBrush(color.lighter(185));
    p.drawRoundedRect(r, size / 6.0, size / 6.0);
    p.setPen(color.darker(160));
    p.setFont(GothicFont(glyph.size() > 1 ? size * 9 / 20 : size * 2 / 3, true));
    p.drawText(r, Qt::AlignCenter, glyph);
    return pm;
}

void DrawBoat(QPainter& p, const QRectF& r)
{
    // Hull, cockpit and the wave under it.
    QPainterPath hull;
    hull.moveTo(r.left() + r.width() * 0.12, r.top() + r.height() * 0.52);
    hull.lineTo(r.left() + r.width() * 0.90, r.top() + r.height() * 0.52);
    hull.lineTo(r.left() + r.width() * 0.76, r.top() + r.height() * 0.66);
    hull.lineTo(r.left() + r.width() * 0.20, r.top() + r.height() * 0.66);
    hull.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(hull);
    p.setBrush(QColor(230, 60, 50));
    p.drawRoundedRect(QRectF(r.left() + r.width() * 0.40, r.top() + r.height() * 0.40, r.width() * 0.22,
                             r.height() * 0.13),
                      r.width() * 0.04, r.width() * 0.04);
    QPainterPath wave;
    wave.moveTo(r.left() + r.width() * 0.08, r.top() + r.height() * 0.76);
    for (int i = 0; i < 4; ++i) {
        const double x = r.left() + r.width() * (0.08 + i * 0.21);
        wave.cubicTo(x + r.width() * 0.05, r.top() + r.height() * 0.70, x + r.width() * 0.16,
                     r.top() + r.height() * 0.82, x + r.width() * 0.21, r.top() + r.height() * 0.76);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255), r.width() * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(wave);
}

} // namespace

QIcon GlyphIcon(const QString& glyph, const QColor& color)
{
    QIcon icon;
    for (int size : {16, 24, 32})
        icon.addPixmap(GlyphPixmap(glyph, color, size));
    return icon;
}

QIcon CommandIcon(const QString& key)
{
    struct Look {
        const char16_t* glyph;
        QColor color;
    };
    static const QHash<QString, Look> looks{
        {QStringLiteral("New"), {u"開", QColor(40, 110, 200)}},
        {QStringLiteral("Open"), {u"前", QColor(40, 110, 200)}},
        {QStringLiteral("DownLoad"), {u"DL", QColor(30, 150, 90)}},
        {QStringLiteral("DownLoadDate"), {u"日", QColor(30, 150, 90)}},
        {QStringLiteral("Print"), {u"印", QColor(90, 90, 90)}},
        {QStringLiteral("CourseEdit"), {u"進", QColor(200, 120, 20)}},
        {QStringLiteral("SinnyuFixation"), {u"固", QColor(200, 120, 20)}},
        {QStringLiteral("KyoteijyoData"), {u"場", QColor(120, 70, 170)}},
        {QStringLiteral("SensyuList"), {u"選", QColor(120, 70, 170)}},
        {QStringLiteral("RecordByCourse"), {u"コ", QColor(120, 70, 170)}},
        {QStringLiteral("Record"), {u"節", QColor(120, 70, 170)}},
        {QStringLiteral("Comment"), {u"言", QColor(120, 70, 170)}},
        {QStringLiteral("RaceView"), {u"▶", QColor(190, 40, 40)}},
        {QStringLiteral("UserSisu"), {u"指", QColor(20, 140, 160)}},
        {QStringLiteral("Proparty"), {u"設", QColor(20, 140, 160)}},
        {QStringLiteral("DLProp"), {u"DP", QColor(30, 150, 90)}},
        {QStringLiteral("SensyuFileUpdate"), {u"更", QColor(30, 150, 90)}},
        {QStringLiteral("Login"), {u"投", QColor(190, 40, 40)}},
    };
    const auto it = looks.constFind(key);
    if (it == looks.constEnd())
        return GlyphIcon(QStringLiteral("?"), Qt::gray);
    return GlyphIcon(QString::fromUtf16(it->glyph), it->color);
}

QIcon ProductIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 0, size);
        g.setColorAt(0, QColor(60, 140, 230));
        g.setColorAt(1, QColor(15, 60, 140));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QRectF(1, 1, size - 2, size - 2));
        DrawBoat(p, QRectF(0, 0, size, size));
        icon.addPixmap(pm);
    }
    return icon;
}

QImage TitlePicture()
{
    QImage img(420, 132, QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient sea(0, 0, 0, 132);
    sea.setColorAt(0, QColor(60, 140, 230));
    sea.setColorAt(1, QColor(15, 60, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawRoundedRect(QRectF(6, 6, 120, 120), 18, 18);
    DrawBoat(p, QRectF(6, 6, 120, 120));

    QFont title = GothicFont(54, true);
    p.setFont(title);
    p.setPen(QColor(20, 70, 150));
    p.drawText(QRectF(140, 8, 275, 70), Qt::AlignLeft | Qt::AlignVCenter, kProductName);
    p.setFont(GothicFont(17, false));
    p.setPen(QColor(70, 70, 70));
    p.drawText(QRectF(142, 76, 275, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("ボートレース予想支援ソフト"));
    p.setPen(QPen(QColor(230, 60, 50), 3));
    p.drawLine(QPointF(142, 108), QPointF(410, 108));
    return img;
}

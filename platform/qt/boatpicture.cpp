#include "platform/qt/boatpicture.h"

#include "common/kyotei.h"
#include "platform/qt/qtsurface.h"

#include <QPainter>
#include <QPainterPath>

QImage BoatPicture(int frame, int width, int height)
{
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = width - 1, h = height - 1;
    QPainterPath hull;
    hull.moveTo(0, 1);
    hull.lineTo(w * 0.62, 1);
    // Rounded bow whose tip is the picture's right edge: the start diagram places a boat by
    // where its bow touches.
    hull.quadTo(w * 0.92, 1, w, h / 2);
    hull.quadTo(w * 0.92, h - 1, w * 0.62, h - 1);
    hull.lineTo(0, h - 1);
    hull.closeSubpath();
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(ToQColor(BoatColor(frame, true)));
    p.drawPath(hull);
    QFont f(QStringLiteral("IPAGothic"));
    f.setPixelSize(qMax(8, height - 6));
    f.setBold(true);
    p.setFont(f);
    p.setPen(ToQColor(BoatColor(frame, false)));
    p.drawText(QRectF(0, 0, w * 0.7, h), Qt::AlignCenter, QString::number(frame));
    return img;
}

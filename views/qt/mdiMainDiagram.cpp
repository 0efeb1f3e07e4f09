#include "views/qt/mdiMainDiagram.h"

#include "platform/qt/boatpicture.h"
#include "views/mdiMainState.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kPixelsPerHundredth = 5;
constexpr int kPixelsPerCourse = 34;
const QColor kWater(214, 234, 248);
const QColor kLineColor(40, 60, 90);
const QColor kCourseLabelColor(120, 150, 180);

} // namespace

StartDiagramView::StartDiagramView(const StartDiagram& diagram, QWidget* parent)
    : QWidget(parent), diagram_(diagram)
{
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("クリックで進入コースを編集"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize StartDiagramView::sizeHint() const
{
    return QSize(int((kMaxX - kMinX) * kPixelsPerHundredth), int((kMaxY - kMinY) * kPixelsPerCourse));
}

QPointF StartDiagramView::toPixel(double x, double y) const
{
    return QPointF((x - kMinX) * width() / (kMaxX - kMinX), (y - kMinY) * height() / (kMaxY - kMinY));
}

QRectF StartDiagramView::boatRect(int frame) const
{
    if (frame < 1 || frame > 6 || !diagram_.Visible)
        return QRectF();
    const StartDiagram::Boat& b = diagram_.imgBoat[size_t(frame)];
    if (!b.Visible)
        return QRectF();
    const QPointF topLeft = toPixel(b.Left, b.Top);
    const QPointF bottomRight = toPixel(b.Left + StartDiagram::ImageWidth, b.Top + kBoatHeight);
    return QRectF(topLeft, bottomRight).toAlignedRect();
}

const QImage& StartDiagramView::boatImage(int frame, const QSize& size) const
{
    QImage& img = boats_[size_t(frame)];
    if (img.size() != size)
        img = BoatPicture(frame, size.width(), size.height());
    return img;
}

void StartDiagramView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kWater);
    p.setPen(QPen(QColor(150, 170, 190), 1));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!diagram_.Visible)
        return;

    QFont small(QStringLiteral("IPAGothic"));
    small.setPixelSize(12);
    p.setFont(small);
    const QFontMetrics fm(small);

    // Course numbers down the left edge, for orientation.
    p.setPen(kCourseLabelColor);
    for (int c = 1; c <= 6; ++c) {
        const QPointF at = toPixel(kMinX, c + 0.5 + kBoatHeight / 2);
        p.drawText(QPointF(at.x() + 4, at.y() + fm.ascent() / 2.0 - 1), QString::number(c));
    }

    for (const StartDiagram::Line& line : diagram_.lines) {
        QPen pen(kLineColor, line.dotted ? 1 : 2);
        if (line.dotted)
            pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        // Lines that reach the picture's bottom edge run to the widget's.
        const double y2 = line.y2 >= StartDiagram::Bottom ? kMaxY : line.y2;
        p.drawLine(toPixel(line.x, line.y1), toPixel(line.x, y2));
    }
    p.setPen(kLineColor);
    for (const StartDiagram::Text& t : diagram_.texts) {
        // The text's top left corner sits at the point, as on a picture box; centred on the
        // line it names, which is two hundredths to its right.
        const QPointF at = toPixel(t.x + 2, t.y);
        const double w = fm.horizontalAdvance(t.text);
        p.drawText(QPointF(at.x() - w / 2, at.y() + fm.ascent()), t.text);
    }

    for (int f = 1; f <= 6; ++f) {
        const QRect r = boatRect(f).toRect();
        if (r.isEmpty())
            continue;
        p.drawImage(r.topLeft(), boatImage(f, r.size()));
    }

    if (diagram_.shpSinnyuKotei) {
        const QString text = QStringLiteral("進入固定");
        const QRectF box(4, 4, fm.horizontalAdvance(text) + 10, fm.height() + 4);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(200, 0, 0), 1.5));
        p.setBrush(QColor(255, 240, 240));
        p.drawRoundedRect(box, 3, 3);
        p.setPen(QColor(200, 0, 0));
        p.drawText(box, Qt::AlignCenter, text);
    }
}

void StartDiagramView::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT clicked();
}

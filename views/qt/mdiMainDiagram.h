#pragma once
// The start-timing diagram of the race card window (picPool): the pool seen from above, the
// start line and the 10..50 hundredths marks, the six boats where the engine put them, and
// the entry-fixed marker.
#include <QImage>
#include <QWidget>
#include <array>

struct StartDiagram;

class StartDiagramView : public QWidget {
    Q_OBJECT
public:
    // Diagram coordinates shown: x in hundredths of a second, y in course units.
    static constexpr double kMinX = -60.0, kMaxX = 5.0;
    static constexpr double kMinY = 0.0, kMaxY = 7.2;
    // Boat height in course units (the boats sit at course + 0.5).
    static constexpr double kBoatHeight = 0.5;

    StartDiagramView(const StartDiagram& diagram, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }
    // Diagram coordinates to widget pixels.
    QPointF toPixel(double x, double y) const;
    // Where boat 1..6 is drawn (empty when it is hidden).
    QRectF boatRect(int frame) const;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    const QImage& boatImage(int frame, const QSize& size) const;

    const StartDiagram& diagram_;
    mutable std::array<QImage, 7> boats_;
};

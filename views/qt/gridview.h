#pragma once
// A widget that shows one picture box: the retained image of its surface, with the grid's
// hover frame and clicks. Every window of the program puts its grids on these.
#include <QWidget>

class cGrid;
class QtGridSurface;

class GridView : public QWidget {
    Q_OBJECT
public:
    // The view shows `surface`; `grid` (may be null) gets the mouse moves and the clicks.
    GridView(QtGridSurface& surface, cGrid* grid, QWidget* parent = nullptr);
    ~GridView() override;

    QSize sizeHint() const override;
    QtGridSurface& surface() { return surface_; }
    // Makes the surface (and so the widget) as large as the grid needs plus a margin.
    void fitToGrid(int margin = 8);

Q_SIGNALS:
    // Mouse released over the picture: the grid's column, row and cell value (-1, -1, "" outside).
    void cellClicked(int col, int row, const QString& value);
    void clicked(QPoint pos);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QtGridSurface& surface_;
    cGrid* grid_;
};

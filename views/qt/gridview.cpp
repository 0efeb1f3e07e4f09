#include "views/qt/gridview.h"

#include "platform/qt/qtsurface.h"
#include "views/cGrid.h"

#include <QMouseEvent>
#include <QPainter>

GridView::GridView(QtGridSurface& surface, cGrid* grid, QWidget* parent)
    : QWidget(parent), surface_(surface), grid_(grid)
{
    setMouseTracking(true);
    surface_.changed = [this] {
        updateGeometry();
        update();
    };
}

GridView::~GridView()
{
    surface_.changed = nullptr;
}

QSize GridView::sizeHint() const
{
    return surface_.image().size();
}

void GridView::fitToGrid(int margin)
{
    if (!grid_)
        return;
    const int w = grid_->Left() + grid_->Width() + margin;
    const int h = grid_->Top() + grid_->Height() + margin;
    surface_.SetScaleSize(w, h);
    setMinimumSize(w, h);
    grid_->Refresh(true);
}

void GridView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), ToQColor(surface_.BackColor()));
    if (surface_.visible())
        p.drawImage(0, 0, surface_.image());
}

void GridView::mouseMoveEvent(QMouseEvent* e)
{
    if (grid_) {
        grid_->MouseMove(float(e->position().x()), float(e->position().y()));
        update();
    }
}

void GridView::mouseReleaseEvent(QMouseEvent* e)
{
    Q_EMIT clicked(e->position().toPoint());
    if (!grid_ || e->button() != Qt::LeftButton)
        return;
    const float x = float(e->position().x()), y = float(e->position().y());
    Q_EMIT cellClicked(grid_->ClickCol(x), grid_->ClickRow(y), grid_->ClickValue(x, y));
}

void GridView::resizeEvent(QResizeEvent*)
{
    update();
}

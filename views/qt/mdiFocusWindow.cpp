#include "views/qt/mdiFocusWindow.h"

#include "app/appcontext.h"
#include "platform/qt/qtsurface.h"
#include "views/qt/gridview.h"

#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr int kMargin = 6;

// The bet grids take their row height from their picture when they are created; whichever
// came first, every row gets one line of the grid's font with room around it, and the picture
// fits the grid with the grid centred in it.
void fitFocusGrid(cGrid& g, QtGridSurface& surface)
{
    const int rowHeight = surface.TextHeight(QStringLiteral("@")) + 2 * g.TextOffsetY() + 4;
    if (g.RowHeight(0) != rowHeight) {
        g.RefreshFlg(false);
        g.AllHeight(rowHeight);
    }
    surface.SetScaleSize(g.Width() + 2 * kMargin + 1, g.Height() + 2 * kMargin + 1);
    g.MoveCenter();
    g.Refresh(true);
}

} // namespace

mdiFocusWindow::mdiFocusWindow(AppContext& app, QWidget* parent) : QWidget(parent), app_(app)
{
    mdiFocusState& s = app_.engine.focus;
    setWindowTitle(mdiFocusState::kCaption);

    auto& surface0 = static_cast<QtGridSurface&>(s.picFocus(0));
    auto& surface1 = static_cast<QtGridSurface&>(s.picFocus(1));
    if (!s.GridsReady()) {
        // Pictures tall enough for a comfortable row before the grids divide them up.
        surface0.SetScaleSize(240, 13 * 20);
        surface1.SetScaleSize(240, 5 * 20);
    }
    s.EnsureGrids();
    fitFocusGrid(s.grdFocus, surface0);
    fitFocusGrid(s.grdFocus2, surface1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* body = new QWidget(this);
    auto* col = new QVBoxLayout(body);
    col->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    col->setSpacing(4);
    picFocus0_ = new GridView(surface0, &s.grdFocus, body);
    picFocus1_ = new GridView(surface1, &s.grdFocus2, body);
    for (GridView* v : {picFocus0_, picFocus1_}) {
        v->setFixedSize(v->sizeHint());
        col->addWidget(v, 0, Qt::AlignHCenter);
    }
    col->addStretch(1);
    outer->addWidget(body, 1);

    auto* bar = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    sbStatus_ = new QLabel(bar);
    sbStatus_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPointSize(10);
    sbStatus_->setFont(f);
    sbStatus_->setContentsMargins(4, 0, 4, 0);
    bar->addWidget(sbStatus_, 1);
    outer->addWidget(bar);

    render();
    resize(sizeHint());
}

void mdiFocusWindow::render()
{
    const mdiFocusState& s = app_.engine.focus;
    if (sbStatus_->text() != s.sbStatus)
        sbStatus_->setText(s.sbStatus);
    picFocus0_->update();
    picFocus1_->update();
}

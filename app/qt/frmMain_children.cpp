// The main window's child windows: the race card, the bets window and the result window in
// the multi-document area, and the calls of the refresh that reach them.
#include "app/qt/frmMain.h"

#include "app/appcontext.h"
#include "views/qt/mdiFocusWindow.h"
#include "views/qt/mdiMainWindow.h"
#include "views/qt/mdiResultWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr int kFocusGap = 1; // 15 twips between the race card and the bets window

} // namespace

QMdiSubWindow* frmMain::subWindowOf(QWidget* child) const
{
    if (!child || !mdiArea_)
        return nullptr;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList())
        if (sub->widget() == child)
            return sub;
    return nullptr;
}

QMdiSubWindow* frmMain::addChild(QWidget* child)
{
    child->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = mdiArea_->addSubWindow(child);
    sub->setWindowTitle(child->windowTitle());
    sub->setWindowIcon(windowIcon());
    sub->adjustSize();
    return sub;
}

void frmMain::PrepareRaceCard()
{
    // The race card's grids exist before the first refresh writes into them.
    if (!app_.engine.raceCard.Loaded())
        app_.engine.raceCard.Load(app_.display.DispStyle);
    if (mdiMain_)
        return;
    auto* w = new mdiMainWindow(app_, mdiArea_);
    connect(w, &mdiMainWindow::hayamiRaceChosen, this, &frmMain::hayamiRaceChosen);
    connect(w, &mdiMainWindow::exhibitionTimeRequested, this, &frmMain::exhibitionTimeCommand);
    connect(w, &mdiMainWindow::courseEditorRequested, this, &frmMain::courseEditCommand);
    mdiMain_ = w;
    QMdiSubWindow* sub = addChild(w);
    sub->move(0, 0);
}

void frmMain::ShowRaceCard()
{
    PrepareRaceCard();
    QMdiSubWindow* sub = subWindowOf(mdiMain_);
    if (!sub)
        return;
    mdiMain_->render();
    sub->adjustSize();
    sub->move(0, 0);
    sub->show();
    placeFocusWindow();
    placeResultWindow();
}

void frmMain::hayamiRaceChosen(int raceNo)
{
    model_.SelectRace(raceNo - 1);
}

void frmMain::FocusWindowShown(bool visible)
{
    if (!visible) {
        if (QMdiSubWindow* sub = subWindowOf(mdiFocus_))
            sub->hide();
        return;
    }
    if (!mdiFocus_) {
        app_.engine.focus.EnsureGrids();
        mdiFocus_ = new mdiFocusWindow(app_, mdiArea_);
        addChild(mdiFocus_);
        placeFocusWindow();
    }
    // Shown again where it was (the user may have moved it).
    if (QMdiSubWindow* sub = subWindowOf(mdiFocus_))
        sub->show();
}

void frmMain::placeFocusWindow()
{
    QMdiSubWindow* sub = subWindowOf(mdiFocus_);
    if (!sub)
        return;
    mdiFocus_->render();
    sub->adjustSize();
    // Beside the race card, or against the right edge of the client area.
    int left = mdiArea_->viewport()->width() - sub->width();
    if (app_.display.FocusPos == 1) {
        QMdiSubWindow* card = subWindowOf(mdiMain_);
        left = card ? card->width() + kFocusGap : 0;
    }
    sub->move(qMax(0, left), 0);
}

void frmMain::ShowResultWindow(int raceNo)
{
    const bool created = !mdiResult_;
    if (created) {
        mdiResult_ = new mdiResultWindow(app_, mdiArea_);
        addChild(mdiResult_);
    }
    mdiResult_->DispData(raceNo);
    if (created)
        placeResultWindow();
    if (QMdiSubWindow* sub = subWindowOf(mdiResult_))
        sub->show();
}

void frmMain::placeResultWindow()
{
    QMdiSubWindow* sub = subWindowOf(mdiResult_);
    if (!sub)
        return;
    sub->adjustSize();
    // The first free place where the whole window is visible: beside the bets window, under
    // it, under the race card; otherwise as far up and left as it needs to stay on screen.
    const QRect area = mdiArea_->viewport()->rect();
    QList<QPoint> candidates;
    QMdiSubWindow* focus = subWindowOf(mdiFocus_);
    QMdiSubWindow* card = subWindowOf(mdiMain_);
    if (focus && focus->isVisible()) {
        candidates << QPoint(focus->x() + focus->width() + kFocusGap, focus->y())
                   << QPoint(focus->x(), focus->y() + focus->height() + kFocusGap);
    }
    if (card && card->isVisible())
        candidates << QPoint(card->x(), card->y() + card->height() + kFocusGap)
                   << QPoint(card->x() + card->width() + kFocusGap, card->y());
    for (const QPoint& p : candidates)
        if (area.contains(QRect(p, sub->size()))) {
            sub->move(p);
            return;
        }
    const QPoint preferred = candidates.isEmpty() ? QPoint(0, 0) : candidates.value(1, candidates.first());
    sub->move(qMax(0, qMin(preferred.x(), area.width() - sub->width())),
              qMax(0, qMin(preferred.y(), area.height() - sub->height())));
}

void frmMain::RaceRefreshed()
{
    renderChildren();
}

void frmMain::renderChildren()
{
    if (mdiMain_)
        mdiMain_->render();
    if (mdiFocus_)
        mdiFocus_->render();
}

void frmMain::CloseRaceWindows(bool bangumiList)
{
    // The per-stadium racer list (not built yet) is the only window that differs.
    for (QWidget* w : {static_cast<QWidget*>(mdiMain_.data()), static_cast<QWidget*>(mdiFocus_.data()),
                       static_cast<QWidget*>(mdiResult_.data())}) {
        if (QMdiSubWindow* sub = subWindowOf(w))
            sub->close();
    }
    // Closed windows are deleted later; the next stadium gets new ones.
    mdiMain_ = nullptr;
    mdiFocus_ = nullptr;
    mdiResult_ = nullptr;
}

void frmMain::DropDownStadiumMenu()
{
    QMenu* select = menus_.value(int(MainMenu::Select));
    if (select && isVisible() && select->menuAction()->isEnabled())
        menuBar()->setActiveAction(select->menuAction());
}

void frmMain::CloseStadiumMenu()
{
    QMenu* select = menus_.value(int(MainMenu::Select));
    if (select && select->isVisible())
        select->hide();
}

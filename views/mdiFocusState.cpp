#include "views/mdiFocusState.h"

mdiFocusState::mdiFocusState(SurfaceFactory factory)
    : pic0_(factory(QStringLiteral("picFocus0"))), pic1_(factory(QStringLiteral("picFocus1")))
{
}

void mdiFocusState::setup(cGrid& g, GridSurface& surface, int rows, const QString& format)
{
    g.Init(surface, 4, rows, false, false);
    g.RefreshFlg(false);
    g.ColBackColor(0, kBetBackColor);
    g.ColBackColor(2, g.CellBackColor(0, 0));
    g.RowBackColor(0, kHeaderBackColor);
    g.RowForeColor(0, 0xFFFFFF);
    g.FormatString(format);
    g.MoveCenter();
    g.Refresh(true);
}

void mdiFocusState::EnsureGrids()
{
    if (ready_)
        return;
    setup(grdFocus, *pic0_, 13, QStringLiteral("^２連単 |     |^３連単　 |     "));
    setup(grdFocus2, *pic1_, 5, QStringLiteral("^２連複 |     |^３連複　 |     "));
    ready_ = true;
}

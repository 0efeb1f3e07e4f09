#pragma once
// The bets window ("推奨舟券") as state: ordered bets in grdFocus (２連単 / ３連単), unordered
// bets in grdFocus2 (２連複 / ３連複), columns 1 and 3 left for odds, and the confidence text.
#include "views/cGrid.h"
#include "views/windowstate.h"

class mdiFocusState {
public:
    static inline const QString kCaption = QStringLiteral("推奨舟券");
    static constexpr ColorRef kBetBackColor = 0xFAD7C9;    // RGB 201,215,250
    static constexpr ColorRef kHeaderBackColor = 0xC00000; // RGB 0,0,192
    static constexpr ColorRef kHitColor = 0x0000FF;        // RGB 255,0,0

    explicit mdiFocusState(SurfaceFactory factory = HeadlessSurfaceFactory());

    // Creates both grids when they do not exist yet.
    void EnsureGrids();
    bool GridsReady() const { return ready_; }

    cGrid grdFocus;  // 4 x 13
    cGrid grdFocus2; // 4 x 5
    QString sbStatus; // panel 1: confidence text
    bool Visible = false;

    GridSurface& picFocus(int index) { return index == 0 ? *pic0_ : *pic1_; }

private:
    void setup(cGrid& g, GridSurface& surface, int rows, const QString& format);
    std::unique_ptr<GridSurface> pic0_, pic1_;
    bool ready_ = false;
};

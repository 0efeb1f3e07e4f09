// Race card window state: the display styles of the race card grid and the racer table.
#include "common/kyotei.h"
#include "views/mdiMainState.h"

#include <gtest/gtest.h>

namespace {

constexpr ColorRef kBlack = 0x000000, kWhite = 0xFFFFFF;

struct Colours {
    ColorRef fore, back;
    bool operator==(const Colours&) const = default;
};

// What a style gives the cell (row, col) of either grid.
Colours expected(int style, int row, int col)
{
    const Colours plain{kBlack, kWhite};
    const Colours frame{BoatColor(row, false), BoatColor(row, true)};
    switch (style) {
    case 1: return {kBlack, row % 2 == 0 ? kSysColorInfoBackground : kWhite};
    case 2: return col == 0 ? frame : plain;
    case 3: return frame;
    default: return plain;
    }
}

} // namespace

TEST(mdiMainState, DisplayStyles)
{
    mdiMainState w;
    w.Load(0);
    // Previous style, then the style under test: every cell must be repainted, not just added to.
    for (int before : {3, 1, 0, 2}) {
        for (int style : {0, 1, 2, 3, 4, -1}) {
            w.DispStyleChange(before);
            w.flexBangumi.CellForeColor(5, 2, 0x8080FF); // a woman's name colour is overwritten too
            w.DispStyleChange(style);
            for (const cGrid* g : {&w.flexBangumi, &w.flexSensyu}) {
                for (int r = 1; r <= 6; ++r)
                    for (int c = 0; c < g->Cols(); ++c)
                        ASSERT_EQ((Colours{g->CellForeColor(r, c), g->CellBackColor(r, c)}), expected(style, r, c))
                            << "style " << style << " after " << before << " row " << r << " col " << c
                            << (g == &w.flexBangumi ? " race card" : " racer table");
            }
            EXPECT_EQ(w.flexBangumi.ColWidth(18), 0) << "style " << style; // SD column stays hidden
        }
    }
    // Spot checks of the rules in words.
    w.DispStyleChange(1);
    EXPECT_EQ(w.flexSensyu.CellBackColor(2, 5), kSysColorInfoBackground);
    EXPECT_EQ(w.flexSensyu.CellBackColor(3, 5), kWhite);
    w.DispStyleChange(2);
    EXPECT_EQ(w.flexBangumi.CellBackColor(3, 0), Rgb(255, 0, 0));
    EXPECT_EQ(w.flexBangumi.CellBackColor(3, 1), kWhite);
    w.DispStyleChange(3);
    EXPECT_EQ(w.flexBangumi.CellBackColor(4, 22), Rgb(0, 0, 255));
    EXPECT_EQ(w.flexBangumi.CellForeColor(4, 22), kWhite);
}

TEST(mdiMainState, LoadAppliesTheStyleAndHidesColumn18)
{
    for (int style : {0, 1, 2, 3}) {
        mdiMainState w;
        w.Load(style);
        EXPECT_EQ(w.flexBangumi.ColWidth(18), 0);
        EXPECT_GT(w.flexBangumi.ColWidth(17), 0);
        EXPECT_EQ(w.flexBangumi.CellBackColor(6, 0), expected(style, 6, 0).back);
        EXPECT_EQ(w.flexSensyu.CellBackColor(6, 25), expected(style, 6, 25).back);
        EXPECT_EQ(w.sbStatusBar[1], mdiMainState::kNotice);
    }
}

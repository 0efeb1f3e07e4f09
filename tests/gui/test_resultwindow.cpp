// The result window renders real races: the grids on their pictures, the frame colours, the
// boats of the slit where the start timing puts them, the heading and the notice.
#include "common/kyotei.h"
#include "engine/resultdisp.h"
#include "resultcourse_support.h"
#include "views/qt/gridview.h"
#include "views/qt/mdiResultWindow.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

QColor surfacePixel(GridSurface& s, int x, int y)
{
    return static_cast<QtGridSurface&>(s).image().pixelColor(x, y);
}

// Colour in the middle of a cell of a grid's picture.
QColor cellPixel(cGrid& g, int row, int col, int dx = 3)
{
    const GridCell& c = g.Cell(col, row);
    return surfacePixel(*g.Surface(), g.Left() + c.Left + dx, g.Top() + c.Top + 3);
}

// Colour of the slit picture inside the hull of boat f, between its number and its bow.
QColor hullPixel(const QImage& slit, const mdiResultState& st, int f, int dx = 30)
{
    const SlitBoat& b = st.imgBoat[size_t(f)];
    return slit.pixelColor(st.picPool.Left + b.Left + dx, st.picPool.Top + b.Top + mdiResultState::kBoatHeight / 2);
}

void settle()
{
    QCoreApplication::processEvents();
}

TEST(ResultWindow, RendersADemoRace)
{
    DemoDesk d;
    ASSERT_TRUE(d.loaded);
    ASSERT_EQ(ChooseRace(d.app->engine, 5), 5);
    mdiResultWindow w(*d.app);
    w.DispData(5);
    w.show();
    settle();
    mdiResultState& st = d.app->engine.result;

    EXPECT_EQ(w.windowTitle(), QStringLiteral("レース成績"));
    EXPECT_EQ(w.noticeLabel()->text(), QStringLiteral("内容については主催者発行のものと照合して下さい"));
    EXPECT_TRUE(w.headingLabel()->text().startsWith(QStringLiteral("5R ")));
    EXPECT_TRUE(w.headingLabel()->text().endsWith(QStringLiteral("H1800m")));

    // K240106 大村 5R: 01 frame 1, 02 frame 5 (course 4), 03 frame 6 (course 5), frame 4 in 6.
    EXPECT_EQ(st.grdResult.CellValue(2, 1), QStringLiteral("5"));
    EXPECT_EQ(cellPixel(st.grdResult, 2, 1), ToQColor(0x00FFFF)); // yellow frame cell
    EXPECT_EQ(cellPixel(st.grdResult, 2, 2), ToQColor(mdiResultState::kResultBackColor));
    EXPECT_EQ(cellPixel(st.grdHaito[0], 1, 0), ToQColor(mdiResultState::kHaitoLabelBackColor));
    EXPECT_EQ(cellPixel(st.grdSlit, 0, 1), ToQColor(mdiResultState::kSlitTitleBackColor));

    const QImage slit = w.slitView()->grab().toImage();
    for (int f = 1; f <= 6; ++f) {
        ASSERT_TRUE(st.imgBoat[size_t(f)].Visible) << f;
        EXPECT_EQ(hullPixel(slit, st, f), ToQColor(BoatColor(f, true))) << f;
    }
    EXPECT_EQ(st.imgBoat[4].Top, 5 * st.grdSlit.RowHeight(0) - 6);

    // Nothing is cut off: every picture is shown whole.
    for (GridSurface* s : {&st.picName(), &st.picSlitte(), &st.picHaito(0), &st.picHaito(1), &st.picWave()}) {
        const QSize size = static_cast<QtGridSurface*>(s)->image().size();
        EXPECT_GE(size.width(), 20);
        EXPECT_LE(size.width(), w.width());
    }
    EXPECT_FALSE(d.shot(w, QStringLiteral("result_demo_5R")).isEmpty());
    EXPECT_TRUE(d.ui.messages.isEmpty());
}

// K240104 多摩川 (05) 11R: every boat flew ("F   5 … F0.12"): each stands beyond the start line.
TEST(ResultWindow, FlyingBoatsStandBeyondTheLine)
{
    DemoDesk d;
    Engine& e = d.app->engine;
    const QString copy = d.tmp.filePath(QStringLiteral("B240104.TXT"));
    ASSERT_TRUE(QFile::copy(RealData(QStringLiteral("program/B240104.TXT")), copy));
    ASSERT_TRUE(e.Bangumi.FileConv(copy));
    ASSERT_TRUE(e.Bangumi.FileLoad(QStringLiteral("05")));
    ASSERT_TRUE(e.Kekka.FileLoad(QStringLiteral("05"), RealData(QStringLiteral("results/K240104.TXT"))));

    mdiResultWindow w(*d.app);
    w.DispData(11);
    w.show();
    settle();
    const mdiResultState& st = e.result;
    const QImage slit = w.slitView()->grab().toImage();
    const int line = st.picPool.Left + st.picPool.L();
    // Boat 5 (F0.12) reaches 12 px past the line: its hull stands right of it.
    EXPECT_EQ(slit.pixelColor(line + 4, st.picPool.Top + st.imgBoat[5].Top + mdiResultState::kBoatHeight / 2),
              ToQColor(BoatColor(5, true)));
    EXPECT_TRUE(w.headingLabel()->text().startsWith(QStringLiteral("11R")));
    d.shot(w, QStringLiteral("result_flying_05_11R"));
}

// K240318 びわこ (11) 7R was called off: after a run race the window empties.
TEST(ResultWindow, CancelledRaceEmptiesTheWindow)
{
    DemoDesk d;
    Engine& e = d.app->engine;
    ASSERT_TRUE(e.Kekka.FileLoad(QStringLiteral("11"), RealData(QStringLiteral("results/K240318.TXT"))));
    mdiResultWindow w(*d.app);
    w.DispData(6);
    w.show();
    settle();
    const mdiResultState& st = e.result;
    EXPECT_EQ(hullPixel(w.slitView()->grab().toImage(), st, 4), ToQColor(BoatColor(4, true)));

    w.DispData(7);
    settle();
    EXPECT_EQ(w.headingLabel()->text(), QStringLiteral("7R       中　　止"));
    const QImage slit = w.slitView()->grab().toImage();
    const int y = st.picPool.Top + 3 * st.grdSlit.RowHeight(0) + mdiResultState::kBoatHeight / 2;
    for (int x = st.picPool.Left + 2; x < st.picPool.Left + st.picPool.L() - 2; x += 3)
        ASSERT_EQ(slit.pixelColor(x, y), ToQColor(mdiResultState::kSlitBackColor)) << x;
    d.shot(w, QStringLiteral("result_cancelled_11_7R"));
}

} // namespace

// The bets window over the demo folder's races: the two bet grids with their hits and the
// confidence text.
#include "windows_fixture.h"

#include "common/strutil.h"
#include "views/qt/gridview.h"
#include "views/qt/mdiFocusWindow.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace {

// Text is drawn smoothed: a red letter has red-ish pixels, not one exact colour.
bool isRed(const QColor& c)
{
    return c.red() > 160 && c.green() < 110 && c.blue() < 110;
}

// Pixels of a cell's inside (its border left out) for which `test` holds.
template <class Test>
int pixelsIn(const QImage& shot, const QRect& cell, Test test)
{
    int n = 0;
    for (int y = cell.top() + 1; y < cell.bottom(); ++y)
        for (int x = cell.left() + 1; x < cell.right(); ++x)
            n += test(shot.pixelColor(x, y));
    return n;
}

// True when something is drawn inside the cell, on its background.
bool hasText(const QImage& shot, const QRect& cell)
{
    const QColor back = shot.pixelColor(cell.left() + 2, cell.top() + 2);
    return pixelsIn(shot, cell, [&](const QColor& c) { return c != back; }) > 0;
}

void expectReadable(mdiFocusWindow& w, Engine& e)
{
    for (int i = 0; i < 2; ++i) {
        cGrid& g = i == 0 ? e.focus.grdFocus : e.focus.grdFocus2;
        GridView& v = w.picFocus(i);
        EXPECT_GE(v.width(), g.Left() + g.Width() + 1) << i;
        EXPECT_GE(v.height(), g.Top() + g.Height() + 1) << i;
        const QImage shot = v.grab().toImage();
        for (int row = 1; row <= g.MaxRow(); ++row) {
            for (int col : {0, 2}) {
                if (g.CellValue(row, col).isEmpty())
                    continue;
                EXPECT_TRUE(hasText(shot, CellRect(g, row, col))) << "grid " << i << " row " << row << " col " << col;
            }
        }
    }
}

} // namespace

TEST(BetsWindow, ShowsRaceOneWithItsHitsInRed)
{
    DemoWindowsContext d(1);
    ASSERT_TRUE(d.loaded);
    mdiFocusWindow w(*d.app);
    w.show();
    SaveWindowPicture(w, QStringLiteral("focus_race1"));
    Engine& e = d.engine();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("推奨舟券"));
    EXPECT_EQ(w.sbStatus().text(), e.focus.sbStatus);
    expectReadable(w, e);

    // Race 1 finished 1-2-4: "１-２" of ２連単 and "１-２-４" of ３連単 are red, the others are not.
    const QImage shot = w.picFocus(0).grab().toImage();
    const cGrid& g = e.focus.grdFocus;
    int redCells = 0;
    for (int row = 1; row <= g.MaxRow(); ++row) {
        for (int col : {0, 2}) {
            const QString bet = StrNarrow(g.CellValue(row, col));
            const bool hit = bet == QStringLiteral("1-2") || bet == QStringLiteral("1-2-4");
            const int red = pixelsIn(shot, CellRect(g, row, col), isRed);
            EXPECT_EQ(red > 0, hit) << qPrintable(bet);
            redCells += red > 0;
        }
    }
    EXPECT_EQ(redCells, 2);
    EXPECT_EQ(g.CellValue(0, 0).trimmed(), QStringLiteral("２連単"));
}

TEST(BetsWindow, ConfidenceTextInTheStatusBar)
{
    DemoWindowsContext d(5);
    ASSERT_TRUE(d.loaded);
    mdiFocusWindow w(*d.app);
    w.show();
    EXPECT_EQ(d.engine().focus.sbStatus, QStringLiteral("① 信頼度 50%"));
    EXPECT_EQ(w.sbStatus().text(), QStringLiteral("① 信頼度 50%"));
    // The next race has none: the render empties the panel.
    ChooseRace(d.engine(), 6);
    w.render();
    EXPECT_EQ(w.sbStatus().text(), d.engine().focus.sbStatus);
    EXPECT_TRUE(w.sbStatus().text().isEmpty());
}

TEST(BetsWindow, RowsFitTheirTextWhicheverCameFirst)
{
    // The window made before any race (grids created by the window) ...
    DemoWindowsContext before(0);
    ASSERT_TRUE(before.loaded);
    ASSERT_FALSE(before.engine().focus.GridsReady());
    mdiFocusWindow w1(*before.app);
    w1.show();
    ChooseRace(before.engine(), 1);
    w1.render();
    expectReadable(w1, before.engine());

    // ... or after the refresh created them on the pictures as they came.
    DemoWindowsContext after(1);
    ASSERT_TRUE(after.engine().focus.GridsReady());
    mdiFocusWindow w2(*after.app);
    w2.show();
    expectReadable(w2, after.engine());
    EXPECT_EQ(w1.size(), w2.size());
}

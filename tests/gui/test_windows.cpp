// The race card window over the demo folder's races (大村, 6 January 2024): what it shows, its
// clicks, the start diagram and the user bets panel. Race 1 finished 1-2 (220 yen).
#include "windows_fixture.h"

#include "common/kyotei.h"
#include "engine/racecard.h"
#include "views/qt/gridview.h"
#include "views/qt/mdiMainDiagram.h"
#include "views/qt/mdiMainPanels.h"
#include "views/qt/mdiMainWindow.h"

#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QColor colorOf(ColorRef c)
{
    return ToQColor(c);
}

QColor foreOf(const QLabel& l)
{
    return l.palette().color(QPalette::WindowText);
}

QColor backOf(const QLabel& l)
{
    return l.palette().color(QPalette::Window);
}

// The grid picture shows the whole grid, its last border line included.
void expectWholeGrid(GridView& view, const cGrid& g, const char* what)
{
    EXPECT_GE(view.width(), g.Left() + g.Width() + 1) << what;
    EXPECT_GE(view.height(), g.Top() + g.Height() + 1) << what;
    EXPECT_GE(g.Left(), 0) << what;
    EXPECT_GE(g.Top(), 0) << what;
}

// Every visible child lies inside the window.
void expectInside(QWidget& window, QWidget& child, const char* what)
{
    const QRect r(child.mapTo(&window, QPoint(0, 0)), child.size());
    EXPECT_TRUE(window.rect().contains(r)) << what;
}

struct RaceCardWindowTest : ::testing::Test {
    DemoWindowsContext d{1};
    mdiMainWindow w{*d.app};
    mdiMainState& s = d.engine().raceCard;

    void SetUp() override
    {
        ASSERT_TRUE(d.loaded);
        w.show();
    }
};

} // namespace

TEST_F(RaceCardWindowTest, ShowsTheRaceAsTheStateHoldsIt)
{
    SaveWindowPicture(w, QStringLiteral("racecard_race1"));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("出走表"));
    EXPECT_TRUE(w.lblRaceNoTitle().text().trimmed().startsWith(QStringLiteral("１Ｒ")));
    EXPECT_EQ(w.lblRaceNoTitle().text(), s.lblRaceNoTitle.Caption);
    EXPECT_EQ(foreOf(w.lblRaceNoTitle()), QColor(0, 0, 0)); // 10:00, closes at 17:41
    EXPECT_EQ(w.lblClosingHour(0).text(), QStringLiteral("場外締切予定時刻"));
    EXPECT_EQ(w.lblClosingHour(1).text(), QStringLiteral("17:41"));
    EXPECT_FALSE(w.lblTanpyo().text().isEmpty());
    EXPECT_EQ(w.lblTanpyo().text(), s.lblTanpyo.Caption);
    EXPECT_EQ(w.sbStatusBar(1).text(), QStringLiteral("－内容については主催者発行のものと照合して下さい－"));
    EXPECT_EQ(w.sbStatusBar(4).text(), QStringLiteral("結果：１－２  配当： 220円"));
    for (int p = 2; p <= 4; ++p)
        EXPECT_EQ(w.sbStatusBar(p).text(), s.sbStatusBar[size_t(p)]) << p;

    expectWholeGrid(w.picMain(), s.flexBangumi, "race card");
    expectWholeGrid(w.picSensyu(), s.flexSensyu, "racer table");
    expectWholeGrid(w.picCourse(), s.flexCourse, "course table");
    expectInside(w, w.picSensyu(), "racer table");
    expectInside(w, w.picCourse(), "course table");
    expectInside(w, w.picPool(), "diagram");
    expectInside(w, w.picFunaken(), "user bets");
    expectInside(w, w.sbStatusBar(4), "status panel 4");
    // The race card's top rows are on screen: the header row and frame 1 (本村 大, 5086).
    const QRect racer1 = CellRect(s.flexBangumi, 1, 1);
    EXPECT_TRUE(w.picMain().visibleRegion().contains(racer1.center()));
    EXPECT_EQ(s.flexBangumi.CellValue(1, 1), QStringLiteral("5086"));

    // Another race, then a render: the window follows the state.
    ChooseRace(d.engine(), 2);
    w.render();
    EXPECT_TRUE(w.lblRaceNoTitle().text().trimmed().startsWith(QStringLiteral("２Ｒ")));
    EXPECT_EQ(w.sbStatusBar(4).text(), QStringLiteral("結果：２－３  配当： 800円"));
}

TEST_F(RaceCardWindowTest, ClicksOnHayamiExhibitionAndDiagram)
{
    QList<int> races;
    int exhibition = 0, editor = 0;
    QObject::connect(&w, &mdiMainWindow::hayamiRaceChosen, [&](int n) { races << n; });
    QObject::connect(&w, &mdiMainWindow::exhibitionTimeRequested, [&] { ++exhibition; });
    QObject::connect(&w, &mdiMainWindow::courseEditorRequested, [&] { ++editor; });

    cGrid& g = s.flexBangumi;
    g.CellValue(1, kRaceCardHayamiCol, QStringLiteral("7"));
    g.CellValue(2, kRaceCardHayamiCol, QString());
    g.CellValue(3, kRaceCardHayamiCol, QStringLiteral("ab"));
    ClickAt(w.picMain(), CellRect(g, 2, kRaceCardHayamiCol).center()); // empty
    ClickAt(w.picMain(), CellRect(g, 3, kRaceCardHayamiCol).center()); // not a number
    ClickAt(w.picMain(), CellRect(g, 0, kRaceCardHayamiCol).center()); // the title "早見"
    EXPECT_TRUE(races.isEmpty());
    ClickAt(w.picMain(), CellRect(g, 1, kRaceCardHayamiCol).center());
    EXPECT_EQ(races, QList<int>{7});
    // A 早見 text in another column is not a race choice.
    g.CellValue(1, 5, QStringLiteral("7"));
    ClickAt(w.picMain(), CellRect(g, 1, 5).center());
    EXPECT_EQ(races, QList<int>{7});
    EXPECT_EQ(exhibition, 0);

    ClickAt(w.picMain(), CellRect(g, 4, kRaceCardExhibitionCol).center());
    EXPECT_EQ(exhibition, 1);
    EXPECT_EQ(editor, 0);

    ClickAt(w.picPool(), QPoint(w.picPool().width() / 2, w.picPool().height() / 2));
    EXPECT_EQ(editor, 1);
    EXPECT_EQ(exhibition, 1);
    EXPECT_EQ(races, QList<int>{7});
}

TEST_F(RaceCardWindowTest, DiagramDrawsTheBoatsWhereTheStatePutsThem)
{
    StartDiagramView& v = w.picPool();
    // The demo's race 1: every boat shown, at the left and top the engine computed.
    for (int f = 1; f <= 6; ++f) {
        const StartDiagram::Boat& b = s.picPool.imgBoat[size_t(f)];
        ASSERT_TRUE(b.Visible) << f;
        const QRectF r = v.boatRect(f);
        EXPECT_NEAR(r.left(), v.toPixel(b.Left, 0).x(), 1.0) << f;
        EXPECT_NEAR(r.top(), v.toPixel(0, b.Top).y(), 1.0) << f;
    }

    // Boats set by hand so that boat f's bow touches the dotted line of f x 10 hundredths:
    // the hull's colour just left of the line, water just right of it.
    for (int f = 1; f <= 5; ++f) {
        s.picPool.imgBoat[size_t(f)] = {-(10.0 * f + StartDiagram::ImageWidth), f + 0.5, true};
    }
    s.picPool.imgBoat[6].Visible = false;
    w.render();
    const QImage shot = v.grab().toImage();
    const QColor water = shot.pixelColor(v.width() - 3, v.height() - 3);
    for (int f = 1; f <= 5; ++f) {
        const QPointF bow = v.toPixel(-10.0 * f, f + 0.5 + StartDiagramView::kBoatHeight / 2);
        const QPoint hull(int(bow.x()) - 6, int(bow.y()));
        EXPECT_EQ(shot.pixelColor(hull), colorOf(BoatColor(f, true))) << "boat " << f;
        EXPECT_EQ(shot.pixelColor(int(bow.x()) + 2, int(bow.y())), water) << "boat " << f;
    }
    // Boat 6 is hidden: nothing drawn in course 6.
    EXPECT_TRUE(v.boatRect(6).isEmpty());
    const QPointF course6 = v.toPixel(-30, 6.75);
    EXPECT_EQ(shot.pixelColor(course6.toPoint()), water);

    // The entry-fixed marker appears in the top left corner only when set.
    s.picPool.shpSinnyuKotei = false;
    w.render();
    const QImage without = v.grab().toImage().copy(0, 0, 80, 24);
    s.picPool.shpSinnyuKotei = true;
    w.render();
    SaveWindowPicture(v, QStringLiteral("racecard_diagram_marker"));
    const QImage with = v.grab().toImage().copy(0, 0, 80, 24);
    EXPECT_NE(with, without);
}

TEST_F(RaceCardWindowTest, UserBetsPanelShowsTheDefaultIndexBetsAndTheHit)
{
    // The demo's index 1 (実力指数) votes rank pairs 1-2, 1-3, 2-1, 2-3 of its order; race 1
    // finished 1-2, which is the third line.
    SaveWindowPicture(w, QStringLiteral("racecard_userbets"));
    UserBetsPanel& p = w.picFunaken();
    EXPECT_EQ(p.title().text(), QStringLiteral("★ユーザー舟券"));
    QStringList shown;
    int hitLine = 0;
    for (int i = 0; i < 6; ++i) {
        const UserBetsPanel::Line& l = p.line(i);
        if (l.first->isVisibleTo(&w)) {
            shown << l.first->text() + l.sep->text() + l.second->text();
            EXPECT_EQ(backOf(*l.first), colorOf(BoatColor(l.first->text().toInt(), true))) << i;
            EXPECT_EQ(foreOf(*l.first), colorOf(BoatColor(l.first->text().toInt(), false))) << i;
            EXPECT_EQ(backOf(*l.second), colorOf(BoatColor(l.second->text().toInt(), true))) << i;
        } else {
            EXPECT_FALSE(l.sep->isVisibleTo(&w)) << i;
            EXPECT_FALSE(l.second->isVisibleTo(&w)) << i;
        }
        if (l.hit->isVisibleTo(&w)) {
            EXPECT_EQ(hitLine, 0) << "one mark only";
            hitLine = i + 1;
            EXPECT_EQ(l.hit->text(), QStringLiteral("○"));
        }
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("2－1"), QStringLiteral("2－3"), QStringLiteral("1－2"),
                                  QStringLiteral("1－3")}));
    EXPECT_EQ(hitLine, 3);

    // Race 3 (1-3) under the same index: the panel follows the state of the new race.
    ChooseRace(d.engine(), 3);
    w.render();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(p.line(i).hit->isVisibleTo(&w), s.userBets[size_t(i)].lblUserHit.Visible) << i;
    s.picFunakenVisible = false;
    w.render();
    EXPECT_FALSE(p.isVisibleTo(&w));
}

TEST_F(RaceCardWindowTest, DisplayStylesRecolourTheGrids)
{
    // The colour inside a cell, clear of its border and its text.
    auto cell = [&](GridView& v, const cGrid& g, int row, int col) {
        const QRect r = CellRect(g, row, col);
        return v.grab().toImage().pixelColor(r.left() + 2, r.top() + 2);
    };
    const QColor white(255, 255, 255), stripe = colorOf(kSysColorInfoBackground);
    struct Case {
        int style;
        int row, col;
        QColor card;
    };
    const Case cases[] = {
        {0, 2, 0, white},
        {0, 3, 5, white},
        {1, 2, 5, stripe},
        {1, 3, 5, white},
        {1, 4, 0, stripe},
        {2, 2, 0, colorOf(BoatColor(2, true))},
        {2, 2, 5, white},
        {3, 3, 5, colorOf(BoatColor(3, true))},
        {3, 4, 0, colorOf(BoatColor(4, true))},
        {0, 4, 0, white}, // and back
    };
    for (const Case& c : cases) {
        s.DispStyleChange(c.style);
        w.render();
        if (c.style == 3)
            SaveWindowPicture(w, QStringLiteral("racecard_style3"));
        EXPECT_EQ(cell(w.picMain(), s.flexBangumi, c.row, c.col), c.card)
            << "style " << c.style << " row " << c.row << " col " << c.col;
        EXPECT_EQ(cell(w.picSensyu(), s.flexSensyu, c.row, c.col), c.card)
            << "racer table, style " << c.style << " row " << c.row << " col " << c.col;
        EXPECT_EQ(s.flexBangumi.ColWidth(18), 0);
    }
}

TEST_F(RaceCardWindowTest, TimerTicksEveryThreeSecondsAndRendersTheClock)
{
    EXPECT_TRUE(w.timTimer().isActive());
    EXPECT_EQ(w.timTimer().interval(), 3000);
    int passes = 0;
    QObject::connect(&w, &mdiMainWindow::networkPassDue, [&] { ++passes; });

    w.timerTick(); // first tick of a race: the network pass is due
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(foreOf(w.lblRaceNoTitle()), QColor(0, 0, 0));

    const QDateTime late(QDate(2024, 1, 6), QTime(17, 41, 0));
    d.engine().now = [late] { return late; };
    w.timerTick();
    EXPECT_EQ(passes, 1);
    EXPECT_EQ(foreOf(w.lblRaceNoTitle()), colorOf(kRaceTitleClosed));
    EXPECT_EQ(w.lblClosingHour(1).text(), QStringLiteral("17:41"));
}

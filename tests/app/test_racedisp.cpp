// The full refresh over a whole program folder, loaded as the main window loads a stadium.
#include "app/selection.h"
#include "common/errors.h"
#include "engine/engine.h"
#include "engine/forecastdata.h"
#include "engine/racedisp.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class Hooks : public EngineHooks {
public:
    void ShowUserSisu(int raceNo) override { calls << QStringLiteral("user%1").arg(raceNo); }
    void CloseCommentWindow() override { calls << QStringLiteral("close"); }
    void ShowCompanionWindows(int raceNo) override { calls << QStringLiteral("companions%1").arg(raceNo); }
    void ShowResultWindow(int raceNo) override { calls << QStringLiteral("result%1").arg(raceNo); }
    QStringList calls;
};

// The demo folder's files copied into a temporary program folder, minus `leaveOut`.
struct Folder {
    explicit Folder(const QStringList& leaveOut = {})
    {
        const QDir demo(TestDataDir() + QStringLiteral("/../../demo"));
        for (const QString& name : demo.entryList(QDir::Files))
            if (!leaveOut.contains(name))
                QFile::copy(demo.filePath(name), tmp.filePath(name));
    }
    QTemporaryDir tmp;
};

struct Loaded {
    explicit Loaded(const QString& root) : folder(root), e(folder, ui)
    {
        e.hooks = &hooks;
        e.raceCard.Load(0);
        e.focus.EnsureGrids();
        e.st.ForecastDataVersion = ForecastDataLoad(QString(), e.st.ForecastData, folder, ui);
    }
    ProgramFolder folder;
    RecordingUi ui;
    Engine e;
    Hooks hooks;
};

} // namespace

TEST(RaceDisp, DemoRaceFillsEveryWindowInOrder)
{
    Folder f;
    Loaded l(f.tmp.path());
    ASSERT_TRUE(LoadStadium(l.e, 24, f.tmp.path()));
    EXPECT_TRUE(l.e.SensyuLoaded);
    EXPECT_TRUE(l.e.KekkaLoaded);
    EXPECT_EQ(l.e.Meeting.Days(), 5);
    ASSERT_EQ(ChooseRace(l.e, 1), 1);
    EXPECT_TRUE(l.ui.messages.isEmpty());
    EXPECT_EQ(l.hooks.calls, (QStringList{QStringLiteral("close"), QStringLiteral("user1"), QStringLiteral("companions1"),
                                          QStringLiteral("result1")}));
    const Engine& e = l.e;
    EXPECT_EQ(e.raceCard.flexBangumi.CellValue(1, 1), QStringLiteral("5086"));
    EXPECT_EQ(e.raceCard.lblClosingHour[1].Caption, QStringLiteral("17:41"));
    EXPECT_FALSE(e.raceCard.lblTanpyo.Caption.isEmpty());
    // Every frame has a course and every course a frame.
    QList<int> courses, frames;
    for (int i = 1; i <= 6; ++i) {
        courses << e.st.ExpectCourse[i];
        frames << e.st.ExpectWaku[i];
    }
    std::sort(courses.begin(), courses.end());
    std::sort(frames.begin(), frames.end());
    EXPECT_EQ(courses, (QList<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(frames, (QList<int>{1, 2, 3, 4, 5, 6}));
    // The demo's forecast data gives an order, and the bets window lists it.
    EXPECT_NE(e.st.RecommendOrder[1], 0);
    EXPECT_FALSE(e.focus.grdFocus.CellValue(1, 0).isEmpty());
    // The day's results: 1-2, 220 yen.
    EXPECT_EQ(e.raceCard.sbStatusBar[4], QStringLiteral("結果：１－２  配当： 220円"));
}

TEST(RaceDisp, MissingWorkingFilesGiveTheDocumentedEmptyResults)
{
    Folder f({QStringLiteral("VDATA.QVL"), QStringLiteral("KDATA.QVL"), QStringLiteral("KEKKA.QVL"),
              QStringLiteral("k240106.lzh")});
    Loaded l(f.tmp.path());
    ASSERT_TRUE(LoadStadium(l.e, 24, f.tmp.path()));
    EXPECT_FALSE(l.e.KekkaLoaded);
    ChooseRace(l.e, 3);
    EXPECT_TRUE(l.ui.messages.isEmpty());
    // No forecast data: no order, empty bets; no results: panels 2-4 empty, no result window.
    EXPECT_EQ(l.e.st.RecommendOrder[1], 0);
    EXPECT_TRUE(l.e.focus.grdFocus.CellValue(1, 0).isEmpty());
    EXPECT_TRUE(l.e.raceCard.sbStatusBar[4].isEmpty());
    EXPECT_FALSE(l.hooks.calls.contains(QStringLiteral("result3")));
    // No stadium data: the figures read zero.
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(l.e.st.KDataCourse[c][1], 0.0f);
    // The race card still shows the race.
    EXPECT_EQ(l.e.raceCard.flexBangumi.CellValue(1, 0), QStringLiteral("1"));
}

TEST(RaceDisp, NoRacerFileAndBadRaceNumbers)
{
    Folder f({QStringLiteral("SENSYU.QVL")});
    Loaded l(f.tmp.path());
    ASSERT_TRUE(LoadStadium(l.e, 24, f.tmp.path()));
    EXPECT_FALSE(l.e.SensyuLoaded);
    l.ui.messages.clear();
    ChooseRace(l.e, 12);
    EXPECT_EQ(l.e.raceCard.flexSensyu.CellValue(1, 0), QStringLiteral("1"));
    l.hooks.calls.clear();
    RaceDisp(l.e, 0); // nothing but closing the comments window
    EXPECT_EQ(l.hooks.calls, QStringList{QStringLiteral("close")});
    EXPECT_EQ(ChooseRace(l.e, 13), 0);
    // A stadium that does not race that day.
    EXPECT_FALSE(LoadStadium(l.e, 7, f.tmp.path()));
    EXPECT_FALSE(LoadStadium(l.e, 25, f.tmp.path()));
}

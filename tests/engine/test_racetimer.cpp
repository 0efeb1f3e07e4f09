// The clock part of the race card window's timer on the real program of 6 January 2024 (大村,
// race 1 closes at 17:41:00), with a fixed clock and closing times set by hand.
#include "engine/engine.h"
#include "engine/racecard.h"
#include "engine/racetimer.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RaceTimerTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    ProgramFolder folder{tmp.path()};
    RecordingUi ui;
    Engine e{folder, ui};

    void SetUp() override
    {
        e.raceCard.Load(0);
        const QString copy = tmp.filePath(QStringLiteral("B240106.TXT"));
        ASSERT_TRUE(QFile::copy(RealData(QStringLiteral("program/B240106.TXT")), copy));
        ASSERT_TRUE(e.Bangumi.FileConv(copy));
        ASSERT_TRUE(e.Bangumi.FileLoad(QStringLiteral("24")));
        e.SelectedRaceNo = 1;
        at(QTime(10, 0));
    }

    void at(const QTime& t, const QDate& d = QDate(2024, 1, 6))
    {
        const QDateTime now(d, t);
        e.now = [now] { return now; };
    }

    // Ticks until the pass comes due, counting the ticks in between (-1 if not within 100).
    int ticksUntilDue()
    {
        for (int n = 0; n < 100; ++n)
            if (RaceTimerTick(e))
                return n;
        return -1;
    }
};

} // namespace

TEST_F(RaceTimerTest, ClosingTimeLabelAndTitleColourFollowTheClock)
{
    ASSERT_EQ(e.Bangumi.ClosingHour(1), QStringLiteral("17:41:00")); // raw program line of race 1
    e.Bangumi.ClosingHour(1, QStringLiteral("10:25:00"));
    e.raceCard.lblClosingHour[1].Caption = QStringLiteral("17:41"); // what the race card showed
    e.raceCard.lblRaceNoTitle.ForeColor = Rgb(1, 2, 3);

    struct Case {
        QTime now;
        ColorRef title;
    };
    const Case cases[] = {
        {QTime(10, 24, 59), kRaceTitleOpen},
        {QTime(10, 25, 0), kRaceTitleClosed},
        {QTime(10, 25, 1), kRaceTitleClosed},
        {QTime(16, 0, 0), kRaceTitleClosed},
        {QTime(9, 0, 0), kRaceTitleOpen}, // the clock set back: open again
    };
    for (const Case& c : cases) {
        at(c.now);
        RaceTimerTick(e);
        EXPECT_EQ(e.raceCard.lblClosingHour[1].Caption, QStringLiteral("10:25")) << c.now.toString().toStdString();
        EXPECT_EQ(e.raceCard.lblRaceNoTitle.ForeColor, c.title) << c.now.toString().toStdString();
    }
}

TEST_F(RaceTimerTest, YesterdaysProgramIsGreyAtAnyHour)
{
    at(QTime(8, 0), QDate(2024, 1, 7));
    RaceTimerTick(e);
    EXPECT_EQ(e.raceCard.lblRaceNoTitle.ForeColor, kRaceTitleClosed);
    EXPECT_EQ(e.raceCard.lblClosingHour[1].Caption, QStringLiteral("17:41"));
}

TEST_F(RaceTimerTest, RaceWithoutClosingTimeKeepsLabelAndColour)
{
    e.Bangumi.ClosingHour(1, QString());
    e.raceCard.lblClosingHour[1].Caption = QStringLiteral("１２：３４");
    for (const ColorRef colour : {kRaceTitleClosed, kRaceTitleOpen}) {
        e.raceCard.lblRaceNoTitle.ForeColor = colour;
        at(QTime(23, 59, 59));
        RaceTimerTick(e);
        EXPECT_EQ(e.raceCard.lblRaceNoTitle.ForeColor, colour);
        EXPECT_EQ(e.raceCard.lblClosingHour[1].Caption, QStringLiteral("１２：３４"));
    }
}

TEST_F(RaceTimerTest, NetworkPassOnFirstTickThenEveryTwentyFirst)
{
    EXPECT_TRUE(RaceTimerTick(e)); // the window just opened: countdown 0
    EXPECT_EQ(e.raceCard.RefreshCountdown, kRaceTimerCountdown);
    EXPECT_EQ(e.raceCard.RefreshRaceNo, 1);
    EXPECT_EQ(e.raceCard.RefreshKyoteijyoCode, QStringLiteral("24"));
    EXPECT_EQ(ticksUntilDue(), 20); // 20 quiet ticks, then the 21st is due
    EXPECT_EQ(ticksUntilDue(), 20);
}

TEST_F(RaceTimerTest, ChangeOfRaceOrStadiumMakesTheNextTickDue)
{
    ASSERT_TRUE(RaceTimerTick(e));
    for (int i = 0; i < 5; ++i)
        ASSERT_FALSE(RaceTimerTick(e));

    e.SelectedRaceNo = 7;
    EXPECT_TRUE(RaceTimerTick(e));
    EXPECT_EQ(e.raceCard.RefreshRaceNo, 7);
    EXPECT_FALSE(RaceTimerTick(e));

    // Same race number at another stadium of the day.
    ASSERT_TRUE(e.Bangumi.FileLoad(QStringLiteral("12")));
    EXPECT_TRUE(RaceTimerTick(e));
    EXPECT_EQ(e.raceCard.RefreshKyoteijyoCode, QStringLiteral("12"));
    EXPECT_EQ(e.raceCard.RefreshRaceNo, 7);
    EXPECT_EQ(ticksUntilDue(), 20);
}

TEST_F(RaceTimerTest, NoRaceSelectedIsQuiet)
{
    e.raceCard.lblClosingHour[1].Caption = QStringLiteral("００：００");
    e.SelectedRaceNo = 0;
    for (int i = 0; i < 30; ++i)
        EXPECT_FALSE(RaceTimerTick(e));
    EXPECT_EQ(e.raceCard.lblClosingHour[1].Caption, QStringLiteral("００：００"));
    EXPECT_TRUE(ui.messages.isEmpty());
    // Choosing a race afterwards starts a pass at once.
    e.SelectedRaceNo = 3;
    EXPECT_TRUE(RaceTimerTick(e));
}

TEST_F(RaceTimerTest, ClosingTimeThatIsNotATimeIsShownAsItIs)
{
    e.Bangumi.ClosingHour(2, QStringLiteral("ab:cd"));
    e.SelectedRaceNo = 2;
    RaceTimerTick(e);
    EXPECT_EQ(e.raceCard.lblClosingHour[1].Caption, QStringLiteral("ab:cd"));
}

// Race card figures on the real program of 6 January 2024 at 大村 (stadium 24, day 6 of its
// meeting) with the fan handbook of 2020: cells checked by hand against the raw lines.
//
// Program, race 1 (raw):
//   1 5086本村　大24長崎53B1 5.08 28.75 4.74 25.00 67 42.42 46 34.19 132 364 14   9
//   2 4151下河誉史41福岡53B1 5.66 30.11 4.59 18.18 51 37.98 27 37.23 1 144 323   11
//   3 3501川上昇平54長崎55B1 4.92 25.30 5.38 33.85 50 30.22 12 36.62 163 3 461
// Fan handbook (bytes): 4151 sex 1, birth S570801, blood "A ", win rate 0549, top-two 0369,
//   1st 020, 2nd 028, starts 130, finals 01, wins 00, ST 020, training class 089,
//   ability 4900 -> 5100; course 1 block A "023 1000 018 370", block B 14 firsts, 9 seconds.
//   3501 ability 5000 -> 4700, course 3 ST 018. 5129 is a woman (sex 2) with no starts.
//   5208 (race 2, frame 6) is not in the 2020 handbook.
#include "common/errors.h"
#include "common/format.h"
#include "common/kyotei.h"
#include "engine/engine.h"
#include "engine/mMermaid2.h"
#include "engine/racecard.h"
#include "platform/inifile.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kOmura = QStringLiteral("24");

class RaceCardTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    ProgramFolder folder{tmp.path()};
    RecordingUi ui;
    Engine e{folder, ui};

    void SetUp() override
    {
        e.raceCard.Load(0);
        at(QDate(2024, 1, 6), QTime(12, 0));
    }

    void at(const QDate& d, const QTime& t)
    {
        const QDateTime now(d, t);
        e.now = [now] { return now; };
    }

    void loadReal(const QString& day = QStringLiteral("B240106"), const QString& code = kOmura)
    {
        const QString copy = tmp.filePath(day + QStringLiteral(".TXT"));
        ASSERT_TRUE(QFile::copy(RealData(QStringLiteral("program/") + day + QStringLiteral(".TXT")), copy));
        ASSERT_TRUE(e.Bangumi.FileConv(copy));
        ASSERT_TRUE(e.Bangumi.FileLoad(code));
        ASSERT_TRUE(e.Sensyu.FileLoad(RealData(QStringLiteral("fan/fan2004.txt")),
                                      e.Bangumi.ParticipationSensyuNoAllGet()));
        ASSERT_TRUE(ui.messages.isEmpty());
    }

    QString card(int row, int col) const { return e.raceCard.flexBangumi.CellValue(row, col); }
    QString racer(int row, int col) const { return e.raceCard.flexSensyu.CellValue(row, col); }
    QString course(int row, int col) const { return e.raceCard.flexCourse.CellValue(row, col); }

    static QStringList rowOf(const cGrid& g, int row, int first, int last)
    {
        QStringList cells;
        for (int c = first; c <= last; ++c)
            cells << g.CellValue(row, c);
        return cells;
    }

    void expectOneMessage(const QString& title, int error)
    {
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].title, title);
        EXPECT_EQ(ui.messages[0].text, ErrorDescription(error));
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
        ui.messages.clear();
    }

    void identityEntry()
    {
        for (int f = 1; f <= 6; ++f) {
            e.st.ExpectCourse[size_t(f)] = f;
            e.st.ExpectWaku[size_t(f)] = f;
        }
    }
};

QStringList split(const char* cells) { return QString::fromUtf8(cells).split(QLatin1Char('|')); }

} // namespace

// ---- RaceCardDisp ---------------------------------------------------------------------------

TEST_F(RaceCardTest, RaceCardGridOfARealRace)
{
    loadReal();
    RaceCardDisp(e, 1);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(e.raceCard.lblRaceNoTitle.Caption, e.Bangumi.RaceTitle(1));
    EXPECT_TRUE(e.raceCard.lblRaceNoTitle.Caption.contains(QStringLiteral("１Ｒ  一般")));
    EXPECT_EQ(e.raceCard.lblClosingHour[1].Caption, QStringLiteral("17:41")); // 電話投票締切予定１７：４１

    const cGrid& g = e.raceCard.flexBangumi;
    // Score of "132 364 14": (10+6+8+6+1+4+10+4) / 8 = 6.125, shown half up; rank 10 of the day.
    EXPECT_EQ(rowOf(g, 1, 1, 16), split("5086|本村　大|24|長崎|53|B1|5.08|28.75|4.74|25.00|67|42.42|46|34.19|132 364 14  |6.13(10)"));
    EXPECT_EQ(card(1, 22), QStringLiteral("9"));
    // A one-digit rank keeps its place inside the brackets.
    EXPECT_EQ(card(2, 16), Format(e.Bangumi.Tokutenritu(1, 2), QStringLiteral("0.00")) + QStringLiteral("( 5)"));
    EXPECT_EQ(e.Bangumi.TokutenrituOrder(1, 2), 5);
    EXPECT_EQ(card(2, 22), QStringLiteral("11"));
    // No other race that day: 0 shows as an empty cell.
    EXPECT_EQ(e.Bangumi.Hayami(1, 3), 0);
    EXPECT_EQ(card(3, 22), QString());
    EXPECT_EQ(card(6, 10), QStringLiteral("6.25")); // " 6.25" in the raw line
    EXPECT_EQ(card(1, 0), QStringLiteral("1"));     // frame column as the window set it

    // Strengths (10 x national rate + 10 x handbook rate + national top-two) / 3:
    // frame 2 (56.6 + 54.9 + 30.11) / 3 = 47.20, frame 3 (49.2 + 46.3 + 25.30) / 3 = 40.27,
    // frame 4 (39.4 + 42.6 + 20.25) / 3 = 34.08 is not above 47.20 - 12.
    EXPECT_EQ(e.raceCard.lblTanpyo.Caption, QStringLiteral("主力２者 ②③"));
    EXPECT_NEAR(e.st.RaceStrength[2], 47.2033f, 1e-3f);
    EXPECT_NEAR(e.st.RaceStrength[4], 34.0833f, 1e-3f);

    // Race 2: 4498 (52.1 + 58.7 + 31.48) / 3 = 47.43 is the best; 4315 at 40.60 and 3906 at
    // 39.67 are within 12; the newcomer 5208 counts a handbook rate of 0.
    RaceCardDisp(e, 2);
    EXPECT_EQ(e.raceCard.lblTanpyo.Caption, QStringLiteral("三ツ巴戦 ②③⑤"));
    EXPECT_EQ(card(6, 1), QStringLiteral("5208"));
    EXPECT_EQ(card(6, 15), QStringLiteral("6 566 1 26  "));
}

TEST_F(RaceCardTest, TitleColourFollowsTheClosingTime)
{
    loadReal(); // 2024/01/06; race 1 closes 17:41, race 12 later that night
    struct Case {
        QDate day;
        QTime time;
        int race;
        ColorRef colour;
    } cases[] = {
        {QDate(2024, 1, 6), QTime(17, 40, 59), 1, kRaceTitleOpen},
        {QDate(2024, 1, 6), QTime(17, 41, 0), 1, kRaceTitleClosed}, // not later than now: closed
        {QDate(2024, 1, 6), QTime(17, 41, 0), 12, kRaceTitleOpen},
        {QDate(2024, 1, 7), QTime(0, 0, 1), 12, kRaceTitleClosed},  // yesterday's race at any hour
        {QDate(2024, 1, 7), QTime(9, 0, 0), 1, kRaceTitleClosed},
        {QDate(2024, 1, 5), QTime(23, 59, 0), 1, kRaceTitleOpen},   // tomorrow's race is still open
    };
    for (const Case& c : cases) {
        at(c.day, c.time);
        e.raceCard.lblRaceNoTitle.ForeColor = 0x123456;
        RaceCardDisp(e, c.race);
        EXPECT_EQ(e.raceCard.lblRaceNoTitle.ForeColor, c.colour) << c.day.toString().toStdString() << " "
                                                                  << c.time.toString().toStdString() << " R" << c.race;
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST(RaceTitleColor, Rule)
{
    const QDateTime noon(QDate(2024, 1, 6), QTime(12, 0, 0));
    EXPECT_EQ(RaceTitleColor(QDate(2024, 1, 6), QString(), noon), kRaceTitleOpen); // no closing time
    EXPECT_EQ(RaceTitleColor(QDate(2024, 1, 5), QString(), noon), kRaceTitleClosed);
    EXPECT_EQ(RaceTitleColor(QDate(2024, 1, 7), QStringLiteral("10:00:00"), noon), kRaceTitleOpen);
    EXPECT_EQ(RaceTitleColor(QDate(), QStringLiteral("12:00:00"), noon), kRaceTitleClosed);
    EXPECT_EQ(RaceTitleColor(QDate(), QStringLiteral("12:00:01"), noon), kRaceTitleOpen);

    EXPECT_EQ(RaceDateOf(QStringLiteral("2024/01/06")), QDate(2024, 1, 6));
    EXPECT_EQ(RaceDateOf(QStringLiteral("24/03/09")), QDate(2024, 3, 9));
    for (const char* bad : {"0", "", "2024/02/30", "2024/1", "2024/aa/01", "99999/01/01", "2024/-1/01"})
        EXPECT_FALSE(RaceDateOf(QString::fromUtf8(bad)).isValid()) << bad;
}

TEST_F(RaceCardTest, RaceCardWithoutAProgramLeavesTheTitleColour)
{
    // The empty model has RaceDate "0": no colour decision, no error.
    e.raceCard.lblRaceNoTitle.ForeColor = 0x123456;
    RaceCardDisp(e, 1);
    EXPECT_EQ(e.raceCard.lblRaceNoTitle.ForeColor, 0x123456u);
    EXPECT_EQ(e.raceCard.lblClosingHour[1].Caption, QString());
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(RaceCardTest, RaceCardErrorIsShownWithWhatWasWritten)
{
    loadReal();
    RaceCardDisp(e, 1);
    RaceCardDisp(e, 13);
    expectOneMessage(QString(), ErrIndexOutOfRange);
    EXPECT_EQ(card(1, 1), QStringLiteral("5086")); // earlier figures stay
}

// ---- StartExhibitionDisp / ExhibitionDisp ----------------------------------------------------

TEST_F(RaceCardTest, StartExhibitionColumns)
{
    loadReal();
    e.st.StartExhibitionRec[1] = {1, 2, QStringLiteral(".05")};
    e.st.StartExhibitionRec[2] = {2, 0, QStringLiteral("F.01")};
    e.st.StartExhibitionLoaded = true;
    StartExhibitionDisp(e, 1);
    EXPECT_EQ(rowOf(e.raceCard.flexBangumi, 1, 17, 19), split("2||.05"));
    EXPECT_EQ(rowOf(e.raceCard.flexBangumi, 2, 17, 19), split("0||F.01")); // not seen: "0"
    EXPECT_EQ(e.raceCard.flexBangumi.ColWidth(18), 0);

    e.st.StartExhibitionLoaded = false;
    StartExhibitionDisp(e, 1);
    EXPECT_EQ(rowOf(e.raceCard.flexBangumi, 1, 17, 19), split("||"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(RaceCardTest, ExhibitionTimeAndTilt)
{
    loadReal();
    const int stadium = 24;
    // frame: published time, published tilt, typed time
    struct Case {
        float time, tilt, typed;
        const char* loaded;   // columns 20|21 with the page read
        const char* unloaded; // without it
    } cases[] = {
        {6.78f, -0.5f, 0, "6.78|-0.5", "|"},
        {9999, 9999, 0, "----|----", "|"},       // nothing published
        {9999, 0.5f, 6.55f, "6.55|0.5", "6.55|"}, // typed time replaces the time, never the tilt
        {6.71f, 9999, 6.9f, "6.90|----", "6.90|"},
        {999, 998.9f, 0, "----|998.9", "|"},
        {6.8f, 0, 0, "6.80|0.0", "|"},
    };
    for (int f = 1; f <= 6; ++f) {
        const Case& c = cases[f - 1];
        e.st.ExhibitionRec[size_t(f)] = {f, QString(), 52.0f, c.time, c.tilt};
        e.st.UserTenjiTime.Set(f, 1, stadium, c.typed);
        e.st.UserTenjiTime.Set(f, 2, stadium, 7.77f); // another race's typed time is not this race's
        e.st.UserTenjiTime.Set(f, 1, 23, 7.66f);      // nor another stadium's
    }
    e.st.ExhibitionLoaded = true;
    ExhibitionDisp(e, 1);
    for (int f = 1; f <= 6; ++f)
        EXPECT_EQ(rowOf(e.raceCard.flexBangumi, f, 20, 21), split(cases[f - 1].loaded)) << "frame " << f;
    e.st.ExhibitionLoaded = false;
    ExhibitionDisp(e, 1);
    for (int f = 1; f <= 6; ++f)
        EXPECT_EQ(rowOf(e.raceCard.flexBangumi, f, 20, 21), split(cases[f - 1].unloaded)) << "frame " << f;
    EXPECT_TRUE(ui.messages.isEmpty());

    ExhibitionDisp(e, 0);
    expectOneMessage(QString(), ErrIndexOutOfRange);
}

// ---- SensyuDataDisp -------------------------------------------------------------------------

TEST_F(RaceCardTest, RacerTableOfARealRace)
{
    loadReal();
    SensyuDataDisp(e, 1);
    EXPECT_TRUE(ui.messages.isEmpty());
    const cGrid& g = e.raceCard.flexSensyu;
    // 4151: 20 firsts, 28 seconds, 130 starts, 1 final, 0 wins (empty), ST 0.20; ability 49 -> 51.
    QStringList row2 = rowOf(g, 2, 0, 18);
    EXPECT_EQ(row2, split("2|男|S57/08/01|A|89|5.49|36.9|" "53.1|51|2|20|4.0|20|28|130|1|||"));
    EXPECT_EQ(racer(2, 19), TokuiCourseTypeName(TokuiCourseTypeGet(e, QStringLiteral("4151"))));
    EXPECT_EQ(racer(2, 20), Format(e.Sensyu.InSisu(QStringLiteral("4151")), QStringLiteral("0.00")));
    EXPECT_EQ(racer(2, 21), Format(e.Bangumi.Tansyoritu(1, 2), QStringLiteral("0.0")) + QStringLiteral("%"));
    EXPECT_EQ(racer(3, 9), QStringLiteral("-3")); // 3501: ability 50 -> 47, the minus sign shows

    // 5129: a woman without a start in the period: every count column is empty, not "0".
    EXPECT_EQ(rowOf(g, 5, 0, 18), split("5|女|H09/03/20|A|126|0.00|0.0|0.0|0||00|0.0|||||||"));
    EXPECT_EQ(e.raceCard.flexBangumi.CellForeColor(5, 2), kWomanNameColor);
    EXPECT_EQ(e.raceCard.flexBangumi.CellForeColor(4, 2), Rgb(0, 0, 0));

    // Race 2: 4088 (frame 4) is a woman; 5208 (frame 6) is missing from the handbook and reads
    // as an empty record: no sex (man), no birth date, zero figures, the newcomer's course type.
    SensyuDataDisp(e, 2);
    EXPECT_EQ(e.raceCard.flexBangumi.CellForeColor(4, 2), kWomanNameColor);
    EXPECT_EQ(e.raceCard.flexBangumi.CellForeColor(5, 2), Rgb(0, 0, 0)); // reset after race 1
    EXPECT_EQ(rowOf(g, 6, 0, 20), split("6|男|//||0|0.00|0.0|0.0|0||00|0.0||||||||新人|0.00"));
    EXPECT_EQ(racer(6, 21), Format(e.Bangumi.Tansyoritu(2, 6), QStringLiteral("0.0")) + QStringLiteral("%"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(RaceCardTest, RacerTableErrorTitle)
{
    loadReal();
    SensyuDataDisp(e, 0);
    expectOneMessage(QStringLiteral("SensyuDataDispErr"), ErrIndexOutOfRange);
}

// ---- CourseDataDisp -------------------------------------------------------------------------

TEST_F(RaceCardTest, CourseTableFollowsThePredictedEntry)
{
    loadReal();
    identityEntry();
    e.st.ExpectWaku = {0, 2, 1, 3, 4, 5, 6}; // frame 2 takes course 1
    e.st.ExpectTactics[1] = QStringLiteral("逃げ");
    CourseDataDisp(e, 1);
    EXPECT_TRUE(ui.messages.isEmpty());
    // 4151 from course 1: 23 starts, top-two 100.0, ST 0.18, order 3.70; 14 firsts, 9 seconds, no third.
    EXPECT_EQ(rowOf(e.raceCard.flexCourse, 1, 0, 11), split("1|2|下河誉史|18|3.7|23|100.0|100.0|14|9||逃げ"));
    // 5086 has never started from course 2: zeros and empty counts.
    EXPECT_EQ(rowOf(e.raceCard.flexCourse, 2, 1, 10), split("1|本村　大|00|0.0||0.0|0.0|||"));
    // 3501 from course 3: ST 0.18, 25 starts.
    EXPECT_EQ(rowOf(e.raceCard.flexCourse, 3, 1, 5), split("3|川上昇平|18|4.0|25"));
}

TEST_F(RaceCardTest, CourseTableErrorTitle)
{
    loadReal();
    identityEntry();
    e.st.ExpectWaku[4] = 0; // no frame predicted for course 4
    CourseDataDisp(e, 1);
    expectOneMessage(QStringLiteral("CourseDataDisp"), ErrIndexOutOfRange);
    EXPECT_EQ(course(3, 1), QStringLiteral("3")); // rows before the error stay
    EXPECT_EQ(course(4, 1), QString());
}

// ---- StartChartDisp -------------------------------------------------------------------------

TEST_F(RaceCardTest, StartDiagramScale)
{
    loadReal();
    identityEntry();
    e.SinnyuFixation = true;
    StartChartDisp(e, 1);
    const StartDiagram& pic = e.raceCard.picPool;
    EXPECT_TRUE(pic.Visible);
    EXPECT_TRUE(pic.shpSinnyuKotei);
    ASSERT_EQ(pic.lines.size(), 6);
    EXPECT_EQ(pic.lines[0].x, 0.0);
    EXPECT_FALSE(pic.lines[0].dotted);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(pic.lines[i].x, -10.0 * i);
        EXPECT_TRUE(pic.lines[i].dotted);
        EXPECT_EQ(pic.lines[i].y1, 1.3);
        EXPECT_EQ(pic.lines[i].y2, StartDiagram::Bottom);
    }
    ASSERT_EQ(pic.texts.size(), 6);
    EXPECT_EQ(pic.texts[0].text, QStringLiteral("ST"));
    EXPECT_EQ(pic.texts[0].x, -2.0);
    EXPECT_EQ(pic.texts[0].y, 0.9);
    EXPECT_EQ(pic.texts[1].text, QStringLiteral("10"));
    EXPECT_EQ(pic.texts[1].x, -12.0);
    EXPECT_EQ(pic.texts[5].text, QStringLiteral("50"));
    EXPECT_EQ(pic.texts[5].x, -52.0);

    // Without meeting starts the course record alone: 4151 from course 2 has ST 0.19.
    EXPECT_EQ(pic.imgBoat[2].Left, -(19 + StartDiagram::ImageWidth));
    EXPECT_EQ(pic.imgBoat[2].Top, 2.5);
    EXPECT_TRUE(pic.imgBoat[2].Visible);
    EXPECT_EQ(pic.imgBoat[1].Left, -StartDiagram::ImageWidth); // 5086 never from course 1

    // Drawn again: the scale is not doubled.
    e.SinnyuFixation = false;
    StartChartDisp(e, 1);
    EXPECT_EQ(pic.lines.size(), 6);
    EXPECT_FALSE(pic.shpSinnyuKotei);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(RaceCardTest, StartDiagramBlendsTheMeetingStarts)
{
    loadReal();
    identityEntry();
    e.Meeting.Reset(e.Bangumi.ParticipationNumbers(), 5);
    const int idx = e.Bangumi.SensyuNoToIndex(QStringLiteral("3501")); // frame 3, course 3 ST 0.18
    ASSERT_GT(idx, 0);
    struct Case {
        float meeting;
        double bow;
    } cases[] = {
        {0.14f, -16}, // (0.18 + 0.14) x 100 / 2
        {0.15f, -16}, // 16.5: halves to even
        {0.17f, -18}, // 17.5
        {0.0f, -18},  // no meeting start counted: the course record alone
        {-0.02f, -18},
    };
    for (const Case& c : cases) {
        e.Meeting.Average(idx)->StartTiming = c.meeting;
        StartChartDisp(e, 1);
        EXPECT_EQ(e.raceCard.picPool.imgBoat[3].Left + StartDiagram::ImageWidth, c.bow) << c.meeting;
        EXPECT_EQ(e.raceCard.picPool.imgBoat[3].Top, 3.5);
    }
}

TEST_F(RaceCardTest, StartDiagramHidesBoatsMissingFromTheStartExhibition)
{
    loadReal();
    identityEntry();
    for (int f = 1; f <= 6; ++f)
        e.st.StartExhibitionRec[size_t(f)] = {f, f == 4 ? 0 : f, QStringLiteral(".10")};
    StartChartDisp(e, 1);
    EXPECT_TRUE(e.raceCard.picPool.imgBoat[4].Visible); // not read yet: every boat shows
    e.st.StartExhibitionLoaded = true;
    StartChartDisp(e, 1);
    for (int f = 1; f <= 6; ++f)
        EXPECT_EQ(e.raceCard.picPool.imgBoat[size_t(f)].Visible, f != 4) << f;
}

TEST_F(RaceCardTest, StartDiagramErrorShowsThePicture)
{
    loadReal();
    identityEntry();
    e.st.ExpectCourse[3] = 0; // no course predicted
    StartChartDisp(e, 1);
    expectOneMessage(QString(), ErrIndexOutOfRange);
    EXPECT_TRUE(e.raceCard.picPool.Visible);
    EXPECT_EQ(e.raceCard.picPool.imgBoat[2].Top, 2.5); // boats before the error were placed

    // An absurd meeting figure is an overflow, not a wild picture position.
    identityEntry();
    e.Meeting.Reset(e.Bangumi.ParticipationNumbers(), 1);
    e.Meeting.Average(e.Bangumi.SensyuNoToIndex(QStringLiteral("4151")))->StartTiming = 1e30f;
    StartChartDisp(e, 1);
    expectOneMessage(QString(), ErrOverflow);
    EXPECT_TRUE(e.raceCard.picPool.Visible);
}

// ---- KDataLoad ------------------------------------------------------------------------------

TEST_F(RaceCardTest, StadiumCourseFigures)
{
    const QString file = tmp.filePath(QStringLiteral("KDATA.QVL"));
    ASSERT_TRUE(cIniFile::MySetString(file, QStringLiteral("07#"), QStringLiteral("1-1"), QStringLiteral("55.2")));
    ASSERT_TRUE(cIniFile::MySetString(file, QStringLiteral("07#"), QStringLiteral("2-5"), QStringLiteral("12.0")));
    ASSERT_TRUE(cIniFile::MySetString(file, QStringLiteral("07#"), QStringLiteral("3-6"), QStringLiteral("abc")));
    ASSERT_TRUE(cIniFile::MySetString(file, QStringLiteral("07#"), QStringLiteral("3-5"), QStringLiteral("1e99")));
    ASSERT_TRUE(cIniFile::MySetString(file, QStringLiteral("08#"), QStringLiteral("1-2"), QStringLiteral("20.5")));
    KDataLoad(e, 7);
    EXPECT_FLOAT_EQ(e.st.KDataCourse[1][1], 55.2f);
    EXPECT_FLOAT_EQ(e.st.KDataCourse[5][2], 12.0f); // key kind-course
    EXPECT_FLOAT_EQ(e.st.KDataCourse[6][3], 0.0f); // not a number
    EXPECT_FLOAT_EQ(e.st.KDataCourse[5][3], 0.0f); // beyond a single
    EXPECT_FLOAT_EQ(e.st.KDataCourse[2][1], 0.0f); // another stadium's section

    KDataLoad(e, 8);
    EXPECT_FLOAT_EQ(e.st.KDataCourse[2][1], 20.5f);
    EXPECT_FLOAT_EQ(e.st.KDataCourse[1][1], 0.0f); // the previous stadium's figures are gone

    ASSERT_TRUE(QFile::remove(file));
    KDataLoad(e, 8);
    for (int c = 1; c <= 6; ++c)
        for (int k = 1; k <= 3; ++k)
            EXPECT_EQ(e.st.KDataCourse[size_t(c)][size_t(k)], 0.0f);
    EXPECT_TRUE(ui.messages.isEmpty());
}

// ---- small helpers --------------------------------------------------------------------------

TEST(RaceCardHelpers, BetMatch)
{
    struct Case {
        int a1, a2, b1, b2, type;
        bool match;
    } cases[] = {
        {1, 2, 1, 2, 1, true},  {1, 2, 2, 1, 1, false}, {1, 2, 2, 1, 2, true},
        {1, 2, 1, 3, 2, false}, {3, 5, 5, 3, 3, false}, {0, 0, 0, 0, 1, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BetMatch(c.a1, c.a2, c.b1, c.b2, c.type), c.match) << c.a1 << c.a2 << c.b1 << c.b2 << c.type;
}

TEST(RaceCardHelpers, RaceTypeText)
{
    struct Case {
        std::array<float, 7> s;
        const char* text;
    } cases[] = {
        {{0, 60, 55, 49, 40, 30, 20}, "三ツ巴戦 ①②③"},
        {{0, 60, 55, 48, 40, 30, 20}, "主力２者 ①②"}, // 48 is not above 60 - 12
        {{0, 50, 30, 45, 20, 10, 0}, "主力２者 ①③"},
        {{0, 10, 20, 30, 40, 50, 70}, "軸不動 ⑥"},
        {{0, 40, 45, 41, 42, 43, 44}, "混戦 ①②③④⑤⑥"},
        {{0, 40, 45, 41, 42, 43, 20}, "波乱 ①②③④⑤"},
        {{0, 40, 45, 41, 42, 30, 20}, "実力拮抗 ①②③④"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RaceTypeText(c.s), QString::fromUtf8(c.text));
}

TEST(RaceCardHelpers, StadiumNamesCircledNumbersBoatColours)
{
    EXPECT_EQ(KyoteijyoName(1), QStringLiteral("桐生"));
    EXPECT_EQ(KyoteijyoName(11), QStringLiteral("びわこ"));
    EXPECT_EQ(KyoteijyoName(13), QStringLiteral("尼崎"));
    EXPECT_EQ(KyoteijyoName(24), QStringLiteral("大村"));
    EXPECT_EQ(KyoteijyoName(25), QString());
    EXPECT_EQ(KyoteijyoName(0), QString());
    QString circled;
    for (int n = 1; n <= 6; ++n)
        circled += CircledNumber(n);
    EXPECT_EQ(circled, QStringLiteral("①②③④⑤⑥"));
    EXPECT_EQ(CircledNumber(7), QString());

    const ColorRef white = Rgb(255, 255, 255), black = Rgb(0, 0, 0);
    const ColorRef back[] = {white, Rgb(64, 64, 64), Rgb(255, 0, 0), Rgb(0, 0, 255), Rgb(255, 255, 0), Rgb(0, 255, 0)};
    const ColorRef text[] = {black, white, white, white, black, black};
    for (int f = 1; f <= 6; ++f) {
        EXPECT_EQ(BoatColor(f, true), back[f - 1]) << f;
        EXPECT_EQ(BoatColor(f, false), text[f - 1]) << f;
    }
}

TEST(RaceCardHelpers, Clicks)
{
    EXPECT_EQ(RaceCardClickRaceNo(22, QStringLiteral("7")), 7);
    EXPECT_EQ(RaceCardClickRaceNo(22, QStringLiteral("12")), 12);
    EXPECT_EQ(RaceCardClickRaceNo(22, QString()), 0);  // empty 早見 cell: nothing
    EXPECT_EQ(RaceCardClickRaceNo(22, QStringLiteral("13")), 0);
    EXPECT_EQ(RaceCardClickRaceNo(22, QStringLiteral("0")), 0);
    EXPECT_EQ(RaceCardClickRaceNo(22, QStringLiteral("1e300")), 0);
    EXPECT_EQ(RaceCardClickRaceNo(22, QStringLiteral("x")), 0);
    EXPECT_EQ(RaceCardClickRaceNo(21, QStringLiteral("7")), 0); // only the 早見 column
    EXPECT_TRUE(RaceCardClickOpensExhibition(20));
    EXPECT_FALSE(RaceCardClickOpensExhibition(22));
    EXPECT_FALSE(RaceCardClickOpensExhibition(21));
}

// Meeting statistics over the earlier days of a meeting: real consecutive days of 大村 (24),
// a whole six-day meeting from 1 January 2024, and hand-made days for the counting rules.
#include "meeting_fixture.h"

#include "app/meetingstats.h"
#include "common/strutil.h"
#include "platform/archive.h"

#include <cmath>

namespace {

const QString kCollecting = QStringLiteral("今節の成績結果を取得しています ...");

// The "results so far" characters of one race as the program prints them: the place, or the
// letter of a flying, late or disqualified start.
QString SeisekiChar(const QString& order)
{
    if (order.isEmpty())
        return QStringLiteral(" ");
    if (IsNumeric(order))
        return QString::number(int(CDbl(order)));
    return order.left(1);
}

class MeetingStatsTest : public MeetingFixture {
protected:
    // Every table value as text, for comparing whole collections.
    QStringList Dump() const
    {
        QStringList out;
        const MeetingData& m = e->Meeting;
        for (int j = 1; j <= m.Racers(); ++j) {
            for (int k = 1; k <= m.Days(); ++k) {
                const MeetingRecord r = m.MeetingRecords(j, k);
                out << QStringLiteral("%1 %2 %3|%4|%5 %6|%7 %8|%9 %10")
                           .arg(j)
                           .arg(k)
                           .arg(r.SensyuNo, r.Order1, r.Order2)
                           .arg(r.StartTiming1)
                           .arg(r.StartTiming2)
                           .arg(r.Course1)
                           .arg(r.Course2)
                           .arg(r.ExhibitionTime1)
                           .arg(r.ExhibitionTime2);
            }
            const MeetingAverage a = m.MeetingAverages(j);
            out << QStringLiteral("%1 avg %2 %3").arg(j).arg(a.StartTiming).arg(a.Course);
        }
        return out;
    }

    int Index(const QString& sensyuNo) const { return e->Bangumi.SensyuNoToIndex(sensyuNo); }
};

// Day 6 of 大村 with the five earlier results files found in three ways.
enum class Source { Text, Archive, Cached };

class MeetingDaySixTest : public MeetingStatsTest, public ::testing::WithParamInterface<Source> {};

TEST_P(MeetingDaySixTest, RecordsMatchTheResultsSoFarOfTheProgram)
{
    ASSERT_TRUE(LoadProgram(QStringLiteral("B240106.TXT")));
    ASSERT_EQ(e->Bangumi.TotalDay(), 6);
    for (int d = 1; d <= 5; ++d) {
        const QString day = QStringLiteral("2401%1").arg(d, 2, 10, QLatin1Char('0'));
        switch (GetParam()) {
        case Source::Text:
            ASSERT_TRUE(CopyReal(QStringLiteral("results/K%1.TXT").arg(day), FilesFile(QStringLiteral("K%1.TXT").arg(day))));
            break;
        case Source::Archive:
            ASSERT_TRUE(CopyReal(QStringLiteral("lzh/k%1.lzh").arg(day), FilesFile(QStringLiteral("k%1.lzh").arg(day))));
            break;
        case Source::Cached:
            ASSERT_TRUE(CopyReal(QStringLiteral("results/K%1.TXT").arg(day), TempFile(QStringLiteral("k%1.txt").arg(day))));
            // A cached day is used without looking at the program file folder.
            ASSERT_TRUE(WriteAll(FilesFile(QStringLiteral("k%1.txt").arg(day)), QByteArray("24KBGN\r\n24KEND\r\n")));
            break;
        }
    }

    CollectMeetingStats(*e, 24, files);

    const MeetingData& m = e->Meeting;
    ASSERT_EQ(m.Racers(), e->Bangumi.ParticipationNumbers());
    ASSERT_EQ(m.Days(), 5);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(ui.statusTexts, QStringList({QStringLiteral("1:") + kCollecting, QStringLiteral("1:")}));

    // Each earlier day is now in "Temp" with the bytes of the organizer's file.
    for (int d = 1; d <= 5; ++d) {
        const QString day = QStringLiteral("2401%1").arg(d, 2, 10, QLatin1Char('0'));
        const QString cached = folder->AppFilePath(QStringLiteral("Temp\\k%1.txt").arg(day));
        EXPECT_EQ(ReadAll(cached), ReadAll(RealData(QStringLiteral("results/K%1.TXT").arg(day)))) << day.toStdString();
    }

    // Independent check: the program's "results so far" column of every entry holds two
    // characters per earlier day, the places of the first and second race.
    int checked = 0;
    for (int r = 1; r <= e->Bangumi.RaceNumbers(); ++r) {
        for (int f = 1; f <= 6; ++f) {
            const QString no = e->Bangumi.SensyuNo(r, f);
            const int j = Index(no);
            ASSERT_GT(j, 0) << no.toStdString();
            const QString seiseki = e->Bangumi.Seiseki(r, f);
            for (int k = 1; k <= 5; ++k) {
                const MeetingRecord rec = m.MeetingRecords(j, k);
                EXPECT_EQ(rec.SensyuNo, no);
                EXPECT_EQ(SeisekiChar(rec.Order1) + SeisekiChar(rec.Order2), seiseki.mid(2 * (k - 1), 2))
                    << no.toStdString() << " day " << k;
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, e->Bangumi.RaceNumbers() * 6 * 5);

    // Figures read by hand from the result lines of 山口裕二 (3944):
    //   day 1  4R "01" 0.08 course 3 (6.85), 11R "03" 0.22 course 1 (6.82)
    //   day 3  7R "F " F0.02 course 4 (6.81), 11R "05" 0.20 course 5
    //   day 2 .18/2 .13/6, day 4 .11/6, day 5 .08/6
    const int y = Index(QStringLiteral("3944"));
    ASSERT_GT(y, 0);
    const MeetingRecord d1 = m.MeetingRecords(y, 1);
    EXPECT_EQ(d1.Order1, QStringLiteral("01"));
    EXPECT_EQ(d1.Order2, QStringLiteral("03"));
    EXPECT_FLOAT_EQ(d1.StartTiming1, 0.08f);
    EXPECT_FLOAT_EQ(d1.StartTiming2, 0.22f);
    EXPECT_EQ(d1.Course1, 3);
    EXPECT_EQ(d1.Course2, 1);
    EXPECT_FLOAT_EQ(d1.ExhibitionTime1, 6.85f);
    EXPECT_FLOAT_EQ(d1.ExhibitionTime2, 6.82f);
    const MeetingRecord d3 = m.MeetingRecords(y, 3);
    EXPECT_EQ(d3.Order1, QStringLiteral("F "));
    EXPECT_FLOAT_EQ(d3.StartTiming1, 0.02f);
    EXPECT_EQ(d3.Course1, 4);
    EXPECT_EQ(d3.Order2, QStringLiteral("05"));
    const MeetingRecord d4 = m.MeetingRecords(y, 4);
    EXPECT_EQ(d4.Order1, QStringLiteral("03"));
    EXPECT_TRUE(d4.Order2.isEmpty());
    EXPECT_EQ(d4.Course2, 0);
    EXPECT_EQ(d4.StartTiming2, 0.0f);
    // Seven counted starts (the flying one left out) and eight courses.
    EXPECT_NEAR(m.MeetingAverages(y).StartTiming, 1.00 / 7, 1e-6);
    EXPECT_NEAR(m.MeetingAverages(y).Course, 33.0 / 8, 1e-6);

    // 山崎昂介 (4315) was disqualified ("S1", 0.14, course 6) on day 3.
    const int s = Index(QStringLiteral("4315"));
    ASSERT_GT(s, 0);
    EXPECT_EQ(m.MeetingRecords(s, 3).Order2, QStringLiteral("S1"));
    EXPECT_NEAR(m.MeetingAverages(s).StartTiming, 1.12 / 7, 1e-6);
    EXPECT_NEAR(m.MeetingAverages(s).Course, 30.0 / 8, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Sources, MeetingDaySixTest, ::testing::Values(Source::Text, Source::Archive, Source::Cached),
                         [](const auto& info) {
                             switch (info.param) {
                             case Source::Text: return std::string("Text");
                             case Source::Archive: return std::string("Archive");
                             default: return std::string("Cached");
                             }
                         });

TEST_F(MeetingStatsTest, OpeningDayReadsNothing)
{
    ASSERT_TRUE(LoadProgram(QStringLiteral("B240101.TXT")));
    ASSERT_EQ(e->Bangumi.TotalDay(), 1);
    // A results file of the day before lies in the program file folder; it is not this meeting's.
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240101.TXT"), FilesFile(QStringLiteral("k231231.txt"))));
    e->Meeting.Reset(3, 4); // what a previous stadium left behind

    CollectMeetingStats(*e, 24, files);

    EXPECT_EQ(e->Meeting.Days(), 0);
    ASSERT_EQ(e->Meeting.Racers(), e->Bangumi.ParticipationNumbers());
    ASSERT_GT(e->Meeting.Racers(), 0);
    for (int j = 1; j <= e->Meeting.Racers(); ++j) {
        EXPECT_EQ(e->Meeting.MeetingAverages(j).StartTiming, 0.0f);
        EXPECT_EQ(e->Meeting.MeetingAverages(j).Course, 0.0f);
        EXPECT_TRUE(e->Meeting.MeetingRecords(j, 1).SensyuNo.isEmpty()); // no day columns
    }
    EXPECT_TRUE(TempNames().isEmpty());
}

TEST_F(MeetingStatsTest, CountingRulesOverHandMadeDays)
{
    // Day 4 of 大村: three earlier days, written by hand.
    ASSERT_TRUE(LoadProgram(QStringLiteral("B240104.TXT")));
    ASSERT_EQ(e->Bangumi.TotalDay(), 4);
    ASSERT_GE(e->Bangumi.ParticipationNumbers(), 6);
    QString p[7];
    for (int j = 1; j <= 6; ++j)
        p[j] = e->Bangumi.ParticipationSenyuNo(j);

    auto run = [](int race, int frame, const QString& no, const char* order, const char* start, const char* course,
                  const char* flag = " ") {
        ResultRun r;
        r.race = race;
        r.frame = frame;
        r.sensyuNo = no;
        r.order = QString::fromLatin1(order);
        r.start = QString::fromLatin1(start);
        r.course = QString::fromLatin1(course);
        r.flag = QString::fromLatin1(flag);
        return r;
    };
    // Day 1: p1 second at 0.12 from course 2; p3 absent; p5 disqualified at 0.15 from course 6.
    const QByteArray day1 = ResultsFile(QStringLiteral("24"), QDate(2024, 1, 1), 1,
                                        {run(1, 2, p[1], "02", "0.12", "2"), run(2, 3, p[3], "K0", "K .", " ", "K"),
                                         run(3, 6, p[5], "S0", "0.15", "6")});
    // Day 2: p2 won at 0.00 and was third at 1.00 (neither timing counts); p4 rode three times.
    const QByteArray day2 = ResultsFile(QStringLiteral("24"), QDate(2024, 1, 2), 2,
                                        {run(1, 1, p[2], "01", "0.00", "1"), run(8, 5, p[2], "03", "1.00", "5"),
                                         run(2, 1, p[4], "01", "0.10", "1"), run(5, 2, p[4], "02", "0.20", "2"),
                                         run(12, 3, p[4], "03", "0.30", "3"), run(4, 1, QStringLiteral("9998"), "01", "0.10", "1")});
    // Day 3: p1 flew (F, -0.01) from course 4; p6 won with a timing below zero.
    const QByteArray day3 = ResultsFile(QStringLiteral("24"), QDate(2024, 1, 3), 3,
                                        {run(7, 4, p[1], "F ", "-.01", "4", "F"), run(9, 1, p[6], "01", "-.05", "1")});
    ASSERT_TRUE(WriteAll(FilesFile(QStringLiteral("k240101.txt")), day1));
    ASSERT_TRUE(WriteAll(FilesFile(QStringLiteral("k240102.txt")), day2));
    ASSERT_TRUE(WriteAll(FilesFile(QStringLiteral("k240103.txt")), day3));

    CollectMeetingStats(*e, 24, files);
    const MeetingData& m = e->Meeting;
    ASSERT_EQ(m.Days(), 3);
    EXPECT_EQ(TempNames(), QStringList({QStringLiteral("k240101.txt"), QStringLiteral("k240102.txt"), QStringLiteral("k240103.txt")}));

    // A third race on the same day takes the place of the second.
    const MeetingRecord r4 = m.MeetingRecords(4, 2);
    EXPECT_EQ(r4.Order1, QStringLiteral("01"));
    EXPECT_EQ(r4.Order2, QStringLiteral("03"));
    EXPECT_FLOAT_EQ(r4.StartTiming2, 0.30f);
    EXPECT_EQ(r4.Course2, 3);
    EXPECT_FLOAT_EQ(r4.ExhibitionTime2, 6.80f);

    // An absent boat keeps its order code and no course.
    EXPECT_EQ(m.MeetingRecords(3, 1).Order1, QStringLiteral("K0"));
    EXPECT_EQ(m.MeetingRecords(3, 1).Course1, 0);

    struct Expected {
        int racer;
        double start;
        double course;
    };
    const Expected expected[] = {
        {1, 0.12, 3.0},      // the flying start counts its course only
        {2, 0.0, 3.0},       // timings of 0 and 1 never count
        {3, 0.0, 0.0},       // absent: nothing counted
        {4, 0.20, 2.0},      // first and third race of the day
        {5, 0.0, 6.0},       // disqualified: the course counts
        {6, 0.0, 1.0},       // a timing below zero does not count even for a winner
    };
    for (const Expected& x : expected) {
        EXPECT_NEAR(m.MeetingAverages(x.racer).StartTiming, x.start, 1e-6) << "racer " << x.racer;
        EXPECT_NEAR(m.MeetingAverages(x.racer).Course, x.course, 1e-6) << "racer " << x.racer;
    }
    // Racers without a race keep empty records.
    for (int j = 7; j <= m.Racers(); ++j)
        for (int k = 1; k <= 3; ++k)
            EXPECT_TRUE(m.MeetingRecords(j, k).Order1.isEmpty());
}

TEST_F(MeetingStatsTest, ARacerWhoRodeTwiceADayHasBothRaces)
{
    ASSERT_TRUE(LoadProgram(QStringLiteral("B240106.TXT")));
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240105.TXT"), FilesFile(QStringLiteral("K240105.TXT"))));
    CollectMeetingStats(*e, 24, files);
    const int s = Index(QStringLiteral("4315"));
    const MeetingRecord r = e->Meeting.MeetingRecords(s, 5);
    // Day 5: 1R "03" 0.18 course 5, 8R "04" 0.12 course 4.
    EXPECT_EQ(r.Order1, QStringLiteral("03"));
    EXPECT_EQ(r.Order2, QStringLiteral("04"));
    EXPECT_FLOAT_EQ(r.StartTiming1, 0.18f);
    EXPECT_FLOAT_EQ(r.StartTiming2, 0.12f);
    EXPECT_EQ(r.Course1, 5);
    EXPECT_EQ(r.Course2, 4);
    // Days 1-4 were not found: empty, and the averages count day 5 only.
    EXPECT_TRUE(e->Meeting.MeetingRecords(s, 1).Order1.isEmpty());
    EXPECT_NEAR(e->Meeting.MeetingAverages(s).StartTiming, 0.15, 1e-6);
    EXPECT_NEAR(e->Meeting.MeetingAverages(s).Course, 4.5, 1e-6);
}

// A bad file for day 5 of the day-6 program leaves day 5 empty and the other days intact.
struct BadDay {
    const char* name;
    const char* file;     // name in the program file folder
    QByteArray (*content)();
};

void PrintTo(const BadDay& d, std::ostream* os)
{
    *os << d.name;
}

QByteArray RealBytes(const char* relative)
{
    return ReadAll(RealData(QString::fromLatin1(relative)));
}

const BadDay kBadDays[] = {
    {"OtherStadiumsOnly", "k240105.txt",
     [] { return ResultsFile(QStringLiteral("23"), QDate(2024, 1, 5), 5, {ResultRun{1, 1, QStringLiteral("3944")}}); }},
    {"RaceProgram", "k240105.txt", [] { return RealBytes("program/B240105.TXT"); }},
    {"AnotherDaysFile", "k240105.txt", [] { return RealBytes("results/K240101.TXT"); }},
    {"AnotherMeetingsDay", "k240105.txt",
     [] { return ResultsFile(QStringLiteral("24"), QDate(2024, 1, 5), 6, {ResultRun{1, 1, QStringLiteral("3944")}}); }},
    {"DatedAnotherDay", "k240105.txt",
     [] { return ResultsFile(QStringLiteral("24"), QDate(2024, 1, 1), 5, {ResultRun{1, 1, QStringLiteral("3944")}}); }},
    {"ClaimsAnEarlierDay", "k240105.txt",
     [] {
         return ResultsFile(QStringLiteral("24"), QDate(2024, 1, 5), 4,
                            {ResultRun{1, 1, QStringLiteral("3944"), QStringLiteral("06")}});
     }},
    {"Empty", "k240105.txt", [] { return QByteArray(); }},
    {"LongSingleLine", "k240105.txt", [] { return QByteArray(5 * 1024 * 1024, 'x'); }},
    {"BrokenBlock", "k240105.txt",
     [] {
         // A popularity rank that is not a number fails the load.
         QByteArray b = ResultsFile(QStringLiteral("24"), QDate(2024, 1, 5), 5, {ResultRun{1, 1, QStringLiteral("3944")}});
         b.replace("24KEND", TextToCp932(QStringLiteral("        ２連単   1-4       2350  人気     x\r\n24KEND")));
         return b;
     }},
    {"RandomArchive", "k240105.lzh", [] { return QByteArrayLiteral("\x1f\x8b random bytes that are no archive"); }},
    {"TruncatedArchive", "k240105.lzh", [] { return RealBytes("lzh/k240105.lzh").left(20000); }},
};

class MeetingBadDayTest : public MeetingStatsTest, public ::testing::WithParamInterface<BadDay> {};

TEST_P(MeetingBadDayTest, LeavesThatDayEmpty)
{
    ASSERT_TRUE(LoadProgram(QStringLiteral("B240106.TXT")));
    for (int d = 1; d <= 4; ++d)
        ASSERT_TRUE(CopyReal(QStringLiteral("results/K24010%1.TXT").arg(d), FilesFile(QStringLiteral("k24010%1.txt").arg(d))));
    ASSERT_TRUE(WriteAll(FilesFile(QString::fromLatin1(GetParam().file)), GetParam().content()));

    CollectMeetingStats(*e, 24, files);

    const MeetingData& m = e->Meeting;
    ASSERT_EQ(m.Days(), 5);
    EXPECT_TRUE(ui.messages.isEmpty());
    for (int j = 1; j <= m.Racers(); ++j) {
        const MeetingRecord r = m.MeetingRecords(j, 5);
        EXPECT_TRUE(r.Order1.isEmpty() && r.Order2.isEmpty() && r.Course1 == 0 && r.StartTiming1 == 0.0f) << j;
        EXPECT_EQ(r.SensyuNo, e->Bangumi.ParticipationSenyuNo(j));
    }
    // The earlier days are untouched: 山口裕二 won 4R on day 1 (the misnamed copy of day 1 is
    // not taken as day 5, nor does it take day 1's place).
    const int y = Index(QStringLiteral("3944"));
    EXPECT_EQ(m.MeetingRecords(y, 1).Order1, QStringLiteral("01"));
    EXPECT_EQ(m.MeetingRecords(y, 1).Order2, QStringLiteral("03"));
    EXPECT_EQ(m.MeetingRecords(y, 4).Order1, QStringLiteral("03"));
    // A broken archive leaves nothing half-written in "Temp".
    const QString cached = folder->AppFilePath(QStringLiteral("Temp\\k240105.txt"));
    if (QString::fromLatin1(GetParam().file).endsWith(QLatin1String(".lzh"))) {
        EXPECT_FALSE(QFileInfo::exists(cached));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, MeetingBadDayTest, ::testing::ValuesIn(kBadDays),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MeetingStatsTest, PostponedDayKeepsEachFileInItsOwnDay)
{
    // Day 4 on 4 January after a postponement on the 3rd (day 3 raced on the 2nd, day 2 on
    // the 1st): the walk back one calendar day at a time finds day 3 in place of day 2 and
    // day 2 in place of day 1; each goes to the day its own file names.
    ASSERT_TRUE(LoadProgram(QStringLiteral("B240104.TXT")));
    ASSERT_EQ(e->Bangumi.TotalDay(), 4);
    const QString p1 = e->Bangumi.ParticipationSenyuNo(1);
    const ResultRun won{1, 1, p1};
    const ResultRun second{1, 2, p1, QStringLiteral("02"), QStringLiteral("0.15"), QStringLiteral("2")};
    ASSERT_TRUE(WriteAll(FilesFile(QStringLiteral("k240103.txt")),
                         ResultsFile(QStringLiteral("23"), QDate(2024, 1, 3), 2, {ResultRun{1, 1, p1}})));
    ASSERT_TRUE(WriteAll(FilesFile(QStringLiteral("k240102.txt")), ResultsFile(QStringLiteral("24"), QDate(2024, 1, 2), 3, {won})));
    ASSERT_TRUE(WriteAll(FilesFile(QStringLiteral("k240101.txt")), ResultsFile(QStringLiteral("24"), QDate(2024, 1, 1), 2, {second})));

    CollectMeetingStats(*e, 24, files);

    const MeetingData& m = e->Meeting;
    EXPECT_TRUE(m.MeetingRecords(1, 1).Order1.isEmpty());
    EXPECT_EQ(m.MeetingRecords(1, 2).Order1, QStringLiteral("02"));
    EXPECT_EQ(m.MeetingRecords(1, 3).Order1, QStringLiteral("01"));
    EXPECT_NEAR(m.MeetingAverages(1).Course, 1.5, 1e-6);
}

TEST_F(MeetingStatsTest, ADayClaimedTwiceKeepsTheLatestFile)
{
    // The file of 5 January is day 5; one of 4 January that also says day 5 is not mixed in.
    ASSERT_TRUE(LoadProgram(QStringLiteral("B240106.TXT")));
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240105.TXT"), FilesFile(QStringLiteral("K240105.TXT"))));
    ASSERT_TRUE(WriteAll(FilesFile(QStringLiteral("k240104.txt")),
                         ResultsFile(QStringLiteral("24"), QDate(2024, 1, 4), 5,
                                     {ResultRun{1, 1, QStringLiteral("4315"), QStringLiteral("01"), QStringLiteral("0.01")}})));
    CollectMeetingStats(*e, 24, files);
    const int s = Index(QStringLiteral("4315"));
    EXPECT_EQ(e->Meeting.MeetingRecords(s, 5).Order1, QStringLiteral("03"));
    EXPECT_EQ(e->Meeting.MeetingRecords(s, 5).Order2, QStringLiteral("04"));
    EXPECT_TRUE(e->Meeting.MeetingRecords(s, 4).Order1.isEmpty());
}

TEST_F(MeetingStatsTest, MissingTempFolderIsCreated)
{
    ASSERT_TRUE(LoadProgram(QStringLiteral("B240102.TXT")));
    ASSERT_TRUE(QDir(root + QStringLiteral("/Temp")).removeRecursively());
    ASSERT_TRUE(CopyReal(QStringLiteral("lzh/k240101.lzh"), FilesFile(QStringLiteral("k240101.lzh"))));
    CollectMeetingStats(*e, 24, files);
    EXPECT_TRUE(QFileInfo(folder->AppFilePath(QStringLiteral("Temp\\k240101.txt"))).isFile());
    // 山崎昂介 won 2R on day 1 at 0.24 from course 1.
    const int s = Index(QStringLiteral("4315"));
    ASSERT_GT(s, 0);
    EXPECT_EQ(e->Meeting.MeetingRecords(s, 1).Order1, QStringLiteral("01"));
    EXPECT_FLOAT_EQ(e->Meeting.MeetingRecords(s, 1).StartTiming1, 0.24f);
}

TEST_F(MeetingStatsTest, NothingLoadedGivesEmptyTables)
{
    e->Meeting.Reset(5, 5);
    CollectMeetingStats(*e, 24, files);
    EXPECT_EQ(e->Meeting.Racers(), 0);
    EXPECT_EQ(e->Meeting.Days(), 0);
    EXPECT_TRUE(ui.messages.isEmpty());
}

} // namespace

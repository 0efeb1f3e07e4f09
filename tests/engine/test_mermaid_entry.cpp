// Entry prediction on hand-made races: a one-race program and a racer file whose figures are
// chosen so that every rule of the prediction shows in the result.
#include "common/cp932.h"
#include "common/errors.h"
#include "engine/engine.h"
#include "engine/mMermaid2.h"
#include "engine/mermaid_rules.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>

namespace {

// A fan handbook record: 410 bytes of fields and the 6-byte home prefecture. Every number
// starts at zero; a man with ability 50 and training term 100.
class FanRecord {
public:
    explicit FanRecord(const char* no)
    {
        b_ = QByteArray(no).leftJustified(4, ' ', true);
        b_ += QByteArray(44, ' ');                 // names, branch, class, birth: not read here
        b_ += "130" "171" "52" "A ";               // sex, age, height, weight, blood
        b_ += QByteArray(410 - b_.size(), '0');
        b_ += QByteArray(6, ' ');
        put(161, "B1B1B1").put(175, "2020" "1");
        ability(50).yoseiKi(100);
    }
    FanRecord& put(int position, const QByteArray& bytes)
    {
        b_.replace(position - 1, bytes.size(), bytes);
        return *this;
    }
    FanRecord& num(int position, int width, int value)
    {
        return put(position, QByteArray::number(value).rightJustified(width, '0'));
    }
    // Starts from courses 1-6; the total is their sum.
    FanRecord& starts(const std::array<int, 6>& k)
    {
        int n = 0;
        for (int c = 1; c <= 6; ++c) {
            num(courseA(c), 3, k[size_t(c - 1)]);
            n += k[size_t(c - 1)];
        }
        return num(73, 3, n);
    }
    FanRecord& scaled(int times) // the same shares over more starts
    {
        std::array<int, 6> k{};
        for (int c = 1; c <= 6; ++c)
            k[size_t(c - 1)] = b_.mid(courseA(c) - 1, 3).toInt() * times;
        return starts(k);
    }
    FanRecord& topTwo(int c, int percentTimes10) { return num(courseA(c) + 3, 4, percentTimes10); }
    // Course start timing and start order, both x 100.
    FanRecord& start(int c, int timing, int order) { return num(courseA(c) + 7, 3, timing).num(courseA(c) + 10, 3, order); }
    FanRecord& ability(int a) { return num(171, 4, a * 100); }
    FanRecord& woman() { return put(49, "2"); }
    FanRecord& yoseiKi(int k) { return num(196, 3, k); }
    QByteArray no() const { return b_.left(4); }
    QByteArray bytes() const { return b_; }

private:
    static int courseA(int c) { return 83 + 13 * (c - 1); }
    QByteArray b_;
};

// Course-start profiles over 20 starts, with their course type and inside index.
FanRecord In(const char* no) { return FanRecord(no).starts({17, 3, 0, 0, 0, 0}); }          // 1, 97.50
FanRecord Uchi(const char* no) { return FanRecord(no).starts({5, 6, 6, 2, 1, 0}); }         // 2, 76.67
FanRecord Center(const char* no) { return FanRecord(no).starts({0, 5, 6, 6, 0, 3}); }       // 4, 58.33
FanRecord Naka(const char* no) { return FanRecord(no).starts({1, 5, 5, 5, 3, 1}); }         // 5, 60.83
FanRecord Soto(const char* no) { return FanRecord(no).starts({1, 0, 2, 6, 6, 5}); }         // 8, 40.83
FanRecord Out(const char* no) { return FanRecord(no).starts({0, 0, 0, 0, 6, 14}); }         // 9, 21.67
FanRecord NakaSoto(const char* no) { return FanRecord(no).starts({1, 2, 6, 4, 3, 4}); }     // 7, 51.67
FanRecord UchiNaka(const char* no) { return FanRecord(no).starts({4, 4, 5, 4, 2, 1}); }     // 3, 67.50
FanRecord Even(const char* no) { return FanRecord(no).starts({4, 3, 3, 3, 3, 4}); }         // 2, 58.33
FanRecord Jizai(const char* no) { return Even(no).topTwo(4, 200).topTwo(5, 200); }          // 0, 58.33
FanRecord JizaiHigh(const char* no)                                                        // 0, 84.17
{
    return FanRecord(no).starts({15, 0, 0, 1, 4, 0}).topTwo(4, 200).topTwo(5, 250);
}
FanRecord JizaiMid(const char* no) { return FanRecord(no).starts({8, 0, 0, 6, 6, 0}).topTwo(4, 200).topTwo(6, 200); } // 0, 65
FanRecord Rookie(const char* no) { return FanRecord(no).yoseiKi(120); }                    // 10, 0

// One entry of the race program: registration number, class and motor top-two rate.
struct Entry {
    const char* no = "";
    const char* cls = "B1";
    const char* motor = "30.00";
};

QString EntryLine(int frame, const Entry& en)
{
    return QString::number(frame) + QLatin1Char(' ') + QString::fromLatin1(en.no) + QStringLiteral("試験太郎30大阪52")
        + QString::fromLatin1(en.cls) + QStringLiteral(" 6.00 40.00 5.50 35.00 10") + QString::fromLatin1(en.motor).rightJustified(6)
        + QStringLiteral(" 20 25.00 ") + QString(12, QLatin1Char(' ')) + QStringLiteral("  ");
}

class MermaidEntryTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    RecordingUi ui;
    Engine e{folder, ui};

    void SetUp() override { e.raceCard.Load(0); }

    // Race 1 of stadium `code` with the given frames (an entry without a number is left out),
    // and a racer file holding `racers` plus a last record of training term `newestTerm`.
    void load(const std::array<Entry, 6>& entries, QVector<FanRecord> racers, const QString& code = QStringLiteral("24"),
              int newestTerm = 120)
    {
        QStringList lines;
        lines << code + QStringLiteral("BBGN") << QStringLiteral("ボートレース大　村   　１月　１日  テスト")
              << QStringLiteral("テスト記念")
              << QStringLiteral("   第　１日          ２０２４年　１月　１日                  ボートレース大　村")
              << QStringLiteral("　１Ｒ  予選　　　　          Ｈ１８００ｍ  電話投票締切予定１７：４１ ");
        for (int f = 1; f <= 6; ++f)
            if (*entries[size_t(f - 1)].no)
                lines << EntryLine(f, entries[size_t(f - 1)]);
        lines << code + QStringLiteral("BEND");
        ASSERT_TRUE(WriteAll(dir.filePath(QStringLiteral("BANGUMI.QVL")), EncodeLines(lines)));
        ASSERT_TRUE(e.Bangumi.FileLoad(code));

        const QString path = writeFan(racers, newestTerm);
        ASSERT_TRUE(e.Sensyu.FileLoad(path, e.Bangumi.ParticipationSensyuNoAllGet()));
        e.Meeting.Reset(e.Bangumi.ParticipationNumbers(), 0);
        ASSERT_TRUE(ui.messages.isEmpty());
    }

    // The records in number order, then a last record of training term `newestTerm`.
    QString writeFan(QVector<FanRecord> racers, int newestTerm = 120)
    {
        racers << FanRecord("9999").yoseiKi(newestTerm);
        std::sort(racers.begin(), racers.end(), [](const FanRecord& a, const FanRecord& b) { return a.no() < b.no(); });
        QByteArray fan;
        for (const FanRecord& r : racers)
            fan += r.bytes() + "\r\n";
        const QString path = dir.filePath(QStringLiteral("SENSYU.QVL"));
        EXPECT_TRUE(WriteAll(path, fan));
        return path;
    }

    void expectConsistent()
    {
        for (int c = 1; c <= 6; ++c) {
            const int f = e.st.ExpectWaku[c];
            ASSERT_TRUE(f >= 1 && f <= 6) << c;
            EXPECT_EQ(e.st.ExpectCourse[f], c) << c;
        }
    }
};

} // namespace

TEST_F(MermaidEntryTest, CourseTypes)
{
    struct Case {
        FanRecord racer;
        int code;
    };
    const Case cases[] = {
        {In("4001"), 1},
        {FanRecord("4002").starts({10, 7, 1, 1, 1, 0}), 1},   // 17 of 20 in courses 1-2: exactly 0.85
        {FanRecord("4003").starts({10, 6, 2, 1, 1, 0}), 2},   // 16 of 20: inner, not "イン"
        {Center("4004"), 4},
        {Out("4005"), 9},                                      // 14 of 20: 0.7 in single precision
        {Uchi("4006"), 2},
        {Naka("4007"), 5},
        {Soto("4008"), 8},
        {UchiNaka("4009"), 3},
        {NakaSoto("4010"), 7},
        {Even("4011"), 2},                                     // course 4 top-two rate below 20
        {Jizai("4012"), 0},
        {Even("4013").topTwo(4, 200).topTwo(6, 200), 0},
        {Even("4014").topTwo(4, 200).topTwo(5, 199).topTwo(6, 199), 3},
        {FanRecord("4015").yoseiKi(120), 10},                  // no starts, newest term
        {FanRecord("4016").yoseiKi(119), 6},                   // no starts, older term
        {FanRecord("4017").yoseiKi(0), 10},                    // no term at all
    };
    QVector<FanRecord> racers;
    for (const Case& c : cases)
        racers << c.racer;
    ASSERT_TRUE(e.Sensyu.FileLoadAll(writeFan(racers, 120)));
    ASSERT_EQ(e.Sensyu.LastYoseiKi(), 120);
    for (const Case& c : cases)
        EXPECT_EQ(TokuiCourseTypeGet(e, QString::fromLatin1(c.racer.no())), c.code) << c.racer.no().constData();
    EXPECT_EQ(TokuiCourseTypeGet(e, QStringLiteral("5555")), 10); // not in the file
    EXPECT_EQ(TokuiCourseTypeGet(e, QString()), 10);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MermaidEntryTest, StandardPrediction)
{
    struct Case {
        const char* what;
        std::array<Entry, 6> entries;
        QVector<FanRecord> racers;
        float meetingCourse1; // mean entry course of frame 1's racer in this meeting (0 = none)
        QString entry;
        std::array<float, 6> targets; // after the conflicts and the tie-break
        std::array<float, 6> scores;
    };
    const Case cases[] = {
        // Types 1 2 4 9 5 8, no conflict. Scores: target - InSisu / 100, class, frame, course-1 starts.
        {"plain",
         {Entry{"4001"}, Entry{"4002", "A1"}, Entry{"4003", "A2"}, Entry{"4004"}, Entry{"4005", "B2"}, Entry{"4006"}},
         {In("4001"), Uchi("4002"), Center("4003"), Out("4004"), Naka("4005"), Soto("4006")},
         0,
         QStringLiteral("123564"),
         {1.001f, 2.002f, 4.003f, 9.004f, 5.005f, 8.006f},
         {0.125f, 1.2333333f, 3.6166667f, 9.1833333f, 4.7416667f, 7.8916667f}},
        // Frames 3 and 4 aim at 2; 3 has the better score and keeps it. Frame 6 is free with a
        // high inside index: 6 + 1.8. Frame 5 is a newcomer (term 120 = the newest).
        {"conflict, lower frame keeps",
         {Entry{"4001"}, Entry{"4002", "B2"}, Entry{"4003", "A1"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {In("4001"), Naka("4002").ability(40), Uchi("4003").ability(60), Uchi("4004").ability(55).woman(),
          Rookie("4005").ability(30), JizaiHigh("4006")},
         0,
         QStringLiteral("134265"),
         {1.001f, 5.002f, 2.003f, 3.004f, 10.005f, 7.806f},
         {0.125f, 4.5916667f, 1.3333333f, 1.6333333f, 10.35f, 7.2583333f}},
        // Same, but frame 3 (B2, a woman: power 40) has the worse score against frame 4 (A1,
        // power 60: 85 % is 51): frame 3 moves out.
        {"conflict, weaker lower frame loses",
         {Entry{"4001"}, Entry{"4002", "B2"}, Entry{"4003", "B2"}, Entry{"4004", "A1"}, Entry{"4005"}, Entry{"4006"}},
         {In("4001"), Naka("4002"), Uchi("4003").woman(), Uchi("4004").ability(60), Rookie("4005"), JizaiHigh("4006")},
         0,
         QStringLiteral("143265"),
         {1.001f, 5.002f, 3.003f, 2.004f, 10.005f, 7.806f},
         {0.125f, 4.5916667f, 1.5333333f, 1.4333333f, 10.35f, 7.2583333f}},
        // Nobody inner-minded and all free: frame + 2, or 2 from an inside index of 70; frame 1
        // at 3 becomes 2. Frame 4 (84.17) meets frame 1 at 2 and has the worse score.
        {"all free",
         {Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {Jizai("4001"), Jizai("4002"), Jizai("4003"), JizaiHigh("4004"), Jizai("4005"), Jizai("4006")},
         0,
         QStringLiteral("142356"),
         {2.001f, 4.002f, 5.003f, 3.004f, 7.005f, 8.006f},
         {1.5166667f, 3.6166667f, 4.7166667f, 1.5583333f, 6.7666667f, 7.7166667f}},
        // Same with 45 starts from course 1 for frame 4 (-0.2) and a woman in frame 1 (power 40
        // against 42): frame 1 loses course 2.
        {"all free, 45 starts from course 1",
         {Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {Jizai("4001").woman(), Jizai("4002"), Jizai("4003"), JizaiHigh("4004").scaled(3), Jizai("4005"), Jizai("4006")},
         0,
         QStringLiteral("412356"),
         {3.001f, 4.002f, 5.003f, 2.004f, 7.005f, 8.006f},
         {1.5166667f, 3.6166667f, 4.7166667f, 1.3583333f, 6.7666667f, 7.7166667f}},
        // 60 starts from course 1 subtract 0.4; frame 1 (a man, 50 against 42) keeps course 2.
        {"all free, 60 starts from course 1",
         {Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {Jizai("4001"), Jizai("4002"), Jizai("4003"), JizaiHigh("4004").scaled(4), Jizai("4005"), Jizai("4006")},
         0,
         QStringLiteral("142356"),
         {2.001f, 4.002f, 5.003f, 3.004f, 7.005f, 8.006f},
         {1.5166667f, 3.6166667f, 4.7166667f, 1.1583333f, 6.7666667f, 7.7166667f}},
        // Nobody inner-minded, one free: every inside index of 60 goes for 2 (frames 1 and 3).
        {"nobody inner-minded",
         {Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {Naka("4001"), Center("4002"), JizaiMid("4003"), Out("4004"), Soto("4005"), NakaSoto("4006")},
         0,
         QStringLiteral("132654"),
         {2.001f, 4.002f, 3.003f, 9.004f, 8.005f, 7.006f},
         {1.4916667f, 3.6166667f, 1.65f, 9.1833333f, 7.9416667f, 6.7833333f}},
        // Frame 1 of type "中" with an inside index of 60.83 goes for 2; free frame 5 below 70:
        // 5 + 2.2.
        {"frame 1 moves in",
         {Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {Naka("4001"), In("4002"), Center("4003"), Soto("4004"), Jizai("4005"), Rookie("4006")},
         0,
         QStringLiteral("213546"),
         {2.001f, 1.002f, 4.003f, 8.004f, 7.205f, 10.006f},
         {1.4916667f, 0.225f, 3.7166667f, 7.9916667f, 6.9666667f, 10.3f}},
        // Same racer, but a mean course of 1.5 in this meeting leaves 59.33: frame 1 stays at 5.
        {"frame 1 stays out after inside starts this meeting",
         {Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {Naka("4001"), In("4002"), Center("4003"), Soto("4004"), Jizai("4005"), Rookie("4006")},
         1.5f,
         QStringLiteral("231546"),
         {5.001f, 1.002f, 4.003f, 8.004f, 7.205f, 10.006f},
         {4.5066667f, 0.225f, 3.7166667f, 7.9916667f, 6.9666667f, 10.3f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        load(c.entries, c.racers);
        if (c.meetingCourse1 != 0)
            e.Meeting.Average(e.Bangumi.SensyuNoToIndex(QString::fromLatin1(c.entries[0].no)))->Course = c.meetingCourse1;
        EXPECT_EQ(EntryCourseExpectStandard(e, 1), c.entry);
        for (int f = 1; f <= 6; ++f) {
            EXPECT_NEAR(e.st.CourseTarget[f], c.targets[size_t(f - 1)], 1e-5) << f;
            EXPECT_NEAR(e.st.CourseScore[f], c.scores[size_t(f - 1)], 1e-5) << f;
        }
        expectConsistent();
        EXPECT_TRUE(ui.messages.isEmpty());
    }
}

TEST_F(MermaidEntryTest, WorkingArraysOfTheStandardPrediction)
{
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {In("4001"), Naka("4002").ability(40), Uchi("4003").ability(60), Uchi("4004").ability(55).woman(),
          Rookie("4005").ability(30), JizaiHigh("4006")});
    e.Meeting.Average(e.Bangumi.SensyuNoToIndex(QStringLiteral("4003")))->Course = 2.25f;
    EntryCourseExpectStandard(e, 1);
    const std::array<int, 6> power{50, 40, 60, 44, 30, 50}; // a woman's 55 counts 44
    const std::array<float, 6> net{97.5f, 60.833333f, 76.666667f - 2.25f, 76.666667f, 0, 84.166667f};
    for (int f = 1; f <= 6; ++f) {
        EXPECT_EQ(e.st.CoursePower[f], power[size_t(f - 1)]) << f;
        EXPECT_NEAR(e.st.InSisuNet[f], net[size_t(f - 1)], 1e-4) << f;
    }
}

TEST_F(MermaidEntryTest, FixedEntryIgnoresEveryFigure)
{
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {Out("4001"), Soto("4002"), Center("4003"), In("4004"), Uchi("4005"), In("4006")}, QStringLiteral("03"));
    e.st.StartExhibitionLoaded = true; // even the start exhibition does not count
    for (int f = 1; f <= 6; ++f)
        e.st.StartExhibitionRec[f].Course = 7 - f;
    EXPECT_EQ(EntryCourseExpect(e, 1, true), QStringLiteral("123456"));
    for (int f = 1; f <= 6; ++f) {
        EXPECT_EQ(e.st.ExpectCourse[f], f);
        EXPECT_EQ(e.st.ExpectWaku[f], f);
    }
    EXPECT_EQ(e.st.ExpectTactics[1], TacticBlank()); // "アウト" racer: no start from course 1
    EXPECT_EQ(e.st.ExpectTactics[4], TacticBlank()); // "イン" racer: none from course 4
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MermaidEntryTest, StadiumZeroThree)
{
    // Everybody but "イン", "アウト" and newcomers aims at 4; scores equal the targets, so equal
    // targets go to the lower frame.
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {Uchi("4001"), In("4002"), Center("4003"), Out("4004"), Rookie("4005"), Naka("4006")}, QStringLiteral("03"));
    EXPECT_EQ(EntryCourseExpect(e, 1, false), QStringLiteral("213645"));
    const std::array<float, 6> score{4, 1, 4, 9, 10, 4};
    const std::array<float, 6> target{4.001f, 1.002f, 5.003f, 9.004f, 10.005f, 6.006f};
    for (int f = 1; f <= 6; ++f) {
        EXPECT_FLOAT_EQ(e.st.CourseScore[f], score[size_t(f - 1)]) << f;
        EXPECT_FLOAT_EQ(e.st.CourseTarget[f], target[size_t(f - 1)]) << f;
    }
    expectConsistent();

    // The same racers elsewhere go through the standard method.
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {Uchi("4001"), In("4002"), Center("4003"), Out("4004"), Rookie("4005"), Naka("4006")}, QStringLiteral("02"));
    EXPECT_EQ(EntryCourseExpect(e, 1, false), EntryCourseExpectStandard(e, 1));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MermaidEntryTest, StadiumZeroThreeUsesThisRacesPower)
{
    // Frames 2 and 3 ("アウト") meet at 9; frame 3 moves to 10 and meets the newcomer of frame 1,
    // whose score 10 is worse than 9: with power 30 against 50 (85 %: 42) the newcomer moves out.
    // The powers left by another race must not decide this.
    for (int stale : {0, 999}) {
        load({Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
             {Rookie("4001").ability(30), Out("4002"), Out("4003"), In("4004"), Center("4005"), Uchi("4006")},
             QStringLiteral("03"));
        e.st.CoursePower.fill(stale);
        EXPECT_EQ(EntryCourseExpect(e, 1, false), QStringLiteral("456231")) << stale;
        EXPECT_EQ(e.st.CoursePower[1], 30);
        EXPECT_EQ(e.st.CoursePower[3], 50);
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MermaidEntryTest, ExhibitionEntry)
{
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {In("4001"), Uchi("4002"), Center("4003"), Out("4004"), Naka("4005"), Soto("4006")}, QStringLiteral("03"));
    e.st.StartExhibitionLoaded = true;
    const std::array<int, 6> seen{2, 1, 3, 6, 4, 5};
    for (int f = 1; f <= 6; ++f)
        e.st.StartExhibitionRec[f].Course = seen[size_t(f - 1)];
    EXPECT_EQ(EntryCourseExpect(e, 1, false), QStringLiteral("213564"));
    expectConsistent();
    EXPECT_EQ(e.st.ExpectCourse[4], 6);

    // Boat 6 was not seen and boats 3 and 4 both showed course 3: course 6 keeps frame 4 (from the
    // previous entry), course 4 nobody took keeps frame 5; frame 4 keeps its course 6.
    const std::array<int, 6> partial{2, 1, 3, 3, 5, 0};
    for (int f = 1; f <= 6; ++f)
        e.st.StartExhibitionRec[f].Course = partial[size_t(f - 1)];
    EXPECT_EQ(EntryCourseExpect(e, 1, false), QStringLiteral("2135"));
    const std::array<int, 7> waku{0, 2, 1, 3, 5, 5, 4};
    const std::array<int, 7> course{0, 2, 1, 3, 6, 5, 5};
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(e.st.ExpectWaku[i], waku[size_t(i)]) << i;
        EXPECT_EQ(e.st.ExpectCourse[i], course[size_t(i)]) << i;
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MermaidEntryTest, ExhibitionBeforeAnyPrediction)
{
    // Nothing predicted yet and boat 6 not seen: course 6 has no frame. No error, no tactic there.
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {In("4001"), Uchi("4002"), Center("4003"), Out("4004"), Naka("4005"), Soto("4006")});
    e.st.StartExhibitionLoaded = true;
    for (int f = 1; f <= 5; ++f)
        e.st.StartExhibitionRec[f].Course = f;
    EXPECT_EQ(EntryCourseExpect(e, 1, false), QStringLiteral("12345"));
    EXPECT_EQ(e.st.ExpectWaku[6], 0);
    EXPECT_EQ(e.st.ExpectTactics[6], TacticBlank());
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MermaidEntryTest, TacticsFromTheFiguresOfEachCourse)
{
    // Entry 1-6 in frame order. Each racer's figures of the other courses are far off, so reading
    // the wrong course changes the word.
    auto racer = [](const char* no, int inner, int innerSt, int innerOrder, int outer, int outerSt, int outerOrder) {
        FanRecord r = FanRecord(no).starts({3, 3, 3, 3, 3, 3});
        for (int c = 1; c <= 6; ++c)
            r.start(c, 40, 550);
        if (inner)
            r.start(inner, innerSt, innerOrder);
        return r.start(outer, outerSt, outerOrder);
    };
    QVector<FanRecord> racers{
        racer("4001", 0, 0, 0, 1, 15, 250),
        racer("4002", 0, 0, 0, 2, 12, 240),   // .13 < .15, 2.70 > 2.50 after "逃げ": mark sashi
        racer("4003", 0, 0, 0, 3, 16, 300),   // slower than .12, 3.30 > 2.40, later: waits
        racer("4004", 0, 0, 0, 4, 14, 200),   // .15 < .16, 2.30 < 3.00, its own motor 50: free
        racer("4005", 0, 0, 0, 5, 14, 300),   // level at .14, later than 2.00: sashi
        FanRecord("4006").starts({5, 5, 5, 5, 0, 0}),
    };
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003", "B1", "60.00"}, Entry{"4004", "B1", "50.00"}, Entry{"4005"},
          Entry{"4006", "B1", "70.00"}},
         racers);
    EXPECT_EQ(EntryCourseExpect(e, 1, true), QStringLiteral("123456"));
    const QString expected[] = {TacticNige(),  TacticMarkSashi(), TacticTenkaiMachi(),
                                TacticJizai(), TacticSashi(),     TacticBlank()};
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(e.st.ExpectTactics[c], expected[c - 1]) << c;

    // Frame 4's motor taken from frame 3 (60) would say the same; with frame 4 at 30 it is
    // "まくり" whatever frame 3 has.
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003", "B1", "60.00"}, Entry{"4004", "B1", "30.00"}, Entry{"4005"},
          Entry{"4006"}},
         racers);
    TacticsGet(e, 1);
    EXPECT_EQ(e.st.ExpectTactics[4], TacticMakuri());
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MermaidEntryTest, MissingRacerAndEmptyFrame)
{
    // Frame 5's racer is not in the racer file and frame 6 is empty: both read as newcomers
    // without figures and take the outside courses.
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4999"}, Entry{}},
         {In("4001"), Uchi("4002"), Center("4003"), Naka("4004")});
    ASSERT_TRUE(e.Bangumi.SensyuNo(1, 6).isEmpty());
    EXPECT_EQ(EntryCourseExpect(e, 1, false), QStringLiteral("123456"));
    EXPECT_EQ(e.st.CoursePower[5], 0);
    EXPECT_EQ(e.st.CoursePower[6], 0);
    EXPECT_EQ(e.st.ExpectTactics[5], TacticBlank());
    EXPECT_EQ(e.st.ExpectTactics[6], TacticBlank());
    expectConsistent();

    // The same at stadium 03 and with the entry fixed.
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4999"}, Entry{}},
         {In("4001"), Uchi("4002"), Center("4003"), Naka("4004")}, QStringLiteral("03"));
    EXPECT_EQ(EntryCourseExpect(e, 1, false), QStringLiteral("123456"));
    EXPECT_EQ(EntryCourseExpect(e, 1, true), QStringLiteral("123456"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MermaidEntryTest, BadRaceNumberShowsEachOperationsError)
{
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {In("4001"), Uchi("4002"), Center("4003"), Out("4004"), Naka("4005"), Soto("4006")});
    ASSERT_EQ(EntryCourseExpect(e, 1, false), QStringLiteral("123564"));
    const auto before = e.st.ExpectWaku;

    EXPECT_TRUE(EntryCourseExpect(e, 13, false).isEmpty());
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[0].title, QStringLiteral("EntryCourseExpectStandardErr"));
    EXPECT_EQ(ui.messages[1].title, QStringLiteral("TacticsGetErr"));
    for (const RecordedMessage& m : ui.messages) {
        EXPECT_EQ(m.text, ErrorDescription(ErrIndexOutOfRange));
        EXPECT_EQ(m.icon, MsgIcon::Warning);
    }
    EXPECT_EQ(e.st.ExpectWaku, before); // the entry is left as it was

    ui.messages.clear();
    load({Entry{"4001"}, Entry{"4002"}, Entry{"4003"}, Entry{"4004"}, Entry{"4005"}, Entry{"4006"}},
         {In("4001"), Uchi("4002"), Center("4003"), Out("4004"), Naka("4005"), Soto("4006")}, QStringLiteral("03"));
    EXPECT_TRUE(EntryCourseExpect03(e, 0).isEmpty());
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].title, QStringLiteral("EntryCourseExpect03Err"));

    // A race the program does not have (race 2 of a one-race day) reads as six empty frames.
    ui.messages.clear();
    EXPECT_EQ(EntryCourseExpect(e, 2, false), QStringLiteral("123456"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

// Racer statistics computed from the handbook counts.
#include "test_sensyu_fixture.h"

namespace {

// Course block B bytes: six placings, then F L0 L1 K0 K1 S0 S1 S2.
QByteArray Counts(std::initializer_list<int> places, std::initializer_list<int> accidents = {})
{
    QByteArray out;
    for (int i = 0; i < 6; ++i)
        out += QByteArray::number(i < int(places.size()) ? places.begin()[i] : 0).rightJustified(3, '0');
    for (int i = 0; i < 8; ++i)
        out += QByteArray::number(i < int(accidents.size()) ? accidents.begin()[i] : 0).rightJustified(2, '0');
    return out;
}

} // namespace

class SensyuStatsTest : public SensyuFileTest {
protected:
    void load(const SensyuRecord& r)
    {
        ASSERT_TRUE(s.FileLoad(write(SensyuFileBytes({r.bytes()})), {"1000", "9999"}));
        ASSERT_EQ(s.SensyuIndex("1000"), 1);
    }
    const QString no = QStringLiteral("1000");
};

TEST_F(SensyuStatsTest, InSisu)
{
    struct Case {
        const char* name;
        const char* starts;          // bytes 73-75
        QVector<const char*> course; // CourseSyussoTimes of courses 1-6
        float expected;
    } cases[] = {
        {"always course 1", "100", {"100", "000", "000", "000", "000", "000"}, 100.0f},
        {"always course 6", "100", {"000", "000", "000", "000", "000", "100"}, 100.0f / 6.0f},
        {"even spread", "060", {"010", "010", "010", "010", "010", "010"}, 58.3333f},
        {"no starts", "000", {"010", "000", "000", "000", "000", "000"}, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SensyuRecord r("1000");
        r.put(73, c.starts);
        for (int k = 1; k <= 6; ++k)
            r.courseA(k, c.course[k - 1]);
        load(r);
        EXPECT_NEAR(s.InSisu(no), c.expected, 1e-4);
    }
}

TEST_F(SensyuStatsTest, PlacingRates)
{
    SensyuRecord r("1000");
    r.put(73, "050");
    r.courseB(1, Counts({6, 4, 3, 2, 1, 1}, {1, 0, 0, 0, 1}));
    r.courseB(3, Counts({4, 4, 4, 0, 0, 0}, {0, 1, 0, 0, 0, 0, 0, 2}));
    load(r);
    EXPECT_FLOAT_EQ(s.Rentairitu1(no), 20.0f);
    EXPECT_FLOAT_EQ(s.Rentairitu2(no), 36.0f);
    EXPECT_FLOAT_EQ(s.Rentairitu3(no), 50.0f);
    EXPECT_FLOAT_EQ(s.Nyuchakuritu(no, 1), 20.0f);
    EXPECT_FLOAT_EQ(s.Nyuchakuritu(no, 2), 16.0f);
    EXPECT_FLOAT_EQ(s.Nyuchakuritu(no, 3), 14.0f);
    EXPECT_FLOAT_EQ(s.Nyuchakuritu(no, 4), 4.0f);
    EXPECT_FLOAT_EQ(s.Nyuchakuritu(no, 5), 2.0f);
    EXPECT_FLOAT_EQ(s.Nyuchakuritu(no, 6), 2.0f);
    // Any other placing is the share of F, L, K and S results: 5 of 50.
    for (int chaku : {0, 7, -1, 32767})
        EXPECT_FLOAT_EQ(s.Nyuchakuritu(no, chaku), 10.0f) << chaku;
}

TEST_F(SensyuStatsTest, RatesOfARacerWithoutStartsAreZero)
{
    SensyuRecord r("1000");
    r.put(73, "000").courseB(1, Counts({3, 2, 1}, {1}));
    load(r);
    EXPECT_EQ(s.Rentairitu1(no), 0.0f);
    EXPECT_EQ(s.Rentairitu2(no), 0.0f);
    EXPECT_EQ(s.Rentairitu3(no), 0.0f);
    EXPECT_EQ(s.Nyuchakuritu(no, 1), 0.0f);
    EXPECT_EQ(s.Nyuchakuritu(no, 0), 0.0f);
    EXPECT_EQ(s.InSisu(no), 0.0f);
    EXPECT_EQ(s.FTimes(no), 1); // counts are still counts
}

TEST_F(SensyuStatsTest, CourseRentairitu3)
{
    struct Case {
        QByteArray counts;
        float expected;
    } cases[] = {
        {Counts({0, 0, 0, 2, 1}), 0.0f},
        {Counts({0, 0, 1, 0, 2}), 100.0f / 3.0f},
        {Counts({1, 1, 0, 1}), 200.0f / 3.0f},
        {Counts({1, 1, 1}), 100.0f},
    };
    for (const Case& c : cases) {
        SensyuRecord r("1000");
        r.put(73, "010").courseA(2, "003").courseB(2, c.counts);
        r.courseB(4, Counts({5})); // no starts recorded from course 4
        load(r);
        EXPECT_NEAR(s.CourseRentairitu3(no, 2), c.expected, 1e-4) << c.counts.constData();
        EXPECT_EQ(s.CourseRentairitu3(no, 4), 0.0f);
        EXPECT_EQ(s.CourseRentairitu3(no, 1), 0.0f);
    }
}

TEST_F(SensyuStatsTest, StratHatujyunAveragesOverAllSixCourses)
{
    SensyuRecord r("1000");
    r.courseA(1, "010", "0000", "015", "200").courseA(2, "005", "0000", "017", "300");
    load(r);
    EXPECT_NEAR(s.StratHatujyun(no), 5.0f / 6.0f, 1e-6);
}

TEST_F(SensyuStatsTest, FlyingAndLateStarts)
{
    SensyuRecord r("1000");
    r.put(73, "040");
    r.courseB(1, Counts({}, {1, 1, 0, 1, 1, 1, 1, 1}));
    r.courseB(4, Counts({}, {2, 0, 3}));
    r.courseB(6, Counts({}, {0, 1}));
    r.put(403, "04050607"); // L0, L1, K0, K1 without a course
    load(r);
    EXPECT_EQ(s.FTimes(no), 3);
    EXPECT_EQ(s.LTimes(no), 1 + 3 + 1 + 4 + 5);
}

TEST_F(SensyuStatsTest, RacerNotInTheModelReadsZero)
{
    load(SensyuRecord("1000").put(73, "050").courseB(1, Counts({10, 10, 10}, {1, 1})));
    for (const char* missing : {"9999", "1001", "", "100"}) {
        const QString m = QString::fromLatin1(missing);
        EXPECT_EQ(s.StratHatujyun(m), 0.0f);
        EXPECT_EQ(s.InSisu(m), 0.0f);
        EXPECT_EQ(s.FTimes(m), 0);
        EXPECT_EQ(s.LTimes(m), 0);
        EXPECT_EQ(s.Rentairitu1(m), 0.0f);
        EXPECT_EQ(s.Rentairitu2(m), 0.0f);
        EXPECT_EQ(s.Rentairitu3(m), 0.0f);
        EXPECT_EQ(s.CourseRentairitu3(m, 1), 0.0f);
        EXPECT_EQ(s.Nyuchakuritu(m, 0), 0.0f);
        EXPECT_EQ(s.Nyuchakuritu(m, 1), 0.0f);
        EXPECT_TRUE(s.NameKanji(m).isEmpty());
        EXPECT_EQ(s.CourseF0Times(m, 1), 0);
    }
    EXPECT_FLOAT_EQ(s.Rentairitu3(no), 60.0f);
}

// 峰竜太 (4320), figures worked out by hand from the raw course blocks.
TEST_F(SensyuStatsTest, KnownRacerFromRealHandbooks)
{
    const QString mine = QStringLiteral("4320");
    ASSERT_TRUE(s.FileLoad(RealData("fan/fan1510.txt"), {"4320"}));
    // 147 starts; firsts 29+9+9+8+3+2, seconds 6+12+4+9+7+7, thirds 2+7+4+3+4+2.
    EXPECT_NEAR(s.Rentairitu1(mine), 60.0f / 147 * 100, 1e-3);
    EXPECT_NEAR(s.Rentairitu2(mine), 105.0f / 147 * 100, 1e-3);
    EXPECT_NEAR(s.Rentairitu3(mine), 127.0f / 147 * 100, 1e-3);
    // Course starts 37 31 24 22 19 15: (6·37 + 5·31 + 4·24 + 3·22 + 2·19 + 15) / (6·147).
    EXPECT_NEAR(s.InSisu(mine), 592.0f / 882 * 100, 1e-3);
    EXPECT_NEAR(s.StratHatujyun(mine), (3.30f + 3.20f + 2.80f + 1.90f + 2.70f + 2.00f) / 6, 1e-4);
    EXPECT_NEAR(s.CourseRentairitu3(mine, 2), 28.0f / 31 * 100, 1e-3);
    EXPECT_NEAR(s.Nyuchakuritu(mine, 0), 1.0f / 147 * 100, 1e-4); // one S0 from course 2
    EXPECT_NEAR(s.Nyuchakuritu(mine, 6), 5.0f / 147 * 100, 1e-4);
    EXPECT_EQ(s.FTimes(mine), 0);
    EXPECT_EQ(s.LTimes(mine), 0);

    ASSERT_TRUE(s.FileLoad(RealData("fan/fan2004.txt"), {"4320"}));
    EXPECT_NEAR(s.Rentairitu1(mine), 83.0f / 137 * 100, 1e-3);
    EXPECT_NEAR(s.CourseRentairitu3(mine, 6), 50.0f, 1e-4);     // 1 + 0 + 1 of 4 starts
    EXPECT_NEAR(s.Nyuchakuritu(mine, 0), 2.0f / 137 * 100, 1e-4); // S1 from courses 1 and 5
}

#include "common/errors.h"
#include "engine/forecastodds.h"
#include "test_recommend_fixture.h"

#include <gtest/gtest.h>

using namespace rectest;

namespace {

// Six entries of unknown racers with the same figures; the results column per frame.
QVector<EntrySpec> equalRace(const QString& seiseki6 = QStringLiteral("            "))
{
    QVector<EntrySpec> race(6);
    for (int i = 0; i < 6; ++i)
        race[i].no = QString::number(9991 + i);
    race[5].seiseki = seiseki6;
    return race;
}

void EqualCourses(Engine& e)
{
    FramesInOwnCourses(e);
    for (int c = 1; c <= 6; ++c)
        e.st.KDataCourse[size_t(c)] = {0, 20.0f, 15.0f, 10.0f};
}

} // namespace

TEST(ForecastOdds, AllIndicatorsEqual)
{
    TestEngine t;
    ProgramSpec spec;
    spec.totalDay = 3;
    spec.races << equalRace();
    ASSERT_TRUE(t.LoadHandMade(spec));
    Engine& e = t.e();
    EqualCourses(e);

    // Every indicator ranks the frames in frame order: 72 / f plus 36 / f for each of the 12
    // indicators and three times more for the meeting points (day 3): 612 / f, less the tie
    // term, then the top three multiplied.
    const std::array<float, 7> P = ForecastPoints(e, 1);
    const double mult[] = {0, 2.2, 1.25, 1.11, 1, 1, 1};
    for (int f = 1; f <= 6; ++f)
        EXPECT_NEAR(P[size_t(f)], (612.0 / f - f / 1000.0) * mult[f], 1e-3) << f;

    ForecastOddsCalc(e, 1);
    const ForecastOddsTable& o = e.st.ForecastOdds;
    for (int j = 2; j <= 6; ++j)
        EXPECT_LT(o[1][size_t(j)], o[size_t(j)][1]) << j;
    for (int h = 1; h <= 6; ++h) {
        EXPECT_EQ(o[size_t(h)][size_t(h)], 0.0f);
        EXPECT_EQ(o[0][size_t(h)], 0.0f);
    }
}

TEST(ForecastOdds, MeetingPointsFromTheSecondDay)
{
    // Frame 6 has won all its races so far; on day 1 that must not count.
    for (const int day : {1, 2}) {
        SCOPED_TRACE(day);
        TestEngine t;
        ProgramSpec spec;
        spec.totalDay = day;
        spec.races << equalRace() << equalRace(QStringLiteral("1 1 1 1     "));
        ASSERT_TRUE(t.LoadHandMade(spec));
        Engine& e = t.e();
        EqualCourses(e);
        ASSERT_EQ(e.Bangumi.TotalDay(), day);
        const std::array<float, 7> plain = ForecastPoints(e, 1), winner = ForecastPoints(e, 2);
        if (day == 1) {
            EXPECT_EQ(plain, winner);
            EXPECT_NEAR(plain[6], 504.0 / 6 - 0.006, 1e-3); // 12 indicators, no meeting points
        } else {
            // Best by the meeting points: 36 × 2 instead of 6 × 2.
            EXPECT_NEAR(winner[6] - plain[6], 60.0, 1e-3);
            EXPECT_LT(winner[1], plain[1]);
        }
    }
}

TEST(ForecastOdds, SharesToOdds)
{
    ForecastOddsTable o{};
    // Points 100, 50, 50, 30, 20, 10: shares 38.46, 19.23, 19.23, 11.54, 7.69, 3.85.
    ForecastOddsFromPoints({0, 100, 50, 50, 30, 20, 10}, o);
    // 0.75 × 100 ÷ (38.46 × 19.23 ÷ 61.54) = 6.24.
    EXPECT_NEAR(o[1][2], 6.24, 1e-4);
    // Equal shares: the same odds either way round, exactly.
    EXPECT_EQ(o[2][3], o[3][2]);
    EXPECT_EQ(o[2][5], o[3][5]);
    // Otherwise the larger share first is the lower odds.
    for (int h = 1; h <= 6; ++h)
        for (int j = h + 1; j <= 6; ++j)
            if (!(h == 2 && j == 3))
                EXPECT_LT(o[size_t(h)][size_t(j)], o[size_t(j)][size_t(h)]) << h << "-" << j;

    // A share of 0 divides by zero; the rows before it stay written.
    ForecastOddsTable z{};
    try {
        ForecastOddsFromPoints({0, 10, 10, 0, 5, 5, 5}, z);
        FAIL() << "no error";
    } catch (const QvError& err) {
        EXPECT_EQ(err.number(), ErrDivisionByZero);
    }
    EXPECT_GT(z[1][2], 0.0f);
    EXPECT_EQ(z[1][4], 0.0f);
    EXPECT_THROW(ForecastOddsFromPoints({0, 0, 0, 0, 0, 0, 0}, z), QvError);
}

TEST(ForecastOdds, RealRaceOmura20240106)
{
    TestEngine t;
    ASSERT_TRUE(t.LoadProgram(RealData(QStringLiteral("program/B240106.TXT")), QStringLiteral("24")));
    Engine& e = t.e();
    FramesInOwnCourses(e);
    for (int c = 1; c <= 6; ++c)
        e.st.KDataCourse[size_t(c)] = {0, 3.0f * c, 20.0f - c, 0};

    // Race 1, day 6, by hand. Frame 2 (4151): 36 + 36 zen + 18 2-rate + 9 local + 7.2 local
    // 2-rate + 18 motor + 216 meeting points (6.86, best, × 6) + 36 win rate + 36 2-rate +
    // 36 ability + 18 wins + 36 seconds + 7.2 + 18 course rates = 527.4, - 0.002, × 2.2.
    // Frame 5 (5129, a woman) -24; frames 4 and 6 (2-rate below 21) -24.
    const std::array<float, 7> P = ForecastPoints(e, 1);
    const double points[] = {401.2488, 1160.2756, 346.3167, 167.3960, 227.9950, 136.1940};
    for (int f = 1; f <= 6; ++f)
        EXPECT_NEAR(P[size_t(f)], points[f - 1], 1e-2) << f;

    ForecastOddsCalc(e, 1);
    const ForecastOddsTable& o = e.st.ForecastOdds;
    EXPECT_NEAR(o[2][1], 5.027, 2e-3);
    EXPECT_NEAR(o[1][2], 8.010, 2e-3);
    EXPECT_NEAR(o[4][6], 182.331, 0.05);
    EXPECT_NEAR(o[6][4], 184.835, 0.05);

    // Without a predicted course the calculation fails; the caller reports it.
    e.st.ExpectCourse[6] = 7;
    EXPECT_THROW(ForecastOddsCalc(e, 1), QvError);
    EXPECT_EQ(o[2][1], 0.0f); // cleared for the new calculation
    EXPECT_THROW(ForecastOddsCalc(e, 0), QvError);
}

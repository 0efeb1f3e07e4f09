#include "common/errors.h"
#include "engine/marks.h"
#include "test_recommend_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace rectest;

namespace {

struct RankCase {
    const char* name;
    FrameValues values;
    bool ascending;
    FrameRanks rank;
    FrameRanks item;
};

// The racer table's mark columns of frames 1..6.
QStringList marks(Engine& e, int col)
{
    QStringList out;
    for (int f = 1; f <= 6; ++f)
        out << e.raceCard.flexSensyu.CellValue(f, col);
    return out;
}

QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}

} // namespace

TEST(RankSort, TieRuleTable)
{
    // Index 0 of every array is unused.
    const RankCase cases[] = {
        {"distinct, largest first", {0, 3, 1, 2, 6, 5, 4}, false, {0, 4, 6, 5, 1, 2, 3}, {0, 4, 5, 6, 1, 3, 2}},
        {"distinct, smallest first", {0, 3, 1, 2, 6, 5, 4}, true, {0, 3, 1, 2, 6, 5, 4}, {0, 2, 3, 1, 6, 5, 4}},
        // Tied items share the last tied position; tied positions name the higher item.
        {"tie at the top, largest first", {0, 5, 7, 7, 1, 2, 3}, false, {0, 3, 2, 2, 6, 5, 4}, {0, 3, 3, 1, 6, 5, 4}},
        {"tie at the bottom, largest first", {0, 4, 1, 6, 1, 5, 3}, false, {0, 3, 6, 1, 6, 2, 4}, {0, 3, 5, 1, 6, 4, 4}},
        {"tie at the top, smallest first", {0, 2, 2, 5, 9, 7, 3}, true, {0, 2, 2, 4, 6, 5, 3}, {0, 2, 2, 6, 3, 5, 4}},
        {"tie at the bottom, smallest first", {0, 1, 8, 3, 8, 2, 4}, true, {0, 1, 6, 3, 6, 2, 4}, {0, 1, 5, 3, 6, 4, 4}},
        {"all equal", {0, 5, 5, 5, 5, 5, 5}, false, {0, 6, 6, 6, 6, 6, 6}, {0, 6, 6, 6, 6, 6, 6}},
        // Frames 2 and 4 share the best rate: frame 4 counts as the best.
        {"best rate shared by 2 and 4", {0, 5.5f, 6.2f, 4.1f, 6.2f, 3.0f, 5.0f}, false, {0, 3, 2, 5, 2, 6, 4},
         {0, 4, 4, 1, 6, 3, 5}},
    };
    for (const RankCase& c : cases) {
        SCOPED_TRACE(c.name);
        FrameRanks rank{}, item{};
        RankSort(c.values, c.ascending, rank, item);
        EXPECT_EQ(rank, c.rank);
        EXPECT_EQ(item, c.item);
    }
}

TEST(RankSort, AnyBoundsOfTheArray)
{
    // A 0-based array ranked over 0..3, and a part of it.
    const std::vector<float> v{2.5f, 9.0f, 2.5f, 4.0f};
    std::vector<int> rank, item;
    RankSort(v, 0, 3, false, rank, item);
    EXPECT_EQ(rank, (std::vector<int>{3, 0, 3, 1}));
    EXPECT_EQ(item, (std::vector<int>{1, 3, 2, 2})); // position 0 names item 1 (9.0)
    RankSort(v, 2, 3, true, rank, item);
    EXPECT_EQ(rank, (std::vector<int>{0, 0, 2, 3}));
    EXPECT_EQ(item, (std::vector<int>{0, 0, 2, 3}));

    // Bounds outside the array: nothing ranked, no crash.
    RankSort(v, 1, 4, false, rank, item);
    EXPECT_EQ(rank, (std::vector<int>(4, 0)));
    EXPECT_EQ(item, (std::vector<int>(4, 0)));
    RankSort(v, 3, 2, false, rank, item);
    EXPECT_EQ(rank, (std::vector<int>(4, 0)));
    RankSort(std::span<const float>(), 0, 0, false, rank, item);
    EXPECT_TRUE(rank.empty());

    // A value that equals nothing keeps rank 0 and names no position.
    FrameValues nan{0, 3, std::numeric_limits<float>::quiet_NaN(), 1, 2, 5, 4};
    FrameRanks r{}, it{};
    RankSort(nan, false, r, it);
    EXPECT_EQ(r[2], 0);
    for (int k = 1; k <= 6; ++k)
        EXPECT_NE(it[size_t(k)], 2);
}

TEST(Marks, MarkTextByRank)
{
    const QStringList expected = strings({"", "◎", "○", "△", "×", "", ""});
    for (int rank = 0; rank <= 6; ++rank)
        EXPECT_EQ(MarkText(rank), expected[rank]) << rank;
    EXPECT_EQ(MarkText(-1), QString());
    EXPECT_EQ(MarkText(7), QString());
}

TEST(Marks, EqualFramesTwoAndFive)
{
    // Frames 2 and 5 carry the same racer and the same figures; the tie term decides.
    TestEngine t;
    ProgramSpec spec;
    QVector<EntrySpec> race(6);
    const float zen[] = {6.5f, 5.0f, 3.2f, 4.4f, 5.0f, 2.1f};
    const float zenF[] = {48.0f, 33.0f, 15.0f, 25.0f, 33.0f, 9.0f};
    const float motor[] = {40.0f, 35.0f, 28.0f, 31.0f, 35.0f, 22.0f};
    const char* numbers[] = {"4088", "4151", "4924", "4948", "4151", "3501"};
    for (int i = 0; i < 6; ++i) {
        race[i].no = QString::fromLatin1(numbers[i]);
        race[i].zen = zen[i];
        race[i].zenF = zenF[i];
        race[i].motorF = motor[i];
    }
    spec.races << race;
    ASSERT_TRUE(t.LoadHandMade(spec));
    Engine& e = t.e();
    e.st.ExpectCourse = {0, 1, 2, 3, 4, 2, 6}; // both in course 2
    for (int c = 1; c <= 6; ++c)
        e.st.KDataCourse[size_t(c)] = {0, 50.0f - 5 * c, 20.0f, 15.0f};

    const FrameValues nv = NamiheiValues(e, 1), fv = FunakichiValues(e, 1), yv = YosukeValues(e, 1);
    EXPECT_NEAR(nv[2] - nv[5], 0.03, 1e-4); // only the tie term differs
    EXPECT_NEAR(fv[2] - fv[5], 0.003, 1e-4);
    EXPECT_NEAR(yv[2] - yv[5], 0.003, 1e-4);

    const FrameRanks n = NamiheiScore(e, 1), f = FunakichiScore(e, 1), y = YosukeScore(e, 1);
    EXPECT_EQ(n[5], n[2] + 1); // largest first: the lower frame ahead
    EXPECT_EQ(f[5], f[2] + 1);
    EXPECT_EQ(y[2], y[5] + 1); // smallest first: the higher frame ahead
    for (const FrameRanks* r : {&n, &f, &y}) { // each a permutation of 1..6
        FrameRanks sorted = *r;
        std::sort(sorted.begin() + 1, sorted.end());
        EXPECT_EQ(sorted, (FrameRanks{0, 1, 2, 3, 4, 5, 6}));
    }
}

TEST(Marks, YosukeFortyForAFailingStep)
{
    TestEngine t;
    ProgramSpec spec;
    QVector<EntrySpec> race(6);
    const char* numbers[] = {"4151", "9991", "4924", "4948", "4088", "9992"};
    const float zen[] = {5.66f, 4.00f, 4.35f, 5.78f, 3.41f, 0.0f};
    for (int i = 0; i < 6; ++i) {
        race[i].no = QString::fromLatin1(numbers[i]);
        race[i].zen = zen[i];
    }
    spec.races << race;
    ASSERT_TRUE(t.LoadHandMade(spec));
    Engine& e = t.e();
    FramesInOwnCourses(e);
    const FrameValues y = YosukeValues(e, 1);
    // Frame 2: a racer missing from the racer file has no starts: 40 / win rate.
    EXPECT_FLOAT_EQ(y[2], 40.0f / 4.0f - 0.002f);
    // Frame 6: no starts and a win rate of 0 fail twice: 40 stays.
    EXPECT_FLOAT_EQ(y[6], 40.0f - 0.006f);
    // Frame 1 (4151 in course 1): start order × 2-rate ÷ course 2-rate ÷ win rate.
    const float h = e.Sensyu.CourseStartHatujyun(QStringLiteral("4151"), 1);
    const float c = e.Sensyu.CourseFSyoritu(QStringLiteral("4151"), 1);
    ASSERT_GT(c, 0.0f);
    EXPECT_NEAR(y[1], h * 30.0 / c / 5.66 - 0.001, 1e-4);

    // A predicted course outside 1..6 fails the course steps, not the whole forecaster.
    e.st.ExpectCourse[3] = 0;
    EXPECT_FLOAT_EQ(YosukeValues(e, 1)[3], 40.0f / 4.35f - 0.003f);
    // A race that does not exist: every step that reads it fails.
    const FrameValues none = YosukeValues(e, 13);
    EXPECT_FLOAT_EQ(none[1], 40.0f - 0.001f);
}

TEST(Marks, RealRaceOmura20240106)
{
    TestEngine t;
    ASSERT_TRUE(t.LoadProgram(RealData(QStringLiteral("program/B240106.TXT")), QStringLiteral("24")));
    Engine& e = t.e();
    FramesInOwnCourses(e);
    for (int c = 1; c <= 6; ++c)
        e.st.KDataCourse[size_t(c)] = {0, 3.0f * c, 20.0f - c, 0};

    // Race 1, figures by hand from the raw lines, e.g. frame 2 (4151: 5.66, 30.11, motor 37.98,
    // start timing .20): 56.6 + 30.11 + 37.98 + 30 - 0.02.
    const FrameValues n = NamiheiValues(e, 1);
    const double namihei[] = {153.96, 154.67, 137.69, 115.27, 152.63, 134.99};
    for (int f = 1; f <= 6; ++f)
        EXPECT_NEAR(n[size_t(f)], namihei[f - 1], 1e-3) << f;
    const FrameValues fu = FunakichiValues(e, 1);
    const double funakichi[] = {38.3148, 38.4758, 33.8251, 29.2530, 34.5239, 31.4591};
    for (int f = 1; f <= 6; ++f)
        EXPECT_NEAR(fu[size_t(f)], funakichi[f - 1], 1e-3) << f;
    // 洋助: 5086 never started in course 1: 40 / 5.08 - 0.001; 4151: 4.2 × 30.11 ÷ 50.0 ÷ 5.66.
    const FrameValues y = YosukeValues(e, 1);
    EXPECT_NEAR(y[1], 40.0 / 5.08 - 0.001, 1e-4);
    EXPECT_NEAR(y[2], 4.2 * 30.11 / 50.0 / 5.66 - 0.002, 1e-4);

    MarkDisp(e, 1);
    EXPECT_EQ(marks(e, 23), strings({"○", "◎", "×", "", "△", ""}));
    EXPECT_EQ(marks(e, 24), strings({"○", "◎", "×", "", "△", ""}));
    EXPECT_EQ(marks(e, 25), strings({"×", "◎", "△", "○", "", ""}));

    // Race 12: three racers (frames 3, 4, 6) are missing from the 2020 racer file; frame 3
    // (win rate 1.92) gets 40 / 1.92 and ends last for 洋助.
    EXPECT_NEAR(YosukeValues(e, 12)[3], 40.0 / 1.92 - 0.003, 1e-3);
    MarkDisp(e, 12);
    EXPECT_EQ(marks(e, 23), strings({"", "◎", "", "○", "△", "×"}));
    EXPECT_EQ(marks(e, 24), strings({"", "◎", "", "△", "○", "×"}));
    EXPECT_EQ(marks(e, 25), strings({"◎", "○", "", "×", "△", ""}));
    EXPECT_TRUE(t.ui.messages.isEmpty());
}

TEST(Marks, ErrorStopsBeforeWriting)
{
    TestEngine t;
    ASSERT_TRUE(t.LoadProgram(RealData(QStringLiteral("program/B240106.TXT")), QStringLiteral("24")));
    Engine& e = t.e();
    FramesInOwnCourses(e);
    MarkDisp(e, 1);
    const QStringList before = marks(e, 25);

    // 舟吉 needs the predicted course: without it the refresh gets error 9 and the table keeps
    // the previous marks.
    e.st.ExpectCourse[4] = 0;
    try {
        MarkDisp(e, 12);
        FAIL() << "no error";
    } catch (const QvError& err) {
        EXPECT_EQ(err.number(), ErrIndexOutOfRange);
    }
    EXPECT_EQ(marks(e, 25), before);
    EXPECT_THROW(NamiheiScore(e, 0), QvError);
}

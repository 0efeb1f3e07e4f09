// The rules of the entry prediction that need no files: the tactic of one boat against its
// inner neighbour, the power of a racer, the conflict rule and the course order.
#include "engine/engine.h"
#include "engine/mMermaid2.h"
#include "engine/mermaid_rules.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct TacticCase {
    const char* what;
    int course;
    float sIn, sOut, hIn, hOut;
    int aIn, aOut;
    float motor;
    QString inner;
    QString expected;
};

} // namespace

TEST(MermaidTactics, WordForEachBranch)
{
    const QString nige = TacticNige(), jizai = TacticJizai(), makuri = TacticMakuri(), sashi = TacticSashi(),
                  mark = TacticMarkSashi(), tenkai = TacticTenkaiMachi();
    const TacticCase cases[] = {
        // Outer boat starts faster by more than a hundredth.
        {"faster, keeps level in order, inner goes out: mark", 3, 0.18f, 0.15f, 3.0f, 3.0f, 50, 50, 30, makuri, mark},
        {"same after an escaping inner boat", 2, 0.18f, 0.15f, 3.0f, 3.0f, 50, 50, 30, nige, mark},
        {"same after a free inner boat", 3, 0.18f, 0.15f, 3.0f, 3.0f, 50, 50, 30, jizai, mark},
        {"same after a waiting inner boat: plain sashi", 3, 0.18f, 0.15f, 3.0f, 3.0f, 50, 50, 30, tenkai, sashi},
        {"same after a sashi inner boat", 3, 0.18f, 0.15f, 3.0f, 3.0f, 50, 50, 30, sashi, sashi},
        {"faster and earlier in order, weak", 3, 0.18f, 0.15f, 3.0f, 2.0f, 50, 55, 49, sashi, makuri},
        {"faster and earlier, ability 6 above", 3, 0.18f, 0.15f, 3.0f, 2.0f, 50, 56, 49, sashi, jizai},
        {"faster and earlier, motor above 49", 3, 0.18f, 0.15f, 3.0f, 2.0f, 50, 50, 49.01f, sashi, jizai},
        // Exactly a hundredth faster is not "clearly faster", also in single precision.
        {".15 against .16", 3, 0.16f, 0.15f, 3.0f, 3.5f, 50, 50, 30, makuri, sashi},
        {".14 against .15", 3, 0.15f, 0.14f, 3.0f, 3.0f, 50, 50, 30, makuri, sashi},
        // Outer boat as fast or up to a hundredth faster.
        {"level, later in order", 4, 0.16f, 0.16f, 3.0f, 3.5f, 50, 50, 30, nige, sashi},
        {"level, same order, weak", 4, 0.16f, 0.16f, 3.0f, 3.0f, 50, 50, 30, nige, sashi},
        {"level, same order, strong", 4, 0.16f, 0.16f, 3.0f, 3.0f, 50, 60, 30, nige, jizai},
        {"level, earlier in order, weak", 4, 0.16f, 0.16f, 3.0f, 2.5f, 50, 50, 30, nige, makuri},
        {"level, earlier in order, strong", 4, 0.16f, 0.16f, 3.0f, 2.5f, 50, 50, 60, nige, jizai},
        // 3.20 + 0.3 is 3.50 in single precision: not later than 3.50.
        {"3.20 + 0.3 against 3.50", 4, 0.16f, 0.16f, 3.5f, 3.2f, 50, 50, 30, nige, makuri},
        // Outer boat slower.
        {"slower, later in order", 4, 0.15f, 0.17f, 3.0f, 3.6f, 50, 50, 30, makuri, tenkai},
        {"slower, about level in order, course 2", 2, 0.15f, 0.17f, 3.0f, 2.9f, 50, 50, 30, nige, tenkai},
        {"slower, about level in order, copies", 4, 0.15f, 0.17f, 3.0f, 2.9f, 50, 50, 30, makuri, makuri},
        {"slower, earlier in order, ability 7 above", 4, 0.15f, 0.17f, 3.0f, 2.0f, 50, 57, 30, nige, sashi},
        {"slower, earlier in order, ability 8 above", 4, 0.15f, 0.17f, 3.0f, 2.0f, 50, 58, 30, nige, jizai},
        {"slower, earlier in order, motor 50", 4, 0.15f, 0.17f, 3.0f, 2.0f, 50, 50, 50, nige, jizai},
    };
    for (const TacticCase& c : cases) {
        TacticFigures f;
        f.innerStart = c.sIn;
        f.outerStart = c.sOut;
        f.innerOrder = c.hIn;
        f.outerOrder = c.hOut;
        f.innerAbility = c.aIn;
        f.outerAbility = c.aOut;
        f.outerMotor = c.motor;
        EXPECT_EQ(TacticWord(c.course, f, c.inner), c.expected) << c.what;
    }
}

TEST(MermaidTactics, WordsKeepTheirPadding)
{
    EXPECT_EQ(TacticNige(), QStringLiteral("\u3000\u3000逃げ"));
    EXPECT_EQ(TacticJizai(), QStringLiteral("\u3000自在\u3000"));
    EXPECT_EQ(TacticMakuri(), QStringLiteral("\u3000まくり"));
    EXPECT_EQ(TacticSashi(), QStringLiteral("差し\u3000\u3000"));
    EXPECT_EQ(TacticMarkSashi(), QStringLiteral("ﾏｰｸ差し "));
    EXPECT_EQ(TacticTenkaiMachi(), QStringLiteral("展開待ち"));
    EXPECT_EQ(TacticBlank(), QString(4, QChar(0x3000)));
}

TEST(MermaidPower, WomenCountEightTenths)
{
    EXPECT_EQ(CoursePowerOf(53, 1), 53);
    EXPECT_EQ(CoursePowerOf(53, 2), 42); // 42.4
    EXPECT_EQ(CoursePowerOf(54, 2), 43); // 43.2
    EXPECT_EQ(CoursePowerOf(57, 2), 46); // 45.6
    EXPECT_EQ(CoursePowerOf(50, 0), 40); // sex unknown (racer not in the file) is not a man
    EXPECT_EQ(CoursePowerOf(0, 0), 0);
}

TEST(MermaidTypeName, WordsByCode)
{
    const char16_t* words[] = {u"自在", u"イン", u"内", u"内中", u"センタ", u"中", u"休明け", u"中外", u"外", u"アウト", u"新人"};
    for (int code = 0; code <= 10; ++code)
        EXPECT_EQ(TokuiCourseTypeName(code), QString::fromUtf16(words[code])) << code;
    EXPECT_TRUE(TokuiCourseTypeName(-1).isEmpty());
    EXPECT_TRUE(TokuiCourseTypeName(11).isEmpty());
}

// ChooseCourse works on the working arrays only; they are set by hand here.
class ChooseCourseTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    RecordingUi ui;
    Engine e{folder, ui};

    void set(const std::array<float, 6>& target, const std::array<float, 6>& score, const std::array<int, 6>& power)
    {
        for (int f = 1; f <= 6; ++f) {
            e.st.CourseTarget[f] = target[size_t(f - 1)];
            e.st.CourseScore[f] = score[size_t(f - 1)];
            e.st.CoursePower[f] = power[size_t(f - 1)];
        }
    }
    void expectConsistent()
    {
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(e.st.ExpectCourse[e.st.ExpectWaku[c]], c) << c;
    }
};

TEST_F(ChooseCourseTest, TwoFramesAimingAtCourseTwo)
{
    // Frames 2 and 4 both aim at course 2; the others are out of the way.
    struct Case {
        const char* what;
        float score2, score4;
        int power2, power4;
        QString entry;
    };
    const Case cases[] = {
        {"lower frame with the better score keeps it", 1.2f, 1.5f, 10, 90, QStringLiteral("124356")},
        {"equal scores: lower frame keeps it", 1.5f, 1.5f, 10, 90, QStringLiteral("124356")},
        {"worse score but 42 against 50 (42.5 rounds to 42)", 1.5f, 1.2f, 42, 50, QStringLiteral("124356")},
        {"worse score and 41 against 50", 1.5f, 1.2f, 41, 50, QStringLiteral("142356")},
        {"worse score and 59 against 70 (59.5 rounds to 60)", 1.5f, 1.2f, 59, 70, QStringLiteral("142356")},
        {"worse score and 60 against 70", 1.5f, 1.2f, 60, 70, QStringLiteral("124356")},
    };
    for (const Case& c : cases) {
        set({1, 2, 4, 2, 5, 6}, {1, c.score2, 4, c.score4, 5, 6}, {50, c.power2, 50, c.power4, 50, 50});
        EXPECT_EQ(ChooseCourse(e), c.entry) << c.what;
        expectConsistent();
    }
    // The loser moved out by one; the tie-break added frame / 1000.
    EXPECT_FLOAT_EQ(e.st.CourseTarget[2], 2.002f);
    EXPECT_FLOAT_EQ(e.st.CourseTarget[4], 3.004f);
    EXPECT_EQ(e.st.ExpectCourse[4], 3);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(ChooseCourseTest, LoserMeetsTheBoatsFurtherOut)
{
    // Frame 1 has the worst score and too little power: it loses every course it meets on its way
    // out. Rounded targets: 2.2 is 2, 2.5 is 2 (half to even), 3.5 is 4.
    set({2.2f, 5, 2.5f, 6, 3, 3.5f}, {3, 2, 1, 1, 2, 2.5f}, {30, 50, 60, 50, 60, 50});
    // a=2: frame 1 against 3 (30 < 51): 3.2. a=3: against 5 (30 < 51): 4.2. a=4: against 6
    // (30 < 42): 5.2. a=5: against 2: 6.2. a=6: against 4: 7.2.
    EXPECT_EQ(ChooseCourse(e), QStringLiteral("356241"));
    EXPECT_FLOAT_EQ(e.st.CourseTarget[1], 7.201f);
    expectConsistent();
}

TEST_F(ChooseCourseTest, EqualTargetsGoToTheLowerFrame)
{
    set({4, 4, 4, 4, 4, 4}, {4, 4, 4, 4, 4, 4}, {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ChooseCourse(e), QStringLiteral("123456"));
    EXPECT_FLOAT_EQ(e.st.CourseTarget[6], 9.006f);

    // Pairs aiming at the same course: the upper frame of each pair moves out and meets the next.
    set({3, 3, 1, 1, 2, 2}, {9, 9, 9, 9, 9, 9}, {0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ChooseCourse(e), QStringLiteral("341256"));
    expectConsistent();
}

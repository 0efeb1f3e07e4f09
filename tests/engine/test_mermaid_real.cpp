// Entry prediction on real races of 大村 (24) with the 2020 fan handbook. The expected entries
// and tactics were worked out by hand from the raw lines of the program and fan handbook files.
#include "engine/engine.h"
#include "engine/mMermaid2.h"
#include "engine/mermaid_rules.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class MermaidRealTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    RecordingUi ui;
    Engine e{folder, ui};

    void load(const QString& program)
    {
        e.raceCard.Load(0);
        const QString path = dir.filePath(program);
        ASSERT_TRUE(QFile::copy(RealData(QStringLiteral("program/") + program), path));
        ASSERT_TRUE(e.Bangumi.FileConv(path));
        ASSERT_TRUE(e.Bangumi.FileLoad(QStringLiteral("24")));
        ASSERT_TRUE(e.Sensyu.FileLoad(RealData(QStringLiteral("fan/fan2004.txt")), e.Bangumi.ParticipationSensyuNoAllGet()));
        e.Meeting.Reset(e.Bangumi.ParticipationNumbers(), e.Bangumi.TotalDay() - 1);
    }
    void expectTactics(const std::array<QString, 6>& words)
    {
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(e.st.ExpectTactics[c], words[size_t(c - 1)]) << "course " << c;
    }
};

} // namespace

TEST_F(MermaidRealTest, OmuraFirstDay)
{
    load(QStringLiteral("B240101.TXT"));
    ASSERT_EQ(e.Sensyu.LastYoseiKi(), 126);

    // Race 1. Course types: 3501 内 (FS4 17.9), 5129 新人 (no starts, term 126), 4299 内,
    // 4855 内, 4393 内, 3773 内中 (FS4 30.0, FS5 11.8, FS6 0). Frame 1 keeps 2 with the best
    // score (2 - 62.00/100 + 0.1); the other four at 2 move out one by one.
    EXPECT_EQ(TokuiCourseTypeGet(e, QStringLiteral("3773")), 3);
    EXPECT_EQ(TokuiCourseTypeGet(e, QStringLiteral("5129")), 10);
    EXPECT_EQ(EntryCourseExpect(e, 1, false), QStringLiteral("134562"));
    EXPECT_NEAR(e.st.CourseScore[1], 1.47995f, 1e-5);
    EXPECT_NEAR(e.st.CourseScore[4], 1.82484f, 1e-5);
    EXPECT_EQ(e.st.CoursePower[5], 48);
    EXPECT_EQ(e.st.CoursePower[2], 0); // a woman without figures
    // Course 2: 4299 (.20, 4.20) behind 3501 (.18, 3.10): slower, later: waits. Course 3: 4855
    // .17 against .20, order 3.30 + 0.3 not after 4.20, weak: まくり. Course 4: 4393 .22 behind .17:
    // waits. Course 5: 3773 .18 against .22, 3.20 + 0.3 before 4.60: まくり. Course 6: the newcomer
    // has no start there.
    expectTactics({TacticNige(), TacticTenkaiMachi(), TacticMakuri(), TacticTenkaiMachi(), TacticMakuri(), TacticBlank()});

    // Race 2. 4315 内中 -> 2 as frame 1, 4603 内中, 5048 外, 5219 missing (新人), 4241 自在
    // (5 + 2.2), 4705 内. 4705 loses 2 to frame 1 and 3 to 4603 (46 is not below 85 % of 47).
    EXPECT_EQ(EntryCourseExpect(e, 2, false), QStringLiteral("126534"));
    EXPECT_NEAR(e.st.CourseTarget[5], 7.205f, 1e-5);
    // Course 2: 4603 .17 as fast as 4315 .17, order 3.40 + 0.3 is 3.70 in single precision, not
    // after 3.70: weak, まくり. Course 3: 4705 .13 against .17, 2.20 + 0.3 before 3.40: まくり.
    // Courses 4 and 5: slower and later: waits. Course 6: the missing racer.
    expectTactics({TacticNige(), TacticMakuri(), TacticMakuri(), TacticTenkaiMachi(), TacticTenkaiMachi(), TacticBlank()});

    // Race 7 is marked 進入固定 in the program.
    ASSERT_TRUE(e.Bangumi.CourseFix(7));
    EXPECT_EQ(EntryCourseExpect(e, 7, e.Bangumi.CourseFix(7)), QStringLiteral("123456"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MermaidRealTest, OmuraLastDayWithMeetingCourses)
{
    load(QStringLiteral("B240106.TXT"));
    ASSERT_EQ(e.Bangumi.TotalDay(), 6);
    // Mean entry courses of race 1's racers over days 1-5 (course column of K240101-K240105).
    const std::pair<const char*, float> meeting[] = {
        {"5086", 29.0f / 8}, {"4151", 23.0f / 7}, {"3501", 25.0f / 7},
        {"3752", 23.0f / 7}, {"5129", 25.0f / 7}, {"5124", 23.0f / 7},
    };
    for (const auto& [no, course] : meeting) {
        MeetingAverage* a = e.Meeting.Average(e.Bangumi.SensyuNoToIndex(QString::fromLatin1(no)));
        ASSERT_NE(a, nullptr) << no;
        a->Course = course;
    }

    // 5086 アウト (55 of 58 from course 6), 4151 内 (FS4 9.5), 3501 内, 3752 内 (FS4 16.7),
    // 5129 and 5124 新人 (no starts, term 126). 4151 keeps 2 (2 - 59.02/100 + 0.2); 3501 and
    // 3752 move out; newcomer 5124 loses 10 to the lower frame 5129 (powers 0 and 0).
    EXPECT_EQ(EntryCourseExpect(e, 1, false), QStringLiteral("234156"));
    EXPECT_NEAR(e.st.InSisuNet[2], 486.0f / 780 * 100 - 23.0f / 7, 1e-4); // 62.31 - 3.29
    EXPECT_NEAR(e.st.InSisuNet[6], -23.0f / 7, 1e-5);
    EXPECT_NEAR(e.st.CourseScore[1], 8.96096f, 1e-5);
    EXPECT_NEAR(e.st.CourseScore[2], 1.60978f, 1e-5);
    EXPECT_NEAR(e.st.CourseScore[5], 10.385714f, 1e-5);
    EXPECT_EQ(e.st.CoursePower[1], 34);
    EXPECT_EQ(e.st.CoursePower[2], 51);
    // Course 2: 3501 .16 against 4151's .18, 3.30 + 0.3 before 3.70, weak: まくり. Course 3:
    // 3752 .19 behind .16, 4.30 after 3.30: waits. Courses 4-6: no start there (5086 never from
    // course 4, the newcomers never).
    expectTactics({TacticNige(), TacticMakuri(), TacticTenkaiMachi(), TacticBlank(), TacticBlank(), TacticBlank()});
    EXPECT_TRUE(ui.messages.isEmpty());
}

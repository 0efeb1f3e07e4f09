// The entry course editor's commands on the demo folder (大村, 6 January 2024): "Ok" makes the
// edited entry the race's entry and redoes tactics, course table, start diagram, user index
// and recommendation; "ｼｽﾃﾑ" only proposes the system's entry.
#include "app/appcontext.h"
#include "app/courseedit.h"
#include "app/selection.h"
#include "engine/mMermaid2.h"
#include "views/courseeditor.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Records the calls of the refresh that reach the windows, and what the course table showed
// when the user index display was asked for.
class RecordingContext : public AppContext {
public:
    using AppContext::AppContext;
    void ShowUserSisu(int raceNo) override
    {
        calls << QStringLiteral("user%1").arg(raceNo);
        courseTableAtUser = engine.raceCard.flexCourse.CellValue(1, 1);
        AppContext::ShowUserSisu(raceNo);
    }
    void FocusWindowShown(bool visible) override { calls << QStringLiteral("focus"); }
    QStringList calls;
    QString courseTableAtUser;
};

class CourseEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QDir demo(TestDataDir() + QStringLiteral("/../../demo"));
        for (const QString& name : demo.entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(demo.filePath(name), tmp.filePath(name)));
        app = std::make_unique<RecordingContext>(tmp.path(), ui);
        app->Initialise(nullptr);
        app->engine.raceCard.Load(app->display.DispStyle);
        ASSERT_TRUE(LoadStadium(app->engine, 24, tmp.path()));
        ASSERT_EQ(ChooseRace(app->engine, kRace), kRace);
        ASSERT_TRUE(ui.messages.isEmpty());
        app->calls.clear();
    }

    Engine& e() { return app->engine; }
    QStringList marks()
    {
        QStringList m;
        for (int r = 1; r <= 6; ++r)
            for (int c = 23; c <= 25; ++c)
                m << e().raceCard.flexSensyu.CellValue(r, c);
        return m;
    }

    static constexpr int kRace = 1;
    QTemporaryDir tmp;
    RecordingUi ui;
    std::unique_ptr<RecordingContext> app;
};

TEST_F(CourseEditTest, OkTakesTheDraggedEntryAndRedoesWhatDependsOnIt)
{
    const std::array<int, 7> before = e().st.ExpectCourse;
    const int inside = e().st.ExpectWaku[1];
    ASSERT_NE(inside, 3);
    const int course3 = before[3];
    const QStringList marksBefore = marks();

    CourseEditor ed;
    ed.Load(e().st.ExpectCourse);
    ASSERT_TRUE(ed.MouseDown(CourseEditor::PictureLeft() + 5, CourseEditor::RowTop(course3 - 1) + 5));
    ed.MouseMove(0, 5); // boat 3 up into row 1
    ed.MouseUp(0, 5);
    ApplyEditedCourses(*app, ed, kRace);

    EXPECT_EQ(e().st.ExpectCourse[3], 1);
    EXPECT_EQ(e().st.ExpectWaku[1], 3);
    EXPECT_EQ(e().st.ExpectCourse[size_t(inside)], course3);
    EXPECT_EQ(e().st.ExpectWaku[size_t(course3)], inside);
    for (int f = 1; f <= 6; ++f)
        if (f != 3 && f != inside)
            EXPECT_EQ(e().st.ExpectCourse[size_t(f)], before[size_t(f)]) << f;

    // Course table and start diagram follow the new entry; the tactics are those of it.
    const cGrid& course = e().raceCard.flexCourse;
    EXPECT_EQ(course.CellValue(1, 1), QStringLiteral("3"));
    EXPECT_EQ(course.CellValue(course3, 1), QString::number(inside));
    EXPECT_EQ(course.CellValue(1, 2), e().Bangumi.SensyuName(kRace, 3));
    EXPECT_EQ(e().raceCard.picPool.imgBoat[3].Top, 1.5);
    const auto tactics = e().st.ExpectTactics;
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(course.CellValue(c, 11), tactics[size_t(c)]) << c;
    TacticsGet(e(), kRace);
    EXPECT_EQ(e().st.ExpectTactics, tactics);

    // The user index saw the new course table; the recommendation came after it.
    EXPECT_EQ(app->calls.value(0), QStringLiteral("user1"));
    EXPECT_EQ(app->courseTableAtUser, QStringLiteral("3"));
    EXPECT_TRUE(app->calls.mid(1).contains(QStringLiteral("focus")));
    EXPECT_EQ(marks(), marksBefore);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(CourseEditTest, FixedEntryThenOkGivesFrameOrderAndItsTactics)
{
    CourseEditor ed;
    ed.Load(e().st.ExpectCourse);
    ed.FixEntry();
    ApplyEditedCourses(*app, ed, kRace);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_EQ(e().st.ExpectCourse[size_t(i)], i);
        EXPECT_EQ(e().st.ExpectWaku[size_t(i)], i);
        EXPECT_EQ(e().raceCard.flexCourse.CellValue(i, 1), QString::number(i));
    }
    const auto tactics = e().st.ExpectTactics;
    EXPECT_EQ(EntryCourseExpect(e(), kRace, true), QStringLiteral("123456"));
    EXPECT_EQ(e().st.ExpectTactics, tactics);
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(e().raceCard.flexCourse.CellValue(c, 11), tactics[size_t(c)]) << c;
}

TEST_F(CourseEditTest, SystemProposesThePredictionWithoutTouchingTheEngine)
{
    // The user's entry in force: frame order.
    CourseEditor fixed;
    fixed.FixEntry();
    ApplyEditedCourses(*app, fixed, kRace);
    const EngineState st = e().st;

    CourseEditor ed;
    ed.Load(e().st.ExpectCourse);
    SystemCourses(e(), ed, kRace);
    EXPECT_EQ(e().st.ExpectCourse, st.ExpectCourse);
    EXPECT_EQ(e().st.ExpectWaku, st.ExpectWaku);
    EXPECT_EQ(e().st.ExpectTactics, st.ExpectTactics);
    EXPECT_EQ(e().st.CourseTarget, st.CourseTarget);

    EntryCourseExpect(e(), kRace, false);
    for (int f = 1; f <= 6; ++f)
        EXPECT_EQ(ed.EditCourse[size_t(f - 1)], e().st.ExpectCourse[size_t(f)] - 1) << f;
    EXPECT_NE(e().st.ExpectCourse, st.ExpectCourse) << "the demo race is predicted out of frame order";
}

} // namespace

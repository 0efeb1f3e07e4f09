#include "app/courseedit.h"

#include "app/appcontext.h"
#include "engine/mMermaid2.h"
#include "engine/racecard.h"
#include "engine/recommend.h"
#include "views/courseeditor.h"

void SystemCourses(Engine& e, CourseEditor& editor, int raceNo)
{
    EngineState& st = e.st;
    const auto course = st.ExpectCourse;
    const auto waku = st.ExpectWaku;
    const auto tactics = st.ExpectTactics;
    const auto target = st.CourseTarget;
    const auto score = st.CourseScore;
    const auto power = st.CoursePower;
    const auto inSisu = st.InSisuNet;

    EntryCourseExpect(e, raceNo, false);
    editor.Load(st.ExpectCourse);

    st.ExpectCourse = course;
    st.ExpectWaku = waku;
    st.ExpectTactics = tactics;
    st.CourseTarget = target;
    st.CourseScore = score;
    st.CoursePower = power;
    st.InSisuNet = inSisu;
}

void ApplyEditedCourses(AppContext& app, const CourseEditor& editor, int raceNo)
{
    Engine& e = app.engine;
    editor.Apply(e.st.ExpectCourse, e.st.ExpectWaku);
    TacticsGet(e, raceNo);
    CourseDataDisp(e, raceNo);
    StartChartDisp(e, raceNo);
    app.ShowUserSisu(raceNo);
    RecommendDisp(e, raceNo);
}

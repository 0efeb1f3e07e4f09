#pragma once
// The entry course editor's commands that reach into the engine: the system prediction
// ("ｼｽﾃﾑ") and the recomputation on "Ok".
class AppContext;
class CourseEditor;
struct Engine;

// "ｼｽﾃﾑ": the system's own prediction of race `raceNo` (the entry not fixed) loaded into the
// editor. The engine's entry and working arrays are left as they were, so that "ｷｬﾝｾﾙ"
// afterwards really changes nothing.
void SystemCourses(Engine& e, CourseEditor& editor, int raceNo);

// "Ok": the edited entry replaces the prediction (ExpectCourse, ExpectWaku), then for race
// `raceNo` the tactics, the course table, the start diagram, the user index display and the
// recommendation are redone, in that order. The marks are left as they are.
void ApplyEditedCourses(AppContext& app, const CourseEditor& editor, int raceNo);

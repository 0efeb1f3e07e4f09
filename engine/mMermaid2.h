#pragma once
// Entry course prediction: which frame takes which course, each racer's favourite course type
// and the tactic word of the boat in each course.
#include <QString>

struct Engine;

// Course-type code 0..10 of a racer (0 after an error, which is shown).
int TokuiCourseTypeGet(Engine& e, const QString& sensyuNo);
// Word of a course-type code ("自在", "イン", ... "新人"); empty for other codes.
QString TokuiCourseTypeName(int code);

// The entry text (frames in course order, e.g. "132456"); fills ExpectCourse, ExpectWaku,
// ExpectTactics.
QString EntryCourseExpect(Engine& e, int raceNo, bool fixed);
QString EntryCourseExpectStandard(Engine& e, int raceNo);
QString EntryCourseExpect03(Engine& e, int raceNo);
QString ExhibitionEntry(Engine& e, int raceNo);
QString ChooseCourse(Engine& e);
void TacticsGet(Engine& e, int raceNo);

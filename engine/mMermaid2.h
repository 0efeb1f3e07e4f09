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
// ExpectTactics. Fixed: frame = course. Otherwise the start exhibition when it was read, the
// simple method at stadium "03", the scoring method elsewhere; then the tactics.
QString EntryCourseExpect(Engine& e, int raceNo, bool fixed);
// Scoring method: fills CourseTarget, CourseScore, CoursePower, InSisuNet, then ChooseCourse.
QString EntryCourseExpectStandard(Engine& e, int raceNo);
// Stadium "03": "イン", "アウト" and newcomers keep their course type, everybody else aims at 4.
// CoursePower is taken from this race's racers as well.
QString EntryCourseExpect03(Engine& e, int raceNo);
// The courses seen in the start exhibition; a course nobody took keeps its frame, so the text
// may be shorter than six digits.
QString ExhibitionEntry(Engine& e, int raceNo);
// Settles CourseTarget conflicts (CourseScore, CoursePower) and orders the frames.
QString ChooseCourse(Engine& e);
// Tactic word of the boat in each course from the entry in ExpectWaku.
void TacticsGet(Engine& e, int raceNo);

#pragma once
// The pure rules behind the entry prediction: tactic words, the tactic of one boat against its
// inner neighbour, and a racer's power. The engine operations gather the figures and call these.
#include <QString>

// Tactic words with their padding as shown in the course table ("ﾏｰｸ差し " ends in one
// half-width blank).
QString TacticNige();       // "　　逃げ"
QString TacticJizai();      // "　自在　"
QString TacticMakuri();     // "　まくり"
QString TacticSashi();      // "差し　　"
QString TacticMarkSashi();  // "ﾏｰｸ差し "
QString TacticTenkaiMachi(); // "展開待ち"
QString TacticBlank();      // "　　　　"

// Figures of the boat in course c - 1 (inner) and the boat in course c (outer).
struct TacticFigures {
    float innerStart = 0;  // CourseStartTiming in its course
    float outerStart = 0;
    float innerOrder = 0;  // CourseStartHatujyun in its course
    float outerOrder = 0;
    int innerAbility = 0;
    int outerAbility = 0;
    float outerMotor = 0;  // the outer boat's motor top-two rate from the race program
};

// Tactic of the boat in `course` (2..6) given its inner neighbour's tactic. The "no start in
// this course" blanking is applied by the caller after all courses are decided.
QString TacticWord(int course, const TacticFigures& f, const QString& innerTactic);

// Ability x 1 for a man (sex 1), x 0.8 otherwise, rounded half to even.
int CoursePowerOf(int ability, int sex);

#pragma once
// The meeting tables of the loaded stadium as JSON for the command-line front end.
#include <QJsonObject>

struct Engine;

// {"Days": n, "racers": [{"SensyuNo", "records": [one object per earlier day 1..n with the
// record's fields by name], "averages": {"StartTiming", "Course"}}]} for every racer of the
// day's program in list order. Reals read back to the same single-precision value.
QJsonObject MeetingJson(const Engine& e);

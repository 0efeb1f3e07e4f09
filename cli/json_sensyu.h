#pragma once
// The racer file model as JSON for the command-line front end.
#include <QJsonObject>
#include <QStringList>

class cSensyuFile;

// {"version", "Nen", "Ki", "YmdStart", "YmdEnd", "LastYoseiKi", "racers": [...]}: one racer
// object per listed number that is in the model (in list order), or every loaded racer when
// the list is empty. Each racer holds its stored fields by property name, "courses" (six
// objects of the course fields) and the computed statistics. Reals read back to the same
// single-precision value.
QJsonObject SensyuFileJson(const cSensyuFile& s, const QStringList& numbers);

#pragma once
// JSON views of the race program for the command-line front end.
#include "datafiles/bangumifile.h"

#include <QJsonObject>

// The loaded stadium: meeting values, the distinct racers and every race of RaceNumbers with
// its six entries; keys are the property names.
QJsonObject BangumiProgramJson(const cBangumiFile& b);

// {"05": "<meeting title>", ...} for the stadiums that race, from KaisaiCheck's table.
QJsonObject BangumiStadiumsJson(const KaisaiTable& table);

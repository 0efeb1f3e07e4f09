#pragma once
// Builds the forecast data table ("VDATA.QVL") and the stadium data file ("KDATA.QVL") from the
// user's own race programs and results, for when no published edition is at hand.
#include "engine/forecastdata.h"

#include <QString>

struct TableBuildStats {
    int programFiles = 0; // race program files read
    int resultFiles = 0;  // results files read
    int races = 0;        // races with a winner that were counted
    int stadiums = 0;     // stadiums with at least one counted race
};

// Prior weight of the smoothing: a cell with n counted boats takes
// (wins + kPriorBoats * base) / (n + kPriorBoats), where base is the stadium's win share of
// that frame over all classes (or of every stadium, when the stadium has no race at all).
constexpr double kPriorBoats = 20.0;

// Reads every race program ("b"/"B" + yymmdd, .txt or .lzh) in `folder` with the results file of
// the same day ("k" + yymmdd), and fills `table` with the win percentage of each (stadium,
// frame, strength class). False when no race could be counted.
bool BuildForecastData(const QString& folder, ForecastDataTable& table, TableBuildStats* stats = nullptr);

// Reads every results file in `folder` and writes the stadium data file `out`: per stadium
// section "NN#" the keys "p-c" (the share of starts from entry course c that finished p-th,
// "0.0"), p, c = 1..6, and "LastUpdate" (today, "yyyy/MM/dd"). False when nothing was counted
// or the file cannot be written.
bool BuildStadiumData(const QString& folder, const QString& out, TableBuildStats* stats = nullptr);

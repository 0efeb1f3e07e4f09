#pragma once
// The verdict of the forecast: the recommendation order of the six boats (national win rate as
// a strength class looked up in the forecast data table, plus the boat's own figures), the
// recommended bets of the bets window, the confidence text, the result texts of the race card
// window's status bar and the hit check.
#include <QString>
#include <QStringList>

#include <array>

struct Engine;

// The motor's 2-place rate m blended with the entry's results in this meeting (its Seiseki):
// (20 * m + places 1 and 2) / (characters + 20); m itself for an empty Seiseki. Raises the
// model's error 9 for an entry outside the race program.
float MotorCorrected(Engine& e, float motorRate, int raceNo, int wakuNo);

// Fills e.st.RecommendProb (forecast data value by frame) and e.st.RecommendOrder (frame at
// each rank, favourite first); both are zeroed first. False, without a message, when the
// ranking could not be completed: all six win rates equal, a strength class outside 0..49, no
// forecast data table, or any other run-time error. What was written before stays.
bool RecommendRank(Engine& e, int raceNo);

// The recommended bets of an order (frame at ranks 1..6). Main bets carry full-width digits
// ("１-２"), covering bets half-width ("3-1"); the hyphen is always half-width.
// All lists are empty when ranks 1..4 do not hold four different frames 1..6 (no order).
struct RecommendedBets {
    QStringList Rentan2;  // ２連単, 6 bets
    QStringList Rentan3;  // ３連単, 12 bets
    QStringList Renfuku2; // ２連複, 4 bets
    QStringList Renfuku3; // ３連複, 4 bets
};
RecommendedBets RecommendBetsGet(const std::array<int, 7>& order);

// The whole verdict of a race: status panels 2-4 of the race card window emptied, the ranking,
// the bets window shown (hidden while a report is built) and filled, the confidence text, and
// once the day's results are loaded the entry, refunds, result and dividend texts and the hit
// check. A run-time error ends it silently with what was written.
void RecommendDisp(Engine& e, int raceNo);

// Bets window: fills both grids from e.st.RecommendOrder (creating them on first use) in black;
// the grids stay empty when there is no order.
void DispFocus(Engine& e, int raceNo);
// Bets window: turns the bets that hit red against the results model's first three places
// (a boat listed there without a numeric placing, e.g. after a flying start, is no place).
// Any error ends the check silently.
void CheckResult(Engine& e, int raceNo);

#pragma once
// The system's own odds of every ordered two-boat bet of a race, for comparison with the
// organizer's: a points rating of the six boats turned into winning shares, and the shares into
// odds at a return rate of 0.75.
#include <array>

struct Engine;

// [first frame 1..6][second frame 1..6]; index 0 and the diagonal unused.
using ForecastOddsTable = std::array<std::array<float, 7>, 7>;

// Fills e.st.ForecastOdds for the race. No error handling of its own: a failure (a model index
// out of range, a predicted course outside 1..6, a share of 0) raises QvError to the caller and
// the table keeps what was written.
void ForecastOddsCalc(Engine& e, int raceNo);

// The frame points of the race after bonuses, tie term and the top-three multipliers (the
// input of the odds); raises like ForecastOddsCalc.
std::array<float, 7> ForecastPoints(Engine& e, int raceNo);

// The odds from frame points P[1..6]: shares s = P / ΣP × 100, T = Σs, and for H first, J second
// 0.75 × T ÷ (s[H] × s[J] ÷ R) with R the sum of the shares other than H's. The table is zeroed
// first. Error 11 for a total or share of 0, error 6 for a result too large for a single.
void ForecastOddsFromPoints(const std::array<float, 7>& points, ForecastOddsTable& odds);

#pragma once
// Ranking and the three fixed forecasters of the racer table: 波平 (column 23), 舟吉 (24) and
// 洋助 (25). Each rates the six boats and marks the four best ◎ ○ △ ×.
#include <QString>

#include <array>
#include <span>
#include <vector>

struct Engine;

// Per-frame values and ranks of one race; index 0 unused.
using FrameValues = std::array<float, 7>;
using FrameRanks = std::array<int, 7>;

// Ranks values[lo..hi] (indices into the array itself, so a 1-based array passes lo = 1):
// smallest first when `ascending`, otherwise largest first. rank[i] is the position of item i,
// item[k] the item at position k; both are resized to hi + 1 with the entries below lo 0.
//
// The values are sorted by exchange sort and positions are then matched back by equality, so
// equal values share: every tied item gets the last of the tied positions and every tied
// position names the highest-numbered tied item (items 2 and 4 tied for the top, descending:
// rank[2] = rank[4] = 2, item[1] = item[2] = 4). A value equal to nothing (NaN) keeps rank 0.
// Bounds outside the array leave both results all 0, sized like the array.
void RankSort(std::span<const float> values, int lo, int hi, bool ascending, std::vector<int>& rank,
              std::vector<int>& item);
// The six frames of a race.
void RankSort(const FrameValues& values, bool ascending, FrameRanks& rank, FrameRanks& item);

// The mark of a rank: "◎", "○", "△", "×" for 1..4, empty for every other rank.
QString MarkText(int rank);

// The forecasters' scores per frame. 波平 and 舟吉 rank largest first and raise the models'
// errors (QvError; a predicted course outside 1..6 is error 9). 洋助 ranks smallest first and
// never raises: a failing step makes the score 40 and the next step goes on from there.
FrameValues NamiheiValues(Engine& e, int raceNo);
FrameValues FunakichiValues(Engine& e, int raceNo);
FrameValues YosukeValues(Engine& e, int raceNo);

// The rank of each frame (1..6) by the forecaster's score.
FrameRanks NamiheiScore(Engine& e, int raceNo);
FrameRanks FunakichiScore(Engine& e, int raceNo);
FrameRanks YosukeScore(Engine& e, int raceNo);

// Writes the three marks of every frame into the racer table (row = frame) and redraws it.
// An error of 波平 or 舟吉 propagates (QvError) so that the refresh reports it; nothing is
// written then.
void MarkDisp(Engine& e, int raceNo);

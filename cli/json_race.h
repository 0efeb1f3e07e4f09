#pragma once
#include <QJsonArray>
#include <QJsonObject>

class cGrid;
struct Engine;

// Every cell value of a grid, row by row.
QJsonArray GridJson(const cGrid& g);
// What the user sees of the selected race: the race card grids and labels, the predicted
// entry, the recommendation, the bets window, the status panels and the forecast odds.
QJsonObject RaceJson(const Engine& e);

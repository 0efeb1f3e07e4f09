#pragma once
// Race card figures: the race card grid, the racer table, the course table, the title and
// closing-time labels and the start-timing diagram of the selected race, plus the small
// helpers around them (bet comparison, the stadium's course figures, the race type).
//
// Every display operation takes the race number 1..12, catches its own run-time errors and
// shows them as a warning box; what was written before the error stays.
#include "views/gridsurface.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>

struct Engine;

// Title, closing time, title colour, race card columns 1-16 and 22, race type label.
void RaceCardDisp(Engine& e, int raceNo);
// Race card columns 17-19 (start exhibition course, hidden column, start timing).
void StartExhibitionDisp(Engine& e, int raceNo);
// Race card columns 20-21 (exhibition time, tilt).
void ExhibitionDisp(Engine& e, int raceNo);
// Racer table columns 0-21 and the colour of the racer's name in the race card.
// Errors are titled "SensyuDataDispErr".
void SensyuDataDisp(Engine& e, int raceNo);
// Course table columns 1-11, one row per predicted course. Errors are titled "CourseDataDisp".
void CourseDataDisp(Engine& e, int raceNo);
// The start-timing diagram (e.raceCard.picPool).
void StartChartDisp(Engine& e, int raceNo);

// True when bet A (a1-a2) and bet B (b1-b2) are the same; betType 2 (unordered two-boat bet)
// also accepts them in the other order.
bool BetMatch(int a1, int a2, int b1, int b2, int betType);

// Fills e.st.KDataCourse[course][kind] from section "nn#" of "KDATA.QVL" (keys "kind-course");
// a missing file, key or non-numeric value reads as 0.
void KDataLoad(Engine& e, int code);

// The race type verdict ("主力２者 ①③"): strengths into e.st.RaceStrength, then RaceTypeText.
// Raises error 9 (QvError) for a race outside 1..12; RaceCardDisp catches it.
QString RaceTypeGet(Engine& e, int raceNo);
// The verdict for strengths s[1..6]: the frames above the best minus 12, counted and listed.
QString RaceTypeText(const std::array<float, 7>& strength);

// Title colours.
constexpr ColorRef kRaceTitleClosed = Rgb(176, 176, 176); // voting has closed
constexpr ColorRef kRaceTitleOpen = Rgb(0, 0, 0);
constexpr ColorRef kWomanNameColor = Rgb(255, 128, 128);

// The title colour rule shared with the periodic refresh: closed when the race date lies
// before today, or (on the race day) when a closing time ("hh:nn:ss") is given and is not
// later than the current time; open otherwise. An invalid raceDate counts as today.
ColorRef RaceTitleColor(const QDate& raceDate, const QString& closingHour, const QDateTime& now);
// The program's RaceDate text ("yyyy/mm/dd") as a date; invalid when it is not one.
QDate RaceDateOf(const QString& raceDate);

// Clicks on the race card grid (0-based column and the clicked cell's text).
constexpr int kRaceCardExhibitionCol = 20;
constexpr int kRaceCardHayamiCol = 22;
// The race to select for a click, or 0 for nothing: only a numeric 早見 cell naming a race 1..12.
int RaceCardClickRaceNo(int col, const QString& cellText);
// True when the click opens the exhibition time dialog (then ExhibitionDisp of the race).
inline bool RaceCardClickOpensExhibition(int col) { return col == kRaceCardExhibitionCol; }

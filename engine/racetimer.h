#pragma once
// The clock part of the race card window's 3-second timer: the closing-time label, the race
// title colour and the countdown to the next network pass (before-race page and odds).
struct Engine;

// Ticks between two network passes once the countdown has run out (63 seconds at 3 s a tick).
constexpr int kRaceTimerCountdown = 20;
constexpr int kRaceTimerIntervalMs = 3000;

// One tick over the selected race (SelectedRaceNo at the program's stadium):
// - a change of stadium or race resets the countdown, so this very tick is due;
// - with a closing time, the label shows it as "hh:nn" and the title turns grey once voting
//   has closed (RaceTitleColor); without one both stay as they are;
// - the countdown runs down one tick; when it has run out it starts again at 20.
// Returns true when the network pass is due on this tick. A run-time error (no race
// selected, no program) ends the tick silently with false.
bool RaceTimerTick(Engine& e);

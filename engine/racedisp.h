#pragma once
// The full refresh of the selected race: every figure of the race card, the predicted entry,
// the marks, the recommended bets and the user index, in a fixed order.
struct Engine;

// Does nothing for a race number below 1. A run-time error ends the refresh with a warning
// box; what was filled so far stays.
void RaceDisp(Engine& e, int raceNo);

#pragma once
// The result window's contents for one race: finishing order, start slit, payouts, heading and
// weather, all from the results model (names from the race program).
struct Engine;

// Fills e.result for race `raceNo` (creating its grids on first use). Shows no message: a
// failure (for example a race the results do not hold) stops the filling, keeps what was
// written and still repaints the grids so that the picture matches the cells.
void DispData(Engine& e, int raceNo);

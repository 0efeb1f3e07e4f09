#pragma once
// Loading a stadium of the working program file and choosing a race, as the main window does,
// without any window: the Qt main window and the command-line front end share it.
#include <QString>

struct Engine;

// Loads stadium `code` (1..24): its program block, its racers from "SENSYU.QVL", its course
// figures, the day's results and the earlier days of the meeting. `bangumiFolder` is the folder
// of the last opened program file (where results files are looked for). False when the
// program block does not load; the engine is then left without a stadium.
bool LoadStadium(Engine& e, int code, const QString& bangumiFolder);

// The race choice: the entry-fixed mark follows the race's own fixed entry (the user may still
// force it on), then the full refresh. Returns the race shown (0 for none).
int ChooseRace(Engine& e, int raceNo, bool forceFixed = false);

// The text of a race list entry: the number right-aligned in two characters, three blanks and
// the race title from the character after its first "Ｒ" (the whole title when it has none).
QString RaceListEntry(int raceNo, const QString& raceTitle);

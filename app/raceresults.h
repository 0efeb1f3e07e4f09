#pragma once
// The day's results file: finding it in the program file folder and loading it for the
// selected stadium.
#include <QString>

struct Engine;

// Path of the results file `base` ("k240102") in `folder`: the text ("k240102.txt") when it
// exists, else the archive ("k240102.lzh") when that exists, else empty. The name is matched
// without regard to case: the organizer's texts are upper-case, its archives lower-case.
QString FindResultsFile(const QString& base, const QString& folder);

// Loads the results of the program date for stadium `code` into e.Kekka and returns whether
// they were loaded (the caller keeps that as KekkaLoaded). A working copy "KEKKA.QVL" of the
// same date is used again; one of another date (or one that cannot be read) is deleted and
// replaced by the text or the archive "k" + yymmdd found in `bangumiFolder` (the folder of
// the last opened program file). False, silently, when there is none or the archive cannot
// be extracted; a run-time error shows its description in a warning box.
bool LoadRaceResults(Engine& e, int code, const QString& bangumiFolder);

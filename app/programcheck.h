#pragma once
#include <QString>

// True when the file holds at least one stadium block ("05BBGN" with a code 01..24 at the start
// of a line, blanks before it allowed): the least a race program file has. A missing or
// unreadable file is no program.
bool HoldsProgramBlock(const QString& path);

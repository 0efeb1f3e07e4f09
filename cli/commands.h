#pragma once
#include <QStringList>

// Each command takes its arguments (after the command word) and returns the exit status:
// 0 when the file was read, 1 when it could not be, 2 for a usage error.
int CmdProgram(const QStringList& args);
int CmdRacers(const QStringList& args);
int CmdResults(const QStringList& args);
int CmdVdata(const QStringList& args);
int CmdCalc(const QStringList& args);
int CmdOpen(const QStringList& args);
int CmdMakeVdata(const QStringList& args);
int CmdMakeKdata(const QStringList& args);
int CmdRace(const QStringList& args);
int CmdMeeting(const QStringList& args);

#pragma once
// User forecast indices: up to five formulas of the user's own over 24 figures of a boat
// (letters A..X), stored in "Users.qvl". The index in use is evaluated for the six boats of a
// race, shown in column 22 of the racer table, and its ranking turns the definition's bet
// slots into up to six two-boat bets for the race card's user bets panel.
//
// The definitions live in a plain UserSisuSet owned by the caller (the main window); the
// operations take it by reference. Frames, ranks and bet slots are 1-based (index 0 unused).
#include <QString>
#include <QStringList>

#include <array>

struct Engine;

struct UserSisuDef {
    bool Defined = false; // true exactly when Name is not empty
    QString Name;
    QString Equation;     // blank-separated tokens, variables as the letters A..X
    QString Format;       // pattern for showing the value ("##0.00" ...)
    bool Ascending = false; // smaller values rank higher
    int EqualType = 0;      // ties: 0 the lower frame first, 1 the lower predicted course first
    std::array<int, 7> Vote{}; // bet slots 1..6: index into RankPairs (1..30), 0 unused
};

struct UserSisuSet {
    std::array<UserSisuDef, 6> defs; // slots 1..5
    int ActiveUserSisu = 0;          // 0 = none
    QStringList RankPairs;           // 0..30 after InitRankPairs: "", "1- 2", "1- 3" ... "6- 5"
};

using UserSisuValues = std::array<float, 7>;  // by frame
using UserSisuBets = std::array<QString, 7>;  // by bet line: "4-1" or ""

// Fills set.RankPairs with the 31 rank pair texts.
void InitRankPairs(UserSisuSet& set);

// Reads the five definitions and "DefaultNo" from the user index file. A missing file leaves
// every slot undefined and ActiveUserSisu 0 (false). Values the dialogs could never have
// written read as their defaults: a "DefaultNo" outside 0..5 as 0, a bet slot outside 0..30 as
// 0, a non-numeric "EqualType" as 0 (any other non-zero value as 1), an "Ascending" other than
// True/False or a number as False. RankPairs is left as it is.
bool LoadUserSisuDefs(UserSisuSet& set, const QString& fileName);
// Writes "DefaultNo" and every slot (an undefined slot as empty values). False when a write
// failed; each write replaces the file whole, so the file is never left half-written.
bool SaveUserSisuDefs(const UserSisuSet& set, const QString& fileName);

// The text a variable letter is replaced by for the boat in frame wakuNo of race raceNo
// (the figure as the formula receives it). Any other character comes back unchanged.
// Raises QvError 9 for a race or frame out of range, or a predicted course outside 1..6 for
// the course variables R, S, T and W.
QString UserSisuVariable(const Engine& e, QChar letter, int raceNo, int wakuNo);
// The equation with every letter A..X replaced by that boat's figure.
QString UserSisuFormula(const Engine& e, const QString& equation, int raceNo, int wakuNo);

// The active index of each frame of the race; all 0 when no index is active or its equation
// is empty. A boat whose formula does not evaluate (or whose value does not fit a single)
// gets 0. Raises QvError for a bad race number, an ActiveUserSisu outside 0..5 or a model
// error (see UserSisuVariable).
UserSisuValues CalcUserSisu(const Engine& e, const UserSisuSet& set, int raceNo);

// The bets of the active definition from the values: the frames ranked by value (ties by
// frame or predicted course per EqualType), each non-zero bet slot giving "first-second" from
// its rank pair. Bets are numbered in the order of the non-zero slots; the rest are "".
// A slot naming no rank pair gives no bet. Raises QvError 9 for an ActiveUserSisu outside 0..5.
UserSisuBets MakeUserBets(const Engine& e, const UserSisuSet& set, const UserSisuValues& values);

// The ranking MakeUserBets uses: the frame at each rank 1..6. Every frame gets exactly one
// rank, also when two keys stay equal after the tie term.
std::array<int, 7> UserSisuOrder(const Engine& e, const UserSisuDef& def, const UserSisuValues& values);

// Shows the active index of the race in the race card window: column 22 of the racer table,
// the user bets panel with the hit mark against the day's results, and the definition's name
// in panel 2 of the main window's status bar. An error is shown as a warning box with its
// description; what was written before it stays.
void ShowUserSisu(Engine& e, const UserSisuSet& set, int raceNo);

// The labels of a variable letter for the formula editor; any other text is its own label.
QString VariableShortName(const QString& letter);
QString VariableLongName(const QString& letter);

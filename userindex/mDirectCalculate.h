#pragma once
// Arithmetic formulas of the user forecast indices.
//
// A formula is text whose tokens (numbers, the operators + - * / ^ \ %, and parentheses) are
// separated by blanks, for example "( 6.52 + 31.5 ) * 2". Evaluation rewrites the token list
// one step at a time: the innermost parenthesised group, or else one operator, in the fixed
// search order ^ / \ % * then + and - from the left. Every intermediate value is turned into
// decimal text (15 significant digits) and read back, so "1 / 3 * 3" gives 0.999999999999999.
//
// Stateless: every call works only on its arguments. Failures are codes, never exceptions.
#include <QString>
#include <QStringList>

namespace mDirectCalculate {

// Codes shared by CheckFormula and Calculate. Positive codes are run-time error numbers
// (5 invalid argument, 6 overflow, 9 missing operand, 11 division by zero, 13 type mismatch).
enum CalcCode : int {
    CalcOk = 0,
    CalcEmptyFormula = -1,    // empty or blank formula
    CalcNoTokens = -2,        // the formula split into no tokens
    CalcParenUsage = -11,     // parentheses used wrongly
    CalcParenCount = -12,     // numbers of "(" and ")" differ
    CalcOperatorUsage = -13,  // operators used wrongly
};

// Splits a formula at runs of blanks (leading and trailing blanks ignored). A leading sign
// written as a token of its own becomes a factor: "- X ..." gives "-1 * X ...", "+ X ..." gives
// "1 * X ...". tokens is cleared first; false when nothing is left. tokens are 0-based here.
bool SplitFormula(const QString& formula, QStringList& tokens);

// Evaluates a formula. result is "0" at entry and the text of the value on success (code 0);
// a formula of one numeric token gives that token's text unchanged.
int Calculate(const QString& formula, QString& result);

// Syntax check on the formula with its blanks removed: -1, -11, -12, -13 or 0. Does not
// calculate; a formula that passes may still fail in Calculate.
int CheckFormula(const QString& formula);

// The message shown for a code: "" for 0, the texts of the syntax codes, the standard
// description of a run-time error number, "予期しないエラーが発生しました。" for other negatives.
QString CalcErrorText(int code);

// The text an intermediate value takes between two passes: at most 15 significant digits,
// "." as the decimal point, exponent form (1E-05, 1E+15) below 1E-04 and from 1E+15 up.
QString NumberText(double value);

} // namespace mDirectCalculate

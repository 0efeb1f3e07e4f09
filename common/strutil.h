#pragma once
// Small text and number helpers shared by every reader and figure.
#include <QString>
#include <QtGlobal>

// True when the text is a number: an optional sign, digits with at most one decimal point,
// an optional exponent, blanks around allowed. Empty or blank text is not a number.
bool IsNumeric(const QString& text);

// The leading number of a text, 0 when it does not start with one (blanks are skipped).
double Val(const QString& text);

// Nearest integer, halves to the even integer.
qint64 RoundHalfEven(double value);

// Rounds to an integer (halves to even) and checks the 32-bit range (error 6 otherwise).
int CLng(double value);
// Same for the 16-bit range.
int CInt(double value);
// Converts a numeric text to a number; error 13 when it is not numeric.
double CDbl(const QString& text);

// Full-width to half-width (digits, Latin letters, signs, katakana, blank) and back.
QString StrNarrow(const QString& text);
QString StrWide(const QString& text);

// 1-based substring in decoded characters that never fails: start past the end gives "",
// a length past the end is cut.
QString Mid(const QString& text, int start, int length = -1);
QString Left(const QString& text, int length);
QString Right(const QString& text, int length);

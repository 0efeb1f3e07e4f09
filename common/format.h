#pragma once
// Number, text and date formatting by patterns, one function for every figure the user sees.
//
// Number patterns: "0" a digit always shown, "#" a digit shown only when significant (zero
// with "#" or "##" prints nothing), "." the decimal point, "," thousands grouping, other
// characters literal. Rounding is half away from zero on the decimal value (15 significant
// digits), as figures are printed. Negative values get a leading minus sign.
// "@" patterns place a text right-aligned in as many characters as the pattern has "@"; the
// pattern's other characters stay as literals ("(@@)" gives "( 3)").
// Date patterns: "yymmdd", "yyyymmdd", "yyyymm", "yyyy/mm/dd", "hh:nn", "hh:nn:ss" and any mix
// of the tokens yyyy, yy, mm, dd, hh, nn, ss with literal characters.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

QString Format(double value, const QString& pattern);
QString FormatText(const QString& text, const QString& pattern);
QString FormatDate(const QDate& date, const QString& pattern);
QString FormatDateTime(const QDateTime& dateTime, const QString& pattern);
QString FormatTime(const QTime& time, const QString& pattern);

// Shortest decimal text that reads back to the same single-precision value.
QString FloatText(float value);

#pragma once
// Code page 932 (Shift-JIS, Microsoft variant) text: the one codec of every official file.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// Decodes CP932 bytes. A byte sequence that is not CP932 becomes U+FFFD (one per bad byte).
QString Cp932ToText(const QByteArray& bytes);
QString Cp932ToText(const char* data, qsizetype size);

// Encodes to CP932; a character without a CP932 form becomes '?'.
QByteArray TextToCp932(const QString& text);

// Bytes the text takes in CP932: 1 for ASCII and half-width katakana, 2 for anything else.
int Cp932ByteLength(const QString& text);

// Splits file bytes into lines at CR LF (a lone LF or CR also ends a line). A final line
// without a line end is kept; the empty piece after a final line end is not.
QVector<QByteArray> SplitLines(const QByteArray& bytes);

// Decoded lines of a CP932 text.
QStringList DecodeLines(const QByteArray& bytes);

// Joins lines with CR LF (and a final CR LF) and encodes them as CP932.
QByteArray EncodeLines(const QStringList& lines);

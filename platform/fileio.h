#pragma once
// Whole-file reads and writes. A file is opened, read or written and closed inside one call;
// writes go to a temporary file in the same folder that replaces the old one only when
// complete, so a failure keeps the previous copy.
#include <QByteArray>
#include <QString>

// Reads a whole file; false when it is missing or unreadable.
bool ReadFileBytes(const QString& path, QByteArray* out);

// Replaces a file's contents atomically; false (old file intact) on any failure.
bool WriteFileAtomic(const QString& path, const QByteArray& data);

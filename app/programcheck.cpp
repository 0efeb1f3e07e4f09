#include "app/programcheck.h"

#include "platform/fileio.h"

#include <QByteArray>
#include <QByteArrayView>

bool HoldsProgramBlock(const QString& path)
{
    QByteArray bytes;
    if (!ReadFileBytes(path, &bytes))
        return false;
    qsizetype from = 0;
    while (true) {
        const qsizetype at = bytes.indexOf("BBGN", from);
        if (at < 0)
            return false;
        from = at + 4;
        // The code stands right before the marker, with only blanks between it and the line start.
        if (at < 2)
            continue;
        const char d1 = bytes[at - 2], d2 = bytes[at - 1];
        if (d1 < '0' || d1 > '9' || d2 < '0' || d2 > '9')
            continue;
        const int code = (d1 - '0') * 10 + (d2 - '0');
        if (code < 1 || code > 24)
            continue;
        qsizetype i = at - 3;
        while (i >= 0 && (bytes[i] == ' ' || bytes[i] == '\t'))
            --i;
        if (i < 0 || bytes[i] == '\n' || bytes[i] == '\r')
            return true;
    }
}

#include "views/headlesssurface.h"

#include "common/cp932.h"

int HeadlessSurface::TextWidth(const QString& text) const
{
    return 8 * Cp932ByteLength(text);
}

int HeadlessSurface::TextHeight(const QString& text) const
{
    return 16 * int(qMax<qsizetype>(1, text.count(QLatin1Char('\n')) + 1));
}

#include "common/format.h"

#include <QByteArray>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct NumberPattern {
    QString prefix;      // literals before the first digit placeholder
    QString suffix;      // literals after the last digit placeholder
    QString intPart;     // placeholders (0, #) of the integer part, commas removed
    QString fracPart;    // placeholders of the fraction part
    bool point = false;  // a decimal point is present
    bool grouping = false;
};

NumberPattern parse(const QString& pattern)
{
    NumberPattern p;
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char('.') || c == QLatin1Char(',')) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    if (first < 0) {
        p.prefix = pattern;
        return p;
    }
    p.prefix = pattern.left(first);
    p.suffix = pattern.mid(last + 1);
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('.')) {
            if (!p.point) {
                p.point = true;
                continue;
            }
            continue;
        }
        if (c == QLatin1Char(',')) {
            if (!p.point)
                p.grouping = true;
            continue;
        }
        if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            (p.point ? p.fracPart : p.intPart).append(c);
        }
    }
    return p;
}

// Decimal digits of |value| rounded half away from zero to `decimals` places, via the
// 15-significant-digit decimal form so that 0.125 and 2.675 round as written.
QByteArray roundedDigits(double value, int decimals, int* intDigits)
{
    char buf[64];
    // d.dddddddddddddde±xx; to_chars gives the same digits as printf, without its overhead.
    const auto res = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value), std::chars_format::scientific, 14);
    *res.ptr = '\0';
    QByteArray mant;
    mant.append(buf[0]);
    mant.append(buf + 2, 14);
    const int exp = std::atoi(std::strchr(buf, 'e') + 1);
    // mant holds 15 digits; the decimal point sits after digit (exp + 1).
    int pointPos = exp + 1;
    // Keep digits up to pointPos + decimals.
    int keep = pointPos + decimals;
    QByteArray digits;
    if (keep < 0) {
        *intDigits = 0;
        return QByteArray(decimals, '0');
    }
    if (pointPos < 0) { // pad leading zeros so that pointPos becomes 0
        mant.prepend(QByteArray(-pointPos, '0'));
        keep -= pointPos;
        pointPos = 0;
    }
    if (keep >= mant.size()) {
        digits = mant + QByteArray(keep - mant.size(), '0');
    } else {
        digits = mant.left(keep);
        if (mant.at(keep) >= '5') {
            // carry
            int i = digits.size() - 1;
            for (; i >= 0; --i) {
                if (digits[i] == '9')
                    digits[i] = '0';
                else {
                    digits[i] = char(digits[i] + 1);
                    break;
                }
            }
            if (i < 0) {
                digits.prepend('1');
                ++pointPos;
            }
        }
    }
    *intDigits = pointPos;
    return digits;
}

} // namespace

QString Format(double value, const QString& pattern)
{
    if (pattern.contains(QLatin1Char('@')))
        return FormatText(QString::number(value), pattern);
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    const NumberPattern p = parse(pattern);
    if (p.intPart.isEmpty() && p.fracPart.isEmpty() && !p.point)
        return pattern;

    const int decimals = int(p.fracPart.size());
    int intDigits = 0;
    QByteArray digits = roundedDigits(value, decimals, &intDigits);
    QByteArray intStr = digits.left(intDigits);
    QByteArray fracStr = digits.mid(intDigits);
    // Strip leading zeros of the integer part.
    qsizetype lead = 0;
    while (lead < intStr.size() && intStr[lead] == '0')
        ++lead;
    intStr = intStr.mid(lead);
    const bool zero = intStr.isEmpty() && !fracStr.contains(QByteArray("1")) && !fracStr.contains('2')
        && !fracStr.contains('3') && !fracStr.contains('4') && !fracStr.contains('5') && !fracStr.contains('6')
        && !fracStr.contains('7') && !fracStr.contains('8') && !fracStr.contains('9');

    // Integer part: at least as many digits as there are "0" placeholders (counted from the right).
    int minInt = 0;
    for (qsizetype i = p.intPart.size() - 1, pos = 1; i >= 0; --i, ++pos)
        if (p.intPart.at(i) == QLatin1Char('0'))
            minInt = int(pos);
    QString intText = QString::fromLatin1(intStr);
    while (intText.size() < minInt)
        intText.prepend(QLatin1Char('0'));
    if (p.grouping && intText.size() > 3) {
        QString g;
        int count = 0;
        for (qsizetype i = intText.size() - 1; i >= 0; --i) {
            g.prepend(intText.at(i));
            if (++count % 3 == 0 && i > 0)
                g.prepend(QLatin1Char(','));
        }
        intText = g;
    }
    // Fraction part: "0" places always, trailing "#" places only when not zero.
    QString fracText = QString::fromLatin1(fracStr);
    int minFrac = 0;
    for (qsizetype i = 0; i < p.fracPart.size(); ++i)
        if (p.fracPart.at(i) == QLatin1Char('0'))
            minFrac = int(i + 1);
    while (fracText.size() > minFrac && fracText.endsWith(QLatin1Char('0')))
        fracText.chop(1);

    QString out = p.prefix;
    if (value < 0 && !zero)
        out.append(QLatin1Char('-'));
    out.append(intText);
    if (p.point && (!fracText.isEmpty() || p.fracPart.isEmpty()))
        out.append(QLatin1Char('.'));
    out.append(fracText);
    out.append(p.suffix);
    return out;
}

QString FormatText(const QString& text, const QString& pattern)
{
    const qsizetype width = pattern.count(QLatin1Char('@'));
    if (width == 0)
        return text;
    // Placeholders fill from the right; characters beyond them go in at the first one, and
    // the other characters of the pattern stay as literals: "(@@)" makes 3 into "( 3)".
    const QString padded = text.size() >= width ? text : QString(width - text.size(), QLatin1Char(' ')) + text;
    QString out;
    qsizetype next = 0;
    qsizetype take = padded.size() - width + 1;
    for (const QChar c : pattern) {
        if (c != QLatin1Char('@')) {
            out += c;
            continue;
        }
        out += padded.mid(next, take);
        next += take;
        take = 1;
    }
    return out;
}

namespace {

QString formatDT(const QDate& d, const QTime& t, const QString& pattern)
{
    QString out;
    const QString pat = pattern.toLower();
    bool afterHour = false;
    qsizetype i = 0;
    auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    while (i < pat.size()) {
        if (pat.mid(i, 4) == QLatin1String("yyyy")) {
            out += QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
            i += 4;
        } else if (pat.mid(i, 2) == QLatin1String("yy")) {
            out += two(d.year() % 100);
            i += 2;
        } else if (pat.mid(i, 2) == QLatin1String("mm")) {
            out += afterHour ? two(t.minute()) : two(d.month());
            i += 2;
        } else if (pat.mid(i, 2) == QLatin1String("dd")) {
            out += two(d.day());
            i += 2;
        } else if (pat.mid(i, 2) == QLatin1String("hh")) {
            out += two(t.hour());
            afterHour = true;
            i += 2;
        } else if (pat.mid(i, 2) == QLatin1String("nn")) {
            out += two(t.minute());
            i += 2;
        } else if (pat.mid(i, 2) == QLatin1String("ss")) {
            out += two(t.second());
            i += 2;
        } else {
            out += pattern.at(i);
            ++i;
        }
    }
    return out;
}

} // namespace

QString FormatDate(const QDate& date, const QString& pattern)
{
    return formatDT(date, QTime(0, 0), pattern);
}

QString FormatDateTime(const QDateTime& dateTime, const QString& pattern)
{
    return formatDT(dateTime.date(), dateTime.time(), pattern);
}

QString FormatTime(const QTime& time, const QString& pattern)
{
    return formatDT(QDate(1899, 12, 30), time, pattern);
}

QString FloatText(float value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    char buf[64];
    const double v = double(value);
    if (std::fabs(v) < 1e15) {
        // Plain decimal form when it is short enough: 12.5, 100, 0.3.
        for (int decimals = 0; decimals <= 9; ++decimals) {
            std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
            if (std::strtof(buf, nullptr) == value) {
                if (std::strcmp(buf, "-0") == 0)
                    return QStringLiteral("0");
                return QString::fromLatin1(buf);
            }
        }
    }
    for (int prec = 1; prec <= 9; ++prec) {
        std::snprintf(buf, sizeof buf, "%.*g", prec, v);
        if (std::strtof(buf, nullptr) == value)
            return QString::fromLatin1(buf);
    }
    return QString::number(v, 'g', 9);
}

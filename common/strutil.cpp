#include "common/strutil.h"

#include "common/errors.h"

#include <cmath>
#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c.unicode() == 0x3000;
}

} // namespace

bool IsNumeric(const QString& text)
{
    qsizetype i = 0, n = text.size();
    while (i < n && isBlank(text.at(i)))
        ++i;
    while (n > i && isBlank(text.at(n - 1)))
        --n;
    if (i >= n)
        return false;
    if (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))
        ++i;
    int digits = 0;
    bool point = false;
    while (i < n) {
        QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            ++digits;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else
            break;
        ++i;
    }
    if (digits == 0)
        return false;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        ++i;
        if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            ++i;
        int expDigits = 0;
        while (i < n && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9')) {
            ++expDigits;
            ++i;
        }
        if (expDigits == 0)
            return false;
    }
    return i == n;
}

double Val(const QString& text)
{
    // Blanks anywhere in the number are skipped, as the classic Val does.
    QByteArray digits;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto skip = [&] {
        while (i < n && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
            ++i;
    };
    skip();
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        digits.append(char(text.at(i).unicode()));
        ++i;
    }
    bool point = false, any = false;
    for (;;) {
        skip();
        if (i >= n)
            break;
        QChar c = text.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits.append(char(c.unicode()));
            any = true;
        } else if (c == QLatin1Char('.') && !point) {
            digits.append('.');
            point = true;
        } else
            break;
        ++i;
    }
    if (!any)
        return 0.0;
    if (i < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E') || text.at(i) == QLatin1Char('d')
                  || text.at(i) == QLatin1Char('D'))) {
        QByteArray exp = "e";
        qsizetype j = i + 1;
        if (j < n && (text.at(j) == QLatin1Char('+') || text.at(j) == QLatin1Char('-')))
            exp.append(char(text.at(j++).unicode()));
        bool expDigits = false;
        while (j < n && text.at(j) >= QLatin1Char('0') && text.at(j) <= QLatin1Char('9')) {
            exp.append(char(text.at(j++).unicode()));
            expDigits = true;
        }
        if (expDigits)
            digits.append(exp);
    }
    bool ok = false;
    double v = digits.toDouble(&ok);
    return ok ? v : 0.0;
}

qint64 RoundHalfEven(double value)
{
    return static_cast<qint64>(std::nearbyint(value)); // default rounding mode: to nearest, ties to even
}

int CLng(double value)
{
    if (!std::isfinite(value))
        RaiseError(ErrOverflow);
    const double r = std::nearbyint(value);
    if (r < double(std::numeric_limits<int>::min()) || r > double(std::numeric_limits<int>::max()))
        RaiseError(ErrOverflow);
    return static_cast<int>(r);
}

int CInt(double value)
{
    if (!std::isfinite(value))
        RaiseError(ErrOverflow);
    const double r = std::nearbyint(value);
    if (r < -32768.0 || r > 32767.0)
        RaiseError(ErrOverflow);
    return static_cast<int>(r);
}

double CDbl(const QString& text)
{
    if (!IsNumeric(text))
        RaiseError(ErrTypeMismatch);
    return text.trimmed().toDouble();
}

namespace {

// Full-width katakana in the order of the half-width block U+FF66..U+FF9D.
const char16_t kHalfKanaToFull[] = {
    0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5, 0x30E7, 0x30C3, // ｦｧｨｩｪｫｬｭｮｯ
    0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1, // ｰｱｲｳｴｵｶｷｸｹ
    0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6, // ｺｻｼｽｾｿﾀﾁﾂﾃ
    0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8, // ﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍ
    0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9, // ﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗ
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3,                                 // ﾘﾙﾚﾛﾜﾝ
};

struct Punct {
    char16_t half;
    char16_t full;
};
const Punct kPunct[] = {
    {0xFF61, 0x3002}, {0xFF62, 0x300C}, {0xFF63, 0x300D}, {0xFF64, 0x3001}, {0xFF65, 0x30FB},
    {0xFF9E, 0x309B}, {0xFF9F, 0x309C},
};

bool canVoice(char16_t full) // カ..ト, ハ..ホ, ウ
{
    return (full >= 0x30AB && full <= 0x30C8) || (full >= 0x30CF && full <= 0x30DB) || full == 0x30A6;
}

} // namespace

QString StrNarrow(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E) {
            out.append(QChar(char16_t(u - 0xFF01 + 0x21)));
            continue;
        }
        if (u == 0x3000) {
            out.append(QLatin1Char(' '));
            continue;
        }
        if (u == 0xFFE5) { out.append(QLatin1Char('\\')); continue; }
        if (u == 0xFFE3) { out.append(QLatin1Char('~')); continue; }
        if (u == 0x2019) { out.append(QLatin1Char('\'')); continue; }
        if (u == 0x201D) { out.append(QLatin1Char('"')); continue; }
        bool done = false;
        for (const Punct& p : kPunct)
            if (p.full == u) {
                out.append(QChar(p.half));
                done = true;
                break;
            }
        if (done)
            continue;
        if (u >= 0x30A1 && u <= 0x30FC) {
            // plain kana
            for (int k = 0; k < int(std::size(kHalfKanaToFull)); ++k)
                if (kHalfKanaToFull[k] == u) {
                    out.append(QChar(char16_t(0xFF66 + k)));
                    done = true;
                    break;
                }
            if (done)
                continue;
            // voiced and semi-voiced kana: base + mark
            if (u == 0x30F4) { // ヴ
                out.append(QChar(char16_t(0xFF73)));
                out.append(QChar(char16_t(0xFF9E)));
                continue;
            }
            for (int k = 0; k < int(std::size(kHalfKanaToFull)); ++k) {
                const char16_t base = kHalfKanaToFull[k];
                if (!canVoice(base) || base == 0x30A6)
                    continue;
                if (u == base + 1) {
                    out.append(QChar(char16_t(0xFF66 + k)));
                    out.append(QChar(char16_t(0xFF9E)));
                    done = true;
                    break;
                }
                if (base >= 0x30CF && base <= 0x30DB && u == base + 2) {
                    out.append(QChar(char16_t(0xFF66 + k)));
                    out.append(QChar(char16_t(0xFF9F)));
                    done = true;
                    break;
                }
            }
            if (done)
                continue;
        }
        out.append(ch);
    }
    return out;
}

QString StrWide(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (u == ' ') { out.append(QChar(char16_t(0x3000))); continue; }
        if (u == '\\') { out.append(QChar(char16_t(0xFFE5))); continue; }
        if (u == '~') { out.append(QChar(char16_t(0xFFE3))); continue; }
        if (u >= 0x21 && u <= 0x7E) {
            out.append(QChar(char16_t(u - 0x21 + 0xFF01)));
            continue;
        }
        if (u >= 0xFF66 && u <= 0xFF9D) {
            char16_t full = kHalfKanaToFull[u - 0xFF66];
            const char16_t next = (i + 1 < text.size()) ? text.at(i + 1).unicode() : 0;
            if (next == 0xFF9E && canVoice(full)) {
                full = (full == 0x30A6) ? char16_t(0x30F4) : char16_t(full + 1);
                ++i;
            } else if (next == 0xFF9F && full >= 0x30CF && full <= 0x30DB) {
                full = char16_t(full + 2);
                ++i;
            }
            out.append(QChar(full));
            continue;
        }
        bool done = false;
        for (const Punct& p : kPunct)
            if (p.half == u) {
                out.append(QChar(p.full));
                done = true;
                break;
            }
        if (!done)
            out.append(QChar(u));
    }
    return out;
}

QString Mid(const QString& text, int start, int length)
{
    if (start < 1)
        start = 1;
    const qsizetype from = start - 1;
    if (from >= text.size())
        return QString();
    if (length < 0)
        return text.mid(from);
    return text.mid(from, length);
}

QString Left(const QString& text, int length)
{
    return length <= 0 ? QString() : text.left(length);
}

QString Right(const QString& text, int length)
{
    return length <= 0 ? QString() : text.right(length);
}

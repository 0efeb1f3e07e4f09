#include "common/cp932.h"

#include <algorithm>
#include <cstdint>
#include <iconv.h>
#include <iterator>

namespace {

inline bool isLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Tables built once from glibc's CP932 converter: double-byte code -> UTF-16 and back.
struct Cp932Tables {
    char16_t decode[65536]; // 0 = not a character
    uint16_t encode[65536]; // 0 = no CP932 form; single bytes stored as 0x00nn
    Cp932Tables()
    {
        std::fill(std::begin(decode), std::end(decode), char16_t(0));
        std::fill(std::begin(encode), std::end(encode), uint16_t(0));
        iconv_t cd = iconv_open("UTF-16LE", "CP932");
        if (cd == reinterpret_cast<iconv_t>(-1))
            return;
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLeadByte(static_cast<unsigned char>(lead)))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (trail == 0x7F)
                    continue;
                char in[2] = {char(lead), char(trail)};
                char* inp = in;
                size_t inleft = 2;
                char16_t outc[2];
                char* outp = reinterpret_cast<char*>(outc);
                size_t outleft = sizeof(outc);
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                size_t r = iconv(cd, &inp, &inleft, &outp, &outleft);
                if (r == static_cast<size_t>(-1) || inleft != 0 || sizeof(outc) - outleft != 2)
                    continue;
                const uint16_t code = uint16_t((lead << 8) | trail);
                decode[code] = outc[0];
                // The first (lowest) code wins for characters with several codes (NEC/IBM duplicates).
                if (encode[outc[0]] == 0)
                    encode[outc[0]] = code;
            }
        }
        iconv_close(cd);
        for (int c = 0; c < 0x80; ++c)
            encode[c] = uint16_t(c);
        for (int c = 0xA1; c <= 0xDF; ++c)
            encode[0xFF61 + (c - 0xA1)] = uint16_t(c);
    }
};

const Cp932Tables& tables()
{
    static const Cp932Tables* t = new Cp932Tables; // built once, kept for the process
    return *t;
}

} // namespace

QString Cp932ToText(const char* data, qsizetype size)
{
    QString out;
    if (size <= 0)
        return out;
    out.resize(size);
    QChar* o = out.data();
    qsizetype n = 0;
    const Cp932Tables& t = tables();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = static_cast<unsigned char>(data[i]);
        if (c < 0x80) {
            o[n++] = QChar(c);
            ++i;
        } else if (c >= 0xA1 && c <= 0xDF) { // half-width katakana
            o[n++] = QChar(char16_t(0xFF61 + (c - 0xA1)));
            ++i;
        } else if (isLeadByte(c) && i + 1 < size) {
            const char16_t u = t.decode[(c << 8) | static_cast<unsigned char>(data[i + 1])];
            if (u != 0) {
                o[n++] = QChar(u);
                i += 2;
            } else {
                o[n++] = QChar(char16_t(0xFFFD));
                ++i;
            }
        } else {
            o[n++] = QChar(char16_t(0xFFFD));
            ++i;
        }
    }
    out.truncate(n);
    return out;
}

QString Cp932ToText(const QByteArray& bytes)
{
    return Cp932ToText(bytes.constData(), bytes.size());
}

QByteArray TextToCp932(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() * 2);
    const Cp932Tables& t = tables();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text.at(i + 1).unicode())) {
            out.append('?'); // outside the BMP: never in CP932
            ++i;
            continue;
        }
        const uint16_t code = (u == 0) ? 0 : t.encode[u];
        if (u == 0)
            out.append('\0');
        else if (code == 0)
            out.append('?');
        else if (code < 0x100)
            out.append(char(code));
        else {
            out.append(char(code >> 8));
            out.append(char(code & 0xFF));
        }
    }
    return out;
}

int Cp932ByteLength(const QString& text)
{
    int n = 0;
    for (QChar ch : text) {
        char16_t u = ch.unicode();
        n += (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) ? 1 : 2;
    }
    return n;
}

QVector<QByteArray> SplitLines(const QByteArray& bytes)
{
    QVector<QByteArray> lines;
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        char c = p[i];
        if (c == '\n' || c == '\r') {
            lines.append(QByteArray(p + start, i - start));
            if (c == '\r' && i + 1 < n && p[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(QByteArray(p + start, n - start));
    return lines;
}

QStringList DecodeLines(const QByteArray& bytes)
{
    QStringList out;
    const auto lines = SplitLines(bytes);
    out.reserve(lines.size());
    for (const QByteArray& l : lines)
        out.append(Cp932ToText(l));
    return out;
}

QByteArray EncodeLines(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines) {
        out.append(TextToCp932(l));
        out.append("\r\n");
    }
    return out;
}

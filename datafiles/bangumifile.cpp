#include "datafiles/bangumifile.h"

#include "common/cp932.h"
#include "common/errors.h"
#include "common/format.h"
#include "common/strutil.h"
#include "platform/fileio.h"
#include "platform/programfolder.h"
#include "platform/ui.h"

#include <QByteArrayView>
#include <QFileInfo>
#include <QHash>
#include <QStringView>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <functional>

namespace {

const QString kWorkingFile = QStringLiteral("BANGUMI.QVL");
const QString kConvTitle = QStringLiteral("番組ファイル変換エラー");
const QString kCheckTitle = QStringLiteral("番組ファイル読み込みエラー(01)");
const QString kLoadTitle = QStringLiteral("番組ファイル読み込みエラー(02)");
const QString kNotFound = QStringLiteral("ファイルが見つかりません。");

QString errorText(const QvError& e)
{
    return e.description() + QStringLiteral("(Error code:") + QString::number(e.number()) + QLatin1Char(')');
}

bool fileExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QByteArray readWhole(const QString& path)
{
    QByteArray bytes;
    if (!ReadFileBytes(path, &bytes))
        RaiseError(ErrFileAccess);
    return bytes;
}

QString decode(QByteArrayView line)
{
    return Cp932ToText(line.data(), line.size());
}

// Half-width blanks only: a leading full-width blank belongs to the race line.
QStringView trimBlanks(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == QLatin1Char(' '))
        ++b;
    while (e > b && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.sliced(b, e - b);
}

QByteArrayView trimBlanks(QByteArrayView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == ' ')
        ++b;
    while (e > b && s[e - 1] == ' ')
        --e;
    return s.sliced(b, e - b);
}

// Walks the lines of file bytes the way SplitLines cuts them (CR LF, lone LF or lone CR),
// without copying them.
class LineCursor {
public:
    explicit LineCursor(const QByteArray& bytes) : p_(bytes.constData()), end_(p_ + bytes.size()) {}

    // Finds the next line that, without its surrounding blanks, is `mark` (plain ASCII), and
    // moves behind it. The mark is searched in the whole rest at once, then its line checked.
    bool skipPastMarkLine(QByteArrayView mark)
    {
        const QByteArrayView rest(p_, end_ - p_);
        for (qsizetype from = 0;;) {
            const qsizetype at = rest.indexOf(mark, from);
            if (at < 0)
                return false;
            const char* start = p_ + at;
            while (start > p_ && start[-1] != '\n' && start[-1] != '\r')
                --start;
            const char* stop = p_ + at + mark.size();
            while (stop < end_ && *stop != '\n' && *stop != '\r')
                ++stop;
            if (trimBlanks(QByteArrayView(start, stop - start)) == mark) {
                p_ = stop;
                skipLineEnd();
                return true;
            }
            from = at + 1;
        }
    }

    bool next(QByteArrayView* line)
    {
        if (p_ >= end_)
            return false;
        const char* start = p_;
        const char* q = start;
        while (q < end_ && *q != '\n' && *q != '\r')
            ++q;
        *line = QByteArrayView(start, q - start);
        p_ = q;
        skipLineEnd();
        return true;
    }

private:
    void skipLineEnd()
    {
        if (p_ < end_) {
            if (*p_ == '\r' && p_ + 1 < end_ && p_[1] == '\n')
                ++p_;
            ++p_;
        }
    }

    const char* p_;
    const char* end_;
};

// 1-based piece of a line that never fails, like Mid.
QStringView midView(QStringView s, qsizetype start, qsizetype length)
{
    const qsizetype from = start - 1;
    if (from < 0 || from >= s.size() || length <= 0)
        return {};
    return s.sliced(from, std::min(length, s.size() - from));
}

bool containsBytes(QByteArrayView hay, QByteArrayView needle)
{
    return !needle.isEmpty() && hay.indexOf(needle) >= 0;
}

// The usual column: blanks, digits with at most one point, blanks. Its value is the quotient
// of two exactly held integers, which rounds exactly like the full text conversion.
bool plainDecimal(QStringView text, double* value)
{
    static constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    qsizetype b = 0, e = text.size();
    while (b < e && text[b] == QLatin1Char(' '))
        ++b;
    while (e > b && text[e - 1] == QLatin1Char(' '))
        --e;
    quint64 mantissa = 0;
    int digits = 0, decimals = 0;
    bool point = false;
    for (qsizetype i = b; i < e; ++i) {
        const char16_t c = text[i].unicode();
        if (c >= u'0' && c <= u'9') {
            if (digits == 15)
                return false;
            mantissa = mantissa * 10 + (c - u'0');
            ++digits;
            decimals += point;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (digits == 0)
        return false;
    *value = double(mantissa) / kPow10[decimals];
    return true;
}

// Numbers of the fixed columns: blanks around the digits are allowed, anything else that is
// not a number is a type mismatch.
double columnNumber(QStringView text)
{
    double v = 0;
    return plainDecimal(text, &v) ? v : CDbl(text.toString());
}

int toInt16(QStringView text)
{
    return CInt(columnNumber(text));
}

float toSingle(QStringView text)
{
    const double v = columnNumber(text);
    if (std::fabs(v) > double(FLT_MAX))
        RaiseError(ErrOverflow);
    return float(v);
}

// Hayami may be blank (no other race).
int optionalInt16(QStringView text)
{
    double v = 0;
    if (plainDecimal(text, &v))
        return CInt(v);
    const QString t = text.toString();
    return IsNumeric(t) ? CInt(CDbl(t)) : 0;
}

// Day, month and year of the date line: full-width digits count as digits.
bool numericNarrow(QStringView text, double* value)
{
    const QString narrow = StrNarrow(text.toString());
    if (!IsNumeric(narrow))
        return false;
    *value = CDbl(narrow);
    return true;
}

// Meeting title of a title line: characters 19 to the end, trimmed.
QString meetingTitle(QStringView line)
{
    if (line.size() <= 18)
        return {};
    return trimBlanks(line.sliced(18)).toString();
}

bool isTitleLine(QStringView line)
{
    const QStringView head = midView(line, 5, 3);
    return midView(line, 1, 6) == u"ボートレース" || head == u"競艇場" || head == u"競走場";
}

bool isDateLine(QStringView line)
{
    const QStringView last9 = line.size() > 9 ? line.sliced(line.size() - 9) : line;
    const QStringView last3 = line.size() > 3 ? line.sliced(line.size() - 3) : line;
    return last9.contains(u"ボートレース") || last3 == u"競艇場" || last3 == u"競走場";
}

bool isRaceLine(QStringView line)
{
    return midView(line, 3, 1) == u"Ｒ" || midView(line, 30, 2) == u"電話";
}

// The entry line with its leading blanks removed, or an empty view when it is no entry.
QStringView entryPart(QStringView line)
{
    qsizetype b = 0;
    while (b < line.size() && line[b] == QLatin1Char(' '))
        ++b;
    const QStringView rest = line.sliced(b);
    if (rest.size() >= 2 && rest[0] >= QLatin1Char('1') && rest[0] <= QLatin1Char('6') && rest[1] == QLatin1Char(' '))
        return rest;
    return {};
}

} // namespace

cBangumiFile::cBangumiFile(const ProgramFolder& folder, UserInterface& ui) : folder_(folder), ui_(ui)
{
    Clear();
}

void cBangumiFile::Clear()
{
    kyoteijyoCode_.clear();
    title_.clear();
    titleLong_.clear();
    grade_.clear();
    raceDate_ = QStringLiteral("0");
    totalDay_ = 0;
    raceNumbers_ = 0;
    participationNumbers_ = 0;
    participants_.clear();
    races_.fill(Race{});
    for (auto& r : entries_)
        r.fill(Entry{});
}

// ---------------------------------------------------------------------------------------------
// Conversion and the meeting table

bool cBangumiFile::FileConv(const QString& strFileName)
{
    if (!fileExists(strFileName)) {
        ui_.ShowMessage(kNotFound + QStringLiteral("\r\n") + strFileName, MsgIcon::Warning, kConvTitle);
        return false;
    }
    try {
        const QByteArray source = readWhole(strFileName);
        // The dropped texts can only be in a line whose bytes hold their CP932 form, so most
        // lines are kept without decoding them.
        const QByteArray naiyou = TextToCp932(QStringLiteral("内容に"));
        const QByteArray bangumi = TextToCp932(QStringLiteral("番組表"));
        const QByteArray ban = TextToCp932(QStringLiteral("番"));
        const QByteArray tei = TextToCp932(QStringLiteral("艇"));

        QByteArray out;
        out.reserve(source.size() + source.size() / 32);
        LineCursor cursor(source);
        QByteArrayView line;
        while (cursor.next(&line)) {
            if (line.isEmpty() || line.startsWith("---") || line.startsWith(ban) || line.startsWith(tei))
                continue;
            if (containsBytes(line, naiyou) || containsBytes(line, bangumi)) {
                const QString text = decode(line);
                if (text.contains(u"内容に") || text.contains(u"番組表"))
                    continue;
            }
            out.append(line.data(), line.size());
            out.append("\r\n", 2);
        }
        if (!WriteFileAtomic(folder_.AppFilePath(kWorkingFile), out))
            RaiseError(ErrFileAccess);
        return true;
    } catch (const QvError& e) {
        ui_.ShowMessage(errorText(e), MsgIcon::Warning, kConvTitle);
        return false;
    }
}

bool cBangumiFile::KaisaiCheck(KaisaiTable& strKyoteijyoTable)
{
    QString name;
    return KaisaiCheck(strKyoteijyoTable, name);
}

bool cBangumiFile::KaisaiCheck(KaisaiTable& strKyoteijyoTable, QString& strFileName)
{
    if (strFileName.isEmpty())
        strFileName = folder_.AppFilePath(kWorkingFile);
    if (!fileExists(strFileName)) {
        ui_.ShowMessage(kNotFound + QStringLiteral("\r\n") + strFileName, MsgIcon::Warning, kCheckTitle);
        return false;
    }
    try {
        const QByteArray bytes = readWhole(strFileName);
        LineCursor cursor(bytes);
        QByteArrayView line;
        while (cursor.next(&line)) {
            // "BBGN" in the text needs those four bytes in the line.
            if (!containsBytes(line, "BBGN"))
                continue;
            const QString text = decode(line);
            if (!text.contains(u"BBGN"))
                continue;
            const int code = CInt(CDbl(trimBlanks(QStringView(text)).left(2).toString()));
            if (code < 1 || code > 24)
                RaiseError(ErrIndexOutOfRange);
            QByteArrayView titleLine;
            if (!cursor.next(&titleLine))
                RaiseError(ErrPastEndOfFile);
            strKyoteijyoTable[size_t(code)] = meetingTitle(decode(titleLine));
        }
        return true;
    } catch (const QvError& e) {
        ui_.ShowMessage(errorText(e), MsgIcon::Warning, kCheckTitle);
        return false;
    }
}

// ---------------------------------------------------------------------------------------------
// Loading one stadium

bool cBangumiFile::FileLoad(const QString& kyoteijyo_code)
{
    QString name;
    return FileLoad(kyoteijyo_code, name);
}

bool cBangumiFile::FileLoad(const QString& kyoteijyo_code, QString& strFileName)
{
    if (strFileName.isEmpty())
        strFileName = folder_.AppFilePath(kWorkingFile);
    Clear();
    if (!fileExists(strFileName)) {
        ui_.ShowMessage(kNotFound + QStringLiteral("\r\n") + strFileName, MsgIcon::Warning, kLoadTitle);
        return false;
    }
    try {
        const QByteArray bytes = readWhole(strFileName);
        if (!readBlock(bytes, kyoteijyo_code))
            return false;
        computeDerived();
        return true;
    } catch (const QvError& e) {
        ui_.ShowMessage(errorText(e) + QStringLiteral("\r\n競艇場コード： ") + kyoteijyo_code, MsgIcon::Warning,
                        kLoadTitle);
        Clear();
        return false;
    }
}

bool cBangumiFile::readBlock(const QByteArray& bytes, const QString& code)
{
    // The block marks are plain ASCII, so they are found without decoding the other stadiums.
    const QString beginText = code + QStringLiteral("BBGN");
    const QString endText = code + QStringLiteral("BEND");
    const bool asciiCode = std::all_of(code.begin(), code.end(), [](QChar c) { return c.unicode() < 0x80; });
    const QByteArray beginBytes = beginText.toLatin1();
    const QByteArray endBytes = endText.toLatin1();
    auto isMark = [&](QByteArrayView raw, const QByteArray& markBytes, const QString& text) {
        if (asciiCode)
            return trimBlanks(raw) == QByteArrayView(markBytes);
        return trimBlanks(QStringView(decode(raw))) == text;
    };

    LineCursor cursor(bytes);
    QByteArrayView raw;
    bool found = false;
    if (asciiCode) {
        found = cursor.skipPastMarkLine(beginBytes);
    } else {
        while (!found && cursor.next(&raw))
            found = isMark(raw, beginBytes, beginText);
    }
    if (!found) {
        ui_.ShowMessage(QStringLiteral("競艇場コードが見つかりません。\r\nCode: ") + code + QLatin1Char('#'),
                        MsgIcon::Warning, kLoadTitle);
        return false; // the model stays cleared
    }
    kyoteijyoCode_ = code;

    while (cursor.next(&raw)) {
        if (isMark(raw, endBytes, endText))
            break;
        QString line = decode(raw);

        if (isTitleLine(line)) {
            title_ = meetingTitle(line);
            if (!cursor.next(&raw))
                RaiseError(ErrPastEndOfFile);
            // A block that ends right after its title line must not run on into the next one.
            if (isMark(raw, endBytes, endText))
                break;
            line = decode(raw);
            titleLong_ = trimBlanks(QStringView(line)).toString();
            grade_ = GradeOf(titleLong_);
        }

        if (isDateLine(line)) {
            double year = 0, month = 0, day = 0, total = 0;
            if (numericNarrow(midView(line, 18, 4), &year) && numericNarrow(midView(line, 23, 2), &month)
                && numericNarrow(midView(line, 26, 2), &day)) {
                raceDate_ = Format(year, QStringLiteral("00")) + QLatin1Char('/') + Format(month, QStringLiteral("00"))
                    + QLatin1Char('/') + Format(day, QStringLiteral("00"));
            }
            if (numericNarrow(midView(line, 5, 2), &total))
                totalDay_ = CInt(total);
        }

        if (isRaceLine(line)) {
            if (raceNumbers_ + 1 > kMaxRaces) {
                ui_.ShowMessage(QStringLiteral("レース No.がオーバーフローしました。\r\nRace No: ")
                                    + QString::number(raceNumbers_ + 1),
                                MsgIcon::Warning, kLoadTitle);
                return false; // the 12 races read stay, without derived values
            }
            ++raceNumbers_;
            Race& r = races_[size_t(raceNumbers_ - 1)];
            r.raceTitle = trimBlanks(QStringView(line)).toString();
            const qsizetype at = line.indexOf(u"締切予定");
            if (at >= 0)
                r.closingHour = StrNarrow(Mid(line, int(at) + 5, 5)) + QStringLiteral(":00");
            if (line.contains(u"連単連複"))
                r.voteType = 4;
            else if (line.contains(u"連複"))
                r.voteType = 2;
            else
                r.voteType = 3;
            r.courseFix = line.contains(u"進入固定");
        }

        readEntry(line);
    }
    return true;
}

void cBangumiFile::readEntry(const QString& line)
{
    const QStringView s = entryPart(line);
    if (s.isEmpty())
        return;
    if (raceNumbers_ < 1)
        RaiseError(ErrIndexOutOfRange); // an entry before the first race line
    const int frame = s[0].unicode() - '0';
    Entry e;
    e.sensyuNo = midView(s, 3, 4).toString();
    e.sensyuName = midView(s, 7, 4).toString();
    e.sensyuAge = toInt16(midView(s, 11, 2));
    e.sensyuBirthplace = midView(s, 13, 2).toString();
    e.sensyuWeight = toInt16(midView(s, 15, 2));
    e.sensyuClass = midView(s, 17, 2).toString();
    e.zenkokuSyoritu = toSingle(midView(s, 19, 5));
    e.zenkokuFSyoritu = toSingle(midView(s, 24, 6));
    e.tochiSyoritu = toSingle(midView(s, 30, 5));
    e.tochiFSyoritu = toSingle(midView(s, 35, 6));
    // Motor and boat numbers may have three digits (Fukuoka's boats 101-), filling the blank
    // in front of the two-digit column.
    e.motorNo = trimBlanks(midView(s, 41, 3)).toString();
    e.motorFSyoritu = toSingle(midView(s, 44, 6));
    e.boatNo = trimBlanks(midView(s, 50, 3)).toString();
    e.boatFSyoritu = toSingle(midView(s, 53, 6));
    e.seiseki = midView(s, 60, 12).toString();
    e.hayami = optionalInt16(midView(s, 72, 2));
    entries_[size_t(raceNumbers_ - 1)][size_t(frame - 1)] = std::move(e);
}

// ---------------------------------------------------------------------------------------------
// Derived values

void cBangumiFile::computeDerived()
{
    const int races = raceNumbers_;

    // Racers who ride twice are linked through Hayami and count once.
    int linked = 0, single = 0;
    for (int r = 0; r < races; ++r)
        for (const Entry& e : entries_[size_t(r)])
            (e.hayami != 0 ? linked : single) += 1;
    participationNumbers_ = CInt(double(RoundHalfEven(linked / 2.0 + single)));

    participants_ = QStringList(participationNumbers_, QString());
    std::array<std::array<bool, kFrames>, kMaxRaces> marked{};
    int filled = 0;
    for (int r = 0; r < races; ++r) {
        for (int w = 0; w < kFrames; ++w) {
            if (marked[size_t(r)][size_t(w)])
                continue;
            const Entry& e = entries_[size_t(r)][size_t(w)];
            if (filled >= participationNumbers_)
                RaiseError(ErrIndexOutOfRange);
            participants_[filled++] = e.sensyuNo;
            marked[size_t(r)][size_t(w)] = true;
            if (e.hayami != 0) {
                if (e.hayami < 1 || e.hayami > kMaxRaces)
                    RaiseError(ErrIndexOutOfRange);
                const size_t other = size_t(e.hayami - 1);
                for (int k = 0; k < kFrames; ++k)
                    if (entries_[other][size_t(k)].sensyuNo == e.sensyuNo)
                        marked[other][size_t(k)] = true;
            }
        }
    }
    std::sort(participants_.begin(), participants_.end(),
              [](const QString& a, const QString& b) { return QStringView(a).compare(b, Qt::CaseSensitive) < 0; });

    for (int r = 0; r < races; ++r)
        for (Entry& e : entries_[size_t(r)])
            e.tokutenritu = TokutenrituOf(e.seiseki);

    // Competition ranks of the racers' scores; every entry with an equal score shares the rank.
    // The score of a list entry is the one of its first entry in race-major order: walking
    // backwards, the first entry is the last one stored.
    QHash<QString, float> firstScore;
    firstScore.reserve(races * kFrames);
    for (int r = races - 1; r >= 0; --r)
        for (int w = kFrames - 1; w >= 0; --w) {
            const Entry& e = entries_[size_t(r)][size_t(w)];
            firstScore.insert(e.sensyuNo, e.tokutenritu);
        }
    std::vector<float> scores;
    scores.reserve(size_t(participants_.size()));
    for (const QString& no : participants_)
        scores.push_back(firstScore.value(no, 0.0f));
    std::sort(scores.begin(), scores.end(), std::greater<float>());
    std::vector<int> ranks(scores.size());
    for (size_t i = 0; i < scores.size(); ++i)
        ranks[i] = (i > 0 && scores[i] == scores[i - 1]) ? ranks[i - 1] : int(i) + 1;
    for (int r = 0; r < races; ++r)
        for (Entry& e : entries_[size_t(r)]) {
            const auto it = std::find(scores.begin(), scores.end(), e.tokutenritu);
            if (it != scores.end())
                e.tokutenrituOrder = ranks[size_t(it - scores.begin())];
        }

    // Estimated win share: the score weighs in from the second day to the fifth.
    double weight = 0;
    if (totalDay_ == 2 || totalDay_ == 5)
        weight = 0.15;
    else if (totalDay_ == 3 || totalDay_ == 4)
        weight = 0.24;
    for (int r = 0; r < races; ++r) {
        std::array<float, kFrames> strength{};
        float sum = 0;
        for (int w = 0; w < kFrames; ++w) {
            const Entry& e = entries_[size_t(r)][size_t(w)];
            strength[size_t(w)] =
                float(0.33 * e.zenkokuSyoritu + 0.1 * e.motorFSyoritu + weight * e.tokutenritu);
            sum += strength[size_t(w)];
        }
        if (sum == 0.0f)
            RaiseError(ErrDivisionByZero);
        for (int w = 0; w < kFrames; ++w)
            entries_[size_t(r)][size_t(w)].tansyoritu = strength[size_t(w)] / sum * 100.0f;
    }
}

QString cBangumiFile::GradeOf(const QString& titleLong)
{
    const QString t = StrNarrow(titleLong).toUpper();
    // "GI" counts only where it is not the start of "GII"; likewise "GII" and "GIII".
    auto standalone = [&t](QStringView mark) {
        for (qsizetype at = t.indexOf(mark); at >= 0; at = t.indexOf(mark, at + 1)) {
            const qsizetype after = at + mark.size();
            if (after >= t.size() || t.at(after) != QLatin1Char('I'))
                return true;
        }
        return false;
    };
    if (t.contains(u"G1") || t.contains(u"GⅠ") || standalone(u"GI"))
        return QStringLiteral("G1");
    if (t.contains(u"G2") || t.contains(u"GⅡ") || standalone(u"GII"))
        return QStringLiteral("G2");
    if (t.contains(u"G3") || t.contains(u"GⅢ") || t.contains(u"GIII"))
        return QStringLiteral("G3");
    if (t.contains(u"SG"))
        return QStringLiteral("SG");
    return QStringLiteral("OTHER");
}

float cBangumiFile::TokutenrituOf(const QString& seiseki)
{
    double points = 0;
    int counted = 0;
    for (QChar c : seiseki) {
        switch (c.unicode()) {
        case '1': points += 10; break;
        case '2': points += 8; break;
        case '3': points += 6; break;
        case '4': points += 4; break;
        case '5': points += 2; break;
        case '6': points += 1; break;
        case 'F':
        case 'L': points -= 10; break;
        case 'S':
        case 'K': break;
        default: continue;
        }
        ++counted;
    }
    return counted == 0 ? 0.0f : float(points / counted);
}

// ---------------------------------------------------------------------------------------------
// Properties

const cBangumiFile::Race& cBangumiFile::race(int intRaceNo) const
{
    if (intRaceNo < 1 || intRaceNo > kMaxRaces)
        RaiseError(ErrIndexOutOfRange);
    return races_[size_t(intRaceNo - 1)];
}

const cBangumiFile::Entry& cBangumiFile::entry(int intRaceNo, int intWakuNo) const
{
    if (intRaceNo < 1 || intRaceNo > kMaxRaces || intWakuNo < 1 || intWakuNo > kFrames)
        RaiseError(ErrIndexOutOfRange);
    return entries_[size_t(intRaceNo - 1)][size_t(intWakuNo - 1)];
}

const cBangumiFile::Entry* cBangumiFile::firstEntryOf(int intIndex) const
{
    const QString no = ParticipationSenyuNo(intIndex);
    for (int r = 0; r < raceNumbers_; ++r)
        for (const Entry& e : entries_[size_t(r)])
            if (e.sensyuNo == no)
                return &e;
    return nullptr;
}

int cBangumiFile::SensyuNoToIndex(const QString& strSensyuNo) const
{
    for (qsizetype i = 0; i < participants_.size(); ++i)
        if (QStringView(participants_.at(i)).compare(strSensyuNo, Qt::CaseSensitive) == 0)
            return int(i) + 1;
    return 0;
}

QString cBangumiFile::ParticipationSenyuNo(int index) const
{
    if (index < 1 || index > participants_.size())
        RaiseError(ErrIndexOutOfRange);
    return participants_.at(index - 1);
}

QString cBangumiFile::IndexToSenyuName(int intIndex) const
{
    const Entry* e = firstEntryOf(intIndex);
    return e ? e->sensyuName : QString();
}

QString cBangumiFile::IndexToSenyuClass(int intIndex) const
{
    const Entry* e = firstEntryOf(intIndex);
    return e ? e->sensyuClass : QString();
}

float cBangumiFile::IndexToSenyuZenkokuSyoritu(int intIndex) const
{
    const Entry* e = firstEntryOf(intIndex);
    return e ? e->zenkokuSyoritu : 0.0f;
}

float cBangumiFile::IndexToSenyuZenkokuFSyoritu(int intIndex) const
{
    const Entry* e = firstEntryOf(intIndex);
    return e ? e->zenkokuFSyoritu : 0.0f;
}

float cBangumiFile::IndexToTokutenritu(int intIndex) const
{
    const Entry* e = firstEntryOf(intIndex);
    return e ? e->tokutenritu : 0.0f;
}

QString cBangumiFile::RaceTitle(int intRaceNo) const { return race(intRaceNo).raceTitle; }
QString cBangumiFile::ClosingHour(int intRaceNo) const { return race(intRaceNo).closingHour; }
int cBangumiFile::VoteType(int intRaceNo) const { return race(intRaceNo).voteType; }
bool cBangumiFile::CourseFix(int intRaceNo) const { return race(intRaceNo).courseFix; }

void cBangumiFile::ClosingHour(int intRaceNo, const QString& Value)
{
    race(intRaceNo); // range check
    races_[size_t(intRaceNo - 1)].closingHour = Value;
}

QString cBangumiFile::SensyuNo(int r, int w) const { return entry(r, w).sensyuNo; }
QString cBangumiFile::SensyuName(int r, int w) const { return entry(r, w).sensyuName; }
int cBangumiFile::SensyuAge(int r, int w) const { return entry(r, w).sensyuAge; }
QString cBangumiFile::SensyuBirthplace(int r, int w) const { return entry(r, w).sensyuBirthplace; }
int cBangumiFile::SensyuWeight(int r, int w) const { return entry(r, w).sensyuWeight; }
QString cBangumiFile::SensyuClass(int r, int w) const { return entry(r, w).sensyuClass; }
float cBangumiFile::SensyuZenkokuSyoritu(int r, int w) const { return entry(r, w).zenkokuSyoritu; }
float cBangumiFile::SensyuZenkokuFSyoritu(int r, int w) const { return entry(r, w).zenkokuFSyoritu; }
float cBangumiFile::SensyuTochiSyoritu(int r, int w) const { return entry(r, w).tochiSyoritu; }
float cBangumiFile::SensyuTochiFSyoritu(int r, int w) const { return entry(r, w).tochiFSyoritu; }
QString cBangumiFile::MotorNo(int r, int w) const { return entry(r, w).motorNo; }
float cBangumiFile::MotorFSyoritu(int r, int w) const { return entry(r, w).motorFSyoritu; }
QString cBangumiFile::BoatNo(int r, int w) const { return entry(r, w).boatNo; }
float cBangumiFile::BoatFSyoritu(int r, int w) const { return entry(r, w).boatFSyoritu; }
QString cBangumiFile::Seiseki(int r, int w) const { return entry(r, w).seiseki; }
int cBangumiFile::Hayami(int r, int w) const { return entry(r, w).hayami; }
float cBangumiFile::Tokutenritu(int r, int w) const { return entry(r, w).tokutenritu; }
int cBangumiFile::TokutenrituOrder(int r, int w) const { return entry(r, w).tokutenrituOrder; }
float cBangumiFile::Tansyoritu(int r, int w) const { return entry(r, w).tansyoritu; }

#include "datafiles/kekkafile.h"

#include "common/cp932.h"
#include "common/errors.h"
#include "common/format.h"
#include "common/strutil.h"
#include "platform/fileio.h"
#include "platform/ui.h"

#include <QFileInfo>
#include <QStringView>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr float kNoTiming = 1.0e6f; // ranks after every printed timing, flying or late ones included

const QString kErrorTitle = QStringLiteral("結果ファイル読み取りエラー");

// 1-based slice in characters that never fails.
QStringView MidV(QStringView s, int start, int length = -1)
{
    if (start < 1)
        start = 1;
    const qsizetype from = start - 1;
    if (from >= s.size())
        return {};
    if (length < 0 || from + length > s.size())
        return s.mid(from);
    return s.mid(from, length);
}

// Only half-width blanks count as padding in these files (U+3000 is part of the text).
QStringView TrimHalf(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && s.at(b) == QLatin1Char(' '))
        ++b;
    while (e > b && s.at(e - 1) == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

bool Numeric(QStringView s)
{
    return IsNumeric(s.toString());
}

double Number(QStringView s)
{
    return CDbl(s.toString());
}

// A whole line, blanks around it ignored, equal to a marker such as "05KBGN". A blank byte
// is never the second byte of a CP932 character, so trimming bytes is trimming characters.
bool TrimmedEquals(const char* b, const char* e, const QByteArray& marker)
{
    while (b < e && *b == ' ')
        ++b;
    while (e > b && e[-1] == ' ')
        --e;
    return e - b == marker.size() && std::memcmp(b, marker.constData(), size_t(marker.size())) == 0;
}

// Walks the lines of a byte buffer: CR LF, a lone LF or a lone CR ends a line.
class LineCursor {
public:
    LineCursor(const char* p, const char* end) : p_(p), end_(end) {}
    bool next(const char*& b, const char*& e)
    {
        if (p_ >= end_)
            return false;
        b = p_;
        const char* q = p_;
        while (q < end_ && *q != '\r' && *q != '\n')
            ++q;
        e = q;
        if (q < end_ && *q == '\r')
            ++q;
        if (q < end_ && *q == '\n' && (q == e || q[-1] == '\r'))
            ++q;
        p_ = q;
        return true;
    }

private:
    const char* p_;
    const char* end_;
};

// Start of the line after the first line that is exactly `marker`, or null.
const char* FindBlock(const QByteArray& bytes, const QByteArray& marker)
{
    if (marker.isEmpty())
        return nullptr;
    const char* data = bytes.constData();
    const char* end = data + bytes.size();
    const char* from = data;
    while (from < end) {
        const void* hit = memmem(from, size_t(end - from), marker.constData(), size_t(marker.size()));
        if (!hit)
            return nullptr;
        const char* h = static_cast<const char*>(hit);
        const char* b = h;
        while (b > data && b[-1] != '\r' && b[-1] != '\n')
            --b;
        LineCursor cursor(b, end);
        const char* lb = nullptr;
        const char* le = nullptr;
        cursor.next(lb, le);
        if (TrimmedEquals(lb, le, marker)) {
            const char* after = le;
            if (after < end && *after == '\r')
                ++after;
            if (after < end && *after == '\n')
                ++after;
            return after;
        }
        from = h + 1;
    }
    return nullptr;
}

// The code as written in the block markers: two digits ("5" -> "05"). Absurd numbers such as
// "1e400" are kept as given; they name no block.
QString BlockCode(const QString& code)
{
    if (!IsNumeric(code))
        return code;
    const double value = CDbl(code);
    return std::fabs(value) < 1e9 ? Format(value, QStringLiteral("00")) : code;
}

enum class Bet { None, Tansyo, Fukusyo, Renfuku, Rentan, SanRenfuku, SanRentan, KakuRenfuku };

Bet BetOf(QStringView name)
{
    if (name == u"単勝") return Bet::Tansyo;
    if (name == u"複勝") return Bet::Fukusyo;
    if (name == u"２連複") return Bet::Renfuku;
    if (name == u"２連単") return Bet::Rentan;
    if (name == u"３連複") return Bet::SanRenfuku;
    if (name == u"３連単") return Bet::SanRentan;
    if (name == u"拡連複") return Bet::KakuRenfuku;
    return Bet::None;
}

// Yen amount of a payout column; a column that is not a number is error 13.
int Amount(QStringView column)
{
    return CLng(Number(TrimHalf(column)));
}

int AmountOrZero(QStringView column)
{
    return Numeric(column) ? CLng(Number(column)) : 0;
}

// Popularity rank: everything behind "人気".
int Popularity(QStringView line)
{
    const qsizetype p = line.indexOf(u"人気");
    return CInt(Number(line.mid(p + 2)));
}

bool PayoutValid(QStringView line)
{
    return line.contains(u"人気") && !line.contains(u"不成立");
}

} // namespace

cKekkaFile::cKekkaFile(UserInterface& ui) : ui_(ui) {}

void cKekkaFile::DataClear()
{
    kyoteijyoCode_.clear();
    raceNumbers_ = 0;
    raceDate_.clear();
    totalDay_ = 0;
    races_.fill(Race{});
}

bool cKekkaFile::FileLoad(const QString& kyoteijyo_code, const QString& filename, bool blnNoMessage)
{
    DataClear();

    const QFileInfo info(filename);
    if (filename.isEmpty() || !info.isFile()) {
        if (!blnNoMessage)
            ui_.ShowMessage(QStringLiteral("ファイルが見つかりません。") + QStringLiteral("\r\n") + filename,
                            MsgIcon::Warning, kErrorTitle);
        return false;
    }
    QByteArray bytes;
    if (!ReadFileBytes(filename, &bytes))
        RaiseError(ErrFileAccess);

    const QString code = BlockCode(kyoteijyo_code);
    const QByteArray beginMarker = TextToCp932(code + QStringLiteral("KBGN"));
    const QByteArray endMarker = TextToCp932(code + QStringLiteral("KEND"));

    // Only the stadium's own block is decoded; the rest of the day's file is skipped as bytes.
    const char* start = FindBlock(bytes, beginMarker);
    if (!start)
        return false; // no results for this stadium yet
    kyoteijyoCode_ = kyoteijyo_code;

    LineCursor cursor(start, bytes.constData() + bytes.size());
    Race* current = nullptr;
    int position = 0;  // result line counter of the current race
    int pairsLeft = 0; // quinella-place pair lines still expected after the 拡連複 line
    const char* lb = nullptr;
    const char* le = nullptr;
    while (cursor.next(lb, le)) {
        if (TrimmedEquals(lb, le, endMarker))
            break;
        QString text = Cp932ToText(lb, le - lb);

        // 1. Payout table header: its first row tells whether the meeting was held.
        if (text.contains(u"[払戻金]")) {
            if (!cursor.next(lb, le) || TrimmedEquals(lb, le, endMarker))
                break;
            text = Cp932ToText(lb, le - lb);
            if (text.contains(u"中止") || text.contains(u"中　止")) {
                if (!blnNoMessage)
                    ui_.ShowMessage(QStringLiteral("開催中止でした。") + QStringLiteral("\r\nCode: ") + kyoteijyo_code
                                        + QLatin1Char('#'),
                                    MsgIcon::Warning, kErrorTitle);
                return false;
            }
        }
        const QStringView line(text);

        // 2. Date line.
        if (line.right(9).contains(u"ボートレース") || line.right(3) == u"競艇場" || line.right(3) == u"競走場") {
            const QStringView day = MidV(line, 5, 2);
            if (Numeric(day))
                totalDay_ = CInt(Number(day));
            const QString year = StrNarrow(MidV(line, 18, 4).toString());
            const QString month = StrNarrow(MidV(line, 23, 2).toString());
            const QString dayOfMonth = StrNarrow(MidV(line, 26, 2).toString());
            if (IsNumeric(year) && IsNumeric(month) && IsNumeric(dayOfMonth)) {
                const QString two = QStringLiteral("00");
                raceDate_ = Format(CDbl(year), two) + QLatin1Char('/') + Format(CDbl(month), two) + QLatin1Char('/')
                            + Format(CDbl(dayOfMonth), two);
            }
        }

        // 3. Race line: races are numbered by order of appearance.
        if (MidV(line, 59, 1) == u"波" || MidV(line, 5, 1) == u"R") {
            if (raceNumbers_ >= kMaxRace) {
                if (!blnNoMessage)
                    ui_.ShowMessage(QStringLiteral("レース No.がオーバーフローしました。") + QStringLiteral("\r\nRace No: ")
                                        + QString::number(raceNumbers_ + 1),
                                    MsgIcon::Warning, kErrorTitle);
                return false;
            }
            current = &races_[size_t(raceNumbers_)];
            ++raceNumbers_;
            current->title = TrimHalf(line).toString();
            position = 0;
            pairsLeft = 0;
        }
        if (!current)
            continue; // nothing before the first race line belongs to a race

        // 4. Heading line with the deciding move.
        if (MidV(line, 3, 1) == u"着")
            current->finish = line.contains(u"不成立") ? QStringLiteral("レース不成立") : MidV(line, 51, 51).toString();
        // A void race is announced on a line of its own below the result table.
        if (TrimHalf(line) == u"レース不成立")
            current->finish = QStringLiteral("レース不成立");

        // 5. Payout lines.
        const Bet bet = BetOf(TrimHalf(MidV(line, 9, 3)));
        if (bet != Bet::None) {
            pairsLeft = 0;
            const bool valid = PayoutValid(line);
            switch (bet) {
            case Bet::Tansyo:
                current->tansyo = AmountOrZero(MidV(line, 24));
                break;
            case Bet::Fukusyo:
                current->fukusyo[0] = AmountOrZero(MidV(line, 24, 7));
                current->fukusyo[1] = AmountOrZero(MidV(line, 40, 7));
                break;
            case Bet::Renfuku:
                current->renfuku = valid ? Amount(MidV(line, 23, 7)) : 0;
                if (valid)
                    current->renfukuOrder = Popularity(line);
                break;
            case Bet::Rentan:
                current->rentan = valid ? Amount(MidV(line, 23, 7)) : 0;
                if (valid)
                    current->rentanOrder = Popularity(line);
                break;
            case Bet::SanRenfuku:
                current->sanrenfuku = valid ? Amount(MidV(line, 22, 8)) : 0;
                if (valid)
                    current->sanrenfukuOrder = Popularity(line);
                break;
            case Bet::SanRentan:
                current->sanrentan = valid ? Amount(MidV(line, 22, 8)) : 0;
                if (valid)
                    current->sanrentanOrder = Popularity(line);
                break;
            case Bet::KakuRenfuku:
                current->kakuRenFuku[0] = valid ? Amount(MidV(line, 23, 7)) : 0;
                if (valid)
                    current->kakuRenFukuOrder[0] = Popularity(line);
                pairsLeft = 2;
                break;
            case Bet::None:
                break;
            }
        } else if (pairsLeft > 0) {
            const size_t index = size_t(3 - pairsLeft);
            --pairsLeft;
            const bool valid = PayoutValid(line);
            current->kakuRenFuku[index] = valid ? Amount(MidV(line, 26, 7)) : 0;
            if (valid)
                current->kakuRenFukuOrder[index] = Popularity(line);
        }

        // 6. Result line of one boat.
        const QStringView frameText = MidV(line, 7, 1);
        if (frameText.size() == 1 && frameText.at(0) >= QLatin1Char('1') && frameText.at(0) <= QLatin1Char('6')
            && MidV(line, 8, 1) == u" ") {
            const int waku = frameText.at(0).unicode() - '0';
            Entry& e = current->entry[size_t(waku - 1)];
            e.order = MidV(line, 3, 2).toString();
            e.sensyuNo = MidV(line, 9, 4).toString();
            const QStringView exhibition = MidV(line, 32, 5);
            e.exhibitionRead = Numeric(exhibition);
            e.exhibitionTime = e.exhibitionRead ? float(Number(exhibition)) : 0.0f;
            const QStringView course = MidV(line, 39, 2);
            e.course = 0;
            if (Numeric(course) && Number(course) > 0) {
                e.course = CInt(Number(course));
                if (e.course < 1 || e.course > kWakuCount)
                    RaiseError(ErrIndexOutOfRange);
                current->courseToWaku[size_t(e.course - 1)] = waku;
            }
            const QStringView start = MidV(line, 44, 5);
            e.startRead = Numeric(start);
            e.startTiming = e.startRead ? float(Number(start)) : 0.0f;
            e.raceTime = MidV(line, 53, 7).toString();

            // Finishers come first, winner on top; boats without a placing follow them.
            ++position;
            const bool placed = IsNumeric(e.order);
            if (placed && CDbl(e.order) == 1.0)
                position = 1;
            else if (!placed && position > kWakuCount)
                position = 1;
            if (position > kWakuCount)
                RaiseError(ErrIndexOutOfRange);
            current->resultToWaku[size_t(position - 1)] = waku;
        }
    }

    rankTimings();
    return true;
}

void cKekkaFile::rankTimings()
{
    for (int r = 0; r < raceNumbers_; ++r) {
        Race& race = races_[size_t(r)];
        for (int kind = 0; kind < 2; ++kind) {
            const bool start = kind == 0;
            std::array<float, kWakuCount> keys{};
            for (int w = 0; w < kWakuCount; ++w) {
                const Entry& e = race.entry[size_t(w)];
                const float time = start ? e.startTiming : e.exhibitionTime;
                float key = float(double(100.0f * time) - e.course / 1000.0);
                if (e.order.contains(QLatin1Char('F')) || e.order.contains(QLatin1Char('L')))
                    key += 100.0f;
                // A boat without the timing (absent, or no time printed) must not look fastest.
                if (!(start ? e.startRead : e.exhibitionRead))
                    key = kNoTiming;
                keys[size_t(w)] = key;
            }
            std::array<float, kWakuCount> sorted = keys;
            std::sort(sorted.begin(), sorted.end());
            for (int i = 0; i < kWakuCount; ++i)
                for (int w = 0; w < kWakuCount; ++w)
                    if (keys[size_t(w)] == sorted[size_t(i)]) {
                        Entry& e = race.entry[size_t(w)];
                        (start ? e.startTimingOrder : e.exhibitionTimeOrder) = i + 1;
                    }
        }
    }
}

const cKekkaFile::Race& cKekkaFile::race(int intRaceNo) const
{
    if (intRaceNo < 1 || intRaceNo > kMaxRace)
        RaiseError(ErrIndexOutOfRange);
    return races_[size_t(intRaceNo - 1)];
}

const cKekkaFile::Entry& cKekkaFile::entry(int intRaceNo, int intWakuNo) const
{
    const Race& r = race(intRaceNo);
    if (intWakuNo < 1 || intWakuNo > kWakuCount)
        RaiseError(ErrIndexOutOfRange);
    return r.entry[size_t(intWakuNo - 1)];
}

namespace {

template <size_t N>
int At(const std::array<int, N>& a, int index)
{
    if (index < 0 || index >= int(N))
        RaiseError(ErrIndexOutOfRange);
    return a[size_t(index)];
}

} // namespace

QString cKekkaFile::RaceNoTitle(int intRaceNo) const { return race(intRaceNo).title; }
QString cKekkaFile::Finish(int intRaceNo) const { return race(intRaceNo).finish; }
QString cKekkaFile::Order(int intRaceNo, int intWakuNo) const { return entry(intRaceNo, intWakuNo).order; }
QString cKekkaFile::RaceTime(int intRaceNo, int intWakuNo) const { return entry(intRaceNo, intWakuNo).raceTime; }
QString cKekkaFile::SensyuNo(int intRaceNo, int intWakuNo) const { return entry(intRaceNo, intWakuNo).sensyuNo; }
float cKekkaFile::StartTiming(int intRaceNo, int intWakuNo) const { return entry(intRaceNo, intWakuNo).startTiming; }
float cKekkaFile::ExhibitionTime(int intRaceNo, int intWakuNo) const
{
    return entry(intRaceNo, intWakuNo).exhibitionTime;
}
int cKekkaFile::Course(int intRaceNo, int intWakuNo) const { return entry(intRaceNo, intWakuNo).course; }
int cKekkaFile::StartTimingOrder(int intRaceNo, int intWakuNo) const
{
    return entry(intRaceNo, intWakuNo).startTimingOrder;
}
int cKekkaFile::ExhibitionTimeOrder(int intRaceNo, int intWakuNo) const
{
    return entry(intRaceNo, intWakuNo).exhibitionTimeOrder;
}
int cKekkaFile::CourseToWaku(int intRaceNo, int intCourse) const
{
    return At(race(intRaceNo).courseToWaku, intCourse - 1);
}
int cKekkaFile::ResultToWaku(int intRaceNo, int order_no) const
{
    return At(race(intRaceNo).resultToWaku, order_no - 1);
}

int cKekkaFile::DividendTansyo(int intRaceNo) const { return race(intRaceNo).tansyo; }
int cKekkaFile::DividendFukusyo(int intRaceNo, int index) const { return At(race(intRaceNo).fukusyo, index); }
int cKekkaFile::DividendRensyoTansiki(int intRaceNo) const { return race(intRaceNo).rentan; }
int cKekkaFile::DividendRensyoFukusiki(int intRaceNo) const { return race(intRaceNo).renfuku; }
int cKekkaFile::Dividend3RenTan(int intRaceNo) const { return race(intRaceNo).sanrentan; }
int cKekkaFile::Dividend3Renfuku(int intRaceNo) const { return race(intRaceNo).sanrenfuku; }
int cKekkaFile::DividendKakuRenFuku(int intRaceNo, int index) const { return At(race(intRaceNo).kakuRenFuku, index); }
int cKekkaFile::Dividend2RentanOrder(int intRaceNo) const { return race(intRaceNo).rentanOrder; }
int cKekkaFile::Dividend2RenfukuOrder(int intRaceNo) const { return race(intRaceNo).renfukuOrder; }
int cKekkaFile::Dividend3RentanOrder(int intRaceNo) const { return race(intRaceNo).sanrentanOrder; }
int cKekkaFile::Dividend3RenfukuOrder(int intRaceNo) const { return race(intRaceNo).sanrenfukuOrder; }
int cKekkaFile::DividendKakuRenFukuOrder(int intRaceNo, int intIndex) const
{
    return At(race(intRaceNo).kakuRenFukuOrder, intIndex);
}

QString cKekkaFile::SinnyuStyle(int intRaceNo) const
{
    const Race& r = race(intRaceNo);
    QString style;
    for (int waku : r.courseToWaku) {
        if (waku == 0)
            return {};
        style.append(QChar(char16_t(u'0' + waku)));
    }
    return style;
}

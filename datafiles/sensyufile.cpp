#include "datafiles/sensyufile.h"

#include "common/cp932.h"
#include "common/errors.h"
#include "common/strutil.h"
#include "platform/fileio.h"
#include "platform/ui.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <string_view>
#include <unordered_map>

namespace {

const QString kReadErrorTitle = QStringLiteral("選手ファイル読み取りエラー");

// Bytes a layout reads; the fan handbook's trailing home prefecture (bytes 411-416) is not used.
constexpr int kRecordBytes = 410;
constexpr int kOldRecordBytes = 403;
constexpr int kParsedToTheEnd = std::numeric_limits<int>::max();

// Text fields: the same positions in both layouts.
constexpr int kNoAt = 1, kNameKanjiAt = 5, kNameKanaAt = 21, kBirthplaceAt = 36, kClassAt = 40, kBirthAt = 42,
              kBloodAt = 57, kClassOld1At = 161, kClassOld2At = 163, kClassOld3At = 165;

// A parse stops at the first numeric field that is not a number (its byte position).
struct ParseStop {
    int position;
};

// Cuts numeric fields from the CP932 bytes of one record by 1-based byte positions. Bytes
// past the end of a short record read as nothing.
class Cutter {
public:
    Cutter(const char* data, int size) : p_(data), n_(size) {}

    // 16-bit integer, rounded half to even like every conversion to an integer.
    qint16 integer(int start, int width) const
    {
        int plain;
        if (digits(start, width, &plain))
            return qint16(plain); // at most 4 digits: always in range
        const double v = std::nearbyint(number(start, width));
        if (!(v >= -32768.0 && v <= 32767.0))
            throw ParseStop{start};
        return qint16(v);
    }

    // Single-precision field divided by a scale.
    float real(int start, int width, float scale) const
    {
        int plain;
        if (digits(start, width, &plain))
            return float(plain) / scale;
        const float v = float(number(start, width));
        if (!std::isfinite(v))
            throw ParseStop{start};
        return v / scale;
    }

private:
    // Blanks and plain digits are nearly every field: read them without decoding.
    bool digits(int start, int width, int* value) const
    {
        const int from = start - 1;
        if (width > 4 || from + width > n_)
            return false;
        const char* f = p_ + from;
        int i = 0;
        while (i < width && f[i] == ' ')
            ++i;
        const int first = i;
        int v = 0;
        while (i < width && unsigned(f[i] - '0') <= 9u)
            v = v * 10 + (f[i++] - '0');
        if (i == first)
            return false;
        while (i < width && f[i] == ' ')
            ++i;
        *value = v;
        return i == width;
    }

    // Anything else (signs, decimals, exponents, wide blanks) goes the general way.
    double number(int start, int width) const
    {
        const int from = start - 1;
        const char* f = p_ + std::min(from, n_);
        const int len = std::max(0, std::min(width, n_ - from));
        const QString t = Cp932ToText(f, len);
        if (!IsNumeric(t))
            throw ParseStop{start};
        return CDbl(t);
    }

    const char* p_;
    int n_;
};

// Decoded text of a field cut from record bytes.
QString FieldText(const char* record, int length, int start, int width)
{
    const int from = start - 1;
    if (from >= length)
        return {};
    return Cp932ToText(record + from, std::min(width, length - from));
}

bool isBlankLine(const char* p, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i)
        if (p[i] != ' ' && p[i] != '\t' && p[i] != '\x1A')
            return false;
    return true;
}

struct Line {
    qsizetype start;
    int length; // bytes the layout can read (the rest of a longer line is never used)
};

// Non-blank lines of the file; CR LF, LF or CR end a line.
std::vector<Line> recordLines(const QByteArray& bytes, int recordBytes)
{
    std::vector<Line> lines;
    lines.reserve(size_t(bytes.size() / (kRecordBytes + 8) + 1));
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    auto add = [&](qsizetype from, qsizetype to) {
        if (to > from && !isBlankLine(p + from, to - from))
            lines.push_back({from, int(std::min<qsizetype>(to - from, recordBytes))});
    };
    qsizetype pos = 0;
    while (pos < n) {
        const char* lf = static_cast<const char*>(std::memchr(p + pos, '\n', size_t(n - pos)));
        const qsizetype segmentEnd = lf ? lf - p : n;
        qsizetype from = pos;
        while (from < segmentEnd) {
            const char* cr = static_cast<const char*>(std::memchr(p + from, '\r', size_t(segmentEnd - from)));
            const qsizetype to = cr ? cr - p : segmentEnd;
            add(from, to);
            from = to + 1;
        }
        pos = segmentEnd + 1;
    }
    return lines;
}

// The registration number bytes of a record: its first 4 bytes.
inline std::string_view keyOf(const char* record, int length)
{
    return std::string_view(record, size_t(std::min(4, length)));
}

// An ASCII number as bytes; false for text that no 4-byte field can hold as ASCII.
bool asciiKey(const QString& no, char (&buf)[4], std::string_view* key)
{
    if (no.size() > 4)
        return false;
    for (qsizetype i = 0; i < no.size(); ++i) {
        const char16_t u = no.at(i).unicode();
        if (u >= 0x80)
            return false;
        buf[i] = char(u);
    }
    *key = std::string_view(buf, size_t(no.size()));
    return true;
}

} // namespace

struct cSensyuFile::FileLevel {
    int nen = 0;
    int ki = 0;
    const char* ymdRecord = nullptr; // last record parsed up to its dates
    int ymdLength = 0;
};

cSensyuFile::cSensyuFile(UserInterface& ui) : ui_(ui) {}

bool cSensyuFile::FileLoad(const QString& strFileName, const QStringList& vntSensyuNo, int intRev)
{
    return load(strFileName, &vntSensyuNo, intRev);
}

bool cSensyuFile::FileLoadOld2(const QString& strFileName, const QStringList& vntSensyuNo)
{
    return load(strFileName, &vntSensyuNo, 2);
}

bool cSensyuFile::FileLoadAll(const QString& strFileName, int intRev)
{
    return load(strFileName, nullptr, intRev);
}

void cSensyuFile::reset(int slotCount)
{
    bytes_.clear();
    slots_.assign(size_t(slotCount), Racer{});
    index_.clear();
    nen_ = 0;
    ki_ = 0;
    lastYoseiKi_ = 0;
    ymdStart_.clear();
    ymdEnd_.clear();
}

bool cSensyuFile::load(const QString& fileName, const QStringList* numbers, int rev)
{
    if (!QFileInfo(fileName).isFile()) {
        reset(1);
        ui_.ShowMessage(QStringLiteral("ファイルが見つかりません。") + QStringLiteral("\r\n") + fileName,
                        MsgIcon::Warning, kReadErrorTitle);
        return false;
    }
    int errorNumber = 0;
    QString description;
    try {
        QByteArray bytes;
        if (!ReadFileBytes(fileName, &bytes))
            RaiseError(ErrFileAccess);
        const std::vector<Line> lines = recordLines(bytes, rev != 0 ? kOldRecordBytes : kRecordBytes);
        if (lines.empty())
            RaiseError(ErrIndexOutOfRange); // no record to take the file's last training class from
        const char* data = bytes.constData();

        // The last record belongs to the most recently registered racer.
        Racer last;
        parseRecord(data + lines.back().start, lines.back().length, rev, last, nullptr);

        FileLevel level;
        auto fill = [&](Racer& r, const Line& line) {
            r.offset = line.start;
            r.length = line.length;
            parseRecord(data + line.start, line.length, rev, r, &level);
        };
        if (!numbers) {
            if (lines.size() > size_t(std::numeric_limits<int>::max()))
                RaiseError(ErrOverflow);
            reset(int(lines.size()));
            for (size_t i = 0; i < lines.size(); ++i)
                fill(slots_[i], lines[i]);
        } else {
            reset(int(numbers->size()));
            auto key = [&](size_t j) { return keyOf(data + lines[j].start, lines[j].length); };
            // The file is in ascending order, so the first line of a number is found by halving;
            // a file out of order is searched through a table instead. Either way the list
            // itself may be in any order.
            bool ascending = true;
            for (size_t j = 1; j < lines.size() && ascending; ++j)
                ascending = !(key(j) < key(j - 1));
            std::unordered_map<std::string_view, int> firstLine;
            if (!ascending && !numbers->isEmpty()) {
                firstLine.reserve(lines.size());
                for (size_t j = 0; j < lines.size(); ++j)
                    firstLine.emplace(key(j), int(j));
            }
            for (qsizetype i = 0; i < numbers->size(); ++i) {
                const QString& no = numbers->at(i);
                qsizetype found = -1;
                char buf[4];
                std::string_view want;
                if (asciiKey(no, buf, &want)) {
                    if (ascending) {
                        size_t lo = 0, hi = lines.size();
                        while (lo < hi) {
                            const size_t mid = lo + (hi - lo) / 2;
                            if (key(mid) < want)
                                lo = mid + 1;
                            else
                                hi = mid;
                        }
                        if (lo < lines.size() && key(lo) == want)
                            found = qsizetype(lo);
                    } else {
                        auto it = firstLine.find(want);
                        if (it != firstLine.end())
                            found = it->second;
                    }
                } else if (no.size() <= 4) {
                    for (size_t j = 0; j < lines.size() && found < 0; ++j)
                        if (FieldText(data + lines[j].start, lines[j].length, kNoAt, 4) == no)
                            found = qsizetype(j);
                }
                if (found >= 0)
                    fill(slots_[size_t(i)], lines[size_t(found)]);
            }
        }
        bytes_ = bytes;
        nen_ = level.nen;
        ki_ = level.ki;
        if (level.ymdRecord) {
            ymdStart_ = rev != 0 ? FieldText(level.ymdRecord, level.ymdLength, 178, 6)
                                 : FieldText(level.ymdRecord, level.ymdLength, 180, 8);
            ymdEnd_ = rev != 0 ? FieldText(level.ymdRecord, level.ymdLength, 184, 6)
                               : FieldText(level.ymdRecord, level.ymdLength, 188, 8);
        }
        lastYoseiKi_ = last.yoseiKi;
        buildIndex();
        return true;
    } catch (const QvError& e) {
        errorNumber = e.number();
        description = e.description();
    } catch (const std::bad_alloc&) {
        errorNumber = 7;
        description = QStringLiteral("メモリが不足しています。");
    }
    reset(1);
    ui_.ShowMessage(description + QStringLiteral("\r\n") + QStringLiteral("(Error code:") + QString::number(errorNumber)
                        + QLatin1Char(')'),
                    MsgIcon::Warning, kReadErrorTitle);
    return false;
}

void cSensyuFile::parseRecord(const char* line, int length, int rev, Racer& r, FileLevel* level)
{
    const Cutter c(line, length);
    try {
        // Bytes 1-48 are texts (number, names, branch, class, birth date).
        r.sex = c.integer(49, 1);
        r.age = c.integer(50, 2);
        r.height = c.integer(52, 3);
        r.weight = c.integer(55, 2);
        // 57-58 blood type
        r.syoritu = c.real(59, 4, 100.0f);
        r.fsyoritu = c.real(63, 4, 10.0f);
        r.oneFinish = c.integer(67, 3);
        r.twoFinish = c.integer(70, 3);
        r.syusso = c.integer(73, 3);
        r.yusyutu = c.integer(76, 2);
        r.yusyo = c.integer(78, 2);
        r.startTiming = c.real(80, 3, 100.0f);
        for (int k = 0; k < 6; ++k) {
            const int b = 83 + 13 * k;
            CourseData& cd = r.course[size_t(k)];
            cd.syusso = c.integer(b, 3);
            cd.fsyoritu = c.real(b + 3, 4, 10.0f);
            cd.startTiming = c.real(b + 7, 3, 100.0f);
            cd.startHatujyun = c.real(b + 10, 3, 100.0f);
        }
        // 161-166 classes of the three earlier periods
        r.abilityOld = qint16(RoundHalfEven(double(float(c.integer(167, 4)) / 100.0f)));
        r.ability = qint16(RoundHalfEven(double(float(c.integer(171, 4)) / 100.0f)));

        const bool old = rev != 0;
        r.nen = c.integer(175, old ? 2 : 4);
        if (level)
            level->nen = r.nen;
        r.ki = c.integer(old ? 177 : 179, 1);
        if (level) {
            level->ki = r.ki;
            level->ymdRecord = line; // the dates that follow are texts
            level->ymdLength = length;
        }
        r.yoseiKi = old ? c.integer(190, 2) : c.integer(196, 3);

        const int blockB = old ? 192 : 199;
        for (int k = 0; k < 6; ++k) {
            const int b = blockB + 34 * k;
            CourseData& cd = r.course[size_t(k)];
            for (int place = 0; place < 6; ++place)
                cd.finish[size_t(place)] = c.integer(b + 3 * place, 3);
            cd.f0 = c.integer(b + 18, 2);
            cd.l0 = c.integer(b + 20, 2);
            cd.l1 = c.integer(b + 22, 2);
            cd.k0 = c.integer(b + 24, 2);
            cd.k1 = c.integer(b + 26, 2);
            cd.s0 = c.integer(b + 28, 2);
            cd.s1 = c.integer(b + 30, 2);
            cd.s2 = c.integer(b + 32, 2);
        }
        const int outside = old ? 396 : 403;
        r.outsideL0 = c.integer(outside, 2);
        r.outsideL1 = c.integer(outside + 2, 2);
        r.outsideK0 = c.integer(outside + 4, 2);
        r.outsideK1 = c.integer(outside + 6, 2);
        r.textEnd = kParsedToTheEnd;
    } catch (const ParseStop& stop) {
        r.textEnd = stop.position; // the fields from here on keep their cleared values
    }
}

void cSensyuFile::buildIndex()
{
    index_.clear();
    index_.reserve(slots_.size());
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].offset >= 0)
            index_.push_back(int(i));
    const char* data = bytes_.constData();
    auto key = [&](int i) { return keyOf(data + slots_[size_t(i)].offset, slots_[size_t(i)].length); };
    std::stable_sort(index_.begin(), index_.end(), [&](int a, int b) { return key(a) < key(b); });
}

const cSensyuFile::Racer* cSensyuFile::find(const QString& no) const
{
    const int i = SensyuIndex(no);
    return i > 0 ? &slots_[size_t(i - 1)] : nullptr;
}

int cSensyuFile::SensyuIndex(const QString& strSensyuNo) const
{
    if (strSensyuNo.isEmpty())
        return 0;
    const char* data = bytes_.constData();
    auto key = [&](int i) { return keyOf(data + slots_[size_t(i)].offset, slots_[size_t(i)].length); };
    char buf[4];
    std::string_view want;
    if (asciiKey(strSensyuNo, buf, &want)) {
        auto it = std::lower_bound(index_.begin(), index_.end(), want,
                                   [&](int i, std::string_view w) { return key(i) < w; });
        return (it != index_.end() && key(*it) == want) ? *it + 1 : 0;
    }
    if (strSensyuNo.size() > 4)
        return 0; // a 4-byte field never decodes to more than 4 characters
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].offset >= 0 && FieldText(data + slots_[i].offset, slots_[i].length, kNoAt, 4) == strSensyuNo)
            return int(i) + 1;
    return 0;
}

QString cSensyuFile::text(const Racer* r, int start, int width) const
{
    if (!r || r->offset < 0 || start >= r->textEnd)
        return {};
    return FieldText(bytes_.constData() + r->offset, r->length, start, width);
}

const cSensyuFile::CourseData& cSensyuFile::courseOf(const Racer& r, int courseNo)
{
    return r.course[size_t(courseNo - 1)];
}

QString cSensyuFile::SensyuNo(int index) const
{
    if (index < 1 || index > SensyuCount())
        return {};
    return text(&slots_[size_t(index - 1)], kNoAt, 4);
}

QString cSensyuFile::GetSensyuFileVersion() const
{
    QString half;
    if (ki_ == 1)
        half = QStringLiteral("前");
    else if (ki_ == 2)
        half = QStringLiteral("後");
    return QString::number(nen_) + QStringLiteral("年") + half + QStringLiteral("期");
}

// ---- stored fields ----

#define SENSYU_TEXT(Name, at, width)                                                                      \
    QString cSensyuFile::Name(const QString& strSensyuNo) const                                           \
    {                                                                                                     \
        return text(find(strSensyuNo), at, width);                                                        \
    }

SENSYU_TEXT(NameKanji, kNameKanjiAt, 16)
SENSYU_TEXT(NameKana, kNameKanaAt, 15)
SENSYU_TEXT(Birthplace, kBirthplaceAt, 4)
SENSYU_TEXT(Class, kClassAt, 2)
SENSYU_TEXT(Birth, kBirthAt, 7)
SENSYU_TEXT(Blood, kBloodAt, 2)
SENSYU_TEXT(ClassOld1, kClassOld1At, 2)
SENSYU_TEXT(ClassOld2, kClassOld2At, 2)
SENSYU_TEXT(ClassOld3, kClassOld3At, 2)

#undef SENSYU_TEXT

#define SENSYU_FIELD(Type, Name, member)                                                                  \
    Type cSensyuFile::Name(const QString& strSensyuNo) const                                              \
    {                                                                                                     \
        const Racer* r = find(strSensyuNo);                                                               \
        return r ? r->member : Type{};                                                                    \
    }

SENSYU_FIELD(int, Sex, sex)
SENSYU_FIELD(int, Age, age)
SENSYU_FIELD(int, Height, height)
SENSYU_FIELD(int, Weight, weight)
SENSYU_FIELD(int, OneFinishTimes, oneFinish)
SENSYU_FIELD(int, TwoFinishTimes, twoFinish)
SENSYU_FIELD(int, SyussoTimes, syusso)
SENSYU_FIELD(int, YusyutuTimes, yusyutu)
SENSYU_FIELD(int, YusyoTimes, yusyo)
SENSYU_FIELD(float, Syoritu, syoritu)
SENSYU_FIELD(float, FSyoritu, fsyoritu)
SENSYU_FIELD(float, StartTiming, startTiming)
SENSYU_FIELD(int, Ability, ability)
SENSYU_FIELD(int, AbilityOld, abilityOld)
SENSYU_FIELD(int, YoseiKi, yoseiKi)
SENSYU_FIELD(int, OutsideCourseL0Times, outsideL0)
SENSYU_FIELD(int, OutsideCourseL1Times, outsideL1)
SENSYU_FIELD(int, OutsideCourseK0Times, outsideK0)
SENSYU_FIELD(int, OutsideCourseK1Times, outsideK1)

#undef SENSYU_FIELD

// A course outside 1-6 is the caller's mistake: error 9 even for a racer not in the model.
#define SENSYU_COURSE_FIELD(Type, Name, member)                                                           \
    Type cSensyuFile::Name(const QString& strSensyuNo, int intCourseNo) const                             \
    {                                                                                                     \
        if (intCourseNo < 1 || intCourseNo > 6)                                                           \
            RaiseError(ErrIndexOutOfRange);                                                               \
        const Racer* r = find(strSensyuNo);                                                               \
        return r ? courseOf(*r, intCourseNo).member : Type{};                                             \
    }

SENSYU_COURSE_FIELD(int, CourseSyussoTimes, syusso)
SENSYU_COURSE_FIELD(float, CourseFSyoritu, fsyoritu)
SENSYU_COURSE_FIELD(float, CourseStartTiming, startTiming)
SENSYU_COURSE_FIELD(float, CourseStartHatujyun, startHatujyun)
SENSYU_COURSE_FIELD(int, Course1FinishTimes, finish[0])
SENSYU_COURSE_FIELD(int, Course2FinishTimes, finish[1])
SENSYU_COURSE_FIELD(int, Course3FinishTimes, finish[2])
SENSYU_COURSE_FIELD(int, Course4FinishTimes, finish[3])
SENSYU_COURSE_FIELD(int, Course5FinishTimes, finish[4])
SENSYU_COURSE_FIELD(int, Course6FinishTimes, finish[5])
SENSYU_COURSE_FIELD(int, CourseF0Times, f0)
SENSYU_COURSE_FIELD(int, CourseL0Times, l0)
SENSYU_COURSE_FIELD(int, CourseL1Times, l1)
SENSYU_COURSE_FIELD(int, CourseK0Times, k0)
SENSYU_COURSE_FIELD(int, CourseK1Times, k1)
SENSYU_COURSE_FIELD(int, CourseS0Times, s0)
SENSYU_COURSE_FIELD(int, CourseS1Times, s1)
SENSYU_COURSE_FIELD(int, CourseS2Times, s2)

#undef SENSYU_COURSE_FIELD

// ---- computed statistics (single precision throughout, as the figures have always been) ----

namespace {

// count ÷ starts × 100 in single precision.
inline float percentOf(int count, int starts)
{
    return float(count) / float(starts) * 100.0f;
}

} // namespace

float cSensyuFile::StratHatujyun(const QString& strSensyuNo) const
{
    const Racer* r = find(strSensyuNo);
    if (!r)
        return 0;
    float sum = 0;
    for (const CourseData& cd : r->course)
        sum += cd.startHatujyun;
    return sum / 6.0f;
}

float cSensyuFile::InSisu(const QString& strSensyuNo) const
{
    const Racer* r = find(strSensyuNo);
    if (!r || r->syusso == 0)
        return 0;
    float sum = 0;
    for (int c = 1; c <= 6; ++c)
        sum += percentOf((7 - c) * courseOf(*r, c).syusso, 6 * r->syusso);
    return sum;
}

int cSensyuFile::FTimes(const QString& strSensyuNo) const
{
    const Racer* r = find(strSensyuNo);
    if (!r)
        return 0;
    int n = 0;
    for (const CourseData& cd : r->course)
        n += cd.f0;
    return n;
}

int cSensyuFile::LTimes(const QString& strSensyuNo) const
{
    const Racer* r = find(strSensyuNo);
    if (!r)
        return 0;
    int n = 0;
    for (const CourseData& cd : r->course)
        n += cd.l0 + cd.l1;
    return n + r->outsideL0 + r->outsideL1;
}

float cSensyuFile::Rentairitu1(const QString& strSensyuNo) const
{
    const Racer* r = find(strSensyuNo);
    if (!r || r->syusso == 0)
        return 0;
    float sum = 0;
    for (const CourseData& cd : r->course)
        sum += percentOf(cd.finish[0], r->syusso);
    return sum;
}

float cSensyuFile::Rentairitu2(const QString& strSensyuNo) const
{
    const Racer* r = find(strSensyuNo);
    if (!r || r->syusso == 0)
        return 0;
    float sum = 0;
    for (const CourseData& cd : r->course)
        sum += percentOf(cd.finish[0] + cd.finish[1], r->syusso);
    return sum;
}

float cSensyuFile::Rentairitu3(const QString& strSensyuNo) const
{
    const Racer* r = find(strSensyuNo);
    if (!r || r->syusso == 0)
        return 0;
    float sum = 0;
    for (const CourseData& cd : r->course)
        sum += percentOf(cd.finish[0] + cd.finish[1] + cd.finish[2], r->syusso);
    return sum;
}

float cSensyuFile::CourseRentairitu3(const QString& strSensyuNo, int intCourseNo) const
{
    if (intCourseNo < 1 || intCourseNo > 6)
        RaiseError(ErrIndexOutOfRange);
    const Racer* r = find(strSensyuNo);
    if (!r)
        return 0;
    const CourseData& cd = courseOf(*r, intCourseNo);
    if (cd.syusso == 0)
        return 0;
    return percentOf(cd.finish[0] + cd.finish[1] + cd.finish[2], cd.syusso);
}

float cSensyuFile::Nyuchakuritu(const QString& strSensyuNo, int intChaku) const
{
    const Racer* r = find(strSensyuNo);
    if (!r || r->syusso == 0)
        return 0;
    float sum = 0;
    for (const CourseData& cd : r->course) {
        const int x = (intChaku >= 1 && intChaku <= 6)
                          ? cd.finish[size_t(intChaku - 1)]
                          : cd.f0 + cd.l0 + cd.l1 + cd.k0 + cd.k1 + cd.s0 + cd.s1 + cd.s2;
        sum += percentOf(x, r->syusso);
    }
    return sum;
}

#include "datafiles/sensyufile.h"

#include "common/cp932.h"
#include "common/errors.h"
#include "common/strutil.h"
#include "platform/fileio.h"
#include "platform/ui.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <string_view>
#include <unordered_map>

namespace {

const QString kReadErrorTitle = QStringLiteral("選手ファイル読み取りエラー");

// A parse stops at the first numeric field that is not a number.
struct ParseStop {};

// Cuts fields from the CP932 bytes of one record by 1-based byte positions. Bytes past the
// end of a short record read as nothing.
class Cutter {
public:
    Cutter(const char* data, qsizetype size) : p_(data), n_(size) {}

    QString text(int start, int width) const
    {
        const char* f;
        qsizetype len;
        cut(start, width, &f, &len);
        return Cp932ToText(f, len);
    }

    // 16-bit integer, rounded half to even like every conversion to an integer.
    int integer(int start, int width) const
    {
        const double v = std::nearbyint(number(start, width));
        if (!(v >= -32768.0 && v <= 32767.0))
            throw ParseStop{};
        return int(v);
    }

    // Single-precision field divided by a scale.
    float real(int start, int width, float scale) const
    {
        const float v = float(number(start, width));
        if (!std::isfinite(v))
            throw ParseStop{};
        return v / scale;
    }

private:
    void cut(int start, int width, const char** f, qsizetype* len) const
    {
        const qsizetype from = qsizetype(start) - 1;
        if (from >= n_) {
            *f = p_;
            *len = 0;
            return;
        }
        *f = p_ + from;
        *len = std::min<qsizetype>(width, n_ - from);
    }

    double number(int start, int width) const
    {
        const char* f;
        qsizetype len;
        cut(start, width, &f, &len);
        // Blanks and plain digits are nearly every field: read them without decoding.
        qsizetype i = 0;
        while (i < len && f[i] == ' ')
            ++i;
        qsizetype digits = 0;
        int value = 0;
        while (i < len && f[i] >= '0' && f[i] <= '9') {
            value = value * 10 + (f[i] - '0');
            ++digits;
            ++i;
        }
        while (i < len && f[i] == ' ')
            ++i;
        if (i == len && digits > 0)
            return double(value);
        // Anything else (signs, decimals, exponents, wide blanks) goes the general way.
        const QString t = Cp932ToText(f, len);
        if (!IsNumeric(t))
            throw ParseStop{};
        return CDbl(t);
    }

    const char* p_;
    qsizetype n_;
};

bool isBlankLine(const char* p, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i)
        if (p[i] != ' ' && p[i] != '\t' && p[i] != '\x1A')
            return false;
    return true;
}

struct Line {
    qsizetype start;
    qsizetype length;
};

// Non-blank lines of the file (CR LF, LF or CR end a line).
std::vector<Line> recordLines(const QByteArray& bytes)
{
    std::vector<Line> lines;
    lines.reserve(size_t(bytes.size() / 418 + 1));
    const char* p = bytes.constData();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    auto add = [&](qsizetype end) {
        if (!isBlankLine(p + start, end - start))
            lines.push_back({start, end - start});
    };
    for (qsizetype i = 0; i < n; ++i) {
        if (p[i] == '\r' || p[i] == '\n') {
            add(i);
            if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        add(n);
    return lines;
}

bool isAscii(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

struct cSensyuFile::FileLevel {
    int* nen;
    int* ki;
    QString* ymdStart;
    QString* ymdEnd;
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
        const std::vector<Line> lines = recordLines(bytes);
        if (lines.empty())
            RaiseError(ErrIndexOutOfRange); // no record to take the file's last training class from
        const char* data = bytes.constData();

        // The last record belongs to the most recently registered racer.
        Racer last;
        parseRecord(data + lines.back().start, lines.back().length, rev, last, nullptr);
        const int lastYoseiKi = last.yoseiKi;

        FileLevel level{&nen_, &ki_, &ymdStart_, &ymdEnd_};
        if (!numbers) {
            reset(int(std::min<size_t>(lines.size(), size_t(std::numeric_limits<int>::max()))));
            for (size_t i = 0; i < slots_.size(); ++i)
                parseRecord(data + lines[i].start, lines[i].length, rev, slots_[i], &level);
        } else {
            reset(int(numbers->size()));
            // First line of each registration number; the file is normally ascending, but a
            // list or file out of order must not lose racers.
            std::unordered_map<std::string_view, int> firstLine;
            if (!numbers->isEmpty()) {
                firstLine.reserve(lines.size());
                for (size_t j = 0; j < lines.size(); ++j)
                    firstLine.emplace(std::string_view(data + lines[j].start,
                                                       size_t(std::min<qsizetype>(4, lines[j].length))),
                                      int(j));
            }
            for (qsizetype i = 0; i < numbers->size(); ++i) {
                const QString& no = numbers->at(i);
                int j = -1;
                if (isAscii(no)) {
                    const QByteArray key = no.toLatin1();
                    auto it = firstLine.find(std::string_view(key.constData(), size_t(key.size())));
                    if (it != firstLine.end())
                        j = it->second;
                } else {
                    for (size_t k = 0; k < lines.size() && j < 0; ++k)
                        if (Cutter(data + lines[k].start, lines[k].length).text(1, 4) == no)
                            j = int(k);
                }
                if (j >= 0)
                    parseRecord(data + lines[size_t(j)].start, lines[size_t(j)].length, rev, slots_[size_t(i)],
                                &level);
            }
        }
        lastYoseiKi_ = lastYoseiKi;
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

bool cSensyuFile::parseRecord(const char* line, qsizetype length, int rev, Racer& r, FileLevel* level)
{
    const Cutter c(line, length);
    try {
        r.sensyuNo = c.text(1, 4);
        r.nameKanji = c.text(5, 16);
        r.nameKana = c.text(21, 15);
        r.birthplace = c.text(36, 4);
        r.klass = c.text(40, 2);
        r.birth = c.text(42, 7);
        r.sex = c.integer(49, 1);
        r.age = c.integer(50, 2);
        r.height = c.integer(52, 3);
        r.weight = c.integer(55, 2);
        r.blood = c.text(57, 2);
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
        r.classOld1 = c.text(161, 2);
        r.classOld2 = c.text(163, 2);
        r.classOld3 = c.text(165, 2);
        r.abilityOld = int(RoundHalfEven(double(float(c.integer(167, 4)) / 100.0f)));
        r.ability = int(RoundHalfEven(double(float(c.integer(171, 4)) / 100.0f)));

        const bool old = rev != 0;
        r.nen = c.integer(175, old ? 2 : 4);
        if (level)
            *level->nen = r.nen;
        r.ki = c.integer(old ? 177 : 179, 1);
        if (level)
            *level->ki = r.ki;
        r.ymdStart = old ? c.text(178, 6) : c.text(180, 8);
        if (level)
            *level->ymdStart = r.ymdStart;
        r.ymdEnd = old ? c.text(184, 6) : c.text(188, 8);
        if (level)
            *level->ymdEnd = r.ymdEnd;
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
        // Anything after the last count (the home prefecture of the fan handbook) is not read.
    } catch (const ParseStop&) {
        return false;
    }
    return true;
}

void cSensyuFile::buildIndex()
{
    index_.clear();
    index_.reserve(slots_.size());
    for (size_t i = 0; i < slots_.size(); ++i)
        if (!slots_[i].sensyuNo.isEmpty())
            index_.emplace_back(slots_[i].sensyuNo, int(i) + 1);
    std::stable_sort(index_.begin(), index_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
}

int cSensyuFile::SensyuIndex(const QString& strSensyuNo) const
{
    if (strSensyuNo.isEmpty())
        return 0;
    auto it = std::lower_bound(index_.begin(), index_.end(), strSensyuNo,
                               [](const auto& entry, const QString& no) { return entry.first < no; });
    if (it == index_.end() || it->first != strSensyuNo)
        return 0;
    return it->second;
}

const cSensyuFile::Racer* cSensyuFile::find(const QString& no) const
{
    const int i = SensyuIndex(no);
    return i > 0 ? &slots_[size_t(i - 1)] : nullptr;
}

const cSensyuFile::CourseData& cSensyuFile::courseOf(const Racer& r, int courseNo)
{
    return r.course[size_t(courseNo - 1)];
}

QString cSensyuFile::SensyuNo(int index) const
{
    if (index < 1 || index > SensyuCount())
        return {};
    return slots_[size_t(index - 1)].sensyuNo;
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

#define SENSYU_FIELD(Type, Name, member)                                                                  \
    Type cSensyuFile::Name(const QString& strSensyuNo) const                                              \
    {                                                                                                     \
        const Racer* r = find(strSensyuNo);                                                               \
        return r ? r->member : Type{};                                                                    \
    }

SENSYU_FIELD(QString, NameKanji, nameKanji)
SENSYU_FIELD(QString, NameKana, nameKana)
SENSYU_FIELD(QString, Birthplace, birthplace)
SENSYU_FIELD(QString, Class, klass)
SENSYU_FIELD(QString, Birth, birth)
SENSYU_FIELD(QString, Blood, blood)
SENSYU_FIELD(QString, ClassOld1, classOld1)
SENSYU_FIELD(QString, ClassOld2, classOld2)
SENSYU_FIELD(QString, ClassOld3, classOld3)
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

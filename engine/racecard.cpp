#include "engine/racecard.h"

#include "common/errors.h"
#include "common/format.h"
#include "common/kyotei.h"
#include "common/strutil.h"
#include "engine/engine.h"
#include "engine/mMermaid2.h"
#include "platform/inifile.h"
#include "platform/programfolder.h"

#include <QStringList>
#include <QTime>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <exception>

namespace {

const QString kSensyuDataDispTitle = QStringLiteral("SensyuDataDispErr");
const QString kCourseDataDispTitle = QStringLiteral("CourseDataDisp");

// Runs one display operation: any run-time error ends it with a warning box. `shown` runs
// first, so that what was filled (a grid, the diagram) is on screen behind the box.
template <class Shown, class Body>
void runDisplay(Engine& e, const QString& title, Shown shown, Body body)
{
    QString description;
    try {
        body();
        return;
    } catch (const QvError& err) {
        description = err.description();
    } catch (const std::exception&) {
        description = ErrorDescription(0);
    }
    shown();
    ShowEngineError(e, description, title);
}

auto refreshOf(cGrid& g)
{
    return [&g] { g.Refresh(true); };
}

void checkRaceNo(int raceNo)
{
    if (raceNo < 1 || raceNo > 12)
        RaiseError(ErrIndexOutOfRange);
}

// "17:41:00" as "17:41"; a text that is not a time stays as it is.
QString closingHourText(const QString& closingHour)
{
    if (closingHour.isEmpty())
        return QString();
    const QTime t = QTime::fromString(closingHour, QStringLiteral("H:mm:ss"));
    return t.isValid() ? FormatTime(t, QStringLiteral("hh:nn")) : closingHour;
}

QString trimSpaces(const QString& text)
{
    qsizetype b = 0, n = text.size();
    while (b < n && text.at(b) == QLatin1Char(' '))
        ++b;
    while (n > b && text.at(n - 1) == QLatin1Char(' '))
        --n;
    return text.mid(b, n - b);
}

// Hundredths of a second of a timing in seconds, in single precision as the figures are kept.
float hundredths(float seconds) { return seconds * 100.0f; }

QString integerText(int value) { return QString::number(value); }

} // namespace

// ---- labels and colours ---------------------------------------------------------------------

QDate RaceDateOf(const QString& raceDate)
{
    const QStringList parts = raceDate.trimmed().split(QLatin1Char('/'));
    if (parts.size() != 3)
        return QDate();
    int v[3];
    for (int i = 0; i < 3; ++i) {
        const QString& p = parts.at(i);
        if (p.isEmpty() || p.size() > 4)
            return QDate();
        for (const QChar c : p)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return QDate();
        v[i] = p.toInt();
    }
    int year = v[0];
    if (parts.at(0).size() <= 2)
        year += year < 30 ? 2000 : 1900; // two-digit years as the date functions read them
    return QDate(year, v[1], v[2]);
}

ColorRef RaceTitleColor(const QDate& raceDate, const QString& closingHour, const QDateTime& now)
{
    if (raceDate.isValid() && raceDate < now.date())
        return kRaceTitleClosed;
    // A later day's program (read the evening before) is open whatever its closing time.
    if (raceDate.isValid() && raceDate > now.date())
        return kRaceTitleOpen;
    if (closingHour.isEmpty())
        return kRaceTitleOpen;
    return closingHour <= FormatDateTime(now, QStringLiteral("hh:nn:ss")) ? kRaceTitleClosed : kRaceTitleOpen;
}

// ---- race card grid -------------------------------------------------------------------------

void RaceCardDisp(Engine& e, int raceNo)
{
    cGrid& g = e.raceCard.flexBangumi;
    runDisplay(e, QString(), refreshOf(g), [&] {
        const cBangumiFile& b = e.Bangumi;
        e.raceCard.lblRaceNoTitle.Caption = b.RaceTitle(raceNo);
        const QString closing = b.ClosingHour(raceNo);
        e.raceCard.lblClosingHour[1].Caption = closingHourText(closing);
        const QDate date = RaceDateOf(b.RaceDate());
        if (date.isValid())
            e.raceCard.lblRaceNoTitle.ForeColor = RaceTitleColor(date, closing, e.now());

        g.RefreshFlg(false);
        for (int f = 1; f <= 6; ++f) {
            g.CellValue(f, 1, b.SensyuNo(raceNo, f));
            g.CellValue(f, 2, b.SensyuName(raceNo, f));
            g.CellValue(f, 3, integerText(b.SensyuAge(raceNo, f)));
            g.CellValue(f, 4, b.SensyuBirthplace(raceNo, f));
            g.CellValue(f, 5, integerText(b.SensyuWeight(raceNo, f)));
            g.CellValue(f, 6, b.SensyuClass(raceNo, f));
            g.CellValue(f, 7, Format(b.SensyuZenkokuSyoritu(raceNo, f), QStringLiteral("0.00")));
            g.CellValue(f, 8, Format(b.SensyuZenkokuFSyoritu(raceNo, f), QStringLiteral("0.00")));
            g.CellValue(f, 9, Format(b.SensyuTochiSyoritu(raceNo, f), QStringLiteral("0.00")));
            g.CellValue(f, 10, Format(b.SensyuTochiFSyoritu(raceNo, f), QStringLiteral("0.00")));
            g.CellValue(f, 11, b.MotorNo(raceNo, f));
            g.CellValue(f, 12, Format(b.MotorFSyoritu(raceNo, f), QStringLiteral("0.00")));
            g.CellValue(f, 13, b.BoatNo(raceNo, f));
            g.CellValue(f, 14, Format(b.BoatFSyoritu(raceNo, f), QStringLiteral("0.00")));
            g.CellValue(f, 15, b.Seiseki(raceNo, f));
            g.CellValue(f, 16, Format(b.Tokutenritu(raceNo, f), QStringLiteral("0.00"))
                                   + Format(b.TokutenrituOrder(raceNo, f), QStringLiteral("(@@)")));
            g.CellValue(f, 22, Format(b.Hayami(raceNo, f), QStringLiteral("##")));
        }
        g.Refresh(true);
        e.raceCard.lblTanpyo.Caption = RaceTypeGet(e, raceNo);
    });
}

void StartExhibitionDisp(Engine& e, int raceNo)
{
    Q_UNUSED(raceNo);
    cGrid& g = e.raceCard.flexBangumi;
    runDisplay(e, QString(), refreshOf(g), [&] {
        g.RefreshFlg(false);
        for (int f = 1; f <= 6; ++f) {
            const StartExhibitionRecord& rec = e.st.StartExhibitionRec[size_t(f)];
            const bool loaded = e.st.StartExhibitionLoaded;
            g.CellValue(f, 17, loaded ? integerText(rec.Course) : QString());
            g.CellValue(f, 18, QString()); // zero-width column
            g.CellValue(f, 19, loaded ? rec.Timing : QString());
        }
        g.Refresh(true);
    });
}

void ExhibitionDisp(Engine& e, int raceNo)
{
    cGrid& g = e.raceCard.flexBangumi;
    runDisplay(e, QString(), refreshOf(g), [&] {
        checkRaceNo(raceNo);
        const int stadium = e.StadiumNumber();
        const bool loaded = e.st.ExhibitionLoaded;
        g.RefreshFlg(false);
        for (int f = 1; f <= 6; ++f) {
            const ExhibitionRecord& rec = e.st.ExhibitionRec[size_t(f)];
            // A time the user typed in wins over the published one; the tilt is always the page's.
            const float typed = e.st.UserTenjiTime.Get(f, raceNo, stadium);
            QString time;
            if (typed != 0)
                time = Format(typed, QStringLiteral("0.00"));
            else if (loaded)
                time = rec.ExhibitionTime >= 999 ? QStringLiteral("----") : Format(rec.ExhibitionTime, QStringLiteral("0.00"));
            QString tilt;
            if (loaded)
                tilt = rec.Tilt >= 999 ? QStringLiteral("----") : Format(rec.Tilt, QStringLiteral("0.0"));
            g.CellValue(f, 20, time);
            g.CellValue(f, 21, tilt);
        }
        g.Refresh(true);
    });
}

// ---- racer table ----------------------------------------------------------------------------

void SensyuDataDisp(Engine& e, int raceNo)
{
    cGrid& g = e.raceCard.flexSensyu;
    runDisplay(e, kSensyuDataDispTitle, refreshOf(g), [&] {
        const cSensyuFile& s = e.Sensyu;
        g.RefreshFlg(false);
        for (int f = 1; f <= 6; ++f) {
            const QString no = e.Bangumi.SensyuNo(raceNo, f);
            const bool woman = s.Sex(no) == 2;
            g.CellValue(f, 0, integerText(f));
            g.CellValue(f, 1, woman ? QStringLiteral("女") : QStringLiteral("男"));
            e.raceCard.flexBangumi.CellForeColor(f, 2, woman ? kWomanNameColor : Rgb(0, 0, 0));
            const QString birth = s.Birth(no);
            g.CellValue(f, 2, Mid(birth, 1, 3) + QLatin1Char('/') + Mid(birth, 4, 2) + QLatin1Char('/') + Mid(birth, 6, 2));
            g.CellValue(f, 3, trimSpaces(s.Blood(no)));
            g.CellValue(f, 4, integerText(s.YoseiKi(no)));
            g.CellValue(f, 5, Format(s.Syoritu(no), QStringLiteral("0.00")));
            g.CellValue(f, 6, Format(s.FSyoritu(no), QStringLiteral("0.0")));
            g.CellValue(f, 7, Format(s.Rentairitu3(no), QStringLiteral("0.0")));
            g.CellValue(f, 8, integerText(s.Ability(no)));
            g.CellValue(f, 9, Format(s.Ability(no) - s.AbilityOld(no), QStringLiteral("#")));
            g.CellValue(f, 10, Format(hundredths(s.StartTiming(no)), QStringLiteral("00")));
            g.CellValue(f, 11, Format(s.StratHatujyun(no), QStringLiteral("0.0")));
            g.CellValue(f, 12, Format(s.OneFinishTimes(no), QStringLiteral("#")));
            g.CellValue(f, 13, Format(s.TwoFinishTimes(no), QStringLiteral("#")));
            g.CellValue(f, 14, Format(s.SyussoTimes(no), QStringLiteral("#")));
            g.CellValue(f, 15, Format(s.YusyutuTimes(no), QStringLiteral("#")));
            g.CellValue(f, 16, Format(s.YusyoTimes(no), QStringLiteral("#")));
            g.CellValue(f, 17, Format(s.FTimes(no), QStringLiteral("#")));
            g.CellValue(f, 18, Format(s.LTimes(no), QStringLiteral("#")));
            g.CellValue(f, 19, TokuiCourseTypeName(TokuiCourseTypeGet(e, no)));
            g.CellValue(f, 20, Format(s.InSisu(no), QStringLiteral("0.00")));
            g.CellValue(f, 21, Format(e.Bangumi.Tansyoritu(raceNo, f), QStringLiteral("0.0")) + QLatin1Char('%'));
        }
        g.Refresh(true);
    });
}

// ---- course table ---------------------------------------------------------------------------

void CourseDataDisp(Engine& e, int raceNo)
{
    cGrid& g = e.raceCard.flexCourse;
    runDisplay(e, kCourseDataDispTitle, refreshOf(g), [&] {
        const cSensyuFile& s = e.Sensyu;
        g.RefreshFlg(false);
        for (int c = 1; c <= 6; ++c) {
            const int f = e.st.ExpectWaku[size_t(c)];
            const QString no = e.Bangumi.SensyuNo(raceNo, f); // error 9 for a frame outside 1..6
            g.CellValue(c, 1, integerText(f));
            g.CellValue(c, 2, e.Bangumi.SensyuName(raceNo, f));
            g.CellValue(c, 3, Format(hundredths(s.CourseStartTiming(no, c)), QStringLiteral("00")));
            g.CellValue(c, 4, Format(s.CourseStartHatujyun(no, c), QStringLiteral("0.0")));
            g.CellValue(c, 5, Format(s.CourseSyussoTimes(no, c), QStringLiteral("#")));
            g.CellValue(c, 6, Format(s.CourseFSyoritu(no, c), QStringLiteral("0.0")));
            g.CellValue(c, 7, Format(s.CourseRentairitu3(no, c), QStringLiteral("0.0")));
            g.CellValue(c, 8, Format(s.Course1FinishTimes(no, c), QStringLiteral("#")));
            g.CellValue(c, 9, Format(s.Course2FinishTimes(no, c), QStringLiteral("#")));
            g.CellValue(c, 10, Format(s.Course3FinishTimes(no, c), QStringLiteral("#")));
            g.CellValue(c, 11, e.st.ExpectTactics[size_t(c)]);
        }
        g.Refresh(true);
    });
}

// ---- start-timing diagram -------------------------------------------------------------------

void StartChartDisp(Engine& e, int raceNo)
{
    StartDiagram& pic = e.raceCard.picPool;
    pic.Visible = false;
    pic.Clear();
    runDisplay(e, QString(), [&pic] { pic.Visible = true; }, [&] {
        constexpr double kTop = 1.3, kLabelY = 0.9;
        pic.lines.append({0.0, kTop, StartDiagram::Bottom, false});
        pic.texts.append({-2.0, kLabelY, QStringLiteral("ST")});
        for (int x = -10; x >= -50; x -= 10) {
            pic.lines.append({double(x), kTop, StartDiagram::Bottom, true});
            pic.texts.append({double(x - 2), kLabelY, Format(std::abs(x), QStringLiteral("00"))});
        }

        for (int f = 1; f <= 6; ++f) {
            const int c = e.st.ExpectCourse[size_t(f)];
            const QString no = e.Bangumi.SensyuNo(raceNo, f);
            const float courseSt = e.Sensyu.CourseStartTiming(no, c); // error 9 for a course outside 1..6
            const float meetingSt = e.Meeting.MeetingAverages(e.Bangumi.SensyuNoToIndex(no)).StartTiming;
            // The meeting's starts so far count as much as the course record.
            const float t = meetingSt <= 0 ? courseSt * 100.0f : (courseSt + meetingSt) * 100.0f / 2.0f;
            const double timing = CInt(t); // halves to even; error 6 for an absurd figure
            StartDiagram::Boat& boat = pic.imgBoat[size_t(f)];
            boat.Left = -(timing + StartDiagram::ImageWidth); // the bow touches x = -timing
            boat.Top = c + 0.5;
            boat.Visible = !(e.st.StartExhibitionLoaded && e.st.StartExhibitionRec[size_t(f)].Course == 0);
        }
        pic.shpSinnyuKotei = e.SinnyuFixation;
        pic.Visible = true;
    });
}

// ---- small helpers --------------------------------------------------------------------------

bool BetMatch(int a1, int a2, int b1, int b2, int betType)
{
    if (a1 == b1 && a2 == b2)
        return true;
    return betType == 2 && a1 == b2 && a2 == b1;
}

void KDataLoad(Engine& e, int code)
{
    auto& table = e.st.KDataCourse;
    for (auto& row : table)
        row.fill(0.0f);
    const QString file = e.folder.AppFilePath(QStringLiteral("KDATA.QVL"));
    const QString section = Format(code, QStringLiteral("00")) + QLatin1Char('#');
    for (int k = 1; k <= 3; ++k) {
        for (int c = 1; c <= 6; ++c) {
            const QString key = QString::number(k) + QLatin1Char('-') + QString::number(c);
            const QString v = cIniFile::MyGetString(file, section, key, QStringLiteral("0"));
            if (!IsNumeric(v))
                continue;
            const double d = v.trimmed().toDouble();
            // A value a single cannot hold is as unusable as text.
            if (std::isfinite(d) && std::fabs(d) <= double(FLT_MAX))
                table[size_t(c)][size_t(k)] = float(d);
        }
    }
}

QString RaceTypeText(const std::array<float, 7>& strength)
{
    static const char16_t* const words[] = {u"軸不動 ", u"主力２者 ", u"三ツ巴戦 ", u"実力拮抗 ", u"波乱 ", u"混戦 "};
    float best = strength[1];
    for (int f = 2; f <= 6; ++f)
        best = std::max(best, strength[size_t(f)]);
    int n = 0;
    QString frames;
    for (int f = 1; f <= 6; ++f) {
        if (strength[size_t(f)] > best - 12.0f) {
            ++n;
            frames += CircledNumber(f);
        }
    }
    if (n < 1) // only when a strength is not a number
        return QString();
    return QString::fromUtf16(words[n - 1]) + frames;
}

QString RaceTypeGet(Engine& e, int raceNo)
{
    for (int f = 1; f <= 6; ++f) {
        const QString no = e.Bangumi.SensyuNo(raceNo, f);
        e.st.RaceStrength[size_t(f)] = (10.0f * e.Bangumi.SensyuZenkokuSyoritu(raceNo, f) + 10.0f * e.Sensyu.Syoritu(no)
                                        + e.Bangumi.SensyuZenkokuFSyoritu(raceNo, f))
            / 3.0f;
    }
    return RaceTypeText(e.st.RaceStrength);
}

int RaceCardClickRaceNo(int col, const QString& cellText)
{
    if (col != kRaceCardHayamiCol || !IsNumeric(cellText))
        return 0;
    const double v = CDbl(cellText);
    if (!(v >= 0.5 && v <= 13.5))
        return 0;
    // The race list is indexed from 0: the text less one, rounded, is the entry to select.
    const int race = int(RoundHalfEven(v - 1)) + 1;
    return race >= 1 && race <= 12 ? race : 0;
}

// Evaluation, ranking and display of the user index in use.
#include "userindex/mUserSisu.h"

#include "common/errors.h"
#include "common/format.h"
#include "common/kyotei.h"
#include "common/strutil.h"
#include "engine/engine.h"
#include "engine/marks.h"
#include "engine/racecard.h"
#include "platform/ui.h"
#include "userindex/mDirectCalculate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

constexpr int kUserSisuCol = 22;

// A single as text the way the formula receives it: at most 7 significant digits, exponent
// form below 1E-04 and from 1E+07 up.
QString singleText(float value)
{
    if (value == 0.0f || !std::isfinite(value))
        return QStringLiteral("0");
    char buffer[48];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    QString text = QString::fromLatin1(buffer, r.ptr - buffer);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

const UserSisuDef* activeDef(const UserSisuSet& set)
{
    if (set.ActiveUserSisu < 0 || set.ActiveUserSisu > 5)
        RaiseError(ErrIndexOutOfRange);
    return set.ActiveUserSisu == 0 ? nullptr : &set.defs[size_t(set.ActiveUserSisu)];
}

int checkedCourse(const Engine& e, int wakuNo)
{
    const int c = e.st.ExpectCourse[size_t(wakuNo)];
    if (c < 1 || c > 6)
        RaiseError(ErrIndexOutOfRange);
    return c;
}

// The value shown in the racer table; a definition without a pattern shows the plain number.
QString valueText(float value, const QString& pattern)
{
    return pattern.isEmpty() ? singleText(value) : Format(double(value), pattern);
}

} // namespace

QString UserSisuVariable(const Engine& e, QChar letter, int raceNo, int wakuNo)
{
    const char16_t c = letter.unicode();
    if (c < u'A' || c > u'X')
        return QString(letter);
    if (raceNo < 1 || raceNo > 12 || wakuNo < 1 || wakuNo > 6)
        RaiseError(ErrIndexOutOfRange);
    const cBangumiFile& b = e.Bangumi;
    const cSensyuFile& s = e.Sensyu;
    const int r = raceNo, w = wakuNo;
    switch (c) {
    case u'A': return singleText(b.SensyuZenkokuSyoritu(r, w));
    case u'B': return singleText(b.SensyuZenkokuFSyoritu(r, w));
    case u'C': return singleText(b.SensyuTochiSyoritu(r, w));
    case u'D': return singleText(b.SensyuTochiFSyoritu(r, w));
    case u'E': return singleText(b.MotorFSyoritu(r, w));
    case u'F': return singleText(b.BoatFSyoritu(r, w));
    case u'G': return QString::number(b.SensyuWeight(r, w));
    case u'H': return singleText(s.Syoritu(b.SensyuNo(r, w)));
    case u'I': return singleText(s.FSyoritu(b.SensyuNo(r, w)));
    case u'J': return QString::number(s.Ability(b.SensyuNo(r, w)));
    case u'K': return singleText(s.StartTiming(b.SensyuNo(r, w)));
    case u'L': return singleText(s.StratHatujyun(b.SensyuNo(r, w)));
    case u'M': return QString::number(s.OneFinishTimes(b.SensyuNo(r, w)));
    case u'N': return QString::number(s.TwoFinishTimes(b.SensyuNo(r, w)));
    case u'O': {
        const QString no = b.SensyuNo(r, w);
        return Format(double(s.FTimes(no) + s.LTimes(no)), QStringLiteral("0"));
    }
    case u'P': return singleText(b.Tokutenritu(r, w));
    case u'Q': return QString::number(w);
    case u'R': return singleText(s.CourseStartTiming(b.SensyuNo(r, w), checkedCourse(e, w)));
    case u'S': return singleText(s.CourseStartHatujyun(b.SensyuNo(r, w), checkedCourse(e, w)));
    case u'T': return singleText(s.CourseFSyoritu(b.SensyuNo(r, w), checkedCourse(e, w)));
    case u'U': return QString::number(e.st.ExpectCourse[size_t(w)]);
    case u'V': return singleText(e.st.UserTenjiTime.Get(w, r, e.StadiumNumber()));
    case u'W': {
        const auto& rates = e.st.KDataCourse[size_t(checkedCourse(e, w))];
        return Format(double(rates[1] + rates[2]), QStringLiteral("0.0"));
    }
    case u'X': {
        const int index = b.SensyuNoToIndex(b.SensyuNo(r, w));
        return Format(double(e.Meeting.MeetingAverages(index).StartTiming), QStringLiteral("0.00"));
    }
    default: return QString(letter);
    }
}

QString UserSisuFormula(const Engine& e, const QString& equation, int raceNo, int wakuNo)
{
    std::array<QString, 24> figures; // each letter's figure, worked out once
    std::array<bool, 24> known{};
    QString formula;
    formula.reserve(equation.size() * 2);
    for (const QChar ch : equation) {
        const char16_t c = ch.unicode();
        if (c < u'A' || c > u'X') {
            formula.append(ch);
            continue;
        }
        const size_t k = size_t(c - u'A');
        if (!known[k]) {
            figures[k] = UserSisuVariable(e, ch, raceNo, wakuNo);
            known[k] = true;
        }
        formula.append(figures[k]);
    }
    return formula;
}

UserSisuValues CalcUserSisu(const Engine& e, const UserSisuSet& set, int raceNo)
{
    UserSisuValues values{};
    const UserSisuDef* def = activeDef(set);
    if (!def || def->Equation.trimmed().isEmpty())
        return values;
    if (raceNo < 1 || raceNo > 12)
        RaiseError(ErrIndexOutOfRange);
    for (int w = 1; w <= 6; ++w) {
        QString result;
        if (mDirectCalculate::Calculate(UserSisuFormula(e, def->Equation, raceNo, w), result) != 0)
            continue;
        bool ok = false;
        const double v = result.toDouble(&ok);
        // A value a single cannot hold counts as a failed evaluation.
        if (ok && std::isfinite(v) && std::fabs(v) <= double(std::numeric_limits<float>::max()))
            values[size_t(w)] = float(v);
    }
    return values;
}

std::array<int, 7> UserSisuOrder(const Engine& e, const UserSisuDef& def, const UserSisuValues& values)
{
    // The tie term: a small multiple of the frame or of the predicted course.
    FrameValues keys{};
    std::array<int, 7> tie{};
    for (int w = 1; w <= 6; ++w) {
        tie[size_t(w)] = def.EqualType != 0 ? e.st.ExpectCourse[size_t(w)] : w;
        keys[size_t(w)] = float(double(values[size_t(w)]) - tie[size_t(w)] / 10000.0);
    }
    FrameRanks rank{}, item{};
    RankSort(keys, def.Ascending, rank, item);

    std::array<bool, 7> seen{};
    bool permutation = true;
    for (int k = 1; k <= 6; ++k) {
        const int f = item[size_t(k)];
        if (f < 1 || f > 6 || seen[size_t(f)]) {
            permutation = false;
            break;
        }
        seen[size_t(f)] = true;
    }
    if (permutation)
        return item;

    // Keys the tie term could not separate (large values, equal courses): the same order with
    // the tie settled the way the term would have settled it, then by frame.
    std::array<int, 7> order{0, 1, 2, 3, 4, 5, 6};
    std::stable_sort(order.begin() + 1, order.end(), [&](int a, int b) {
        const float ka = keys[size_t(a)], kb = keys[size_t(b)];
        if (ka != kb)
            return def.Ascending ? ka < kb : ka > kb;
        const int ta = tie[size_t(a)], tb = tie[size_t(b)];
        if (ta != tb)
            return def.Ascending ? ta > tb : ta < tb;
        return def.Ascending ? a > b : a < b;
    });
    return order;
}

UserSisuBets MakeUserBets(const Engine& e, const UserSisuSet& set, const UserSisuValues& values)
{
    UserSisuBets bets;
    const UserSisuDef* def = activeDef(set);
    if (!def)
        return bets;
    const std::array<int, 7> order = UserSisuOrder(e, *def, values);
    int n = 0;
    for (int s = 1; s <= 6; ++s) {
        const int v = def->Vote[size_t(s)];
        if (v <= 0 || v >= set.RankPairs.size())
            continue;
        const QString pair = set.RankPairs.at(v);
        if (pair.isEmpty())
            continue;
        const int a = pair.front().digitValue();
        const int b = pair.back().digitValue();
        if (a < 1 || a > 6 || b < 1 || b > 6)
            continue;
        bets[size_t(++n)] = QString::number(order[size_t(a)]) + QLatin1Char('-') + QString::number(order[size_t(b)]);
    }
    return bets;
}

void ShowUserSisu(Engine& e, const UserSisuSet& set, int raceNo)
{
    mdiMainState& card = e.raceCard;
    try {
        const UserSisuDef* def = activeDef(set);
        if (!def) {
            for (int row = 1; row <= 6; ++row)
                card.flexSensyu.CellValue(row, kUserSisuCol, QString());
            for (UserBetLine& line : card.userBets) {
                line.lblUserFunaken.Caption.clear();
                line.lblUserFunaken2.Caption.clear();
                line.lblUserOdds.Caption.clear();
                line.lblUserFunaken.Visible = false;
                line.lblUserFunaken2.Visible = false;
                line.lblUserOdds.Visible = false;
                line.lblSep1.Visible = false;
                line.lblUserHit.Visible = false;
            }
            e.ui.SetStatusText(2, QStringLiteral("ﾕｰｻﾞｰ指数：未設定"));
            return;
        }

        const UserSisuValues values = CalcUserSisu(e, set, raceNo);
        for (int w = 1; w <= 6; ++w)
            card.flexSensyu.CellValue(w, kUserSisuCol, valueText(values[size_t(w)], def->Format));
        card.flexSensyu.Refresh(false);

        const UserSisuBets bets = MakeUserBets(e, set, values);
        for (UserBetLine& line : card.userBets)
            line.lblUserHit.Visible = false;

        // The hit check needs the results of this very day and a race that was run.
        bool checkHits = false;
        int f1 = 0, f2 = 0, betType = 0;
        if (raceNo >= 1 && raceNo <= 12 && e.Kekka.RaceDate() == e.Bangumi.RaceDate()
            && e.Kekka.Finish(raceNo) != QStringLiteral("レース不成立")) {
            checkHits = true;
            f1 = e.Kekka.ResultToWaku(raceNo, 1);
            f2 = e.Kekka.ResultToWaku(raceNo, 2);
            betType = card.sbStatusBar[4].contains(QStringLiteral("＝")) ? 2 : e.Bangumi.VoteType(raceNo);
        }

        int hitLine = 0;
        for (int d = 1; d <= 6; ++d) {
            UserBetLine& line = card.userBets[size_t(d - 1)];
            line.lblUserFunaken.Visible = false;
            line.lblUserFunaken2.Visible = false;
            line.lblSep1.Visible = false;
            line.lblUserOdds.Visible = false;
            const QString& bet = bets[size_t(d)];
            const QString xs = Mid(bet, 1, 1), ys = Mid(bet, 3, 1);
            if (!IsNumeric(xs) || !IsNumeric(ys))
                continue;
            const int x = xs.toInt(), y = ys.toInt();
            line.lblUserFunaken.Caption = xs;
            line.lblUserFunaken.ForeColor = BoatColor(x, false);
            line.lblUserFunaken.BackColor = BoatColor(x, true);
            line.lblUserFunaken2.Caption = ys;
            line.lblUserFunaken2.ForeColor = BoatColor(y, false);
            line.lblUserFunaken2.BackColor = BoatColor(y, true);
            line.lblUserFunaken.Visible = true;
            line.lblUserFunaken2.Visible = true;
            line.lblSep1.Visible = true;
            if (checkHits && BetMatch(x, y, f1, f2, betType))
                hitLine = d; // the last hitting line keeps the mark
        }
        if (hitLine > 0)
            card.userBets[size_t(hitLine - 1)].lblUserHit.Visible = true;

        e.ui.SetStatusText(2, def->Name);
    } catch (const QvError& err) {
        ShowEngineError(e, err.description());
    } catch (const std::exception&) {
        ShowEngineError(e, ErrorDescription(0));
    }
}

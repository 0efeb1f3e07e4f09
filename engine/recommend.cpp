#include "engine/recommend.h"

#include "common/errors.h"
#include "common/format.h"
#include "common/kyotei.h"
#include "common/strutil.h"
#include "engine/engine.h"
#include "engine/forecastdata.h"
#include "engine/marks.h"

#include <cfloat>
#include <cmath>
#include <initializer_list>

namespace {

const QString kRaceVoid = QStringLiteral("レース不成立");

bool isFrame(int f) { return f >= 1 && f <= 6; }

// Frames joined by a half-width "-", digits full-width for the main bets.
QString betText(std::initializer_list<int> frames, bool wide)
{
    QString out;
    for (int f : frames) {
        if (!out.isEmpty())
            out += QLatin1Char('-');
        const QString digit = QString::number(f);
        out += wide ? StrWide(digit) : digit;
    }
    return out;
}

// Empties rows 1.. of a bets grid in black and writes the two bet columns; one redraw.
void fillGrid(cGrid& g, const QStringList& col0, const QStringList& col2)
{
    const bool drawing = g.RefreshFlg();
    g.RefreshFlg(false);
    for (int row = 1; row <= g.MaxRow(); ++row)
        for (int col = 0; col <= g.MaxCol(); ++col) {
            g.CellValue(row, col, QString());
            g.CellForeColor(row, col, 0x000000);
        }
    for (int i = 0; i < col0.size() && i + 1 <= g.MaxRow(); ++i)
        g.CellValue(i + 1, 0, col0[i]);
    for (int i = 0; i < col2.size() && i + 1 <= g.MaxRow(); ++i)
        g.CellValue(i + 1, 2, col2[i]);
    g.RefreshFlg(drawing);
    g.Refresh(false);
}

// The frame ranked first by a raw rate: of several frames sharing the best rate the
// highest-numbered one (the tie rule of RankSort).
int bestBy(Engine& e, int raceNo, float (cBangumiFile::*rate)(int, int) const)
{
    FrameValues v{};
    for (int f = 1; f <= 6; ++f)
        v[size_t(f)] = (e.Bangumi.*rate)(raceNo, f);
    FrameRanks rank{}, item{};
    RankSort(v, false, rank, item);
    return item[1];
}

QString confidenceText(Engine& e, int raceNo)
{
    const int bestWin = bestBy(e, raceNo, &cBangumiFile::SensyuZenkokuSyoritu);
    const int best2 = bestBy(e, raceNo, &cBangumiFile::SensyuZenkokuFSyoritu);
    const int top = e.st.RecommendOrder[1];
    if (top != bestWin || top != best2 || !isFrame(top))
        return QString();
    float sum = 0;
    for (int f = 1; f <= 6; ++f)
        sum += e.st.RecommendProb[size_t(f)];
    if (sum == 0.0f)
        return QString(); // no data values, no share
    const float c = e.st.RecommendProb[size_t(top)] / sum * 100.0f;
    QString words;
    if (c >= 40.0f)
        words = QStringLiteral(" 信頼度 50%");
    else if (c >= 35.0f)
        words = QStringLiteral(" 信頼度 45%");
    else if (c >= 30.0f)
        words = QStringLiteral(" 信頼度 40%");
    else
        return QString();
    return CircledNumber(top) + words;
}

void resultTexts(Engine& e, int raceNo)
{
    auto& bar = e.raceCard.sbStatusBar;
    const cKekkaFile& k = e.Kekka;
    bar[2] = QStringLiteral("進入： ") + k.SinnyuStyle(raceNo) + QStringLiteral("  返還： ");
    const QString finish = k.Finish(raceNo);
    if (finish != kRaceVoid) {
        bar[3] = finish;
        CheckResult(e, raceNo);
    } else {
        bar[3].clear();
    }
    for (int f = 1; f <= 6; ++f) {
        const QString order = k.Order(raceNo, f);
        if (order.contains(QLatin1Char('F')) || order.contains(QLatin1Char('L')))
            bar[2] += QString::number(f);
    }

    const int r1 = k.ResultToWaku(raceNo, 1);
    const int r2 = k.ResultToWaku(raceNo, 2);
    // A place that names no frame has no numeric order either.
    auto placed = [&](int f) { return isFrame(f) && IsNumeric(k.Order(raceNo, f)); };
    if ((r1 > 0 || r2 > 0) && placed(r1) && placed(r2)) {
        const QChar sep = k.DividendRensyoTansiki(raceNo) < 1 ? QLatin1Char('=') : QLatin1Char('-');
        bar[4] = QStringLiteral("結果：") + StrWide(QString::number(r1) + sep + QString::number(r2));
    } else {
        bar[4] = kRaceVoid;
    }

    if (bar[4] != kRaceVoid) {
        const int rentan = k.DividendRensyoTansiki(raceNo);
        const int renfuku = k.DividendRensyoFukusiki(raceNo);
        const int amount = (e.Bangumi.VoteType(raceNo) != 2 && rentan > 0) ? rentan : renfuku;
        bar[4] += QStringLiteral("  配当： ") + Format(double(amount), QStringLiteral("#,###,###円"));
    }
}

} // namespace

float MotorCorrected(Engine& e, float motorRate, int raceNo, int wakuNo)
{
    const QString t = e.Bangumi.Seiseki(raceNo, wakuNo);
    const int n = int(t.size());
    if (n == 0)
        return motorRate;
    int j = 0;
    for (QChar c : t)
        if (c == QLatin1Char('1') || c == QLatin1Char('2'))
            ++j;
    return float((20.0 * motorRate + j) / (n + 20));
}

bool RecommendRank(Engine& e, int raceNo)
{
    e.st.RecommendProb.fill(0.0f);
    e.st.RecommendOrder.fill(0);
    try {
        const cBangumiFile& b = e.Bangumi;
        std::array<float, 7> w{};
        for (int f = 1; f <= 6; ++f)
            w[size_t(f)] = b.SensyuZenkokuSyoritu(raceNo, f);
        std::array<int, 7> d{};
        if (!StrengthClasses(w, d))
            return false; // all six rates equal
        const int stadium = e.StadiumNumber();
        const bool fullWeight = b.Grade() == QStringLiteral("SG");
        FrameValues score{};
        for (int f = 1; f <= 6; ++f) {
            const int cls = d[size_t(f)];
            if (cls < 0 || cls >= ForecastDataTable::kClasses)
                return false;
            const float p = e.st.ForecastData.Value(f, cls, stadium); // error 9 without a table
            e.st.RecommendProb[size_t(f)] = p;
            const QString no = b.SensyuNo(raceNo, f);
            const int course = e.st.ExpectCourse[size_t(f)];
            const double s = (fullWeight ? double(p) : p / 2.0) - f / 1000.0
                             + MotorCorrected(e, b.MotorFSyoritu(raceNo, f), raceNo, f) + e.Sensyu.Ability(no)
                             + b.SensyuZenkokuFSyoritu(raceNo, f) + e.Sensyu.CourseFSyoritu(no, course)
                             + 10.0 * b.Tokutenritu(raceNo, f);
            if (!std::isfinite(s) || std::fabs(s) > double(FLT_MAX))
                RaiseError(ErrOverflow);
            score[size_t(f)] = float(s);
        }
        FrameRanks rank{}, item{};
        RankSort(score, false, rank, item);
        for (int k = 1; k <= 6; ++k)
            e.st.RecommendOrder[size_t(k)] = item[size_t(k)];
        return true;
    } catch (...) {
        return false;
    }
}

RecommendedBets RecommendBetsGet(const std::array<int, 7>& order)
{
    RecommendedBets bets;
    const int r1 = order[1], r2 = order[2], r3 = order[3], r4 = order[4];
    for (int a = 1; a <= 4; ++a) {
        if (!isFrame(order[size_t(a)]))
            return bets;
        for (int b = a + 1; b <= 4; ++b)
            if (order[size_t(a)] == order[size_t(b)])
                return bets;
    }
    const bool W = true, N = false;
    bets.Rentan2 = {betText({r1, r2}, W), betText({r2, r1}, W), betText({r1, r3}, W),
                    betText({r1, r4}, W), betText({r3, r1}, N), betText({r2, r3}, N)};
    bets.Rentan3 = {betText({r1, r2, r3}, W), betText({r1, r2, r4}, W), betText({r2, r1, r3}, W),
                    betText({r2, r1, r4}, W), betText({r1, r3, r2}, W), betText({r1, r3, r4}, W),
                    betText({r1, r4, r2}, W), betText({r1, r4, r3}, W), betText({r3, r1, r2}, N),
                    betText({r3, r1, r4}, N), betText({r2, r3, r1}, N), betText({r2, r3, r4}, N)};
    bets.Renfuku2 = {betText({r1, r2}, W), betText({r1, r3}, W), betText({r1, r4}, N), betText({r2, r3}, N)};
    bets.Renfuku3 = {betText({r1, r2, r3}, W), betText({r1, r2, r4}, W), betText({r1, r3, r4}, N),
                     betText({r2, r3, r4}, N)};
    return bets;
}

void DispFocus(Engine& e, int /*raceNo*/)
{
    try {
        e.focus.EnsureGrids();
        const RecommendedBets bets = RecommendBetsGet(e.st.RecommendOrder);
        fillGrid(e.focus.grdFocus, bets.Rentan2, bets.Rentan3);
        fillGrid(e.focus.grdFocus2, bets.Renfuku2, bets.Renfuku3);
    } catch (...) {
        // The grids keep what was written; the caller goes on.
    }
}

void CheckResult(Engine& e, int raceNo)
{
    try {
        e.focus.EnsureGrids();
        // The results list the boats without a placing after the finishers; such a boat is
        // no place (0), so a race with two finishers never hits a three-boat bet.
        auto place = [&](int n) {
            const int f = e.Kekka.ResultToWaku(raceNo, n);
            return QString::number(isFrame(f) && IsNumeric(e.Kekka.Order(raceNo, f)) ? f : 0);
        };
        const QString r1 = place(1), r2 = place(2), r3 = place(3);
        const QString two = r1 + QLatin1Char('-') + r2;
        const QString three = two + QLatin1Char('-') + r3;
        const ColorRef hit = mdiFocusState::kHitColor;

        cGrid& g = e.focus.grdFocus;
        for (int row = 1; row <= g.MaxRow(); ++row)
            if (StrNarrow(g.CellValue(row, 0)) == two)
                g.CellForeColor(row, 0, hit);
        for (int row = 1; row <= g.MaxRow(); ++row)
            if (StrNarrow(g.CellValue(row, 2)) == three)
                g.CellForeColor(row, 2, hit);

        cGrid& g2 = e.focus.grdFocus2;
        for (int row = 1; row <= g2.MaxRow(); ++row) {
            const QString t = StrNarrow(g2.CellValue(row, 0));
            if (t.contains(r1) && t.contains(r2))
                g2.CellForeColor(row, 0, hit);
        }
        for (int row = 1; row <= g2.MaxRow(); ++row) {
            const QString t = StrNarrow(g2.CellValue(row, 2));
            if (t.contains(r1) && t.contains(r2) && t.contains(r3))
                g2.CellForeColor(row, 2, hit);
        }
        g.Refresh(false);
        g2.Refresh(false);
    } catch (...) {
        // The hit check fails silently.
    }
}

void RecommendDisp(Engine& e, int raceNo)
{
    try {
        auto& bar = e.raceCard.sbStatusBar;
        bar[2].clear();
        bar[3].clear();
        bar[4].clear();

        RecommendRank(e, raceNo);

        const bool visible = !e.st.ReportInProgress;
        e.focus.Visible = visible;
        if (e.hooks)
            e.hooks->FocusWindowShown(visible);
        DispFocus(e, raceNo);

        // Every path below writes the panel; emptying it first keeps an error from leaving
        // the text of the previous race.
        e.focus.sbStatus.clear();
        e.focus.sbStatus = confidenceText(e, raceNo);

        const QString resultDate = e.Kekka.RaceDate();
        if (!resultDate.isEmpty() && resultDate == e.Bangumi.RaceDate())
            resultTexts(e, raceNo);
    } catch (...) {
        // Ends silently with what was written.
    }
}

#include "engine/resultdisp.h"

#include "common/format.h"
#include "common/strutil.h"
#include "engine/engine.h"

namespace {

constexpr int kRows = 6;

QString trimHalf(const QString& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// A payout row: written only when something was paid.
void payout(cGrid& g, int row, const QString& combination, qint64 amount, int rank, bool withRank)
{
    if (amount <= 0)
        return;
    g.CellValue(row, 1, combination);
    g.CellValue(row, 2, ResultAmountText(amount));
    if (withRank)
        g.CellValue(row, 3, QString::number(rank));
}

void fill(Engine& e, int raceNo)
{
    mdiResultState& w = e.result;
    const cKekkaFile& k = e.Kekka;

    // 1. Clear what the previous race may have left.
    for (int row = 1; row <= kRows; ++row)
        for (int col = 1; col <= 2; ++col)
            w.grdSlit.CellValue(row, col, QString());
    for (SlitBoat& boat : w.imgBoat)
        boat.Visible = false;
    for (cGrid& g : w.grdHaito)
        for (int row = 0; row < 5; ++row)
            for (int col = 1; col <= 3; ++col)
                g.CellValue(row, col, QString());

    // 2. Heading and weather.
    const std::array<QString, 4> parts = SplitRaceNoTitle(k.RaceNoTitle(raceNo));
    w.lblRaceTitle.Caption = parts[0];
    for (int col = 0; col < 3; ++col)
        w.grdWave.CellValue(1, col, parts[size_t(col) + 1]);

    // 3. No winner and no deciding move: the race was not run.
    if (k.ResultToWaku(raceNo, 1) == 0 && k.Finish(raceNo).isEmpty())
        w.lblRaceTitle.Caption = QString::number(raceNo) + QStringLiteral("R") + mdiResultState::kCancelled;

    // 4. Finishing order.
    cGrid& r = w.grdResult;
    for (int d = 1; d <= kRows; ++d) {
        const int f = k.ResultToWaku(raceNo, d);
        if (f == 0) {
            for (int col = 0; col < 4; ++col)
                r.CellValue(d, col, QString());
            r.CellBackColor(d, 1, mdiResultState::kResultBackColor);
            r.CellForeColor(d, 1, 0x000000);
            continue;
        }
        r.CellValue(d, 0, k.Order(raceNo, f));
        r.CellValue(d, 1, QString::number(f));
        r.CellBackColor(d, 1, mdiResultState::FrameBackColor(f));
        r.CellForeColor(d, 1, mdiResultState::FrameForeColor(f));
        r.CellValue(d, 2, e.Bangumi.SensyuName(raceNo, f));
        r.CellValue(d, 3, k.RaceTime(raceNo, f));
    }

    // 5. Start slit, by course.
    cGrid& s = w.grdSlit;
    const int L = w.picPool.L();
    for (int c = 1; c <= kRows; ++c) {
        const int f = k.CourseToWaku(raceNo, c);
        if (f < 1 || f > kRows)
            continue;
        const double timing = double(k.StartTiming(raceNo, f));
        const QString digits = Format(timing * 100.0, QStringLiteral("00"));
        const QString order = k.Order(raceNo, f);
        QString start;
        if (order.contains(QLatin1Char('F'))) {
            start = QStringLiteral("F") + digits;
        } else {
            start = QStringLiteral(".") + digits;
            if (IsNumeric(order) && CDbl(order) == 1.0)
                s.CellValue(c, 2, trimHalf(k.Finish(raceNo)));
        }
        s.CellValue(c, 1, start);

        // A later start stands further left of the line, a flying one on or beyond it.
        SlitBoat& boat = w.imgBoat[size_t(f)];
        boat.Top = (c - 1) * s.RowHeight(0) - 6;
        const double offset = 100.0 * timing;
        boat.Left = int(RoundHalfEven(IsNumeric(start) ? L - 40 - offset : L - 40 + offset));
        boat.Visible = true;
    }

    // 6. Payouts, combinations in finishing order.
    const QString w1 = QString::number(k.ResultToWaku(raceNo, 1));
    const QString w2 = QString::number(k.ResultToWaku(raceNo, 2));
    const QString w3 = QString::number(k.ResultToWaku(raceNo, 3));
    const QChar dash = QLatin1Char('-'), eq = QLatin1Char('=');
    cGrid& h1 = w.grdHaito[0];
    payout(h1, 0, w1, k.DividendTansyo(raceNo), 0, false);
    payout(h1, 1, w1, k.DividendFukusyo(raceNo, 0), 0, false);
    payout(h1, 2, w2, k.DividendFukusyo(raceNo, 1), 0, false);
    payout(h1, 3, w1 + dash + w2, k.DividendRensyoTansiki(raceNo), k.Dividend2RentanOrder(raceNo), true);
    payout(h1, 4, w1 + eq + w2, k.DividendRensyoFukusiki(raceNo), k.Dividend2RenfukuOrder(raceNo), true);
    cGrid& h2 = w.grdHaito[1];
    payout(h2, 0, w1 + dash + w2 + dash + w3, k.Dividend3RenTan(raceNo), k.Dividend3RentanOrder(raceNo), true);
    payout(h2, 1, w1 + eq + w2 + eq + w3, k.Dividend3Renfuku(raceNo), k.Dividend3RenfukuOrder(raceNo), true);
    const QString pairs[3] = {w1 + dash + w2, w1 + dash + w3, w2 + dash + w3};
    for (int i = 0; i < 3; ++i)
        payout(h2, 2 + i, pairs[i], k.DividendKakuRenFuku(raceNo, i), k.DividendKakuRenFukuOrder(raceNo, i), true);
}

} // namespace

void DispData(Engine& e, int raceNo)
{
    mdiResultState& w = e.result;
    if (!w.Loaded())
        w.Load();
    try {
        fill(e, raceNo);
    } catch (...) {
        // Silent by design: the window shows what could be filled.
    }
    for (cGrid* g : {&w.grdResult, &w.grdSlit, &w.grdHaito[0], &w.grdHaito[1], &w.grdWave})
        g->Refresh(false);
}

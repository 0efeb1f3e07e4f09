#include "engine/forecastodds.h"

#include "common/errors.h"
#include "engine/engine.h"
#include "engine/marks.h"
#include "common/checkedmath.h"

#include <cfloat>
#include <cmath>
#include <functional>

namespace {


} // namespace

std::array<float, 7> ForecastPoints(Engine& e, int raceNo)
{
    const cBangumiFile& b = e.Bangumi;
    const cSensyuFile& s = e.Sensyu;
    std::array<QString, 7> no;
    std::array<int, 7> course{};
    for (int f = 1; f <= 6; ++f) {
        no[size_t(f)] = b.SensyuNo(raceNo, f);
        course[size_t(f)] = e.st.ExpectCourse[size_t(f)];
        if (course[size_t(f)] < 1 || course[size_t(f)] > 6)
            RaiseError(ErrIndexOutOfRange);
    }

    std::array<float, 7> P{};
    for (int f = 1; f <= 6; ++f)
        P[size_t(f)] = ToSingle(72.0 / f);

    // Each indicator ranks the six boats (the tie term favours the lower frame) and gives
    // 36 / rank points, times `weight`.
    auto indicator = [&](const std::function<double(int)>& value, double weight) {
        FrameValues v{};
        for (int f = 1; f <= 6; ++f)
            v[size_t(f)] = ToSingle(value(f) - f / 1000.0);
        FrameRanks rank{}, item{};
        RankSort(v, false, rank, item);
        for (int f = 1; f <= 6; ++f)
            P[size_t(f)] = ToSingle(P[size_t(f)] + CheckedDivide(36.0, rank[size_t(f)]) * weight);
    };
    indicator([&](int f) { return b.SensyuZenkokuSyoritu(raceNo, f); }, 1);
    indicator([&](int f) { return b.SensyuZenkokuFSyoritu(raceNo, f); }, 1);
    indicator([&](int f) { return b.SensyuTochiSyoritu(raceNo, f); }, 1);
    indicator([&](int f) { return b.SensyuTochiFSyoritu(raceNo, f); }, 1);
    indicator([&](int f) { return b.MotorFSyoritu(raceNo, f); }, 1);
    if (b.TotalDay() >= 2) // the meeting points count from the second day
        indicator([&](int f) { return b.Tokutenritu(raceNo, f); }, b.TotalDay());
    indicator([&](int f) { return s.Syoritu(no[size_t(f)]); }, 1);
    indicator([&](int f) { return s.FSyoritu(no[size_t(f)]); }, 1);
    indicator([&](int f) { return s.Ability(no[size_t(f)]); }, 1);
    indicator([&](int f) { return s.OneFinishTimes(no[size_t(f)]); }, 1);
    indicator([&](int f) { return s.TwoFinishTimes(no[size_t(f)]); }, 1);
    indicator([&](int f) { return e.st.KDataCourse[size_t(course[size_t(f)])][1]; }, 1);
    indicator([&](int f) { return e.st.KDataCourse[size_t(course[size_t(f)])][2]; }, 1);

    const QString a1 = QStringLiteral("A1");
    for (int f = 1; f <= 6; ++f) {
        const QString& r = no[size_t(f)];
        double bonus = 0;
        if (b.SensyuZenkokuSyoritu(raceNo, f) > 7)
            bonus += 30;
        if (b.MotorFSyoritu(raceNo, f) > 49)
            bonus += 30;
        if (s.Ability(r) > 70)
            bonus += 30;
        if (s.Class(r) == a1 && s.ClassOld1(r) == a1 && s.ClassOld2(r) == a1)
            bonus += 30;
        if (s.Sex(r) == 2)
            bonus -= 24;
        if (b.SensyuZenkokuFSyoritu(raceNo, f) < 21)
            bonus -= 24;
        const QString seiseki = b.Seiseki(raceNo, f);
        if (seiseki.contains(QLatin1Char('F')))
            bonus -= 24;
        if (seiseki.contains(QLatin1Char('L')))
            bonus -= 24;
        P[size_t(f)] = ToSingle(P[size_t(f)] + bonus - f / 1000.0);
    }

    FrameRanks rank{}, item{};
    RankSort(P, false, rank, item);
    for (int f = 1; f <= 6; ++f) {
        switch (rank[size_t(f)]) {
        case 1: P[size_t(f)] = ToSingle(P[size_t(f)] * 2.2); break;
        case 2: P[size_t(f)] = ToSingle(P[size_t(f)] * 1.25); break;
        case 3: P[size_t(f)] = ToSingle(P[size_t(f)] * 1.11); break;
        default: break;
        }
    }
    return P;
}

void ForecastOddsFromPoints(const std::array<float, 7>& P, ForecastOddsTable& odds)
{
    for (auto& row : odds)
        row.fill(0.0f);
    // Sums in double are exact for six singles, so they do not depend on the order of adding:
    // two boats with equal shares get exactly equal odds.
    double S = 0;
    for (int f = 1; f <= 6; ++f)
        S += P[size_t(f)];
    std::array<float, 7> share{};
    double T = 0;
    for (int f = 1; f <= 6; ++f) {
        share[size_t(f)] = ToSingle(CheckedDivide(P[size_t(f)], S) * 100.0);
        T += share[size_t(f)];
    }
    const float total = ToSingle(T);
    for (int h = 1; h <= 6; ++h) {
        double R = 0;
        for (int k = 1; k <= 6; ++k)
            if (k != h)
                R += share[size_t(k)];
        const float rest = ToSingle(R);
        for (int j = 1; j <= 6; ++j) {
            if (j == h)
                continue;
            const double chance = CheckedDivide(double(share[size_t(h)]) * share[size_t(j)], rest);
            odds[size_t(h)][size_t(j)] = ToSingle(CheckedDivide(0.75 * total, chance));
        }
    }
}

void ForecastOddsCalc(Engine& e, int raceNo)
{
    for (auto& row : e.st.ForecastOdds)
        row.fill(0.0f);
    const std::array<float, 7> points = ForecastPoints(e, raceNo);
    ForecastOddsFromPoints(points, e.st.ForecastOdds);
}

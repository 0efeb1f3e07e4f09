// The user index display of one race (大村, 6 January 2024, race 1) with a formula of 32 tokens,
// the most the formula editor allows; and the evaluation alone.
#include "engine/engine.h"
#include "platform/programfolder.h"
#include "platform/ui.h"
#include "userindex/mUserSisu.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kData = QStringLiteral(QUORVEL_SOURCE_DIR "/tests/data/real/");
// 32 tokens; the sign after the first "(" makes the count even.
const QString kFormula =
    QStringLiteral("( - K + R ) * 100 + ( A + C ) * 2 - G / 10 + K * H + ( B - D ) / 3");

struct Race {
    QTemporaryDir tmp;
    ProgramFolder folder{tmp.path()};
    SilentUi ui;
    Engine e{folder, ui};
    UserSisuSet set;

    bool load()
    {
        e.raceCard.Load(0);
        const QString program = tmp.filePath(QStringLiteral("B240106.TXT"));
        if (!QFile::copy(kData + QStringLiteral("program/B240106.TXT"), program) || !e.Bangumi.FileConv(program)
            || !e.Bangumi.FileLoad(QStringLiteral("24"))
            || !e.Sensyu.FileLoad(kData + QStringLiteral("fan/fan2004.txt"), e.Bangumi.ParticipationSensyuNoAllGet())
            || !e.Kekka.FileLoad(QStringLiteral("24"), kData + QStringLiteral("results/K240106.TXT")))
            return false;
        e.st.ExpectCourse = {0, 1, 2, 3, 4, 5, 6};
        e.raceCard.sbStatusBar[4] = QStringLiteral("結果：１－２");
        InitRankPairs(set);
        UserSisuDef& d = set.defs[1];
        d.Defined = true;
        d.Name = QStringLiteral("ベンチ");
        d.Equation = kFormula;
        d.Format = QStringLiteral("##0.00");
        d.Vote = {0, 1, 2, 6, 7, 11, 30};
        set.ActiveUserSisu = 1;
        return kFormula.split(QLatin1Char(' ')).size() == 32;
    }
};

void BM_ShowUserSisu(benchmark::State& state)
{
    Race r;
    if (!r.load()) {
        state.SkipWithError("race not loaded");
        return;
    }
    for (auto _ : state)
        ShowUserSisu(r.e, r.set, 1);
    if (r.ui.messages != 0 || r.e.raceCard.flexSensyu.CellValue(1, 22).isEmpty())
        state.SkipWithError("the index was not shown");
}
BENCHMARK(BM_ShowUserSisu)->Unit(benchmark::kMicrosecond);

void BM_CalcUserSisu(benchmark::State& state)
{
    Race r;
    if (!r.load()) {
        state.SkipWithError("race not loaded");
        return;
    }
    for (auto _ : state) {
        UserSisuValues v = CalcUserSisu(r.e, r.set, 1);
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_CalcUserSisu)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

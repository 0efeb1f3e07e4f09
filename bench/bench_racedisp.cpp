// The full refresh of every race of a whole real day: every racing stadium of 3 January 2024
// loaded with its racers, course figures and forecast data, then RaceDisp of races 1..12.
#include "app/selection.h"
#include "engine/engine.h"
#include "engine/racedisp.h"
#include "platform/programfolder.h"
#include "platform/ui.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

const QString kSource = QStringLiteral(QUORVEL_SOURCE_DIR);

void BM_RaceDispWholeDay(benchmark::State& state)
{
    QTemporaryDir tmp;
    QFile::copy(kSource + QStringLiteral("/tests/data/real/fan/fan2004.txt"), tmp.filePath(QStringLiteral("SENSYU.QVL")));
    QFile::copy(kSource + QStringLiteral("/demo/VDATA.QVL"), tmp.filePath(QStringLiteral("VDATA.QVL")));
    QFile::copy(kSource + QStringLiteral("/demo/KDATA.QVL"), tmp.filePath(QStringLiteral("KDATA.QVL")));
    ProgramFolder folder(tmp.path());
    SilentUi ui;
    {
        Engine conv(folder, ui);
        if (!conv.Bangumi.FileConv(kSource + QStringLiteral("/tests/data/real/program/B240103.TXT"))) {
            state.SkipWithError("program does not convert");
            return;
        }
    }
    std::vector<std::unique_ptr<Engine>> engines;
    for (int code = 1; code <= 24; ++code) {
        auto e = std::make_unique<Engine>(folder, ui);
        e->raceCard.Load(0);
        e->focus.EnsureGrids();
        e->st.ForecastDataVersion = ForecastDataLoad(QString(), e->st.ForecastData, folder, ui);
        if (LoadStadium(*e, code, tmp.path()) && e->Bangumi.RaceNumbers() > 0)
            engines.push_back(std::move(e));
    }
    int races = 0;
    for (auto _ : state) {
        races = 0;
        for (auto& e : engines)
            for (int r = 1; r <= e->Bangumi.RaceNumbers(); ++r) {
                e->SelectedRaceNo = r;
                RaceDisp(*e, r);
                ++races;
            }
    }
    state.counters["stadiums"] = double(engines.size());
    state.counters["races"] = races;
    state.counters["per_race_us"] =
        benchmark::Counter(double(races) * double(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RaceDispWholeDay)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

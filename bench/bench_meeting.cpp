// Meeting statistics of day 6 of 大村 (24) with its five earlier results files already in
// "Temp", as every later stadium load of the meeting finds them.
#include "app/meetingstats.h"
#include "engine/engine.h"
#include "platform/programfolder.h"
#include "platform/ui.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kReal = QStringLiteral(QUORVEL_SOURCE_DIR "/tests/data/real/");

void BM_CollectMeetingStatsDay6(benchmark::State& state)
{
    QTemporaryDir tmp;
    const QString root = tmp.path() + QStringLiteral("/prog");
    const QString files = tmp.path() + QStringLiteral("/files");
    QDir().mkpath(root + QStringLiteral("/Temp"));
    QDir().mkpath(files);
    for (int d = 1; d <= 5; ++d)
        QFile::copy(kReal + QStringLiteral("results/K24010%1.TXT").arg(d), root + QStringLiteral("/Temp/k24010%1.txt").arg(d));
    const QString program = tmp.path() + QStringLiteral("/B240106.TXT");
    QFile::copy(kReal + QStringLiteral("program/B240106.TXT"), program);

    ProgramFolder folder(root);
    SilentUi ui;
    Engine e(folder, ui);
    if (!e.Bangumi.FileConv(program) || !e.Bangumi.FileLoad(QStringLiteral("24"))) {
        state.SkipWithError("cannot load the day-6 program");
        return;
    }
    for (auto _ : state) {
        CollectMeetingStats(e, 24, files);
        benchmark::DoNotOptimize(e.Meeting.MeetingAverages(1).StartTiming);
    }
    int races = 0;
    for (int j = 1; j <= e.Meeting.Racers(); ++j)
        for (int k = 1; k <= e.Meeting.Days(); ++k)
            races += int(!e.Meeting.MeetingRecords(j, k).Order1.isEmpty()) + int(!e.Meeting.MeetingRecords(j, k).Order2.isEmpty());
    if (races == 0)
        state.SkipWithError("no records collected");
    state.counters["racers"] = double(e.Meeting.Racers());
    state.counters["races"] = double(races);
}
BENCHMARK(BM_CollectMeetingStatsDay6)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

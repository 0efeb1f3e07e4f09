// A whole day's race program: conversion, the stadium table and the load of every racing
// stadium, beside the bare read and decode of the same file.
#include "common/cp932.h"
#include "datafiles/bangumifile.h"
#include "platform/fileio.h"
#include "platform/programfolder.h"
#include "platform/ui.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QString kDay = QStringLiteral(QUORVEL_SOURCE_DIR "/tests/data/real/program/B240103.TXT");

void BM_ReadAndDecode(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray bytes;
        if (!ReadFileBytes(kDay, &bytes)) {
            state.SkipWithError("missing B240103.TXT");
            return;
        }
        const QStringList lines = DecodeLines(bytes);
        benchmark::DoNotOptimize(lines.size());
    }
}
BENCHMARK(BM_ReadAndDecode)->Unit(benchmark::kMillisecond);

void BM_WholeDayProgram(benchmark::State& state)
{
    QTemporaryDir dir;
    ProgramFolder folder(dir.path());
    SilentUi ui;
    cBangumiFile bangumi(folder, ui);
    int stadiums = 0;
    for (auto _ : state) {
        if (!bangumi.FileConv(kDay)) {
            state.SkipWithError("FileConv failed");
            return;
        }
        KaisaiTable table;
        bangumi.KaisaiCheck(table);
        stadiums = 0;
        for (int c = 1; c <= 24; ++c) {
            if (table[size_t(c)].isEmpty())
                continue;
            bangumi.FileLoad(QString::number(c).rightJustified(2, QLatin1Char('0')));
            benchmark::DoNotOptimize(bangumi.ParticipationNumbers());
            ++stadiums;
        }
    }
    if (ui.messages != 0)
        state.SkipWithError("a load showed a message");
    state.counters["stadiums"] = stadiums;
}
BENCHMARK(BM_WholeDayProgram)->Unit(benchmark::kMillisecond);

// The three steps one by one, to see where the time goes.
void BM_Step(benchmark::State& state)
{
    QTemporaryDir dir;
    ProgramFolder folder(dir.path());
    SilentUi ui;
    cBangumiFile bangumi(folder, ui);
    bangumi.FileConv(kDay);
    KaisaiTable table;
    bangumi.KaisaiCheck(table);
    for (auto _ : state) {
        switch (state.range(0)) {
        case 0:
            bangumi.FileConv(kDay);
            break;
        case 1: {
            KaisaiTable t;
            bangumi.KaisaiCheck(t);
            break;
        }
        default:
            for (int c = 1; c <= 24; ++c)
                if (!table[size_t(c)].isEmpty())
                    bangumi.FileLoad(QString::number(c).rightJustified(2, QLatin1Char('0')));
        }
    }
    state.SetLabel(state.range(0) == 0 ? "FileConv" : state.range(0) == 1 ? "KaisaiCheck" : "FileLoad x19");
}
BENCHMARK(BM_Step)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

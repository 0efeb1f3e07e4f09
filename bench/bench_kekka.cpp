// Loading every stadium of the largest results file, against only reading and decoding it.
#include "common/cp932.h"
#include "datafiles/kekkafile.h"
#include "platform/fileio.h"
#include "platform/ui.h"

#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

const QString kFile = QStringLiteral(QUORVEL_SOURCE_DIR "/tests/data/real/results/K240103.TXT");

QStringList StadiumCodes()
{
    QByteArray bytes;
    ReadFileBytes(kFile, &bytes);
    QStringList codes;
    for (const QString& line : DecodeLines(bytes)) {
        const QString t = line.trimmed();
        if (t.size() == 6 && t.endsWith(QStringLiteral("KBGN")))
            codes << t.left(2);
    }
    return codes;
}

void BM_ReadAndDecode(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray bytes;
        if (!ReadFileBytes(kFile, &bytes))
            state.SkipWithError("cannot read K240103.TXT");
        QStringList lines = DecodeLines(bytes);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_ReadAndDecode)->Unit(benchmark::kMicrosecond);

void BM_LoadEveryStadium(benchmark::State& state)
{
    const QStringList codes = StadiumCodes();
    SilentUi ui;
    cKekkaFile k(ui);
    for (auto _ : state) {
        int races = 0;
        for (const QString& code : codes) {
            if (!k.FileLoad(code, kFile, true))
                state.SkipWithError("a stadium failed to load");
            races += k.RaceNumbers();
        }
        benchmark::DoNotOptimize(races);
    }
    state.counters["stadiums"] = double(codes.size());
}
BENCHMARK(BM_LoadEveryStadium)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

// Racer file load against reading and decoding the same file.
#include "common/cp932.h"
#include "datafiles/sensyufile.h"
#include "platform/fileio.h"
#include "platform/ui.h"

#include <benchmark/benchmark.h>

#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>

namespace {

QString DataPath(const char* relative)
{
    return QStringLiteral(QUORVEL_SOURCE_DIR "/tests/data/real/") + QLatin1String(relative);
}

const QString kFanFile = DataPath("fan/fan2004.txt");

// The distinct racers of 大村 (24) in the program of 1 January 2024, ascending.
QStringList StadiumRacers()
{
    QByteArray bytes;
    if (!ReadFileBytes(DataPath("program/B240101.TXT"), &bytes))
        std::abort();
    const QStringList lines = DecodeLines(bytes);
    const QRegularExpression entry(QStringLiteral("^[1-6] (\\d{4})"));
    QStringList numbers;
    bool inBlock = false;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("24BBGN")))
            inBlock = true;
        else if (line.startsWith(QLatin1String("24BEND")))
            break;
        else if (inBlock) {
            const auto m = entry.match(line);
            if (m.hasMatch())
                numbers.append(m.captured(1));
        }
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

void BM_Baseline_ReadAndDecode(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray bytes;
        if (!ReadFileBytes(kFanFile, &bytes))
            std::abort();
        QString text = Cp932ToText(bytes);
        benchmark::DoNotOptimize(text.constData());
    }
}
BENCHMARK(BM_Baseline_ReadAndDecode)->Unit(benchmark::kMicrosecond);

void BM_FileLoad_StadiumRacers(benchmark::State& state)
{
    const QStringList numbers = StadiumRacers();
    SilentUi ui;
    cSensyuFile s(ui);
    for (auto _ : state) {
        if (!s.FileLoad(kFanFile, numbers))
            std::abort();
        benchmark::DoNotOptimize(s.SensyuCount());
    }
    state.counters["racers"] = double(numbers.size());
}
BENCHMARK(BM_FileLoad_StadiumRacers)->Unit(benchmark::kMicrosecond);

void BM_FileLoad_EveryRecord(benchmark::State& state)
{
    SilentUi ui;
    cSensyuFile s(ui);
    for (auto _ : state) {
        if (!s.FileLoadAll(kFanFile))
            std::abort();
        benchmark::DoNotOptimize(s.SensyuCount());
    }
    state.counters["records"] = double(s.SensyuCount());
}
BENCHMARK(BM_FileLoad_EveryRecord)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

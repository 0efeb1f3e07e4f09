// The desktop program as the user meets it (offscreen): start-up of the demo folder until race
// 1 is fully shown, switching the race with every window open, switching the stadium, and the
// resident memory afterwards.
#include "app/appcontext.h"
#include "app/mainwindowmodel.h"
#include "app/qt/frmMain.h"
#include "app/qt/startup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

const QString kDemo = QStringLiteral(QUORVEL_SOURCE_DIR "/demo");

struct DemoCopy {
    DemoCopy()
    {
        for (const QString& name : QDir(kDemo).entryList(QDir::Files))
            QFile::copy(kDemo + QLatin1Char('/') + name, tmp.filePath(QStringLiteral("demo/") + name));
    }
    QTemporaryDir tmp;
    bool made = QDir().mkpath(tmp.filePath(QStringLiteral("demo")));
    QString folder() const { return tmp.filePath(QStringLiteral("demo")); }
    QString settings() const
    {
        const QString path = tmp.filePath(QStringLiteral("Quorvel6.ini"));
        QFile f(path);
        if (!f.exists() && f.open(QIODevice::WriteOnly))
            f.write("[Startup]\nLoad=True\nKyoteijyoCode=24\n");
        return path;
    }
};

std::unique_ptr<QuorvelSession> start(const DemoCopy& demo)
{
    StartupOptions options;
    options.splash = false;
    options.scriptedUi = true;
    auto session = StartQuorvel(demo.folder(), demo.settings(), options);
    QApplication::processEvents();
    return session;
}

double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void BM_StartupToRace1(benchmark::State& state)
{
    DemoCopy demo;
    for (auto _ : state) {
        auto session = start(demo);
        if (!session->window || session->window->model().SelectedRaceNo() != 1)
            state.SkipWithError("race 1 is not shown");
        state.PauseTiming();
        session.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToRace1)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RaceSwitch(benchmark::State& state)
{
    DemoCopy demo;
    auto session = start(demo);
    MainWindowModel& model = session->window->model();
    int index = 0;
    for (auto _ : state) {
        index = (index + 1) % 12;
        model.SelectRace(index);
        QApplication::processEvents();
    }
    state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(BM_RaceSwitch)->Unit(benchmark::kMillisecond);

void BM_StadiumSwitch(benchmark::State& state)
{
    DemoCopy demo;
    auto session = start(demo);
    MainWindowModel& model = session->window->model();
    const int stadiums[] = {24, 1, 12, 22}; // all race on 6 January 2024
    int i = 0;
    for (auto _ : state) {
        i = (i + 1) % 4;
        model.SelectStadium(stadiums[i] - 1);
        QApplication::processEvents();
    }
    state.counters["rss_MB"] = residentMegabytes();
}
BENCHMARK(BM_StadiumSwitch)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

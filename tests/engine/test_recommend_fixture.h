#pragma once
// Helpers of the marks, recommendation and forecast odds tests: an engine in a temporary
// program folder, loading of real days, and small hand-made race programs.
#include "engine/engine.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <QVector>

#include <memory>

namespace rectest {

// One entry line of a hand-made race program.
struct EntrySpec {
    QString no = QStringLiteral("9991"); // registration number (not in fan2004: racer file reads 0)
    QString cls = QStringLiteral("B1");
    float zen = 5.00f;    // national win rate
    float zenF = 30.00f;  // national top-two rate
    float tochi = 5.00f;  // win rate here
    float tochiF = 30.00f;
    float motorF = 35.00f;
    float boatF = 30.00f;
    QString seiseki = QStringLiteral("            "); // 12 characters; null: the line ends before it
};

struct ProgramSpec {
    QString code = QStringLiteral("24");
    QString longTitle = QStringLiteral("テスト大村カップ");
    int totalDay = 3;
    int year = 2024, month = 1, day = 6;
    // Race lines as written after the race number; "連複" in it makes vote type 2.
    QString raceTail = QStringLiteral("  一般　　　　          Ｈ１８００ｍ  電話投票締切予定１７：４１ ");
    QVector<QVector<EntrySpec>> races; // 6 entries each
};

// The program text of one stadium block (CP932, CR LF).
QByteArray ProgramText(const ProgramSpec& spec);

struct TestEngine {
    TestEngine();
    QTemporaryDir tmp;
    ProgramFolder folder;
    RecordingUi ui;
    std::unique_ptr<Engine> engine;
    Engine& e() { return *engine; }

    // Converts and loads a program file and its racers from fan2004; false on any failure.
    bool LoadProgram(const QString& programPath, const QString& code);
    bool LoadHandMade(const ProgramSpec& spec);
    bool LoadResults(const QString& code, const QString& resultsPath);
};

// Predicted entry: frame f in course f.
void FramesInOwnCourses(Engine& e);
// Forecast data of stadium `stadium`: value(f, cls) = cls / 2 + (7 - f); other stadiums 0.
void FillForecastData(Engine& e, int stadium);

} // namespace rectest

#pragma once
// The start-up chain of the desktop program: splash, global initialisation, main window.
#include "app/qt/frmSplash.h"

#include <QString>
#include <memory>

class AppContext;
class SettingsStore;
class QtUi;
class frmMain;

// Where the program keeps its files: $QUORVEL_PROGRAM_FOLDER when set, else the default
// program folder; and its settings: $QUORVEL_SETTINGS when set, else the per-user file.
QString StartupProgramFolder();
QString StartupSettingsPath();

struct StartupOptions {
    bool splash = true;
    SplashTimings splashTimings;
    bool scriptedUi = false; // tests: messages are recorded, not shown
};

// Everything the running program owns, in the order it must be torn down.
struct QuorvelSession {
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<QtUi> ui;
    std::unique_ptr<AppContext> app;
    std::unique_ptr<frmMain> window;
    QuorvelSession();
    ~QuorvelSession();
};

// Runs the splash (unless switched off), the global initialisation with the settings store and
// the main window load. The window is shown when it returns; null session window on failure.
std::unique_ptr<QuorvelSession> StartQuorvel(const QString& programFolder, const QString& settingsPath,
                                             const StartupOptions& options = {});

#pragma once
// One application context: the program folder, the engine with its models and window state,
// the user index definitions and the display settings. The desktop program owns one; tests and
// the command-line front end build as many as they like.
#include "engine/engine.h"
#include "platform/programfolder.h"
#include "userindex/mUserSisu.h"

class SettingsStore;

struct DisplaySettings {
    int DispStyle = 0;
    int FocusPos = 1;
    bool StartupLoad = true;
    bool DeletePrintDir = true;
    bool DeletePrintDirNoMessage = false;
};

class AppContext : public EngineHooks {
public:
    AppContext(const QString& programFolder, UserInterface& ui, SurfaceFactory surfaces = HeadlessSurfaceFactory());

    // The start-up's global initialisation and forecast data load: "Temp" and "Print" created,
    // the user index definitions read, the display settings read (defaults without a store),
    // "VDATA.QVL" loaded when present.
    void Initialise(const SettingsStore* settings);

    ProgramFolder folder;
    Engine engine;
    UserSisuSet userSisu;
    DisplaySettings display;

    // The windows that answer the refresh's calls (the desktop program sets it).
    EngineHooks* windows = nullptr;

    // EngineHooks: the user index display of the refresh; the rest goes to the windows.
    void ShowUserSisu(int raceNo) override;
    void CloseCommentWindow() override;
    void ShowCompanionWindows(int raceNo) override;
    void ShowResultWindow(int raceNo) override;
    void FocusWindowShown(bool visible) override;
};

// Reads the display settings from the store, defaults for anything missing or mistyped.
DisplaySettings ReadDisplaySettings(const SettingsStore& settings);

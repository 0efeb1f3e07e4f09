#pragma once
// The main window's selection and commands over the application context: opening a program
// file, listing and loading stadiums, choosing races, the command enabling and the user index
// menu. The frame (Qt, or a test) answers the few things only a window can do through
// MainWindowHost and renders `state`.
#include "app/mainwindowstate.h"

#include <QString>

class AppContext;
class SettingsStore;

class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    // The state changed: enabling, labels, race list, stadium items, user index menu.
    virtual void StateChanged() {}
    // Close the per-race windows (race card, bets, result, lists, odds, records, stadium data);
    // the per-stadium racer list only when `bangumiList`.
    virtual void CloseRaceWindows(bool bangumiList) {}
    virtual void DropDownStadiumMenu() {}
    virtual void CloseStadiumMenu() {}
    // The race card window exists (created but not necessarily shown) before a race is shown.
    virtual void PrepareRaceCard() {}
    virtual void ShowRaceCard() {}
    // A full refresh ended: the windows render what it wrote.
    virtual void RaceRefreshed() {}
    virtual void SetBusy(bool busy) {}
    virtual void Beep() {}
};

class MainWindowModel {
public:
    MainWindowModel(AppContext& app, SettingsStore& settings, MainWindowHost& host);

    MainWindowState state;

    // Settings-derived facts of the window load.
    QString BangumiFolder;
    bool LzhAvailable = false;
    bool SensyuUpdateEnabled = false;
    bool DownloaderPresent = false;

    // Command enabling.
    void EnableStadiumChoice(bool flag);
    void EnableRaceCommands(bool flag);
    bool MenuEnabled(MainMenu menu) const;
    bool CommandEnabled(const QString& name) const;
    bool CommandVisible(const QString& name) const;
    bool CommandChecked(const QString& name) const;
    bool ToolButtonEnabled(const QString& key) const;
    bool ToolButtonVisible(const QString& key) const;
    bool ToolButtonPressed(const QString& key) const;
    bool NavigationEnabled() const { return state.raceCommandsEnabled; }

    // Selection.
    void OpenProgramFile(const QString& path);
    bool OpenLastProgramFile();
    bool SelectStadium(int index); // index 0..23
    void KyoteijyoCodeSelect(const QString& code);
    // Start-up: reload the working program file and the remembered stadium (errors ignored).
    void StartupReload();

    // The race list: select entry `index` and run the race choice.
    void SelectRace(int index);
    void RaceChoice();
    int SelectedRaceNo() const { return state.raceIndex + 1; }
    // The race navigation toolbar ("min", "down", "up", "max"); beeps at the ends.
    void Navigate(const QString& key);

    // Toggles.
    void SinnyuFixationCommand();
    void SetBarVisible(const QString& name, bool visible); // mnuToolBar, mnuStatusBar, mnuSelectBar
    void SetPreviousDay(bool checked);

    // User index menu.
    void UserSisuMenuRefresh();
    void ChooseUserSisu(int index);

    // Addresses of the web page commands.
    QString OddsPageAddress(bool java) const;

    // The folder of the last opened program file (where results archives are looked for).
    QString BangumiFileFolder() const;

private:
    void refreshRace(int raceNo);
    void changed();
    AppContext& app_;
    SettingsStore& settings_;
    MainWindowHost& host_;
};

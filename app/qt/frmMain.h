#pragma once
// The main window: the multi-document frame with the menus, the command toolbar, the race
// navigation toolbar with the race list, the stadium selection bar and the six-panel status
// bar. Decisions live in MainWindowModel; this class builds the widgets, renders the model's
// state and owns the child windows.
#include "app/mainwindowmodel.h"
#include "engine/engine.h"
#include "views/qt/mdiFocusWindow.h"
#include "views/qt/mdiMainWindow.h"
#include "views/qt/mdiResultWindow.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>

class AppContext;
class SettingsStore;
class QtUi;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;
class QTimer;

class frmMain : public QMainWindow, public MainWindowHost, public EngineHooks {
    Q_OBJECT
public:
    frmMain(AppContext& app, SettingsStore& settings, QtUi& ui, QWidget* parent = nullptr);
    ~frmMain() override;

    // The window load: placement, bars, menus, credentials, then the window is shown and the
    // last program reloaded when the start-up option says so; the clean-up on its days.
    void Load();

    MainWindowModel& model() { return model_; }

    // Operations of the window (the model's, re-rendered).
    void OpenProgramFile(const QString& path) { model_.OpenProgramFile(path); }
    bool OpenLastProgramFile() { return model_.OpenLastProgramFile(); }
    bool SelectStadium(int index) { return model_.SelectStadium(index); }
    void KyoteijyoCodeSelect(const QString& code) { model_.KyoteijyoCodeSelect(code); }
    void UserSisuMenuRefresh() { model_.UserSisuMenuRefresh(); }
    void Navigate(const QString& key) { model_.Navigate(key); }

    // What the window keeps from the load.
    int FormSizeMode = 0;
    QString DownloaderPath;
    QString InternetUserId, InternetPassword, AnsyoNo; // as stored, unscrambled later
    int SensyuCheckCounter = 0;                        // the fan handbook check's countdown

    // Replaceable for tests: the beep at the ends of the race list, the file dialog (returns
    // the chosen path or empty), opening an address in the browser, starting a program.
    std::function<void()> beep;
    std::function<QString(const QString& folder, const QStringList& filters)> openFileDialog;
    std::function<bool(const QString& address)> openAddress;
    std::function<bool(const QString& program, const QStringList& arguments)> startProgram;

    // Widgets, for rendering checks.
    QAction* action(const QString& name) const { return actions_.value(name); }
    QAction* toolButton(const QString& key) const { return toolButtons_.value(key); }
    QMenu* menu(MainMenu m) const { return menus_.value(int(m)); }
    QAction* stadiumItem(int code) const;   // mnuKyoteijyoCD, 1..24
    QToolButton* stadiumButton(int code) const; // selection bar, 1..24
    QAction* userSisuItem(int index) const; // mnuUserSisuNo, 0..5
    QAction* navigationButton(const QString& key) const { return navButtons_.value(key); }
    QComboBox* raceList() const { return cboRaceNo_; }
    QLabel* labelKyoteijyo() const { return lblKyoteijyo_; }
    QLabel* labelTitle() const { return lblTitle_; }
    QLabel* labelTotalDay() const { return lblTotalDay_; }
    QLabel* labelDate() const { return lblDate_; }
    QString statusText(int panel) const;
    QToolBar* commandBar() const { return tbCommand_; }
    QToolBar* navigationBar() const { return tbToolbar_; }
    QToolBar* selectBar() const { return tbSelectBar_; }
    QMdiArea* mdiArea() const { return mdiArea_; }
    mdiMainWindow* raceCardWindow() const { return mdiMain_; }
    mdiFocusWindow* focusWindow() const { return mdiFocus_; }
    mdiResultWindow* resultWindow() const { return mdiResult_; }
    QMdiSubWindow* subWindowOf(QWidget* child) const;

    // MainWindowHost
    void StateChanged() override;
    void CloseRaceWindows(bool bangumiList) override;
    void DropDownStadiumMenu() override;
    void CloseStadiumMenu() override;
    void PrepareRaceCard() override;
    void ShowRaceCard() override;
    void RaceRefreshed() override;
    void SetBusy(bool busy) override;
    void Beep() override;

    // EngineHooks (AppContext::windows)
    void CloseCommentWindow() override {}
    void ShowCompanionWindows(int) override {}
    void ShowResultWindow(int raceNo) override;
    void FocusWindowShown(bool visible) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (frmMain_bars.cpp).
    void buildMenus();
    void buildCommandBar();
    void buildNavigationBar();
    void buildSelectBar();
    void buildStatusBar();
    void renderState();
    void setStatusPanel(int panel, const QString& text);
    void popupUserSisuMenu();
    void fillWindowsMenu();

    // Commands (frmMain.cpp).
    void connectCommands();
    void runCommand(const QString& name);
    void openNewCommand();
    void raceViewCommand();
    void openPage(const QString& address);
    void exhibitionTimeCommand();
    void courseEditCommand();
    void placeWindow();
    void exitSteps();

    // Child windows (frmMain_children.cpp).
    QMdiSubWindow* addChild(QWidget* child);
    void placeFocusWindow();
    void placeResultWindow();
    void renderChildren();
    void hayamiRaceChosen(int raceNo);

    AppContext& app_;
    SettingsStore& settings_;
    QtUi& ui_;
    MainWindowModel model_;
    bool rendering_ = false;
    QRect placement_; // the window's frame on the screen after the load
    bool exited_ = false;
    int busyDepth_ = 0;

    QMdiArea* mdiArea_ = nullptr;
    QHash<QString, QAction*> actions_;
    QHash<QString, QAction*> toolButtons_;
    QHash<QString, QAction*> navButtons_;
    QHash<int, QMenu*> menus_;
    QMenu* mnuUserSisuSelect_ = nullptr;
    QAction* sensyuUpdateSeparator_ = nullptr;
    std::array<QAction*, 25> mnuKyoteijyoCD_{};
    std::array<QToolButton*, 25> selectButtons_{};
    std::array<QAction*, 6> mnuUserSisuNo_{};
    QToolBar* tbCommand_ = nullptr;
    QToolBar* tbToolbar_ = nullptr;
    QToolBar* tbSelectBar_ = nullptr;
    QComboBox* cboRaceNo_ = nullptr;
    QCheckBox* chkPreviousDay_ = nullptr;
    QLabel* lblKyoteijyo_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* lblTotalDay_ = nullptr;
    QLabel* lblDate_ = nullptr;
    std::array<QLabel*, 7> panels_{}; // 1..6
    QTimer* clock_ = nullptr;          // panels 4 and 5

    QPointer<mdiMainWindow> mdiMain_;
    QPointer<mdiFocusWindow> mdiFocus_;
    QPointer<mdiResultWindow> mdiResult_;
};

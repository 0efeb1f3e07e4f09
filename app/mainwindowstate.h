#pragma once
// The main window (frmMain) without widgets: its command table, what its labels, race list and
// status panels say, and the rules of the race navigation toolbar. The Qt frame builds its
// menus and bars from the table and renders this state.
#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

class QDate;
class QLocale;

// The seven top-level menus, in menu bar order.
enum class MainMenu { File, Select, Edit, View, Option, Windows, Help };

struct MainCommand {
    QString name;       // "mnuOpenNew"
    QString caption;    // "番組ファイルを開く(&O)"
    MainMenu menu;      // where the item sits
    bool separatorBefore = false;
    QString toolbarKey; // key of the command toolbar button running the same command, or empty
    QString tooltip;    // that button's tooltip
};

struct MainMenuInfo {
    MainMenu menu;
    QString name;    // "mnuFile"
    QString caption; // "ファイル(&F)"
};

// The top-level menus in menu bar order.
const QVector<MainMenuInfo>& MainMenus();
// Every menu item in menu order. The sub-menu "ユーザー予想指数 No.(&N)" is the item
// "mnuUserSisuSelect" of the Edit menu; the stadium items and the user index items are not here.
const QVector<MainCommand>& MainCommands();
const MainCommand* FindMainCommand(const QString& name);
// The command toolbar's buttons in order; an empty key stands for a separator.
const QStringList& CommandToolbarKeys();
const MainCommand* FindToolbarCommand(const QString& key);

// The items that EnableRaceCommands switches (besides the top-level menus and the toolbars).
bool IsRaceCommand(const QString& name);
// Items with a check mark.
bool IsToggleCommand(const QString& name);

// The race navigation toolbar: the index to select for a key ("min", "down", "up", "max") with
// the list at `index` of `count` entries; -1 means beep and leave the selection alone.
int RaceNavigationTarget(const QString& key, int index, int count);

// Label texts.
QString KyoteijyoLabelText(int code);                                   // "ボートレース場" for 0
QString TitleLabelText(const QString& title, const QString& titleLong); // the long title when there is one
QString TotalDayLabelText(int totalDay);                                // "第 3 日"
// The program date ("2024/01/06") in the long date format of `locale`; a locale without a
// language of its own (C) gives the Japanese form. Empty for a text that is no date.
QString DateLabelText(const QString& raceDate, const QLocale& locale);
QDate RaceDateValue(const QString& raceDate); // invalid when the text is no date

// Stadium menu item caption: "07#  蒲郡", with a tab and "【" title "】" when it races.
QString StadiumMenuCaption(int code, const QString& meetingTitle);
// Status panel 3.
QString SensyuPanelText(bool loaded, const QString& version);
// The first entry of the user index menu.
inline const QString kUserSisuNone = QStringLiteral("使用しない(&0)");

// What the frame shows. Everything the frame needs beyond this is asked of MainWindowModel.
struct MainWindowState {
    struct StadiumItem {
        QString caption;  // menu item caption
        QString tooltip;  // selection bar button tooltip (the meeting title, or empty)
        bool enabled = false;
    };
    struct UserSisuItem {
        QString caption;
        bool enabled = true, visible = true, checked = false;
    };

    bool selectMenuEnabled = false; // "ボートレース場(&B)"
    bool raceCommandsEnabled = false;
    bool raceViewEnabled = false;
    bool previousDay = false; // "前夜版"

    // Bars and their View menu check marks.
    bool toolBarVisible = true;
    bool statusBarVisible = true;
    bool selectBarVisible = true;

    std::array<StadiumItem, 25> stadiums{}; // 1..24

    QString lblKyoteijyo = KyoteijyoLabelText(0);
    QString lblTitle, lblTotalDay, lblDate;
    QStringList raceList; // cboRaceNo
    int raceIndex = -1;   // its selected index

    std::array<UserSisuItem, 6> userSisuItems{}; // mnuUserSisuNo 0..5

    // Empties the race labels and the race list (the state without a stadium).
    void ClearRaceLabels();
};

// The maker's notice under the version (splash window, about box).
inline const QString kMakerNotice = QStringLiteral("Copyright (C) Quorvel developers");
// "6.00"
QString VersionText();
// The about box: product, version, maker's notice, the engines, the forecast data file number
// and, when the racer file is loaded, its version.
QString AboutText(int forecastDataNo, bool sensyuLoaded, const QString& sensyuVersion);

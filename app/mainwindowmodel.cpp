#include "app/mainwindowmodel.h"

#include "app/appcontext.h"
#include "app/programcheck.h"
#include "app/selection.h"
#include "app/webaddresses.h"
#include "common/format.h"
#include "common/kyotei.h"
#include "common/strutil.h"
#include "engine/racedisp.h"
#include "platform/archive.h"
#include "platform/programfolder.h"
#include "platform/settingsstore.h"
#include "platform/ui.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {

const QString kStartup = QStringLiteral("Startup");
const QString kPath = QStringLiteral("Path");

// Normal pointer and no progress text again on every way out.
class BusyScope {
public:
    explicit BusyScope(MainWindowHost& host) : host_(host) { host_.SetBusy(true); }
    ~BusyScope() { host_.SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    MainWindowHost& host_;
};

// A stored stadium code ("07", " 7") as 1..24, or 0.
int StoredStadiumCode(const QString& text)
{
    if (!IsNumeric(text))
        return 0;
    const double v = Val(text);
    if (v < 1 || v > 24)
        return 0;
    const int code = static_cast<int>(RoundHalfEven(v));
    return code >= 1 && code <= 24 ? code : 0;
}

} // namespace

MainWindowModel::MainWindowModel(AppContext& app, SettingsStore& settings, MainWindowHost& host)
    : app_(app), settings_(settings), host_(host)
{
    for (int c = 1; c <= 24; ++c)
        state.stadiums[c].caption = StadiumMenuCaption(c, QString());
    BangumiFolder = app_.folder.root();
}

void MainWindowModel::changed()
{
    host_.StateChanged();
}

QString MainWindowModel::BangumiFileFolder() const
{
    return settings_.GetString(kPath, QStringLiteral("BangumiFile"), BangumiFolder);
}

// ---- enabling ----

void MainWindowModel::EnableStadiumChoice(bool flag)
{
    state.selectMenuEnabled = flag;
    if (!flag) {
        host_.CloseRaceWindows(true);
        state.ClearRaceLabels();
        app_.engine.SelectedRaceNo = 0;
    }
    changed();
}

void MainWindowModel::EnableRaceCommands(bool flag)
{
    state.raceCommandsEnabled = flag;
    state.selectMenuEnabled = flag;
    if (!flag) {
        host_.CloseRaceWindows(false);
        state.ClearRaceLabels();
        app_.engine.SelectedRaceNo = 0;
    }
    changed();
    app_.engine.ui.ProcessEvents();
}

bool MainWindowModel::MenuEnabled(MainMenu menu) const
{
    return menu == MainMenu::Select ? state.selectMenuEnabled : state.raceCommandsEnabled;
}

bool MainWindowModel::CommandEnabled(const QString& name) const
{
    if (name == QLatin1String("mnuRaceView"))
        return state.raceViewEnabled;
    if (name == QLatin1String("mnuSensyuFileUpdate"))
        return SensyuUpdateEnabled;
    if (IsRaceCommand(name))
        return state.raceCommandsEnabled;
    return true;
}

bool MainWindowModel::CommandVisible(const QString& name) const
{
    if (name == QLatin1String("mnuSensyuFileUpdate"))
        return SensyuUpdateEnabled;
    if (name == QLatin1String("mnuDownload") || name == QLatin1String("mnuDownloadDate")
        || name == QLatin1String("mnuDownloadProparty"))
        return DownloaderPresent;
    return true;
}

bool MainWindowModel::CommandChecked(const QString& name) const
{
    if (name == QLatin1String("mnuSinnyuFixation"))
        return app_.engine.SinnyuFixation;
    if (name == QLatin1String("mnuToolBar"))
        return state.toolBarVisible;
    if (name == QLatin1String("mnuStatusBar"))
        return state.statusBarVisible;
    if (name == QLatin1String("mnuSelectBar"))
        return state.selectBarVisible;
    return false; // the list windows are not open
}

bool MainWindowModel::ToolButtonEnabled(const QString& key) const
{
    return state.raceCommandsEnabled && !key.isEmpty();
}

bool MainWindowModel::ToolButtonVisible(const QString& key) const
{
    if (key == QLatin1String("DownLoad") || key == QLatin1String("DLProp"))
        return DownloaderPresent;
    return true;
}

bool MainWindowModel::ToolButtonPressed(const QString& key) const
{
    const MainCommand* c = FindToolbarCommand(key);
    return c && IsToggleCommand(c->name) && CommandChecked(c->name);
}

// ---- selection ----

void MainWindowModel::OpenProgramFile(const QString& path)
{
    try {
        if (path.isEmpty() || !QFileInfo(path).isFile())
            return;
        EnableStadiumChoice(false);
        EnableRaceCommands(false);
        app_.engine.ui.ProcessEvents();

        const QFileInfo info(path);
        const QString folder = info.absolutePath();
        settings_.SetString(kPath, QStringLiteral("BangumiFile"), QDir::toNativeSeparators(folder));

        QString text = path;
        QString extracted;
        if (path.toLower().contains(QLatin1String(".lzh"))) {
            if (ExtractArchive(path, folder) != ArchiveOk)
                return;
            // b240102.lzh holds B240102.TXT: the member is found whatever its case.
            const QString name = info.fileName();
            text = ResolveCaseInsensitive(folder, name.left(name.size() - 3) + QStringLiteral("txt"));
            extracted = text;
        }
        // A file that holds no stadium block is no race program: the working copy of the last
        // one is kept rather than replaced by it.
        if (QFileInfo(text).isFile() && !HoldsProgramBlock(text))
            return;
        if (!app_.engine.Bangumi.FileConv(text))
            return;
        OpenLastProgramFile();

        const int code = StoredStadiumCode(settings_.GetString(kStartup, QStringLiteral("KyoteijyoCode")));
        if (code > 0 && state.stadiums[code].enabled) {
            host_.CloseStadiumMenu();
            SelectStadium(code - 1);
        }
        if (!extracted.isEmpty())
            QFile::remove(extracted);
    } catch (...) {
        // Ends silently where it stands.
    }
}

bool MainWindowModel::OpenLastProgramFile()
{
    try {
        state.raceViewEnabled = false;
        KaisaiTable table{};
        if (!app_.engine.Bangumi.KaisaiCheck(table)) {
            changed();
            return false;
        }
        for (int c = 1; c <= 24; ++c) {
            auto& item = state.stadiums[c];
            item.caption = StadiumMenuCaption(c, table[c]);
            item.enabled = !table[c].isEmpty();
            item.tooltip = table[c];
        }
        EnableStadiumChoice(true);
        host_.DropDownStadiumMenu();
        return true;
    } catch (...) {
        changed();
        return false;
    }
}

bool MainWindowModel::SelectStadium(int index)
{
    const int code = index + 1;
    if (code < 1 || code > 24)
        return false;
    Engine& e = app_.engine;
    {
        BusyScope busy(host_);
        EnableRaceCommands(false);
        if (!LoadStadium(e, code, BangumiFileFolder()))
            return false;

        state.lblKyoteijyo = KyoteijyoLabelText(code);
        state.lblTitle = TitleLabelText(e.Bangumi.Title(), e.Bangumi.TitleLong());
        state.lblTotalDay = TotalDayLabelText(e.Bangumi.TotalDay());
        state.lblDate = DateLabelText(e.Bangumi.RaceDate(), QLocale::system());
        state.raceList.clear();
        for (int r = 1; r <= e.Bangumi.RaceNumbers(); ++r)
            state.raceList << RaceListEntry(r, e.Bangumi.RaceTitle(r));
        state.raceIndex = -1;

        EnableRaceCommands(true);
        const QDate date = RaceDateValue(e.Bangumi.RaceDate());
        state.raceViewEnabled = date.isValid() && date == e.now().date();
        changed();
    }
    host_.PrepareRaceCard();
    if (!state.raceList.isEmpty())
        SelectRace(0);
    host_.ShowRaceCard();
    return true;
}

void MainWindowModel::KyoteijyoCodeSelect(const QString& code)
{
    if (code.isEmpty() || !IsNumeric(code))
        return;
    const double v = Val(code);
    if (v < 1 || v > 24)
        return;
    SelectStadium(static_cast<int>(RoundHalfEven(v)) - 1);
}

void MainWindowModel::StartupReload()
{
    try {
        if (!app_.display.StartupLoad || !QFileInfo::exists(app_.folder.AppFilePath(QStringLiteral("BANGUMI.QVL"))))
            return;
        OpenLastProgramFile();
        const int code = StoredStadiumCode(settings_.GetString(kStartup, QStringLiteral("KyoteijyoCode")));
        if (code > 0 && state.stadiums[code].enabled) {
            host_.CloseStadiumMenu();
            SelectStadium(code - 1);
        }
    } catch (...) {
        // The window stays without a race program.
    }
}

// ---- races ----

void MainWindowModel::refreshRace(int raceNo)
{
    RaceDisp(app_.engine, raceNo);
    host_.RaceRefreshed();
}

void MainWindowModel::SelectRace(int index)
{
    if (index < 0 || index >= state.raceList.size())
        return;
    state.raceIndex = index;
    app_.engine.SelectedRaceNo = index + 1;
    changed();
    RaceChoice();
}

void MainWindowModel::RaceChoice()
{
    const int r = SelectedRaceNo();
    if (r <= 0)
        return;
    bool fixed = false;
    try {
        fixed = app_.engine.Bangumi.CourseFix(r);
    } catch (...) {
    }
    // A race whose fixed entry differs from the check mark runs the toggle (and its refresh)
    // first, so it is shown twice.
    if (fixed != app_.engine.SinnyuFixation)
        SinnyuFixationCommand();
    refreshRace(r);
}

void MainWindowModel::Navigate(const QString& key)
{
    if (!state.raceCommandsEnabled)
        return;
    const int target = RaceNavigationTarget(key, state.raceIndex, state.raceList.size());
    if (target < 0) {
        host_.Beep();
        return;
    }
    if (target != state.raceIndex)
        SelectRace(target);
}

// ---- toggles ----

void MainWindowModel::SinnyuFixationCommand()
{
    app_.engine.SinnyuFixation = !app_.engine.SinnyuFixation;
    changed();
    refreshRace(SelectedRaceNo());
}

void MainWindowModel::SetBarVisible(const QString& name, bool visible)
{
    if (name == QLatin1String("mnuToolBar"))
        state.toolBarVisible = visible;
    else if (name == QLatin1String("mnuStatusBar"))
        state.statusBarVisible = visible;
    else if (name == QLatin1String("mnuSelectBar"))
        state.selectBarVisible = visible;
    changed();
}

void MainWindowModel::SetPreviousDay(bool checked)
{
    state.previousDay = checked;
    app_.engine.PreviousDay = checked;
}

// ---- user index menu ----

void MainWindowModel::UserSisuMenuRefresh()
{
    auto& items = state.userSisuItems;
    items[0].caption = kUserSisuNone;
    items[0].enabled = items[0].visible = true;
    items[0].checked = false;
    for (int i = 1; i <= 5; ++i) {
        auto& item = items[i];
        item.enabled = item.visible = item.checked = false;
        const QString name = app_.userSisu.defs[i].Name;
        if (name.isEmpty()) {
            item.caption = QStringLiteral("未定義") + QString::number(i);
        } else {
            item.caption = name;
            item.enabled = item.visible = true;
        }
    }
    const int active = app_.userSisu.ActiveUserSisu;
    if (active >= 0 && active <= 5)
        items[active].checked = true;
    changed();
}

void MainWindowModel::ChooseUserSisu(int index)
{
    if (index < 0 || index > 5)
        return;
    app_.userSisu.ActiveUserSisu = index;
    UserSisuMenuRefresh();
    refreshRace(SelectedRaceNo());
}

// ---- web pages ----

QString MainWindowModel::OddsPageAddress(bool java) const
{
    const int r = SelectedRaceNo();
    const QString code = app_.engine.Bangumi.KyoteijyoCode();
    const QString base = kOrganizerDataSite + QStringLiteral("/od/O/");
    if (r > 0 && !code.isEmpty()) {
        const QString race = Format(r, QStringLiteral("00"));
        return java ? base + QStringLiteral("java/OJ") + code + race + QStringLiteral(".html")
                    : base + code + QStringLiteral("/ON") + race + QStringLiteral(".html");
    }
    return base + (java ? QStringLiteral("Jindex") : QStringLiteral("Nindex")) + QStringLiteral(".html");
}

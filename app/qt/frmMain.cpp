#include "app/qt/frmMain.h"

#include "app/appcontext.h"
#include "app/cleanup.h"
#include "app/placement.h"
#include "app/webaddresses.h"
#include "common/errors.h"
#include "common/product.h"
#include "platform/archive.h"
#include "platform/qt/qtui.h"
#include "platform/settingsstore.h"
#include "views/qt/frmCourseEditer.h"
#include "views/qt/frmTTClock.h"
#include "views/qt/frmTenjiTime.h"
#include "engine/racecard.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QUrl>

namespace {

const QString kSettings = QStringLiteral("Settings");
const QString kStartup = QStringLiteral("Startup");

// A file dialog filter: the description as the user reads it, the patterns Qt matches.
QString DialogFilter(const QString& description, const QString& patterns)
{
    return description + QStringLiteral(" (") + QString(patterns).replace(QLatin1Char(';'), QLatin1Char(' '))
        + QLatin1Char(')');
}

} // namespace

frmMain::frmMain(AppContext& app, SettingsStore& settings, QtUi& ui, QWidget* parent)
    : QMainWindow(parent), app_(app), settings_(settings), ui_(ui), model_(app, settings, *this)
{
    setWindowTitle(kProductName);
    ui_.setOwner(this);
    ui_.statusSink = [this](int panel, const QString& text) { setStatusPanel(panel, text); };
    app_.windows = this;

    beep = [] { QApplication::beep(); };
    openFileDialog = [this](const QString& folder, const QStringList& filters) {
        return QFileDialog::getOpenFileName(this, QStringLiteral("ファイルを開く"), folder,
                                            filters.join(QStringLiteral(";;")), nullptr,
                                            QFileDialog::HideNameFilterDetails);
    };
    openAddress = [](const QString& address) { return QDesktopServices::openUrl(QUrl(address)); };
    startProgram = [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };

    mdiArea_ = new QMdiArea(this);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->viewport()->installEventFilter(this);
    setCentralWidget(mdiArea_);
    // The bars are switched from the View menu only; the frame's own bar menu would bypass
    // the check marks.
    setContextMenuPolicy(Qt::NoContextMenu);

    buildMenus();
    buildCommandBar();
    buildNavigationBar();
    buildSelectBar();
    buildStatusBar();
    connectCommands();
    renderState();
}

frmMain::~frmMain()
{
    if (app_.windows == this)
        app_.windows = nullptr;
    ui_.statusSink = nullptr;
    ui_.setOwner(nullptr);
}

// ---- load ----

void frmMain::Load()
{
    setWindowTitle(kProductName);
    SensyuCheckCounter = 1500;

    const ProgramFolder& folder = app_.folder;
    model_.SensyuUpdateEnabled = QFileInfo::exists(folder.AppFilePath(QStringLiteral("Quorvelq")));
    DownloaderPath = folder.AppFilePath(QStringLiteral("\\sub\\downloader.exe"));
    model_.DownloaderPresent = QFileInfo::exists(DownloaderPath);
    model_.LzhAvailable = ::LzhAvailable();

    placeWindow();

    model_.state.statusBarVisible = settings_.GetBool(kSettings, QStringLiteral("StatusBar"), true);
    model_.state.toolBarVisible = settings_.GetBool(kSettings, QStringLiteral("ToolBar"), true);
    model_.state.selectBarVisible = settings_.GetBool(kSettings, QStringLiteral("SelectBar"), true);

    model_.UserSisuMenuRefresh();
    model_.BangumiFolder = settings_.GetString(QStringLiteral("Path"), QStringLiteral("BangumiFile"), folder.root());
    model_.EnableStadiumChoice(false);
    model_.EnableRaceCommands(false);

    InternetUserId = settings_.GetString(kSettings, QStringLiteral("InternetUserId"));
    InternetPassword = settings_.GetString(kSettings, QStringLiteral("InternetPassword"));
    AnsyoNo = settings_.GetString(kSettings, QStringLiteral("AnsyoNo"));
    setStatusPanel(6, QStringLiteral("ｵﾌ"));

    if (FormSizeMode == 2) {
        showMaximized();
        ui_.ProcessEvents();
    } else {
        show();
        ui_.ProcessEvents();
        // Position and size are those of the whole window, its frame included; the frame is
        // known once the window is up.
        const QSize frameExtra = frameGeometry().size() - size();
        if (frameExtra != QSize(0, 0) && placement_.isValid()) {
            resize(placement_.size() - frameExtra);
            move(placement_.topLeft());
        }
    }

    model_.StartupReload();

    cboRaceNo_->setMaxVisibleItems(12);
    cboRaceNo_->view()->setMinimumWidth(500);
    ui_.ProcessEvents();

    const QDate today = app_.engine.now().date();
    if (IsCleanupDay(today)) {
        if (app_.display.DeletePrintDir)
            DeleteOldFiles(folder.AppFilePath(QStringLiteral("Print")), QStringLiteral("*.TXT"),
                           app_.display.DeletePrintDirNoMessage, ui_, today);
        DeleteOldFiles(folder.AppFilePath(QStringLiteral("Temp")), QStringLiteral("*.*"), true, ui_, today);
    }
}

void frmMain::placeWindow()
{
    QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect workArea = s ? s->availableGeometry() : QRect(0, 0, 800, 600);
    const QSize screenSize = s ? s->size() : QSize(800, 600);
    const WindowPlacement p = ReadPlacement(settings_, workArea, screenSize);
    FormSizeMode = p.FormSizeMode;
    placement_ = p.rect;
    resize(p.rect.size());
    if (!p.maximised)
        move(p.rect.topLeft());
}

// ---- exit ----

void frmMain::closeEvent(QCloseEvent* event)
{
    exitSteps();
    QMainWindow::closeEvent(event);
}

void frmMain::exitSteps()
{
    if (exited_)
        return;
    exited_ = true;
    // Each step runs whatever happened in the one before.
    try {
        settings_.SetString(kStartup, QStringLiteral("KyoteijyoCode"), app_.engine.Bangumi.KyoteijyoCode());
    } catch (...) {
    }
    try {
        if (FormSizeMode == 1)
            SavePlacement(settings_, frameGeometry());
    } catch (...) {
    }
    try {
        settings_.SetBool(kSettings, QStringLiteral("StatusBar"), model_.state.statusBarVisible);
        settings_.SetBool(kSettings, QStringLiteral("ToolBar"), model_.state.toolBarVisible);
        settings_.SetBool(kSettings, QStringLiteral("SelectBar"), model_.state.selectBarVisible);
    } catch (...) {
    }
    try {
        const QString work = app_.folder.AppFilePath(QStringLiteral("Temp\\QUORVEL.TMP"));
        if (QFileInfo(work).isFile())
            QFile::remove(work);
    } catch (...) {
    }
    if (mdiArea_)
        mdiArea_->closeAllSubWindows();
    for (QDialog* d : findChildren<QDialog*>())
        if (d->isVisible())
            d->close();
}

// ---- commands ----

void frmMain::connectCommands()
{
    // Commands whose windows belong to other parts of the program are not connected yet.
    static const QStringList connected{
        QStringLiteral("mnuOpenNew"),      QStringLiteral("mnuOpenLast"),       QStringLiteral("mnuExit"),
        QStringLiteral("mnuTenjiTimeClock"), QStringLiteral("mnuTenjiTime"),    QStringLiteral("mnuCourseEdit"),
        QStringLiteral("mnuSinnyuFixation"), QStringLiteral("mnuRaceView"),     QStringLiteral("mnuToolBar"),
        QStringLiteral("mnuStatusBar"),    QStringLiteral("mnuSelectBar"),      QStringLiteral("mnuContents"),
        QStringLiteral("mnuOfficialWeb"),  QStringLiteral("mnuOddsJava"),       QStringLiteral("mnuOddsHtml"),
        QStringLiteral("mnuHomePage"),     QStringLiteral("mnuAbout"),
    };
    for (const QString& name : connected) {
        if (QAction* a = actions_.value(name))
            connect(a, &QAction::triggered, this, [this, name] { runCommand(name); });
        const MainCommand* c = FindMainCommand(name);
        if (c && !c->toolbarKey.isEmpty())
            if (QAction* b = toolButtons_.value(c->toolbarKey))
                connect(b, &QAction::triggered, this, [this, name] { runCommand(name); });
    }
}

void frmMain::runCommand(const QString& name)
{
    if (name == QLatin1String("mnuOpenNew"))
        openNewCommand();
    else if (name == QLatin1String("mnuOpenLast"))
        model_.OpenLastProgramFile();
    else if (name == QLatin1String("mnuExit"))
        close();
    else if (name == QLatin1String("mnuTenjiTimeClock")) {
        frmTTClock dialog(app_, this);
        dialog.exec();
    } else if (name == QLatin1String("mnuTenjiTime"))
        exhibitionTimeCommand();
    else if (name == QLatin1String("mnuCourseEdit"))
        courseEditCommand();
    else if (name == QLatin1String("mnuSinnyuFixation"))
        model_.SinnyuFixationCommand();
    else if (name == QLatin1String("mnuRaceView"))
        raceViewCommand();
    else if (name == QLatin1String("mnuToolBar") || name == QLatin1String("mnuStatusBar")
             || name == QLatin1String("mnuSelectBar"))
        model_.SetBarVisible(name, !model_.CommandChecked(name));
    else if (name == QLatin1String("mnuContents"))
        openPage(HelpPageAddress());
    else if (name == QLatin1String("mnuOfficialWeb"))
        openPage(kOrganizerRaceSite + QLatin1Char('/'));
    else if (name == QLatin1String("mnuOddsJava"))
        openPage(model_.OddsPageAddress(true));
    else if (name == QLatin1String("mnuOddsHtml"))
        openPage(model_.OddsPageAddress(false));
    else if (name == QLatin1String("mnuHomePage"))
        openPage(kProductHomePage);
    else if (name == QLatin1String("mnuAbout"))
        QMessageBox::about(this, QStringLiteral("バージョン情報"),
                           AboutText(app_.engine.st.ForecastDataVersion, app_.engine.SensyuLoaded,
                                     app_.engine.Sensyu.GetSensyuFileVersion()));
}

void frmMain::openNewCommand()
{
    const QString folder = settings_.GetString(QStringLiteral("Path"), QStringLiteral("BangumiFile"), model_.BangumiFolder);
    QStringList filters;
    if (model_.LzhAvailable) {
        filters << DialogFilter(QStringLiteral("番組ﾌｧｲﾙ (B*.txt;B*.lzh)"), QStringLiteral("B*.txt;B*.lzh"))
                << DialogFilter(QStringLiteral("番組ﾌｧｲﾙ (B*.txt)"), QStringLiteral("B*.txt"))
                << DialogFilter(QStringLiteral("番組ﾌｧｲﾙ (B*.lzh)"), QStringLiteral("B*.lzh"));
    } else {
        filters << DialogFilter(QStringLiteral("番組ﾌｧｲﾙ (B*.txt)"), QStringLiteral("B*.txt"));
    }
    const QString path = openFileDialog ? openFileDialog(folder, filters) : QString();
    if (!path.isEmpty())
        model_.OpenProgramFile(path);
}

void frmMain::raceViewCommand()
{
    const QString code = app_.engine.Bangumi.KyoteijyoCode();
    if (app_.engine.StadiumNumber() <= 0)
        return;
    QString program = app_.folder.AppFilePath(QStringLiteral("\\sub\\raceview"));
    if (!QFileInfo(program).isFile())
        program = app_.folder.AppFilePath(QStringLiteral("\\sub\\raceview.exe"));
    if (!QFileInfo(program).isFile() || !startProgram || !startProgram(program, {code}))
        ui_.ShowMessage(ErrorDescription(ErrFileNotFound), MsgIcon::Warning);
}

void frmMain::openPage(const QString& address)
{
    if (openAddress)
        openAddress(address);
}

void frmMain::exhibitionTimeCommand()
{
    {
        frmTenjiTime dialog(app_, this);
        dialog.exec();
    }
    const int r = model_.SelectedRaceNo();
    if (r > 0) {
        ExhibitionDisp(app_.engine, r);
        renderChildren();
    }
}

void frmMain::courseEditCommand()
{
    {
        frmCourseEditer dialog(app_, this);
        dialog.exec();
    }
    renderChildren();
}

// ---- host ----

void frmMain::StateChanged()
{
    renderState();
}

void frmMain::SetBusy(bool busy)
{
    busyDepth_ += busy ? 1 : -1;
    if (busy && busyDepth_ == 1)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (!busy && busyDepth_ == 0)
        QApplication::restoreOverrideCursor();
}

void frmMain::Beep()
{
    if (beep)
        beep();
}

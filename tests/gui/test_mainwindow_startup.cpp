// Start-up and exit of the desktop program: the splash, the window load with its placement,
// bars and reload of the last program, the clean-up days, and what the exit writes and removes.
#include "mainwindow_fixture.h"

#include "app/qt/frmSplash.h"
#include "app/qt/startup.h"
#include "common/kyotei.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

TEST_F(MainWindowTest, FirstStartOnAnEmptyFolder)
{
    QTemporaryDir empty;
    app = std::make_unique<AppContext>(empty.path(), ui, QtSurfaceFactory());
    app->engine.now = [] { return QDateTime(QDate(2024, 1, 6), QTime(9, 0)); };
    app->Initialise(&settings);
    window = std::make_unique<frmMain>(*app, settings, ui);
    window->Load();

    EXPECT_TRUE(QFileInfo(empty.filePath(QStringLiteral("Temp"))).isDir());
    EXPECT_TRUE(QFileInfo(empty.filePath(QStringLiteral("Print"))).isDir());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quorvel"));
    EXPECT_EQ(window->FormSizeMode, 0);
    EXPECT_EQ(window->frameGeometry(), window->screen()->availableGeometry());
    EXPECT_TRUE(window->commandBar()->isVisible());
    EXPECT_TRUE(window->selectBar()->isVisible());
    EXPECT_TRUE(window->statusBar()->isVisible());
    EXPECT_TRUE(window->action(QStringLiteral("mnuToolBar"))->isChecked());
    EXPECT_TRUE(window->action(QStringLiteral("mnuSelectBar"))->isChecked());
    EXPECT_EQ(window->labelKyoteijyo()->text(), QStringLiteral("ボートレース場"));
    EXPECT_EQ(window->raceList()->count(), 0);
    for (MainMenu m : {MainMenu::File, MainMenu::Select, MainMenu::Edit, MainMenu::View, MainMenu::Option,
                       MainMenu::Windows, MainMenu::Help})
        EXPECT_FALSE(window->menu(m)->menuAction()->isEnabled());
    for (int code = 1; code <= 24; ++code) {
        EXPECT_FALSE(window->stadiumButton(code)->isEnabled());
        EXPECT_EQ(window->stadiumButton(code)->text(), KyoteijyoName(code));
    }
    // Without the downloader and the marker file their commands are hidden.
    EXPECT_FALSE(window->action(QStringLiteral("mnuDownload"))->isVisible());
    EXPECT_FALSE(window->action(QStringLiteral("mnuDownloadProparty"))->isVisible());
    EXPECT_FALSE(window->toolButton(QStringLiteral("DownLoad"))->isVisible());
    EXPECT_FALSE(window->toolButton(QStringLiteral("DLProp"))->isVisible());
    EXPECT_FALSE(window->action(QStringLiteral("mnuSensyuFileUpdate"))->isVisible());
    EXPECT_FALSE(window->action(QStringLiteral("mnuSensyuFileUpdate"))->isEnabled());
    EXPECT_EQ(window->statusText(6), QStringLiteral("ｵﾌ"));
    EXPECT_EQ(window->SensyuCheckCounter, 1500);
    EXPECT_TRUE(ui.shown.isEmpty());
}

TEST_F(MainWindowTest, MarkerFileAndDownloaderShowTheirCommands)
{
    ASSERT_TRUE(WriteAll(demo.file(QStringLiteral("Quorvelq")), QByteArray()));
    QDir(demo.path()).mkpath(QStringLiteral("sub"));
    ASSERT_TRUE(WriteAll(demo.file(QStringLiteral("sub/downloader.exe")), "#!/bin/sh\n"));
    CreateAndLoad();
    EXPECT_TRUE(window->action(QStringLiteral("mnuSensyuFileUpdate"))->isVisible());
    EXPECT_TRUE(window->action(QStringLiteral("mnuDownload"))->isVisible());
    EXPECT_TRUE(window->action(QStringLiteral("mnuDownloadDate"))->isVisible());
    EXPECT_TRUE(window->toolButton(QStringLiteral("DLProp"))->isVisible());
}

TEST_F(MainWindowTest, StartupReloadsTheLastProgramAndStadium)
{
    struct Case {
        const char* load;
        const char* code;
        const char* shown; // stadium code loaded, "" for none
        bool listed;
    };
    const Case cases[] = {
        {"True", "24", "24", true},
        {"True", "7", "", true},    // 蒲郡 does not race on the demo day
        {"True", "10", "", true},   // a block without a meeting title counts as not racing
        {"True", "abc", "", true},
        {"False", "24", "", false},
    };
    for (const Case& c : cases) {
        window.reset();
        app.reset();
        ui.shown.clear();
        settings.SetString(QStringLiteral("Startup"), QStringLiteral("Load"), QString::fromLatin1(c.load));
        settings.SetString(QStringLiteral("Startup"), QStringLiteral("KyoteijyoCode"), QString::fromLatin1(c.code));
        CreateAndLoad();
        EXPECT_EQ(app->engine.Bangumi.KyoteijyoCode(), QString::fromLatin1(c.shown)) << c.load << c.code;
        EXPECT_EQ(window->menu(MainMenu::Select)->menuAction()->isEnabled(), c.listed) << c.load << c.code;
        EXPECT_EQ(window->stadiumItem(24)->isEnabled(), c.listed) << c.load << c.code;
        const bool shown = *c.shown != 0;
        EXPECT_EQ(window->raceList()->currentIndex(), shown ? 0 : -1) << c.load << c.code;
        EXPECT_EQ(window->raceCardWindow() != nullptr, shown) << c.load << c.code;
    }
}

TEST_F(MainWindowTest, StartupChainEndsWithStadium24AndRace1)
{
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("Load"), QStringLiteral("True"));
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("KyoteijyoCode"), QStringLiteral("24"));
    StartupOptions options;
    options.splash = false;
    options.scriptedUi = true;
    auto session = StartQuorvel(demo.path(), settings.filePath(), options);
    ASSERT_NE(session->window, nullptr);
    frmMain& w = *session->window;
    AppContext& a = *session->app;

    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(a.engine.Bangumi.KyoteijyoCode(), QStringLiteral("24"));
    EXPECT_EQ(w.labelKyoteijyo()->text(), QStringLiteral("24#  大村"));
    EXPECT_EQ(w.raceList()->currentIndex(), 0);
    EXPECT_EQ(w.raceList()->count(), 12);
    EXPECT_EQ(w.raceList()->itemText(0).left(5), QStringLiteral(" 1   "));
    EXPECT_EQ(w.raceList()->maxVisibleItems(), 12);
    EXPECT_GE(w.raceList()->view()->minimumWidth(), 500);
    EXPECT_EQ(a.engine.SelectedRaceNo, 1);
    // Race 1 of 6 January at 大村: frame 1 is racer 5086, the race closes at 17:41.
    EXPECT_EQ(a.engine.raceCard.flexBangumi.CellValue(1, 1), QStringLiteral("5086"));
    EXPECT_EQ(a.engine.raceCard.lblClosingHour[1].Caption, QStringLiteral("17:41"));
    ASSERT_NE(w.raceCardWindow(), nullptr);
    EXPECT_TRUE(w.subWindowOf(w.raceCardWindow())->isVisible());
    EXPECT_EQ(w.subWindowOf(w.raceCardWindow())->pos(), QPoint(0, 0));
    ASSERT_NE(w.focusWindow(), nullptr);
    EXPECT_TRUE(w.subWindowOf(w.focusWindow())->isVisible());
    // The demo's results are of the same day: the result window shows race 1.
    ASSERT_NE(w.resultWindow(), nullptr);
    EXPECT_TRUE(w.subWindowOf(w.resultWindow())->isVisible());
    EXPECT_TRUE(w.statusText(3).startsWith(QStringLiteral("選手ﾃﾞｰﾀ : ")));
    EXPECT_NE(w.statusText(3), QStringLiteral("選手ﾃﾞｰﾀ : なし"));
    EXPECT_TRUE(session->ui->shown.isEmpty());
}

TEST_F(MainWindowTest, BetsWindowStandsBesideTheRaceCardOrAtTheRightEdge)
{
    for (int focusPos : {1, 0}) {
        window.reset();
        app.reset();
        settings.SetInt(QStringLiteral("Settings"), QStringLiteral("FocusPos"), focusPos);
        LoadDemoStadium();
        QMdiSubWindow* card = window->subWindowOf(window->raceCardWindow());
        QMdiSubWindow* focus = window->subWindowOf(window->focusWindow());
        ASSERT_NE(card, nullptr);
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->y(), 0) << focusPos;
        if (focusPos == 1)
            EXPECT_EQ(focus->x(), card->width() + 1);
        else
            EXPECT_EQ(focus->x() + focus->width(), window->mdiArea()->viewport()->width());
    }
}

TEST_F(MainWindowTest, PlacementModesAndWhatTheExitSaves)
{
    struct Case {
        const char* name;
        QStringList keys;
        int mode;
        QRect expected; // null: the work area
        bool maximised;
        bool savesPlacement;
    };
    const Case cases[] = {
        {"saved placement", {"FormSize=1", "Top=-20", "Left=100000", "Height=6000", "Width=9000"}, 1,
         QRect(0, 0, 600, 400), false, true},
        {"initial placement", {"FormSize=-1", "Top=3000"}, 0, QRect(0, 0, 800, 600), false, false},
        {"maximised", {"FormSize=2"}, 2, QRect(), true, false},
        {"work area", {"FormSize=0"}, 0, QRect(), false, false},
    };
    for (const Case& c : cases) {
        window.reset();
        app.reset();
        QTemporaryDir dir;
        SettingsStore s(dir.filePath(QStringLiteral("Quorvel6.ini")));
        for (const QString& kv : c.keys)
            s.SetString(QStringLiteral("Startup"), kv.section(QLatin1Char('='), 0, 0), kv.section(QLatin1Char('='), 1));
        s.SetString(QStringLiteral("Startup"), QStringLiteral("Load"), QStringLiteral("False"));
        app = std::make_unique<AppContext>(demo.path(), ui, QtSurfaceFactory());
        app->Initialise(&s);
        window = std::make_unique<frmMain>(*app, s, ui);
        window->Load();

        EXPECT_EQ(window->FormSizeMode, c.mode) << c.name;
        EXPECT_EQ(window->isMaximized(), c.maximised) << c.name;
        if (!c.maximised) {
            const QRect expected = c.expected.isNull() ? window->screen()->availableGeometry() : c.expected;
            EXPECT_EQ(window->frameGeometry(), expected) << c.name;
        }
        window->move(30, 45);
        window->resize(700, 500);
        const QSize outer = window->frameGeometry().size();
        window->close();
        EXPECT_EQ(s.Contains(QStringLiteral("Startup"), QStringLiteral("Width")), c.savesPlacement || c.mode == 1) << c.name;
        if (c.savesPlacement) {
            EXPECT_EQ(s.GetString(QStringLiteral("Startup"), QStringLiteral("Left")), QStringLiteral("450"));
            EXPECT_EQ(s.GetString(QStringLiteral("Startup"), QStringLiteral("Top")), QStringLiteral("675"));
            EXPECT_EQ(s.GetInt(QStringLiteral("Startup"), QStringLiteral("Width"), 0), outer.width() * 15);
            EXPECT_EQ(s.GetInt(QStringLiteral("Startup"), QStringLiteral("Height"), 0), outer.height() * 15);
        } else {
            EXPECT_EQ(s.GetString(QStringLiteral("Startup"), QStringLiteral("Top")),
                      c.keys.contains(QStringLiteral("Top=3000")) ? QStringLiteral("3000") : QString())
                << c.name;
        }
    }
}

TEST_F(MainWindowTest, ExitSavesTheStadiumAndBarsAndClearsTheWorkFile)
{
    LoadDemoStadium();
    ASSERT_TRUE(WriteAll(demo.file(QStringLiteral("Temp/QUORVEL.TMP")), "report"));
    window->action(QStringLiteral("mnuToolBar"))->trigger();
    window->action(QStringLiteral("mnuSelectBar"))->trigger();
    EXPECT_FALSE(window->commandBar()->isVisible());
    EXPECT_FALSE(window->selectBar()->isVisible());
    EXPECT_FALSE(window->action(QStringLiteral("mnuToolBar"))->isChecked());
    EXPECT_TRUE(window->statusBar()->isVisible());
    QMdiSubWindow* card = window->subWindowOf(window->raceCardWindow());
    ASSERT_NE(card, nullptr);

    window->action(QStringLiteral("mnuExit"))->trigger();

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(settings.GetString(QStringLiteral("Startup"), QStringLiteral("KyoteijyoCode")), QStringLiteral("24"));
    EXPECT_EQ(settings.GetString(QStringLiteral("Settings"), QStringLiteral("ToolBar")), QStringLiteral("False"));
    EXPECT_EQ(settings.GetString(QStringLiteral("Settings"), QStringLiteral("SelectBar")), QStringLiteral("False"));
    EXPECT_EQ(settings.GetString(QStringLiteral("Settings"), QStringLiteral("StatusBar")), QStringLiteral("True"));
    EXPECT_FALSE(QFileInfo::exists(demo.file(QStringLiteral("Temp/QUORVEL.TMP"))));
    EXPECT_TRUE(window->mdiArea()->subWindowList().isEmpty() || !card->isVisible());
    // Mode 0 keeps no position.
    EXPECT_FALSE(settings.Contains(QStringLiteral("Startup"), QStringLiteral("Top")));

    // The next start has the bars as they were left.
    window.reset();
    app.reset();
    CreateAndLoad();
    EXPECT_FALSE(window->commandBar()->isVisible());
    EXPECT_FALSE(window->selectBar()->isVisible());
    EXPECT_TRUE(window->statusBar()->isVisible());
    EXPECT_FALSE(window->action(QStringLiteral("mnuSelectBar"))->isChecked());
    EXPECT_TRUE(window->action(QStringLiteral("mnuStatusBar"))->isChecked());
}

TEST_F(MainWindowTest, OldReportFilesGoOnlyOnTheCleanupDays)
{
    struct Case {
        QDate today;
        bool cleaned;
    };
    const Case cases[] = {{QDate(2024, 2, 20), true}, {QDate(2024, 2, 21), false}};
    for (const Case& c : cases) {
        window.reset();
        app.reset();
        ui.shown.clear();
        QDir(demo.path()).mkpath(QStringLiteral("Print"));
        QDir(demo.path()).mkpath(QStringLiteral("Temp"));
        const QString report = demo.file(QStringLiteral("Print/R240106.TXT"));
        const QString scratch = demo.file(QStringLiteral("Temp/k240101.txt"));
        const QString recent = demo.file(QStringLiteral("Print/R240219.TXT"));
        for (const QString& f : {report, scratch, recent})
            ASSERT_TRUE(WriteAll(f, "x"));
        const QDateTime old(QDate(2024, 1, 5), QTime(12, 0));
        for (const QString& f : {report, scratch}) {
            QFile file(f);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        {
            QFile file(recent);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            ASSERT_TRUE(file.setFileTime(QDateTime(c.today.addDays(-1), QTime(12, 0)), QFileDevice::FileModificationTime));
        }
        settings.SetString(QStringLiteral("Startup"), QStringLiteral("Load"), QStringLiteral("False"));
        ui.yesNoAnswers = {true};
        CreateAndLoad(c.today);

        EXPECT_EQ(QFileInfo::exists(report), !c.cleaned) << c.today.toString().toStdString();
        EXPECT_EQ(QFileInfo::exists(scratch), !c.cleaned);
        EXPECT_TRUE(QFileInfo::exists(recent));
        // The report folder asks first; the scratch folder does not.
        EXPECT_EQ(ui.shown.size(), c.cleaned ? 1 : 0);
        EXPECT_TRUE(window->statusText(1).isEmpty());
        QFile::remove(report);
        QFile::remove(scratch);
    }
}

TEST(Splash, RowsSlideInFromBothSides)
{
    TestApplication();
    QImage black(10, 4, QImage::Format_ARGB32);
    black.fill(Qt::black);
    SlideInPicture picture(black);
    EXPECT_EQ(picture.Offset(), 10);
    EXPECT_TRUE(picture.Step());
    EXPECT_EQ(picture.Offset(), 8);
    const QImage shown = picture.grab().toImage();
    // Even rows come from the left: their first 2 pixels are in; odd rows from the right.
    for (int y : {0, 2}) {
        EXPECT_EQ(shown.pixelColor(1, y), QColor(Qt::black)) << y;
        EXPECT_EQ(shown.pixelColor(2, y), QColor(Qt::white)) << y;
    }
    for (int y : {1, 3}) {
        EXPECT_EQ(shown.pixelColor(7, y), QColor(Qt::white)) << y;
        EXPECT_EQ(shown.pixelColor(8, y), QColor(Qt::black)) << y;
    }
    int steps = 1;
    while (picture.Step())
        ++steps;
    EXPECT_EQ(steps, 4);
    EXPECT_TRUE(picture.InPlace());
    EXPECT_FALSE(picture.Step());
    const QImage done = picture.grab().toImage();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(done.pixelColor(x, y), QColor(Qt::black));
}

TEST(Splash, ShowsVersionAndMessageThenClosesWithOk)
{
    TestApplication();
    SplashTimings fast{1, 1, 1, 1, 1, 1};
    frmSplash splash(fast);
    EXPECT_EQ(splash.versionLabel()->text().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Version: 6.00"));
    EXPECT_EQ(splash.messageLabel()->text(), QStringLiteral("初期化中 ．．．"));
    EXPECT_TRUE(splash.versionLabel()->isHidden());
    EXPECT_TRUE(splash.messageLabel()->isHidden());
    bool guard = false;
    QTimer::singleShot(30000, &splash, [&] {
        guard = true;
        splash.reject();
    });
    EXPECT_EQ(splash.exec(), QDialog::Accepted);
    EXPECT_FALSE(guard);
    EXPECT_TRUE(splash.picture()->InPlace());
    EXPECT_FALSE(splash.versionLabel()->isHidden());
    EXPECT_EQ(splash.messageLabel()->text(), QStringLiteral("初期化中 ．．．．Ok"));
}

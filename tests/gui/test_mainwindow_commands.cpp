// The main window's commands: what is enabled in each state, the user index menu, the web page
// and race video commands, the race card's requests, the background menu; and a look at it.
#include "mainwindow_fixture.h"

#include "app/qt/frmSplash.h"
#include "engine/racecard.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// Closes the next modal dialog as soon as it is up, after `whileOpen` ran.
void CloseNextDialog(std::function<void()> whileOpen = {})
{
    QTimer::singleShot(0, [whileOpen] {
        if (whileOpen)
            whileOpen();
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
}

} // namespace

TEST_F(MainWindowTest, CommandsFollowTheThreeStates)
{
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("Load"), QStringLiteral("False"));
    CreateAndLoad();
    const QStringList raceItems{QStringLiteral("mnuPrint"),       QStringLiteral("mnuTenjiTimeClock"),
                                QStringLiteral("mnuTenjiTime"),   QStringLiteral("mnuCourseEdit"),
                                QStringLiteral("mnuSinnyuFixation"), QStringLiteral("mnuKyoteijyoData"),
                                QStringLiteral("mnuSensyuList"),  QStringLiteral("mnuRecordByCourse"),
                                QStringLiteral("mnuOdds"),        QStringLiteral("mnuRecords")};
    auto expectState = [&](const char* name, bool select, bool race) {
        EXPECT_EQ(window->menu(MainMenu::Select)->menuAction()->isEnabled(), select) << name;
        for (MainMenu m : {MainMenu::File, MainMenu::Edit, MainMenu::View, MainMenu::Option, MainMenu::Windows,
                           MainMenu::Help})
            EXPECT_EQ(window->menu(m)->menuAction()->isEnabled(), race) << name << int(m);
        for (const QString& item : raceItems)
            EXPECT_EQ(window->action(item)->isEnabled(), race) << name << item.toStdString();
        for (QAction* b : window->commandBar()->actions()) {
            if (!b->isSeparator() && b->isVisible()) {
                EXPECT_EQ(b->isEnabled(), race) << name << b->objectName().toStdString();
            }
        }
        for (const char* key : {"min", "down", "up", "max"})
            EXPECT_EQ(window->navigationButton(QString::fromLatin1(key))->isEnabled(), race) << name << key;
        // The file menu's own items stay usable for the background menu.
        EXPECT_TRUE(window->action(QStringLiteral("mnuOpenNew"))->isEnabled()) << name;
        EXPECT_TRUE(window->action(QStringLiteral("mnuOpenLast"))->isEnabled()) << name;
        EXPECT_TRUE(window->action(QStringLiteral("mnuExit"))->isEnabled()) << name;
    };
    expectState("no program", false, false);
    EXPECT_FALSE(window->action(QStringLiteral("mnuRaceView"))->isEnabled());

    window->action(QStringLiteral("mnuOpenLast"))->trigger();
    expectState("stadiums listed", true, false);
    EXPECT_TRUE(window->menu(MainMenu::Select)->isVisible()); // dropped down for the next pick

    window->stadiumItem(24)->trigger();
    expectState("stadium loaded", true, true);
    // The demo program is of the clock's day: the race video may start.
    EXPECT_TRUE(window->action(QStringLiteral("mnuRaceView"))->isEnabled());

    // Listing again (the stadiums of the working file) takes the race video away.
    window->OpenLastProgramFile();
    EXPECT_FALSE(window->action(QStringLiteral("mnuRaceView"))->isEnabled());
}

TEST_F(MainWindowTest, UserIndexMenuSwitchesTheIndexAndRefreshes)
{
    LoadDemoStadium();
    const UserSisuSet& set = app->userSisu;
    // The demo defines three indices.
    EXPECT_EQ(window->userSisuItem(0)->text(), QStringLiteral("使用しない(&0)"));
    for (int i = 1; i <= 5; ++i) {
        QAction* item = window->userSisuItem(i);
        const bool defined = !set.defs[i].Name.isEmpty();
        EXPECT_EQ(item->isVisible(), defined) << i;
        EXPECT_EQ(item->isEnabled(), defined) << i;
        EXPECT_EQ(item->text(), defined ? set.defs[i].Name : QStringLiteral("未定義%1").arg(i)) << i;
        EXPECT_EQ(item->isChecked(), i == set.ActiveUserSisu) << i;
    }
    ASSERT_FALSE(set.defs[2].Name.isEmpty());

    CountingHooks counter(window.get());
    app->windows = &counter;
    window->userSisuItem(2)->trigger();
    EXPECT_EQ(app->userSisu.ActiveUserSisu, 2);
    EXPECT_TRUE(window->userSisuItem(2)->isChecked());
    EXPECT_FALSE(window->userSisuItem(0)->isChecked());
    EXPECT_EQ(counter.refreshes, 1);
    EXPECT_EQ(window->statusText(2), set.defs[2].Name);

    window->userSisuItem(0)->trigger();
    EXPECT_EQ(app->userSisu.ActiveUserSisu, 0);
    EXPECT_TRUE(window->userSisuItem(0)->isChecked());
    EXPECT_EQ(counter.refreshes, 2);
    app->windows = window.get();
}

TEST_F(MainWindowTest, WebPageCommandsOpenTheOrganizersPages)
{
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("Load"), QStringLiteral("False"));
    CreateAndLoad();
    window->action(QStringLiteral("mnuOddsHtml"))->trigger();
    window->action(QStringLiteral("mnuOddsJava"))->trigger();
    ASSERT_EQ(addresses.size(), 2);
    EXPECT_TRUE(addresses[0].endsWith(QStringLiteral("/od/O/Nindex.html")));
    EXPECT_TRUE(addresses[1].endsWith(QStringLiteral("/od/O/Jindex.html")));

    window->OpenLastProgramFile();
    window->SelectStadium(23);
    window->model().SelectRace(2);
    addresses.clear();
    for (const char* name : {"mnuOddsHtml", "mnuOddsJava", "mnuContents", "mnuHomePage", "mnuOfficialWeb"})
        window->action(QString::fromLatin1(name))->trigger();
    ASSERT_EQ(addresses.size(), 5);
    EXPECT_TRUE(addresses[0].endsWith(QStringLiteral("/od/O/24/ON03.html"))) << addresses[0].toStdString();
    EXPECT_TRUE(addresses[1].endsWith(QStringLiteral("/od/O/java/OJ2403.html"))) << addresses[1].toStdString();
    EXPECT_TRUE(addresses[2].endsWith(QStringLiteral("quorvel/quorvel_winhelp.html")));
    EXPECT_TRUE(addresses[3].startsWith(QStringLiteral("http")));
    EXPECT_TRUE(addresses[4].startsWith(QStringLiteral("http")));
    EXPECT_EQ(addresses[0].left(addresses[0].indexOf(QStringLiteral("/od/"))),
              addresses[1].left(addresses[1].indexOf(QStringLiteral("/od/"))));
}

TEST_F(MainWindowTest, RaceViewStartsThePlayerWithTheStadiumCode)
{
    LoadDemoStadium();
    QStringList started;
    window->startProgram = [&](const QString& program, const QStringList& arguments) {
        started << program << arguments;
        return true;
    };
    // Without the player: the file-not-found error.
    window->action(QStringLiteral("mnuRaceView"))->trigger();
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_EQ(ui.shown[0].text, QStringLiteral("ファイルが見つかりません。"));
    EXPECT_TRUE(started.isEmpty());

    QDir(demo.path()).mkpath(QStringLiteral("sub"));
    ASSERT_TRUE(WriteAll(demo.file(QStringLiteral("sub/raceview")), "#!/bin/sh\n"));
    window->toolButton(QStringLiteral("RaceView"))->trigger();
    EXPECT_EQ(started, (QStringList{demo.file(QStringLiteral("sub/raceview")), QStringLiteral("24")}));
    EXPECT_EQ(ui.shown.size(), 1);
}

TEST_F(MainWindowTest, ExhibitionTimeRequestShowsTheTypedTimes)
{
    LoadDemoStadium();
    ASSERT_NE(window->raceCardWindow(), nullptr);
    // The user types 6.75 for frame 1 while the dialog is open.
    CloseNextDialog([this] { app->engine.st.UserTenjiTime.Set(1, 1, 24, 6.75f); });
    Q_EMIT window->raceCardWindow()->exhibitionTimeRequested();
    EXPECT_EQ(app->engine.raceCard.flexBangumi.CellValue(1, 20), QStringLiteral("6.75"));

    // The course editor opens modally and leaves the selection alone.
    CloseNextDialog();
    Q_EMIT window->raceCardWindow()->courseEditorRequested();
    EXPECT_EQ(app->engine.SelectedRaceNo, 1);
}

TEST_F(MainWindowTest, RightClickOnTheBackgroundPopsUpTheFileMenu)
{
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("Load"), QStringLiteral("False"));
    CreateAndLoad();
    QWidget* viewport = window->mdiArea()->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), viewport->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(viewport, &event);
    QMenu* file = window->menu(MainMenu::File);
    EXPECT_TRUE(file->isVisible());
    // The menu bar's entry stays grey; the items in the pop-up work.
    EXPECT_FALSE(file->menuAction()->isEnabled());
    EXPECT_TRUE(window->action(QStringLiteral("mnuOpenLast"))->isEnabled());
    file->hide();
}

TEST_F(MainWindowTest, StatusPanelTwoOpensTheUserIndexMenu)
{
    LoadDemoStadium();
    auto* panel = window->findChild<QLabel*>(QStringLiteral("sbStatusBarPanel2"));
    ASSERT_NE(panel, nullptr);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), panel->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &release);
    QMenu* menu = window->findChild<QMenu*>(QStringLiteral("mnuUserSisuSelect"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST_F(MainWindowTest, WindowsMenuListsTheOpenChildWindows)
{
    LoadDemoStadium();
    QMenu* windows = window->menu(MainMenu::Windows);
    QMetaObject::invokeMethod(windows, "aboutToShow");
    QStringList titles;
    for (QAction* a : windows->actions())
        titles << a->text();
    EXPECT_TRUE(titles.contains(QStringLiteral("出走表")));
    EXPECT_TRUE(titles.contains(QStringLiteral("推奨舟券")));
}

// Renders the main window with the demo's race 1 when QUORVEL_SCREENSHOT names a file.
TEST_F(MainWindowTest, Screenshot)
{
    const QString target = qEnvironmentVariable("QUORVEL_SCREENSHOT");
    if (target.isEmpty())
        GTEST_SKIP() << "QUORVEL_SCREENSHOT not set";
    settings.SetInt(QStringLiteral("Startup"), QStringLiteral("FormSize"), 1);
    settings.SetInt(QStringLiteral("Startup"), QStringLiteral("Width"), 1600 * 15);
    settings.SetInt(QStringLiteral("Startup"), QStringLiteral("Height"), 900 * 15);
    LoadDemoStadium();
    window->resize(1600, 900);
    QApplication::processEvents();
    window->model().SelectRace(0);
    QApplication::processEvents();
    EXPECT_TRUE(window->grab().save(target));
    // The race list dropped down.
    window->raceList()->showPopup();
    QApplication::processEvents();
    EXPECT_TRUE(window->raceList()->view()->window()->grab().save(
        QString(target).replace(QStringLiteral(".png"), QStringLiteral("-races.png"))));
    window->raceList()->hidePopup();
    // The stadium menu with the meeting titles in its right-hand column.
    QMenu* select = window->menu(MainMenu::Select);
    select->popup(window->mapToGlobal(QPoint(80, 20)));
    QApplication::processEvents();
    EXPECT_TRUE(select->grab().save(QString(target).replace(QStringLiteral(".png"), QStringLiteral("-stadiums.png"))));
    select->hide();

    // The splash as it looks before it closes.
    frmSplash splash(SplashTimings{1, 1, 1, 1, 1, 1});
    splash.exec();
    EXPECT_TRUE(splash.grab().save(QString(target).replace(QStringLiteral(".png"), QStringLiteral("-splash.png"))));
}

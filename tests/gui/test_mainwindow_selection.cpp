// The main window's race selection: opening program files, the stadium list, loading a
// stadium, the race list and its navigation, the fixed entry and the race card's 早見 column.
#include "mainwindow_fixture.h"

#include "common/kyotei.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace {

QString Downloads(QTemporaryDir& dir, const QString& realFile)
{
    const QString target = dir.filePath(QFileInfo(realFile).fileName());
    QFile::copy(RealData(realFile), target);
    return target;
}

} // namespace

TEST_F(MainWindowTest, OpeningAnArchiveListsItsStadiumsAndLoadsTheRememberedOne)
{
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("KyoteijyoCode"), QStringLiteral("07"));
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("Load"), QStringLiteral("False"));
    CreateAndLoad();
    QTemporaryDir downloads;
    const QString archive = Downloads(downloads, QStringLiteral("lzh/b240102.lzh"));

    window->OpenProgramFile(archive);

    // The extracted text is converted and removed again; the working copy is the new day.
    EXPECT_FALSE(QFileInfo::exists(downloads.filePath(QStringLiteral("B240102.TXT"))));
    EXPECT_TRUE(ReadAll(demo.file(QStringLiteral("BANGUMI.QVL"))).contains("07BBGN"));
    EXPECT_EQ(settings.GetString(QStringLiteral("Path"), QStringLiteral("BangumiFile")), QDir::toNativeSeparators(downloads.path()));

    // 05 多摩川 does not race on 2 January; 07 蒲郡 does and was remembered.
    EXPECT_EQ(window->stadiumItem(5)->text(), QStringLiteral("05#  多摩川"));
    EXPECT_FALSE(window->stadiumItem(5)->isEnabled());
    EXPECT_FALSE(window->stadiumButton(5)->isEnabled());
    EXPECT_TRUE(window->stadiumButton(5)->toolTip().isEmpty());
    EXPECT_TRUE(window->stadiumItem(7)->isEnabled());
    EXPECT_TRUE(window->stadiumItem(7)->text().startsWith(QStringLiteral("07#  蒲郡\t【")));
    EXPECT_TRUE(window->stadiumItem(7)->text().endsWith(QStringLiteral("】")));
    EXPECT_FALSE(window->stadiumButton(7)->toolTip().isEmpty());
    EXPECT_EQ(window->stadiumButton(7)->text(), QStringLiteral("蒲郡"));
    int racing = 0;
    for (int code = 1; code <= 24; ++code)
        racing += window->stadiumItem(code)->isEnabled() ? 1 : 0;
    EXPECT_EQ(racing, 17);

    EXPECT_EQ(app->engine.Bangumi.KyoteijyoCode(), QStringLiteral("07"));
    EXPECT_EQ(app->engine.Bangumi.RaceDate(), QStringLiteral("2024/01/02"));
    EXPECT_EQ(window->labelKyoteijyo()->text(), QStringLiteral("07#  蒲郡"));
    // The block's head reads 中日スポーツ杯争奪 … 第　３日 and the long title follows it.
    EXPECT_EQ(window->labelTotalDay()->text(), QStringLiteral("第 3 日"));
    EXPECT_TRUE(window->labelTitle()->text().startsWith(QStringLiteral("中日スポーツ杯争奪　新春特別覇者決定戦")));
    EXPECT_EQ(window->labelTitle()->toolTip(), window->labelTitle()->text());
    EXPECT_EQ(window->raceList()->count(), app->engine.Bangumi.RaceNumbers());
    EXPECT_EQ(window->raceList()->currentIndex(), 0);
    EXPECT_EQ(app->engine.SelectedRaceNo, 1);
    EXPECT_TRUE(window->action(QStringLiteral("mnuPrint"))->isEnabled());
    EXPECT_TRUE(window->menu(MainMenu::File)->menuAction()->isEnabled());
    ASSERT_NE(window->raceCardWindow(), nullptr);
    EXPECT_TRUE(window->subWindowOf(window->raceCardWindow())->isVisible());
    // The program is not today's: no race video.
    EXPECT_FALSE(window->action(QStringLiteral("mnuRaceView"))->isEnabled());
}

TEST_F(MainWindowTest, RememberedStadiumThatDoesNotRaceLeavesTheListOnly)
{
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("KyoteijyoCode"), QStringLiteral("05"));
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("Load"), QStringLiteral("False"));
    CreateAndLoad();
    QTemporaryDir downloads;
    window->OpenProgramFile(Downloads(downloads, QStringLiteral("program/B240102.TXT")));

    EXPECT_TRUE(window->menu(MainMenu::Select)->menuAction()->isEnabled());
    EXPECT_FALSE(window->menu(MainMenu::File)->menuAction()->isEnabled());
    EXPECT_FALSE(window->action(QStringLiteral("mnuPrint"))->isEnabled());
    EXPECT_EQ(window->raceList()->count(), 0);
    EXPECT_EQ(window->labelKyoteijyo()->text(), QStringLiteral("ボートレース場"));
    EXPECT_EQ(window->raceCardWindow(), nullptr);
    // The plain text stays where the user keeps it.
    EXPECT_TRUE(QFileInfo::exists(downloads.filePath(QStringLiteral("B240102.TXT"))));
    EXPECT_TRUE(ui.shown.isEmpty());

    // A stadium of the list is loaded from the selection bar.
    window->stadiumButton(12)->click();
    EXPECT_EQ(window->labelKyoteijyo()->text(), QStringLiteral("12#  住之江"));
    EXPECT_EQ(window->raceList()->currentIndex(), 0);
}

TEST_F(MainWindowTest, NavigationBarMovesThroughTheRacesAndBeepsAtTheEnds)
{
    LoadDemoStadium();
    ASSERT_EQ(window->raceList()->count(), 12);
    struct Step {
        const char* key;
        int index, beeps;
    };
    const Step steps[] = {{"down", 0, 1}, {"min", 0, 2}, {"up", 1, 2},  {"max", 11, 2}, {"up", 11, 3},
                          {"max", 11, 4}, {"down", 10, 4}, {"min", 0, 4}, {"up", 1, 4}};
    for (const Step& s : steps) {
        window->navigationButton(QString::fromLatin1(s.key))->trigger();
        EXPECT_EQ(window->raceList()->currentIndex(), s.index) << s.key;
        EXPECT_EQ(app->engine.SelectedRaceNo, s.index + 1) << s.key;
        EXPECT_EQ(beeps, s.beeps) << s.key;
    }
    // The race card follows the list.
    EXPECT_TRUE(app->engine.raceCard.lblRaceNoTitle.Caption.contains(QStringLiteral("２Ｒ")));
}

TEST_F(MainWindowTest, RaceWithFixedEntryIsRefreshedTwice)
{
    LoadDemoStadium();
    CountingHooks counter(window.get());
    app->windows = &counter;
    QAction* fixation = window->action(QStringLiteral("mnuSinnyuFixation"));
    QAction* button = window->toolButton(QStringLiteral("SinnyuFixation"));
    ASSERT_FALSE(fixation->isChecked());

    struct Step {
        int raceNo;
        int refreshes;
        bool fixed;
    };
    // Race 7 of 大村 is run with the entry fixed; the others are not.
    const Step steps[] = {{7, 2, true}, {7, 1, true}, {8, 2, false}, {9, 1, false}};
    for (const Step& s : steps) {
        counter.refreshes = 0;
        window->model().SelectRace(s.raceNo - 1);
        EXPECT_EQ(counter.refreshes, s.refreshes) << s.raceNo;
        EXPECT_EQ(app->engine.SinnyuFixation, s.fixed) << s.raceNo;
        EXPECT_EQ(fixation->isChecked(), s.fixed) << s.raceNo;
        EXPECT_EQ(button->isChecked(), s.fixed) << s.raceNo;
    }

    // The command itself: one refresh with the mark switched.
    counter.refreshes = 0;
    fixation->trigger();
    EXPECT_EQ(counter.refreshes, 1);
    EXPECT_TRUE(fixation->isChecked());
    EXPECT_TRUE(button->isChecked());
    app->windows = window.get();
}

TEST_F(MainWindowTest, HayamiColumnOfTheRaceCardSelectsThatRace)
{
    LoadDemoStadium();
    ASSERT_NE(window->raceCardWindow(), nullptr);
    Q_EMIT window->raceCardWindow()->hayamiRaceChosen(5);
    EXPECT_EQ(window->raceList()->currentIndex(), 4);
    EXPECT_EQ(app->engine.SelectedRaceNo, 5);
    EXPECT_TRUE(app->engine.raceCard.lblRaceNoTitle.Caption.contains(QStringLiteral("５Ｒ")));
}

TEST_F(MainWindowTest, StadiumThatFailsToLoadLeavesTheRaceCommandsDisabled)
{
    LoadDemoStadium();
    // The working copy loses its blocks after the stadiums were listed.
    ASSERT_TRUE(WriteAll(demo.file(QStringLiteral("BANGUMI.QVL")), "STARTB\r\nFINALB\r\n"));

    EXPECT_FALSE(window->SelectStadium(22));
    EXPECT_FALSE(window->action(QStringLiteral("mnuPrint"))->isEnabled());
    EXPECT_FALSE(window->navigationButton(QStringLiteral("up"))->isEnabled());
    EXPECT_FALSE(window->raceList()->isEnabled());
    EXPECT_FALSE(window->commandBar()->actions().first()->isEnabled());
    for (MainMenu m : {MainMenu::File, MainMenu::Select, MainMenu::View, MainMenu::Help})
        EXPECT_FALSE(window->menu(m)->menuAction()->isEnabled());
    EXPECT_EQ(window->raceList()->count(), 0);
    EXPECT_EQ(window->raceCardWindow(), nullptr);
    EXPECT_TRUE(window->statusText(1).isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // The window stays usable: the selection bar and the file menu's items still work.
    EXPECT_TRUE(window->stadiumButton(24)->isEnabled());
    EXPECT_TRUE(window->action(QStringLiteral("mnuOpenLast"))->isEnabled());
}

namespace {

struct BadFile {
    const char* name;
    const char* fileName;
    QByteArray bytes;
};

} // namespace

TEST_F(MainWindowTest, BadProgramFilesKeepTheWorkingCopyAndTheWindowUsable)
{
    LoadDemoStadium();
    const QByteArray before = ReadAll(demo.file(QStringLiteral("BANGUMI.QVL")));
    const QByteArray archive = ReadAll(RealData(QStringLiteral("lzh/b240102.lzh")));
    const BadFile files[] = {
        {"truncated archive", "b240102.lzh", archive.left(archive.size() / 2)},
        {"random bytes named as an archive", "b240103.lzh", QByteArray(4096, '\x5a')},
        {"results file", "B240104.TXT", ReadAll(RealData(QStringLiteral("results/K240101.TXT")))},
        {"random bytes", "B240105.TXT", QByteArray::fromHex("00ff7f80fe0d0a1b") .repeated(512)},
        {"empty file", "B240106.TXT", QByteArray()},
        {"5 MB in one line", "B240107.TXT", QByteArray(5 * 1024 * 1024, '7')},
    };
    for (const BadFile& f : files) {
        QTemporaryDir downloads;
        const QString path = downloads.filePath(QString::fromLatin1(f.fileName));
        ASSERT_TRUE(WriteAll(path, f.bytes));
        ui.shown.clear();

        window->OpenProgramFile(path);

        EXPECT_TRUE(ui.shown.isEmpty()) << f.name << " " << messageTitles().join(QLatin1Char(',')).toStdString();
        EXPECT_EQ(ReadAll(demo.file(QStringLiteral("BANGUMI.QVL"))), before) << f.name;
        // Back in the state without a program; the file menu lists the stadiums again.
        EXPECT_FALSE(window->action(QStringLiteral("mnuPrint"))->isEnabled()) << f.name;
        EXPECT_TRUE(window->OpenLastProgramFile()) << f.name;
        EXPECT_TRUE(window->stadiumItem(24)->isEnabled()) << f.name;
        window->stadiumItem(24)->trigger();
        EXPECT_EQ(window->raceList()->currentIndex(), 0) << f.name;
        EXPECT_TRUE(window->action(QStringLiteral("mnuPrint"))->isEnabled()) << f.name;
    }
    // A file that is not there does nothing at all.
    window->OpenProgramFile(demo.file(QStringLiteral("b991231.lzh")));
    EXPECT_TRUE(window->action(QStringLiteral("mnuPrint"))->isEnabled());
}

TEST_F(MainWindowTest, MissingRacerFileShowsInTheStatusBarOnly)
{
    QFile::remove(demo.file(QStringLiteral("SENSYU.QVL")));
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("KyoteijyoCode"), QStringLiteral("24"));
    CreateAndLoad();

    EXPECT_EQ(window->statusText(3), QStringLiteral("選手ﾃﾞｰﾀ : なし"));
    EXPECT_TRUE(messageTitles().contains(QStringLiteral("選手ファイル読み取りエラー")));
    EXPECT_EQ(window->labelKyoteijyo()->text(), QStringLiteral("24#  大村"));
    EXPECT_EQ(window->raceList()->currentIndex(), 0);
    EXPECT_TRUE(window->action(QStringLiteral("mnuPrint"))->isEnabled());
}

TEST_F(MainWindowTest, KyoteijyoCodeSelectTakesOnlyNumbers)
{
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("Load"), QStringLiteral("False"));
    CreateAndLoad();
    ASSERT_TRUE(window->OpenLastProgramFile());
    for (const char* code : {"", "ab", "0", "25", "-3"}) {
        window->KyoteijyoCodeSelect(QString::fromLatin1(code));
        EXPECT_TRUE(app->engine.Bangumi.KyoteijyoCode().isEmpty()) << code;
        EXPECT_EQ(window->raceList()->count(), 0) << code;
    }
    window->KyoteijyoCodeSelect(QStringLiteral(" 22 "));
    EXPECT_EQ(app->engine.Bangumi.KyoteijyoCode(), QStringLiteral("22"));
    EXPECT_EQ(window->labelKyoteijyo()->text(), QStringLiteral("22#  福岡"));
}

TEST_F(MainWindowTest, ReopeningWithoutAWorkingCopySaysSoAndChangesNothing)
{
    settings.SetString(QStringLiteral("Startup"), QStringLiteral("Load"), QStringLiteral("False"));
    QFile::remove(demo.file(QStringLiteral("BANGUMI.QVL")));
    CreateAndLoad();
    window->action(QStringLiteral("mnuOpenLast"))->trigger();
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_EQ(ui.shown[0].title, QStringLiteral("番組ファイル読み込みエラー(01)"));
    EXPECT_TRUE(ui.shown[0].text.startsWith(QStringLiteral("ファイルが見つかりません。\r\n")));
    EXPECT_FALSE(window->menu(MainMenu::Select)->menuAction()->isEnabled());
    EXPECT_FALSE(window->stadiumButton(24)->isEnabled());
}

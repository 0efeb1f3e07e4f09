// The main window's rules without widgets: label texts, the race navigation rule, the command
// table, the window placement and the test for a race program file.
#include "app/mainwindowstate.h"
#include "app/placement.h"
#include "app/programcheck.h"
#include "platform/settingsstore.h"
#include "support/testsupport.h"

#include <QDate>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(MainWindowTexts, LabelsOfTheSelection)
{
    EXPECT_EQ(KyoteijyoLabelText(0), QStringLiteral("ボートレース場"));
    EXPECT_EQ(KyoteijyoLabelText(25), QStringLiteral("ボートレース場"));
    EXPECT_EQ(KyoteijyoLabelText(7), QStringLiteral("07#  蒲郡"));
    EXPECT_EQ(KyoteijyoLabelText(24), QStringLiteral("24#  大村"));

    EXPECT_EQ(TitleLabelText(QStringLiteral("短い"), QStringLiteral("長いタイトル")), QStringLiteral("長いタイトル"));
    EXPECT_EQ(TitleLabelText(QStringLiteral("短い"), QString()), QStringLiteral("短い"));

    EXPECT_EQ(TotalDayLabelText(3), QStringLiteral("第 3 日"));
    EXPECT_EQ(TotalDayLabelText(12), QStringLiteral("第 12 日"));

    EXPECT_EQ(StadiumMenuCaption(5, QString()), QStringLiteral("05#  多摩川"));
    EXPECT_EQ(StadiumMenuCaption(24, QStringLiteral("ｽｶﾊﾟｰ杯")), QStringLiteral("24#  大村\t【ｽｶﾊﾟｰ杯】"));

    EXPECT_EQ(SensyuPanelText(true, QStringLiteral("2004")), QStringLiteral("選手ﾃﾞｰﾀ : 2004"));
    EXPECT_EQ(SensyuPanelText(false, QStringLiteral("2004")), QStringLiteral("選手ﾃﾞｰﾀ : なし"));
}

TEST(MainWindowTexts, DateLabelUsesTheLongFormat)
{
    const QLocale japanese(QLocale::Japanese, QLocale::Japan);
    EXPECT_EQ(DateLabelText(QStringLiteral("2024/01/06"), japanese), japanese.toString(QDate(2024, 1, 6), QLocale::LongFormat));
    EXPECT_TRUE(DateLabelText(QStringLiteral("2024/01/06"), japanese).contains(QStringLiteral("2024年1月6日")));
    // A desktop without a language gives the Japanese date, not an English one.
    EXPECT_EQ(DateLabelText(QStringLiteral("2024/01/06"), QLocale::c()), DateLabelText(QStringLiteral("2024/01/06"), japanese));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_TRUE(DateLabelText(QStringLiteral("2024/01/06"), english).contains(QStringLiteral("January")));
    // The model's empty date ("0") and broken dates give no text.
    for (const char* bad : {"0", "", "2024/13/01", "2024/02/30", "abc"})
        EXPECT_TRUE(DateLabelText(QString::fromLatin1(bad), japanese).isEmpty()) << bad;
}

TEST(MainWindowNavigation, KeysAndTheEndsOfTheList)
{
    struct Case {
        const char* key;
        int index, count, expected; // -1: beep
    };
    const Case cases[] = {
        {"min", 0, 12, -1},  {"min", 5, 12, 0},   {"down", 0, 12, -1}, {"down", 5, 12, 4},
        {"up", 11, 12, -1},  {"up", 5, 12, 6},    {"max", 11, 12, -1}, {"max", 5, 12, 11},
        // An empty list beeps on every key; nothing selected yet moves "up" to the first race.
        {"min", -1, 0, -1},  {"down", -1, 0, -1}, {"up", -1, 0, -1},   {"max", -1, 0, -1},
        {"up", -1, 12, 0},   {"max", -1, 12, 11}, {"down", -1, 12, -1},
        // A list of one race.
        {"up", 0, 1, -1},    {"max", 0, 1, -1},
        // Not a key of the bar: nothing happens.
        {"next", 3, 12, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RaceNavigationTarget(QString::fromLatin1(c.key), c.index, c.count), c.expected)
            << c.key << " " << c.index << "/" << c.count;
}

TEST(MainWindowCommands, TableHoldsEveryCommandWithItsCaption)
{
    // Every toolbar key names a command of the menus.
    for (const QString& key : CommandToolbarKeys())
        if (!key.isEmpty())
            EXPECT_NE(FindToolbarCommand(key), nullptr) << key.toStdString();
    const MainCommand* record = FindToolbarCommand(QStringLiteral("Record"));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->name, QStringLiteral("mnuRecords"));
    EXPECT_EQ(record->tooltip, QStringLiteral("今節の成績一覧"));
    const MainCommand* odds = FindMainCommand(QStringLiteral("mnuOddsHtml"));
    ASSERT_NE(odds, nullptr);
    EXPECT_EQ(odds->caption, QStringLiteral(" オッズ(HTML版)を表示(&H)")); // with its leading blank
    EXPECT_EQ(FindMainCommand(QStringLiteral("mnuOdds"))->toolbarKey, QString());

    // Names are unique.
    QStringList names;
    for (const MainCommand& c : MainCommands()) {
        EXPECT_FALSE(names.contains(c.name)) << c.name.toStdString();
        names << c.name;
    }
    EXPECT_EQ(MainMenus().size(), 7);
    EXPECT_EQ(MainMenus().at(1).caption, QStringLiteral("ボートレース場(&B)"));

    // The race commands are the ten items EnableRaceCommands switches.
    int race = 0;
    for (const MainCommand& c : MainCommands())
        race += IsRaceCommand(c.name) ? 1 : 0;
    EXPECT_EQ(race, 10);
    EXPECT_TRUE(IsRaceCommand(QStringLiteral("mnuSinnyuFixation")));
    EXPECT_FALSE(IsRaceCommand(QStringLiteral("mnuComment")));
    EXPECT_FALSE(IsRaceCommand(QStringLiteral("mnuRaceView")));
}

TEST(MainWindowTexts, AboutBox)
{
    const QString text = AboutText(7, true, QStringLiteral("2004"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Quorvel\nVersion 6.00\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("予想データ : 007")));
    EXPECT_TRUE(text.contains(QStringLiteral("選手ﾃﾞｰﾀ : 2004")));
    // Without a forecast data file or racer file.
    EXPECT_TRUE(AboutText(-1, false, QString()).contains(QStringLiteral("予想データ : 000")));
    EXPECT_FALSE(AboutText(-1, false, QString()).contains(QStringLiteral("選手ﾃﾞｰﾀ")));
}

namespace {

struct PlacementCase {
    const char* name;
    QStringList keys; // "key=value" in "Startup"
    int mode;
    bool maximised;
    QRect rect;
};

} // namespace

TEST(MainWindowPlacement, ModesAndStoredValues)
{
    const QRect workArea(0, 30, 1280, 994); // a panel at the top
    const QSize screen(1280, 1024);
    const PlacementCase cases[] = {
        {"default fills the work area", {}, 0, false, workArea},
        {"mode 0", {"FormSize=0"}, 0, false, workArea},
        {"mode 1 saved", {"FormSize=1", "Top=1500", "Left=3000", "Height=6000", "Width=9000"}, 1, false,
         QRect(200, 100, 600, 400)},
        {"mode 1 off the screen", {"FormSize=1", "Top=-20", "Left=100000", "Height=6000", "Width=9000"}, 1, false,
         QRect(0, 0, 600, 400)},
        {"mode 1 at the screen's edge", {"FormSize=1", "Top=15360", "Left=19185"}, 1, false, QRect(1279, 0, 800, 600)},
        {"mode 1 not numbers", {"FormSize=1", "Top=abc", "Left=", "Height=x", "Width=-5"}, 1, false,
         QRect(0, 0, 800, 600)},
        {"mode 1 nothing saved", {"FormSize=1"}, 1, false, QRect(0, 0, 800, 600)},
        {"mode 1 absurd size", {"FormSize=1", "Height=1e30", "Width=1e300"}, 1, false, QRect(0, 0, 800, 600)},
        {"mode 2", {"FormSize=2"}, 2, true, QRect(0, 0, 800, 600)},
        {"initial placement", {"FormSize=-1", "Top=1500"}, 0, false, QRect(0, 0, 800, 600)},
        {"unknown mode", {"FormSize=7"}, 0, false, QRect(0, 0, 800, 600)},
        {"mode not a number", {"FormSize=big"}, 0, false, workArea},
    };
    for (const PlacementCase& c : cases) {
        QTemporaryDir tmp;
        SettingsStore s(tmp.filePath(QStringLiteral("settings.ini")));
        for (const QString& kv : c.keys)
            s.SetString(QStringLiteral("Startup"), kv.section(QLatin1Char('='), 0, 0), kv.section(QLatin1Char('='), 1));
        const WindowPlacement p = ReadPlacement(s, workArea, screen);
        EXPECT_EQ(p.FormSizeMode, c.mode) << c.name;
        EXPECT_EQ(p.maximised, c.maximised) << c.name;
        EXPECT_EQ(p.rect, c.rect) << c.name;
    }
}

TEST(MainWindowPlacement, SavedInTwipsAndReadBack)
{
    QTemporaryDir tmp;
    SettingsStore s(tmp.filePath(QStringLiteral("settings.ini")));
    s.SetInt(QStringLiteral("Startup"), QStringLiteral("FormSize"), 1);
    SavePlacement(s, QRect(120, 40, 900, 700));
    EXPECT_EQ(s.GetString(QStringLiteral("Startup"), QStringLiteral("Left")), QStringLiteral("1800"));
    EXPECT_EQ(s.GetString(QStringLiteral("Startup"), QStringLiteral("Top")), QStringLiteral("600"));
    EXPECT_EQ(s.GetString(QStringLiteral("Startup"), QStringLiteral("Width")), QStringLiteral("13500"));
    EXPECT_EQ(s.GetString(QStringLiteral("Startup"), QStringLiteral("Height")), QStringLiteral("10500"));
    EXPECT_EQ(ReadPlacement(s, QRect(0, 0, 1920, 1040), QSize(1920, 1080)).rect, QRect(120, 40, 900, 700));
}

TEST(ProgramCheck, OnlyFilesWithAStadiumBlock)
{
    QTemporaryDir tmp;
    struct Case {
        const char* name;
        QByteArray bytes;
        bool expected;
    };
    const QByteArray longLine(5 * 1024 * 1024, 'B');
    const Case cases[] = {
        {"block at the start", "STARTB\r\n05BBGN\r\nx\r\n", true},
        {"block after blanks", "STARTB\r\n   05BBGN\r\n", true},
        {"first line", "24BBGN\r\n", true},
        {"LF only", "a\n12BBGN\n", true},
        {"stadium 25", "25BBGN\r\n", false},
        {"stadium 00", "00BBGN\r\n", false},
        {"text before the code", "xx05BBGN\r\n", false},
        {"one digit", "5BBGN\r\n", false},
        {"marker alone", "BBGN\r\n", false},
        {"empty", "", false},
        {"random bytes", QByteArray::fromHex("00ff10e3c1BBGN22"), false},
        {"5 MB in one line", longLine, false},
        {"marker at the end of a long line", longLine + "05BBGN", false},
    };
    for (const Case& c : cases) {
        const QString path = tmp.filePath(QStringLiteral("f.txt"));
        ASSERT_TRUE(WriteAll(path, c.bytes));
        EXPECT_EQ(HoldsProgramBlock(path), c.expected) << c.name;
    }
    EXPECT_FALSE(HoldsProgramBlock(tmp.filePath(QStringLiteral("missing.txt"))));
    EXPECT_TRUE(HoldsProgramBlock(RealData(QStringLiteral("program/B240101.TXT"))));
    EXPECT_FALSE(HoldsProgramBlock(RealData(QStringLiteral("results/K240101.TXT"))));
    EXPECT_FALSE(HoldsProgramBlock(RealData(QStringLiteral("fan/fan1510.txt"))));
}

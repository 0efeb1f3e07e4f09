// Results file reader on small hand-made files in the organizer's layout.
#include "common/cp932.h"
#include "common/errors.h"
#include "datafiles/kekkafile.h"
#include "support/testsupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

const QString kTitle = QStringLiteral("結果ファイル読み取りエラー");
const QString kCrLf = QStringLiteral("\r\n");

struct Boat {
    const char* order;
    int waku;
    const char* exhibition; // 4 characters as printed ("6.89", "K .")
    const char* course;     // 1 character, blank for none
    const char* start;      // flag + 4 characters ("  0.08", "F0.03", "L .  ", "K .  ")
};

// A result line: 3-4 order, 7 frame, 9-12 registration, 32-35 exhibition, 39 course,
// 43-47 start timing with its flag, 53-58 race time.
QString EntryLine(const Boat& b)
{
    QString start = QString::fromUtf8(b.start);
    if (start.size() == 4)
        start.prepend(QLatin1Char(' '));
    const QString order = QString::fromUtf8(b.order);
    const bool timed = order >= QStringLiteral("01") && order <= QStringLiteral("04");
    const QString time = timed ? QStringLiteral("1.49.7") : QStringLiteral(" .  . ");
    return QStringLiteral("  ") + order.leftJustified(2) + QStringLiteral("  ") + QString::number(b.waku)
           + QStringLiteral(" ") + QString::number(4000 + b.waku) + QStringLiteral(" 山　田　　太　郎 50   12  ")
           + QString::fromUtf8(b.exhibition).leftJustified(4) + QStringLiteral("   ") + QString::fromUtf8(b.course)
           + QStringLiteral("   ") + start.leftJustified(5) + QStringLiteral("     ") + time;
}

QString RaceLine(int no)
{
    return QStringLiteral("%1R       予選　　　　                 H1800m  晴　  風  北　　 3m  波　  2cm").arg(no, 4);
}

QString Heading(const QString& finish = QStringLiteral("逃げ　　　"))
{
    return QStringLiteral("  着 艇 登番 　選　手　名　　ﾓｰﾀｰ ﾎﾞｰﾄ 展示 進入 ｽﾀｰﾄﾀｲﾐﾝｸ ﾚｰｽﾀｲﾑ ") + finish;
}

const QStringList kPayouts = {
    QStringLiteral("        単勝     1          130  "),
    QStringLiteral("        複勝     1          140  3          290  "),
    QStringLiteral("        ２連単   1-3        390  人気     1 "),
    QStringLiteral("        ２連複   1-3        310  人気     2 "),
    QStringLiteral("        拡連複   1-3        190  人気     1 "),
    QStringLiteral("                 1-6        420  人気     7 "),
    QStringLiteral("                 3-6        620  人気    10 "),
    QStringLiteral("        ３連単   1-3-6     1830  人気     5 "),
    QStringLiteral("        ３連複   1-3-6      760  人気     3 "),
};

const QVector<Boat> kNormal = {
    {"01", 1, "6.89", "1", "0.08"}, {"02", 3, "6.87", "3", "0.08"}, {"03", 6, "6.77", "6", "0.11"},
    {"04", 5, "6.86", "5", "0.09"}, {"05", 2, "6.83", "2", "0.13"}, {"06", 4, "6.83", "4", "0.21"},
};

QStringList Race(int no, const QVector<Boat>& boats, const QStringList& payouts = kPayouts,
                 const QString& finish = QStringLiteral("逃げ　　　"))
{
    QStringList l = {RaceLine(no), Heading(finish), QString(79, QLatin1Char('-'))};
    for (const Boat& b : boats)
        l << EntryLine(b);
    l << QString();
    l << payouts;
    l << QString() << QString();
    return l;
}

QStringList BlockHead(const QString& code, const QString& firstTableRow = QStringLiteral("           1R  1-3-6    1830    1-3-6     760    1-3     390    1-3     310"))
{
    return {code + QStringLiteral("KBGN"),
            QStringLiteral("大　村［成績］      1/ 1      ボートレース大村  第 1日"),
            QString(),
            QStringLiteral("                            ＊＊＊　競走成績　＊＊＊"),
            QString(),
            QStringLiteral("   第 1日          2024/ 1/ 1                             ボートレース大　村"),
            QString(),
            QStringLiteral("   [払戻金]       ３連単           ３連複           ２連単         ２連複"),
            firstTableRow,
            QString()};
}

QStringList Block(const QString& code, int races, const QVector<Boat>& boats = kNormal)
{
    QStringList l = BlockHead(code);
    for (int r = 1; r <= races; ++r)
        l << Race(r, boats);
    l << code + QStringLiteral("KEND");
    return l;
}

class KekkaFileTest : public ::testing::Test {
protected:
    QString write(const QStringList& lines, const QString& name = QStringLiteral("KEKKA.QVL"))
    {
        return writeBytes(EncodeLines(QStringList{QStringLiteral("STARTK")} + lines + QStringList{QStringLiteral("FINALK")}), name);
    }
    QString writeBytes(const QByteArray& bytes, const QString& name = QStringLiteral("KEKKA.QVL"))
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(WriteAll(path, bytes));
        return path;
    }
    // Load that may fail with a run-time error; the error number, or 0 when none was raised.
    int loadError(const QString& code, const QString& path, bool* result = nullptr)
    {
        try {
            const bool r = k.FileLoad(code, path, false);
            if (result)
                *result = r;
            return 0;
        } catch (const QvError& e) {
            return e.number();
        }
    }

    QTemporaryDir dir;
    RecordingUi ui;
    cKekkaFile k{ui};
};

TEST_F(KekkaFileTest, FindsTheBlockOfACodeGivenWithoutLeadingZero)
{
    QStringList other = Block(QStringLiteral("04"), 2, {{"01", 2, "6.70", "2", "0.10"}});
    QStringList mine = Block(QStringLiteral("05"), 1);
    mine[0] = QStringLiteral("   05KBGN  "); // blanks around the marker are allowed
    const QString path = write(other + mine);

    ASSERT_TRUE(k.FileLoad(QStringLiteral("5"), path, false));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(k.KyoteijyoCode(), QStringLiteral("5"));
    EXPECT_EQ(k.RaceNumbers(), 1);
    EXPECT_EQ(k.RaceDate(), QStringLiteral("2024/01/01"));
    EXPECT_EQ(k.TotalDay(), 1);
    EXPECT_EQ(k.RaceNoTitle(1),
              QStringLiteral("1R       予選　　　　                 H1800m  晴　  風  北　　 3m  波　  2cm"));
    EXPECT_EQ(k.Finish(1), QStringLiteral("逃げ　　　"));
    EXPECT_EQ(k.SensyuNo(1, 3), QStringLiteral("4003"));
    EXPECT_EQ(k.Order(1, 3), QStringLiteral("02"));
    EXPECT_FLOAT_EQ(k.ExhibitionTime(1, 6), 6.77f);
    EXPECT_FLOAT_EQ(k.StartTiming(1, 5), 0.09f);
    EXPECT_EQ(k.Course(1, 6), 6);
    EXPECT_EQ(k.RaceTime(1, 1), QStringLiteral("1.49.7"));
    EXPECT_EQ(k.RaceTime(1, 4), QStringLiteral(" .  . "));

    // Codes that are no stadium number name no block.
    for (const char* code : {"1e400", "-5", "abc", "", "５"}) {
        EXPECT_FALSE(k.FileLoad(QString::fromUtf8(code), path, false)) << code;
        EXPECT_TRUE(ui.messages.isEmpty());
    }

    ASSERT_TRUE(k.FileLoad(QStringLiteral("04"), path, false));
    EXPECT_EQ(k.RaceNumbers(), 2);
    EXPECT_EQ(k.Order(1, 2), QStringLiteral("01"));
    EXPECT_EQ(k.SensyuNo(1, 3), QString()); // nothing of stadium 05 is left over
}

TEST_F(KekkaFileTest, AFileWithoutTheStadiumIsFalseWithoutMessageAndClearsTheModel)
{
    const QString path = write(Block(QStringLiteral("05"), 3));
    ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), path, false));
    EXPECT_FALSE(k.FileLoad(QStringLiteral("6"), path, false));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(k.RaceNumbers(), 0);
    EXPECT_EQ(k.RaceDate(), QString());
    EXPECT_EQ(k.KyoteijyoCode(), QString());
    EXPECT_EQ(k.DividendTansyo(1), 0);
}

TEST_F(KekkaFileTest, MissingFileShowsItsPathUnlessSilenced)
{
    const QString path = dir.filePath(QStringLiteral("KEKKA.QVL"));
    for (bool silent : {false, true}) {
        ui.messages.clear();
        EXPECT_FALSE(k.FileLoad(QStringLiteral("05"), path, silent));
        if (silent) {
            EXPECT_TRUE(ui.messages.isEmpty());
        } else {
            ASSERT_EQ(ui.messages.size(), 1);
            EXPECT_EQ(ui.messages[0].title, kTitle);
            EXPECT_EQ(ui.messages[0].text, QStringLiteral("ファイルが見つかりません。\r\n") + path);
            EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
        }
    }
    // A folder is not a results file either.
    ui.messages.clear();
    EXPECT_FALSE(k.FileLoad(QStringLiteral("05"), dir.path(), false));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("ファイルが見つかりません。\r\n") + dir.path());
}

TEST_F(KekkaFileTest, CancelledMeetingIsFalseWithItsMessage)
{
    for (const QString& row : {QStringLiteral("           1R  中　止"), QStringLiteral("           1R  中止")}) {
        QStringList lines = BlockHead(QStringLiteral("09"), row) + Race(1, kNormal);
        lines << QStringLiteral("09KEND");
        const QString path = write(lines);
        for (bool silent : {false, true}) {
            ui.messages.clear();
            EXPECT_FALSE(k.FileLoad(QStringLiteral("9"), path, silent));
            EXPECT_EQ(k.RaceDate(), QStringLiteral("2024/01/01")); // what came before the stop stays
            EXPECT_EQ(k.RaceNumbers(), 0);
            if (silent) {
                EXPECT_TRUE(ui.messages.isEmpty());
            } else {
                ASSERT_EQ(ui.messages.size(), 1);
                EXPECT_EQ(ui.messages[0].title, kTitle);
                EXPECT_EQ(ui.messages[0].text, QStringLiteral("開催中止でした。\r\nCode: 9#"));
                EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
            }
        }
    }
}

TEST_F(KekkaFileTest, LaterRowsOfCancelledRacesDoNotCancelTheMeeting)
{
    QStringList lines = BlockHead(QStringLiteral("11"));
    lines.insert(9, QStringLiteral("           2R  中　止"));
    lines << Race(1, kNormal) << QStringLiteral("11KEND");
    ASSERT_TRUE(k.FileLoad(QStringLiteral("11"), write(lines), false));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(k.RaceNumbers(), 1);
}

TEST_F(KekkaFileTest, ThirteenthRaceOverflows)
{
    const QString path = write(Block(QStringLiteral("01"), 13));
    EXPECT_FALSE(k.FileLoad(QStringLiteral("01"), path, false));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].title, kTitle);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("レース No.がオーバーフローしました。\r\nRace No: 13"));
    EXPECT_EQ(k.RaceNumbers(), 12);
    EXPECT_EQ(k.DividendTansyo(12), 130);

    ui.messages.clear();
    EXPECT_FALSE(k.FileLoad(QStringLiteral("01"), path, true));
    EXPECT_TRUE(ui.messages.isEmpty());

    ASSERT_TRUE(k.FileLoad(QStringLiteral("01"), write(Block(QStringLiteral("01"), 12)), false));
    EXPECT_EQ(k.RaceNumbers(), 12);
}

TEST_F(KekkaFileTest, ResultToWakuFollowsTheResultTable)
{
    struct Case {
        const char* name;
        QVector<QVector<Boat>> races;
        std::array<int, 6> expected; // ResultToWaku of the last race
    };
    const QVector<Boat> five = {{"01", 1, "6.89", "1", "0.08"}, {"02", 3, "6.87", "3", "0.08"},
                                {"03", 6, "6.77", "6", "0.11"}, {"04", 5, "6.86", "5", "0.09"},
                                {"05", 2, "6.83", "2", "0.13"}};
    const QVector<Boat> allFlying = {{"F", 1, "6.70", "1", "F0.03"}, {"F", 2, "6.79", "2", "F0.02"},
                                     {"F", 3, "6.68", "3", "F0.07"}, {"F", 4, "6.70", "4", "F0.03"},
                                     {"F", 5, "6.69", "5", "F0.12"}, {"F", 6, "6.76", "6", "F0.01"}};
    const QVector<Case> cases = {
        {"winner frame 3, second frame 1",
         {{{"01", 3, "6.80", "3", "0.10"}, {"02", 1, "6.80", "1", "0.10"}, {"03", 2, "6.80", "2", "0.10"},
           {"04", 4, "6.80", "4", "0.10"}, {"05", 5, "6.80", "5", "0.10"}, {"06", 6, "6.80", "6", "0.10"}}},
         {3, 1, 2, 4, 5, 6}},
        {"a flying boat after five finishers is sixth",
         {five + QVector<Boat>{{"F", 4, "6.83", "4", "F0.01"}}},
         {1, 3, 6, 5, 2, 4}},
        {"two unplaced boats follow four finishers",
         {{{"01", 2, "6.80", "2", "0.10"}, {"02", 1, "6.80", "1", "0.10"}, {"03", 3, "6.80", "3", "0.10"},
           {"04", 4, "6.80", "4", "0.10"}, {"K0", 6, "K .", " ", "K ."}, {"S1", 5, "6.80", "5", "0.10"}}},
         {2, 1, 3, 4, 6, 5}},
        {"a race where every boat flew", {kNormal, allFlying}, {1, 2, 3, 4, 5, 6}},
        // The counter starts afresh with every race, so a short table before does not shift it.
        {"every boat flew after a race of five lines", {five, allFlying}, {1, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList lines = BlockHead(QStringLiteral("05"));
        for (int r = 0; r < c.races.size(); ++r)
            lines << Race(r + 1, c.races[r]);
        lines << QStringLiteral("05KEND");
        ui.messages.clear();
        ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), write(lines), false));
        const int race = int(c.races.size());
        for (int d = 1; d <= 6; ++d)
            EXPECT_EQ(k.ResultToWaku(race, d), c.expected[size_t(d - 1)]) << "position " << d;
    }
}

TEST_F(KekkaFileTest, PayoutsAndPopularityRanks)
{
    struct Case {
        const char* name;
        QStringList payouts;
        std::function<void(const cKekkaFile&)> check;
    };
    const QVector<Case> cases = {
        {"all seven bet types", kPayouts,
         [](const cKekkaFile& k) {
             EXPECT_EQ(k.DividendTansyo(1), 130);
             EXPECT_EQ(k.DividendFukusyo(1, 0), 140);
             EXPECT_EQ(k.DividendFukusyo(1, 1), 290);
             EXPECT_EQ(k.DividendRensyoTansiki(1), 390);
             EXPECT_EQ(k.Dividend2RentanOrder(1), 1);
             EXPECT_EQ(k.DividendRensyoFukusiki(1), 310);
             EXPECT_EQ(k.Dividend2RenfukuOrder(1), 2);
             EXPECT_EQ(k.DividendKakuRenFuku(1, 0), 190);
             EXPECT_EQ(k.DividendKakuRenFuku(1, 1), 420);
             EXPECT_EQ(k.DividendKakuRenFuku(1, 2), 620);
             EXPECT_EQ(k.DividendKakuRenFukuOrder(1, 0), 1);
             EXPECT_EQ(k.DividendKakuRenFukuOrder(1, 1), 7);
             EXPECT_EQ(k.DividendKakuRenFukuOrder(1, 2), 10);
             EXPECT_EQ(k.Dividend3RenTan(1), 1830);
             EXPECT_EQ(k.Dividend3RentanOrder(1), 5);
             EXPECT_EQ(k.Dividend3Renfuku(1), 760);
             EXPECT_EQ(k.Dividend3RenfukuOrder(1), 3);
         }},
        {"void exacta and place",
         {QStringLiteral("        単勝     4          100  "), QStringLiteral("        複勝     不成立"),
          QStringLiteral("        ２連単   4-6        100  不成立 人気     1 "), QStringLiteral("        ２連複   不成立"),
          QStringLiteral("        ３連単   1-3-6   129190  人気   101 ")},
         [](const cKekkaFile& k) {
             EXPECT_EQ(k.DividendTansyo(1), 100);
             EXPECT_EQ(k.DividendFukusyo(1, 0), 0);
             EXPECT_EQ(k.DividendFukusyo(1, 1), 0);
             EXPECT_EQ(k.DividendRensyoTansiki(1), 0);
             EXPECT_EQ(k.Dividend2RentanOrder(1), 0);
             EXPECT_EQ(k.DividendRensyoFukusiki(1), 0);
             EXPECT_EQ(k.Dividend3RenTan(1), 129190);
             EXPECT_EQ(k.Dividend3RentanOrder(1), 101);
         }},
        {"a bet line after one pair ends the quinella-place pairs",
         {QStringLiteral("        拡連複   1-3        190  人気     1 "),
          QStringLiteral("                 1-6        420  人気     7 "),
          QStringLiteral("        ３連単   1-3-6     1830  人気     5 "),
          QStringLiteral("                 3-6        620  人気    10 ")},
         [](const cKekkaFile& k) {
             EXPECT_EQ(k.DividendKakuRenFuku(1, 1), 420);
             EXPECT_EQ(k.DividendKakuRenFuku(1, 2), 0);
             EXPECT_EQ(k.DividendKakuRenFukuOrder(1, 2), 0);
             EXPECT_EQ(k.Dividend3RenTan(1), 1830);
         }},
        {"void quinella place followed by blank lines",
         {QStringLiteral("        拡連複   不成立"), QString(), QString(),
          QStringLiteral("        ３連複   不成立")},
         [](const cKekkaFile& k) {
             for (int i = 0; i < 3; ++i) {
                 EXPECT_EQ(k.DividendKakuRenFuku(1, i), 0);
                 EXPECT_EQ(k.DividendKakuRenFukuOrder(1, i), 0);
             }
             EXPECT_EQ(k.Dividend3Renfuku(1), 0);
         }},
        {"special payouts",
         {QStringLiteral("        単勝        特払い   70          "), QStringLiteral("        ２連複      特払い   70")},
         [](const cKekkaFile& k) {
             EXPECT_EQ(k.DividendTansyo(1), 70);
             EXPECT_EQ(k.DividendRensyoFukusiki(1), 0); // no popularity rank: not a valid line
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = write(BlockHead(QStringLiteral("05")) + Race(1, kNormal, c.payouts)
                                   + QStringList{QStringLiteral("05KEND")});
        ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), path, false));
        c.check(k);
    }
}

TEST_F(KekkaFileTest, FinishIsTheDecidingMoveOrVoid)
{
    struct Case {
        QString heading;
        QStringList extra; // lines after the result table
        QString expected;
    };
    const QVector<Case> cases = {
        {Heading(QStringLiteral("まくり差し")), {}, QStringLiteral("まくり差し")},
        {Heading(QStringLiteral("恵まれ　　")), {}, QStringLiteral("恵まれ　　")},
        {Heading(QStringLiteral("不成立")), {}, QStringLiteral("レース不成立")},
        {Heading(QStringLiteral("　　　　　")), {QStringLiteral("  レース不成立")}, QStringLiteral("レース不成立")},
    };
    for (const Case& c : cases) {
        QStringList race = Race(1, kNormal, c.extra);
        race[1] = c.heading;
        ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), write(BlockHead(QStringLiteral("05")) + race
                                                               + QStringList{QStringLiteral("05KEND")}),
                               false));
        EXPECT_EQ(k.Finish(1), c.expected);
    }
}

TEST_F(KekkaFileTest, EntryFormation)
{
    const QVector<Boat> swapped = {{"01", 1, "6.89", "1", "0.08"}, {"02", 3, "6.87", "3", "0.08"},
                                   {"03", 6, "6.77", "5", "0.11"}, {"04", 5, "6.86", "6", "0.09"},
                                   {"05", 2, "6.83", "2", "0.13"}, {"06", 4, "6.83", "4", "0.21"}};
    const QVector<Boat> absent = {{"01", 1, "6.89", "1", "0.08"}, {"02", 2, "6.87", "2", "0.08"},
                                  {"03", 3, "6.77", "3", "0.11"}, {"04", 4, "6.86", "4", "0.09"},
                                  {"05", 5, "6.83", "5", "0.13"}, {"K0", 6, "K .", " ", "K ."}};
    QStringList lines = BlockHead(QStringLiteral("05")) + Race(1, kNormal) + Race(2, swapped) + Race(3, absent);
    lines << QStringLiteral("05KEND");
    ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), write(lines), false));
    EXPECT_EQ(k.SinnyuStyle(1), QStringLiteral("123456"));
    EXPECT_EQ(k.SinnyuStyle(2), QStringLiteral("123465"));
    EXPECT_EQ(k.CourseToWaku(2, 5), 6);
    EXPECT_EQ(k.SinnyuStyle(3), QString());
    EXPECT_EQ(k.CourseToWaku(3, 6), 0);
    EXPECT_EQ(k.Course(3, 6), 0);
    EXPECT_EQ(k.SinnyuStyle(4), QString()); // a race not in the file
}

TEST_F(KekkaFileTest, TimingRanks)
{
    struct Case {
        const char* name;
        QVector<Boat> boats;
        std::array<int, 6> start;      // StartTimingOrder by frame
        std::array<int, 6> exhibition; // ExhibitionTimeOrder by frame
    };
    const QVector<Case> cases = {
        {"equal timings: the outer course ranks first", kNormal, {2, 5, 1, 6, 3, 4}, {6, 3, 5, 2, 4, 1}},
        {"flying and late starts rank last",
         {{"01", 1, "6.80", "1", "0.20"}, {"02", 2, "6.81", "2", "0.15"}, {"03", 3, "6.82", "3", "0.16"},
          {"04", 4, "6.83", "4", "0.17"}, {"F", 5, "6.70", "5", "F0.01"}, {"L1", 6, "6.60", "6", "L ."}},
         {4, 1, 2, 3, 5, 6},
         {1, 2, 3, 4, 6, 5}},
        {"two flying boats with the same time share the larger rank",
         {{"01", 1, "6.80", "1", "0.20"}, {"02", 2, "6.81", "2", "0.15"}, {"03", 3, "6.82", "3", "0.16"},
          {"04", 4, "6.83", "4", "0.17"}, {"F", 5, "6.70", "5", "F0.01"}, {"F", 6, "6.70", "5", "F0.01"}},
         {4, 1, 2, 3, 6, 6},
         {1, 2, 3, 4, 6, 6}},
        // An absent boat has neither timing; it must not take the best rank.
        {"an absent boat ranks last",
         {{"01", 1, "6.80", "1", "0.20"}, {"02", 2, "6.81", "2", "0.15"}, {"03", 3, "6.82", "3", "0.16"},
          {"04", 4, "6.83", "4", "0.17"}, {"05", 5, "6.84", "5", "0.18"}, {"K0", 6, "K .", " ", "K ."}},
         {5, 1, 2, 3, 4, 6},
         {1, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), write(BlockHead(QStringLiteral("05")) + Race(1, c.boats)
                                                               + QStringList{QStringLiteral("05KEND")}),
                               false));
        for (int w = 1; w <= 6; ++w) {
            EXPECT_EQ(k.StartTimingOrder(1, w), c.start[size_t(w - 1)]) << "frame " << w;
            EXPECT_EQ(k.ExhibitionTimeOrder(1, w), c.exhibition[size_t(w - 1)]) << "frame " << w;
        }
    }
}

TEST_F(KekkaFileTest, MalformedFiguresRaiseAndKeepWhatWasRead)
{
    struct Case {
        const char* name;
        QVector<Boat> boats;
        QStringList payouts;
        int error;
    };
    const QVector<Case> cases = {
        {"popularity rank that is not a number", kNormal,
         {QStringLiteral("        ２連単   1-3        390  人気    ?? ")}, ErrTypeMismatch},
        {"amount that is not a number", kNormal, {QStringLiteral("        ３連単   1-3-6     ****  人気     5 ")},
         ErrTypeMismatch},
        {"seventh placed line", kNormal + QVector<Boat>{{"07", 1, "6.80", "1", "0.10"}}, kPayouts, ErrIndexOutOfRange},
        {"course outside 1-6",
         {{"01", 1, "6.89", "7", "0.08"}}, kPayouts, ErrIndexOutOfRange},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList lines = BlockHead(QStringLiteral("05")) + Race(1, kNormal) + Race(2, c.boats, c.payouts);
        lines << QStringLiteral("05KEND");
        EXPECT_EQ(loadError(QStringLiteral("05"), write(lines)), c.error);
        EXPECT_TRUE(ui.messages.isEmpty());
        EXPECT_EQ(k.RaceNumbers(), 2);
        EXPECT_EQ(k.Dividend3RenTan(1), 1830);
    }
}

TEST_F(KekkaFileTest, IndexOutsideItsRangeRaisesError9)
{
    ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), write(Block(QStringLiteral("05"), 1)), false));
    const QVector<std::function<void()>> calls = {
        [&] { k.RaceNoTitle(0); },           [&] { k.Finish(13); },
        [&] { k.Order(1, 0); },              [&] { k.SensyuNo(1, 7); },
        [&] { k.StartTiming(-1, 1); },       [&] { k.StartTimingOrder(1, 7); },
        [&] { k.CourseToWaku(1, 0); },       [&] { k.CourseToWaku(1, 7); },
        [&] { k.ResultToWaku(1, 7); },       [&] { k.DividendFukusyo(1, 2); },
        [&] { k.DividendFukusyo(1, -1); },   [&] { k.DividendKakuRenFuku(1, 3); },
        [&] { k.DividendKakuRenFukuOrder(1, 3); }, [&] { k.SinnyuStyle(13); },
        [&] { k.Dividend3RenTan(0); },
    };
    for (int i = 0; i < calls.size(); ++i) {
        try {
            calls[i]();
            ADD_FAILURE() << "call " << i << " did not raise";
        } catch (const QvError& e) {
            EXPECT_EQ(e.number(), ErrIndexOutOfRange) << "call " << i;
        }
    }
    // The edges themselves are valid.
    EXPECT_EQ(k.ResultToWaku(1, 6), 4);
    EXPECT_EQ(k.DividendKakuRenFuku(1, 2), 620);
    EXPECT_EQ(k.Order(12, 6), QString());
}

TEST_F(KekkaFileTest, DataClearEmptiesEverything)
{
    ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), write(Block(QStringLiteral("05"), 2)), false));
    k.DataClear();
    EXPECT_EQ(k.KyoteijyoCode(), QString());
    EXPECT_EQ(k.RaceNumbers(), 0);
    EXPECT_EQ(k.RaceDate(), QString());
    EXPECT_EQ(k.TotalDay(), 0);
    EXPECT_EQ(k.RaceNoTitle(1), QString());
    EXPECT_EQ(k.SensyuNo(1, 1), QString());
    EXPECT_EQ(k.StartTimingOrder(1, 1), 0);
    EXPECT_EQ(k.CourseToWaku(2, 1), 0);
    EXPECT_EQ(k.ResultToWaku(1, 1), 0);
    EXPECT_EQ(k.DividendKakuRenFukuOrder(2, 1), 0);
}

TEST_F(KekkaFileTest, BlockEndsAtItsEndMarkerOrTheEndOfTheFile)
{
    // The end marker right behind the payout header must not let the next block's races in.
    QStringList empty = BlockHead(QStringLiteral("05")).mid(0, 8);
    empty << QStringLiteral("05KEND");
    const QString path = write(empty + Block(QStringLiteral("04"), 3));
    ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), path, false));
    EXPECT_EQ(k.RaceNumbers(), 0);

    // A file cut inside a block keeps what was read; one cut right behind the payout header too.
    const QStringList full = Block(QStringLiteral("05"), 4);
    struct Cut {
        int lines;
        int races;
    };
    for (const Cut& c : {Cut{8, 0}, Cut{int(full.size()) - 10, 4}, Cut{int(full.size()) / 2, 2}}) {
        SCOPED_TRACE(c.lines);
        QByteArray bytes = EncodeLines(full.mid(0, c.lines));
        ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), writeBytes(bytes), false));
        EXPECT_EQ(k.RaceNumbers(), c.races);
        EXPECT_TRUE(ui.messages.isEmpty());
    }
    // Cut in the middle of a line, without a final line end.
    QByteArray bytes = EncodeLines(full);
    bytes.truncate(bytes.indexOf("  03  6") + 20);
    ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), writeBytes(bytes), false));
    EXPECT_EQ(k.RaceNumbers(), 1);
    EXPECT_EQ(k.Order(1, 6), QStringLiteral("03"));
    EXPECT_EQ(k.ExhibitionTime(1, 6), 0.0f);
}

TEST_F(KekkaFileTest, LineFeedOnlyFilesReadTheSame)
{
    QByteArray bytes = EncodeLines(Block(QStringLiteral("05"), 2));
    bytes.replace("\r\n", "\n");
    ASSERT_TRUE(k.FileLoad(QStringLiteral("05"), writeBytes(bytes), false));
    EXPECT_EQ(k.RaceNumbers(), 2);
    EXPECT_EQ(k.Dividend3RenTan(2), 1830);
    EXPECT_EQ(k.RaceTime(2, 1), QStringLiteral("1.49.7"));
}

TEST_F(KekkaFileTest, WrongFilesGiveFalseOrTheirDocumentedResult)
{
    // Files without a results block: false, no message.
    struct Case {
        const char* name;
        QByteArray bytes;
    };
    QByteArray longLine(5 * 1024 * 1024, 'x');
    const QVector<Case> noBlock = {
        {"empty file", QByteArray()},
        {"race program", ReadAll(RealData(QStringLiteral("program/B240101.TXT")))},
        {"5 MB single line", longLine},
        {"marker inside a line", QByteArray("xx 24KBGN\r\n") + longLine},
    };
    for (const Case& c : noBlock) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(k.FileLoad(QStringLiteral("24"), writeBytes(c.bytes), false));
        EXPECT_TRUE(ui.messages.isEmpty());
        EXPECT_EQ(k.RaceNumbers(), 0);
    }

    // A block made of one enormous line holds no race.
    ASSERT_TRUE(k.FileLoad(QStringLiteral("24"), writeBytes(QByteArray("24KBGN\r\n") + longLine), false));
    EXPECT_EQ(k.RaceNumbers(), 0);

    // The same results saved as UTF-8 still find their blocks but read no payout.
    const QString text = Cp932ToText(ReadAll(RealData(QStringLiteral("results/K240101.TXT"))));
    ASSERT_TRUE(k.FileLoad(QStringLiteral("24"), writeBytes(text.toUtf8()), false));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(k.RaceNumbers(), 12);
    EXPECT_EQ(k.RaceDate(), QString());
    EXPECT_EQ(k.DividendTansyo(1), 0);

    // Random bytes, with and without a marker in them: a result or a run-time error, no crash.
    std::mt19937 rng(20240101);
    for (int round = 0; round < 40; ++round) {
        QByteArray junk(4096 + int(rng() % 8192), '\0');
        for (char& ch : junk)
            ch = char(rng() & 0xFF);
        if (round % 2)
            junk.insert(int(rng() % junk.size()), "\r\n05KBGN\r\n");
        const QString path = writeBytes(junk);
        bool result = false;
        const int error = loadError(QStringLiteral("05"), path, &result);
        EXPECT_TRUE(error == 0 || error == ErrTypeMismatch || error == ErrIndexOutOfRange || error == ErrOverflow)
            << error;
        EXPECT_TRUE(ui.messages.isEmpty());
    }
}

} // namespace

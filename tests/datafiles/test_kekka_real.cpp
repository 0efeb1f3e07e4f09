// Results file reader on the organizer's real files.
#include "common/cp932.h"
#include "common/errors.h"
#include "datafiles/kekkafile.h"
#include "support/testsupport.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

struct RealFile {
    const char* name;
    const char* date;
    QSet<QString> cancelled;      // meetings called off before their first race
    QMap<QString, int> shortDays; // stadium -> races when not 12 (cut short, or no results yet)
};

const QVector<RealFile> kFiles = {
    {"K191005.TXT", "2019/10/05", {}, {}},
    {"K240101.TXT", "2024/01/01", {}, {}},
    {"K240102.TXT", "2024/01/02", {}, {}},
    {"K240103.TXT", "2024/01/03", {}, {{"10", 0}}},
    {"K240104.TXT", "2024/01/04", {}, {{"10", 0}}},
    {"K240105.TXT", "2024/01/05", {}, {{"10", 0}}},
    {"K240106.TXT", "2024/01/06", {}, {{"10", 0}}},
    {"K240318.TXT", "2024/03/18", {"09", "03", "01"}, {{"11", 6}, {"02", 6}}},
    {"K240508.TXT", "2024/05/08", {}, {}},
    {"K241026.TXT", "2024/10/26", {}, {{"03", 0}}},
};

struct TableRow {
    int race;
    int sanrentan, sanrenfuku, rentan, renfuku;
};

// The payout table at the head of each block, read independently of the reader under test:
// per race, the trifecta, trio, exacta and quinella amounts ("不成立" and "特払い" read as 0).
QMap<QString, QVector<TableRow>> PayoutTables(const QStringList& lines)
{
    QMap<QString, QVector<TableRow>> tables;
    QString code;
    bool inTable = false;
    static const QRegularExpression row(QStringLiteral("^ +(\\d+)R  (.*)$"));
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (t.endsWith(QStringLiteral("KBGN")))
            code = t.left(2);
        if (line.contains(QStringLiteral("[払戻金]"))) {
            inTable = true;
            continue;
        }
        const auto m = row.match(line);
        if (!inTable || !m.hasMatch()) {
            inTable = inTable && m.hasMatch();
            continue;
        }
        if (m.captured(2).contains(QStringLiteral("中")))
            continue;
        const QStringList tokens = m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVector<int> amounts;
        for (int i = 0; i < tokens.size();) {
            if (tokens[i] == QStringLiteral("不成立") || tokens[i] == QStringLiteral("特払い")) {
                amounts << 0;
                ++i;
            } else {
                amounts << (i + 1 < tokens.size() ? tokens[i + 1].toInt() : -1);
                i += 2;
            }
        }
        if (amounts.size() == 4)
            tables[code].append({m.captured(1).toInt(), amounts[0], amounts[1], amounts[2], amounts[3]});
        else
            ADD_FAILURE() << "table row not understood: " << line.toStdString();
    }
    return tables;
}

QStringList BlockCodes(const QStringList& lines)
{
    QStringList codes;
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (t.size() == 6 && t.endsWith(QStringLiteral("KBGN")))
            codes << t.left(2);
    }
    return codes;
}

TEST(KekkaRealTest, EveryBlockOfEveryFileLoads)
{
    for (const RealFile& f : kFiles) {
        const QString path = RealData(QStringLiteral("results/") + QString::fromLatin1(f.name));
        const QStringList lines = DecodeLines(ReadAll(path));
        const QStringList codes = BlockCodes(lines);
        ASSERT_FALSE(codes.isEmpty()) << f.name;
        const auto tables = PayoutTables(lines);
        for (const QString& code : codes) {
            SCOPED_TRACE(std::string(f.name) + " " + code.toStdString());
            RecordingUi ui;
            cKekkaFile k(ui);
            bool loaded = false;
            ASSERT_NO_THROW(loaded = k.FileLoad(code, path, false));
            if (f.cancelled.contains(code)) {
                EXPECT_FALSE(loaded);
                ASSERT_EQ(ui.messages.size(), 1);
                EXPECT_EQ(ui.messages[0].title, QStringLiteral("結果ファイル読み取りエラー"));
                EXPECT_EQ(ui.messages[0].text, QStringLiteral("開催中止でした。\r\nCode: ") + code + QStringLiteral("#"));
                continue;
            }
            EXPECT_TRUE(loaded);
            EXPECT_TRUE(ui.messages.isEmpty());
            EXPECT_EQ(k.KyoteijyoCode(), code);
            const int races = f.shortDays.value(code, 12);
            EXPECT_EQ(k.RaceNumbers(), races);
            EXPECT_EQ(k.RaceDate(), races ? QString::fromLatin1(f.date) : QString());

            // The race payouts agree with the block's own payout table.
            if (races) {
                EXPECT_EQ(tables.value(code).size(), races);
            }
            for (const TableRow& t : tables.value(code)) {
                SCOPED_TRACE(t.race);
                EXPECT_EQ(k.Dividend3RenTan(t.race), t.sanrentan);
                EXPECT_EQ(k.Dividend3Renfuku(t.race), t.sanrenfuku);
                EXPECT_EQ(k.DividendRensyoTansiki(t.race), t.rentan);
                EXPECT_EQ(k.DividendRensyoFukusiki(t.race), t.renfuku);
            }
            // Courses, the formation and the result order agree with the entry columns.
            for (int r = 1; r <= k.RaceNumbers(); ++r) {
                QSet<int> placed;
                for (int d = 1; d <= 6; ++d) {
                    const int w = k.ResultToWaku(r, d);
                    ASSERT_TRUE(w >= 1 && w <= 6) << "race " << r << " position " << d;
                    placed.insert(w);
                    bool numeric = false;
                    const int order = k.Order(r, w).toInt(&numeric);
                    if (numeric) {
                        EXPECT_EQ(order, d) << "race " << r;
                    }
                }
                EXPECT_EQ(placed.size(), 6) << "race " << r;
                for (int w = 1; w <= 6; ++w) {
                    const int c = k.Course(r, w);
                    if (c > 0) {
                        EXPECT_EQ(k.CourseToWaku(r, c), w) << "race " << r;
                    }
                    EXPECT_EQ(k.SensyuNo(r, w).size(), 4);
                    EXPECT_GE(k.StartTimingOrder(r, w), 1);
                }
            }
        }
    }
}

cKekkaFile& Load(cKekkaFile& k, const char* file, const char* code)
{
    EXPECT_TRUE(k.FileLoad(QString::fromLatin1(code), RealData(QStringLiteral("results/") + QString::fromLatin1(file)), false))
        << file << " " << code;
    return k;
}

// Figures checked by hand against the raw lines.
TEST(KekkaRealTest, OrdinaryRace)
{
    // K240101, 24, 1R:
    //   01  1 3501 … 50   12  6.89   1    0.08     1.49.7
    //   02  3 4299 … 59   49  6.87   3    0.08     1.50.1
    //   03  6 3773 … 57   25  6.77   6    0.11     1.51.3
    //   04  5 4393 … 31   45  6.86   5    0.09     1.51.6
    //   05  2 5129 … 46   61  6.83   2    0.13      .  .
    //   06  4 4855 … 18   67  6.83   4    0.21      .  .
    RecordingUi ui;
    cKekkaFile k(ui);
    Load(k, "K240101.TXT", "24");
    EXPECT_EQ(k.TotalDay(), 1);
    EXPECT_EQ(k.RaceDate(), QStringLiteral("2024/01/01"));
    EXPECT_EQ(k.RaceNoTitle(1),
              QStringLiteral("1R       予選　　　　                 H1800m  晴　  風  北　　 3m  波　  2cm"));
    EXPECT_EQ(k.Finish(1), QStringLiteral("逃げ　　　"));
    EXPECT_EQ(k.SensyuNo(1, 3), QStringLiteral("4299"));
    EXPECT_EQ(k.Order(1, 6), QStringLiteral("03"));
    EXPECT_FLOAT_EQ(k.ExhibitionTime(1, 5), 6.86f);
    EXPECT_FLOAT_EQ(k.StartTiming(1, 4), 0.21f);
    EXPECT_EQ(k.Course(1, 2), 2);
    EXPECT_EQ(k.RaceTime(1, 1), QStringLiteral("1.49.7"));
    EXPECT_EQ(k.RaceTime(1, 2), QStringLiteral(" .  . "));
    const int expected[6] = {1, 3, 6, 5, 2, 4};
    for (int d = 1; d <= 6; ++d)
        EXPECT_EQ(k.ResultToWaku(1, d), expected[d - 1]);
    EXPECT_EQ(k.SinnyuStyle(1), QStringLiteral("123456"));
    // Frames 1 and 3 both started at 0.08: the outer one ranks first.
    EXPECT_EQ(k.StartTimingOrder(1, 3), 1);
    EXPECT_EQ(k.StartTimingOrder(1, 1), 2);
    EXPECT_EQ(k.StartTimingOrder(1, 4), 6);
    // Frames 2 and 4 both showed 6.83 behind frame 6's 6.77.
    EXPECT_EQ(k.ExhibitionTimeOrder(1, 6), 1);
    EXPECT_EQ(k.ExhibitionTimeOrder(1, 4), 2);
    EXPECT_EQ(k.ExhibitionTimeOrder(1, 2), 3);
    // 単勝 1 130 / 複勝 1 140 3 290 / ２連単 1-3 390 人気 1 / ２連複 1-3 310 人気 1 /
    // 拡連複 1-3 190 人気 1, 1-6 420 人気 7, 3-6 620 人気 10 / ３連単 1-3-6 1830 人気 5 / ３連複 1-3-6 760 人気 3
    EXPECT_EQ(k.DividendTansyo(1), 130);
    EXPECT_EQ(k.DividendFukusyo(1, 0), 140);
    EXPECT_EQ(k.DividendFukusyo(1, 1), 290);
    EXPECT_EQ(k.DividendRensyoTansiki(1), 390);
    EXPECT_EQ(k.Dividend2RentanOrder(1), 1);
    EXPECT_EQ(k.DividendRensyoFukusiki(1), 310);
    EXPECT_EQ(k.Dividend2RenfukuOrder(1), 1);
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

    // The 2019 file has the same layout: 24, 1R "01  1 4004 … 6.76   1    0.06     1.51.3".
    Load(k, "K191005.TXT", "24");
    EXPECT_EQ(k.TotalDay(), 2);
    EXPECT_EQ(k.RaceDate(), QStringLiteral("2019/10/05"));
    EXPECT_EQ(k.SensyuNo(1, 1), QStringLiteral("4004"));
    EXPECT_FLOAT_EQ(k.StartTiming(1, 1), 0.06f);
    EXPECT_EQ(k.Dividend3RenTan(1), 1430);
    EXPECT_EQ(k.Dividend3RentanOrder(1), 5);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST(KekkaRealTest, AbsentLateAndFlyingBoats)
{
    RecordingUi ui;
    cKekkaFile k(ui);
    // K240104, 23, 12R: "K0  3 3307 … 36   69 K .         K .        .  . " after five finishers;
    // frame 5 took course 4 and nobody course 6.
    Load(k, "K240104.TXT", "23");
    EXPECT_EQ(k.Order(12, 3), QStringLiteral("K0"));
    EXPECT_EQ(k.ExhibitionTime(12, 3), 0.0f);
    EXPECT_EQ(k.StartTiming(12, 3), 0.0f);
    EXPECT_EQ(k.Course(12, 3), 0);
    EXPECT_EQ(k.ResultToWaku(12, 6), 3);
    EXPECT_EQ(k.CourseToWaku(12, 4), 5);
    EXPECT_EQ(k.SinnyuStyle(12), QString());
    EXPECT_EQ(k.StartTimingOrder(12, 3), 6);
    EXPECT_EQ(k.ExhibitionTimeOrder(12, 3), 6);
    EXPECT_EQ(k.StartTimingOrder(12, 5), 1); // 0.03, the best start
    EXPECT_EQ(k.Dividend3RenTan(12), 520);
    EXPECT_EQ(k.Dividend3RentanOrder(12), 1);

    // K240104, 07, 5R: "L1  1 4080 … 6.76   1   L .        .  . " behind five finishers.
    Load(k, "K240104.TXT", "07");
    EXPECT_EQ(k.Order(5, 1), QStringLiteral("L1"));
    EXPECT_EQ(k.StartTiming(5, 1), 0.0f);
    EXPECT_FLOAT_EQ(k.ExhibitionTime(5, 1), 6.76f);
    EXPECT_EQ(k.Course(5, 1), 1);
    EXPECT_EQ(k.ResultToWaku(5, 6), 1);
    EXPECT_EQ(k.StartTimingOrder(5, 1), 6);
    EXPECT_EQ(k.SinnyuStyle(5), QStringLiteral("123456"));

    // K240104, 05, 11R: all six boats flew; the race is announced void below the table.
    Load(k, "K240104.TXT", "05");
    EXPECT_EQ(k.Finish(11), QStringLiteral("レース不成立"));
    for (int w = 1; w <= 6; ++w) {
        EXPECT_EQ(k.Order(11, w), QStringLiteral("F "));
        EXPECT_EQ(k.ResultToWaku(11, w), w);
    }
    EXPECT_FLOAT_EQ(k.StartTiming(11, 5), 0.12f);
    EXPECT_EQ(k.StartTimingOrder(11, 6), 1); // F0.01
    EXPECT_EQ(k.StartTimingOrder(11, 5), 6); // F0.12
    EXPECT_EQ(k.DividendTansyo(11), 0);
    EXPECT_EQ(k.Finish(12), QStringLiteral("逃げ　　　"));
    EXPECT_EQ(k.DividendTansyo(12), 150);

    // K240104, 02, 9R: three boats flew; "拡連複 不成立", "３連単 5-6-4 310 人気 1", "３連複 不成立".
    Load(k, "K240104.TXT", "02");
    EXPECT_EQ(k.Order(9, 1), QStringLiteral("F "));
    EXPECT_FLOAT_EQ(k.StartTiming(9, 1), 0.02f);
    EXPECT_EQ(k.ResultToWaku(9, 1), 5);
    EXPECT_EQ(k.ResultToWaku(9, 4), 1);
    EXPECT_EQ(k.DividendKakuRenFuku(9, 0), 0);
    EXPECT_EQ(k.DividendKakuRenFukuOrder(9, 0), 0);
    EXPECT_EQ(k.Dividend3RenTan(9), 310);
    EXPECT_EQ(k.Dividend3RentanOrder(9), 1);
    EXPECT_EQ(k.Dividend3Renfuku(9), 0);
    EXPECT_EQ(k.DividendRensyoTansiki(9), 190);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST(KekkaRealTest, VoidAndSpecialPayouts)
{
    RecordingUi ui;
    cKekkaFile k(ui);
    // K240508, 20, 2R: 単勝 4 100 / 複勝 不成立 / ２連単 4-6 100 人気 1 / ２連複 不成立 / 拡連複 不成立 /
    // ３連単 不成立 / ３連複 不成立.
    Load(k, "K240508.TXT", "20");
    EXPECT_EQ(k.DividendTansyo(2), 100);
    EXPECT_EQ(k.DividendFukusyo(2, 0), 0);
    EXPECT_EQ(k.DividendFukusyo(2, 1), 0);
    EXPECT_EQ(k.DividendRensyoTansiki(2), 100);
    EXPECT_EQ(k.Dividend2RentanOrder(2), 1);
    EXPECT_EQ(k.DividendRensyoFukusiki(2), 0);
    EXPECT_EQ(k.Dividend2RenfukuOrder(2), 0);
    EXPECT_EQ(k.DividendKakuRenFuku(2, 1), 0);
    EXPECT_EQ(k.Dividend3RenTan(2), 0);
    EXPECT_EQ(k.Dividend3RentanOrder(2), 0);
    EXPECT_EQ(k.Dividend3Renfuku(2), 0);

    // K240508, 23, 8R: ２連単 1-3 570 人気 4 / 拡連複 不成立 / ３連単 1-3-2 400 人気 3 / ３連複 不成立.
    Load(k, "K240508.TXT", "23");
    EXPECT_EQ(k.DividendRensyoTansiki(8), 570);
    EXPECT_EQ(k.Dividend2RentanOrder(8), 4);
    EXPECT_EQ(k.DividendKakuRenFuku(8, 0), 0);
    EXPECT_EQ(k.Dividend3RenTan(8), 400);
    EXPECT_EQ(k.Dividend3RentanOrder(8), 3);
    EXPECT_EQ(k.Dividend3Renfuku(8), 0);

    // K241026, 09, 7R: "単勝        特払い   70", "２連複      特払い   70" (no popularity rank),
    // 複勝 6 1160 1 290, ２連単 6-1 22800 人気 26, 拡連複 1180/1450/310 人気 11/12/4, ３連単 129190 人気 101.
    Load(k, "K241026.TXT", "09");
    EXPECT_EQ(k.DividendTansyo(7), 70);
    EXPECT_EQ(k.DividendFukusyo(7, 0), 1160);
    EXPECT_EQ(k.DividendFukusyo(7, 1), 290);
    EXPECT_EQ(k.DividendRensyoTansiki(7), 22800);
    EXPECT_EQ(k.Dividend2RentanOrder(7), 26);
    EXPECT_EQ(k.DividendRensyoFukusiki(7), 0);
    EXPECT_EQ(k.DividendKakuRenFuku(7, 0), 1180);
    EXPECT_EQ(k.DividendKakuRenFuku(7, 1), 1450);
    EXPECT_EQ(k.DividendKakuRenFuku(7, 2), 310);
    EXPECT_EQ(k.DividendKakuRenFukuOrder(7, 2), 4);
    EXPECT_EQ(k.Dividend3RenTan(7), 129190);
    EXPECT_EQ(k.Dividend3RentanOrder(7), 101);
    EXPECT_EQ(k.ResultToWaku(7, 1), 6);

    // K241026, 03: a placeholder block ("データは、この場の全レース終了後に登録されます。").
    Load(k, "K241026.TXT", "03");
    EXPECT_EQ(k.RaceNumbers(), 0);
    EXPECT_EQ(k.RaceDate(), QString());
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST(KekkaRealTest, CancelledMeetingsAndRacesCutShort)
{
    RecordingUi ui;
    cKekkaFile k(ui);
    const QString path = RealData(QStringLiteral("results/K240318.TXT"));
    // 11 (びわこ): races 1-6 run, the table reads "7R  中　止" onwards.
    ASSERT_TRUE(k.FileLoad(QStringLiteral("11"), path, false));
    EXPECT_EQ(k.RaceNumbers(), 6);
    EXPECT_EQ(k.TotalDay(), 5);
    EXPECT_EQ(k.Finish(1), QStringLiteral("差し　　　"));
    EXPECT_EQ(k.ResultToWaku(1, 1), 2);
    EXPECT_EQ(k.DividendTansyo(1), 420);
    EXPECT_EQ(k.RaceNoTitle(7), QString());
    EXPECT_TRUE(ui.messages.isEmpty());

    // 09 (津): "1R  中　止" in the first row: the whole meeting was called off.
    EXPECT_FALSE(k.FileLoad(QStringLiteral("9"), path, false));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].title, QStringLiteral("結果ファイル読み取りエラー"));
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("開催中止でした。\r\nCode: 9#"));
    EXPECT_EQ(k.TotalDay(), 3);
    EXPECT_EQ(k.RaceNumbers(), 0);
    EXPECT_FALSE(k.FileLoad(QStringLiteral("09"), path, true));
    EXPECT_EQ(ui.messages.size(), 1);
}

} // namespace

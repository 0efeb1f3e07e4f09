// FileConv and KaisaiCheck: the working copy and the table of racing stadiums.
#include "bangumi_fixture.h"

#include "common/cp932.h"

#include <QDir>
#include <QFile>

using namespace bangumi_fixture;

namespace {

const QString kConvTitle = QStringLiteral("番組ファイル変換エラー");
const QString kCheckTitle = QStringLiteral("番組ファイル読み込みエラー(01)");

class BangumiConv : public BangumiTest {};

TEST_F(BangumiConv, DropsDecorationLinesAndKeepsTheRestByteForByte)
{
    // Undecodable bytes must come through unchanged, not re-encoded as "?".
    const QByteArray oddBytes = QByteArray("odd \x81\x20 bytes \xFD end");
    QByteArray source;
    auto add = [&source](const QByteArray& line, const char* end = "\r\n") { source += line + end; };
    add("STARTB");
    add("05BBGN");
    add(TextToCp932(QStringLiteral("ボートレース住之江 　１月　３日  テスト")));
    add("");                                                                       // empty
    add(TextToCp932(QStringLiteral("                            ＊＊＊　番組表　＊＊＊"))); // 番組表
    add(TextToCp932(QStringLiteral("               －内容については主催者発行のものと照合して下さい－")));
    add("-------------------------------------------------------------------------------");
    add(TextToCp932(QStringLiteral("艇 選手 選手  年 支 体級")));
    add(TextToCp932(QStringLiteral("番 登番  名   齢 部 重別")));
    add(TextToCp932(QStringLiteral("　１Ｒ  予選　番組")));                          // kept: 番 not first
    add(" --- not at the start");                                                     // kept
    add(oddBytes, "\n");                                                              // lone LF
    add(TextToCp932(QStringLiteral("1 4102益田啓司44福岡51A1")), "");                // no line end
    ASSERT_TRUE(WriteAll(path("b.txt"), source));

    ASSERT_TRUE(bangumi.FileConv(path("b.txt")));
    EXPECT_TRUE(ui.messages.isEmpty());

    QByteArray expected;
    for (const QByteArray& l : {QByteArray("STARTB"), QByteArray("05BBGN"),
                                TextToCp932(QStringLiteral("ボートレース住之江 　１月　３日  テスト")),
                                TextToCp932(QStringLiteral("　１Ｒ  予選　番組")), QByteArray(" --- not at the start"),
                                oddBytes, TextToCp932(QStringLiteral("1 4102益田啓司44福岡51A1"))})
        expected += l + "\r\n";
    EXPECT_EQ(ReadAll(working()), expected);
}

TEST_F(BangumiConv, OnlyDecorationGivesAnEmptyWorkingCopy)
{
    WriteAll(working(), "old contents\r\n");
    ASSERT_TRUE(WriteAll(path("b.txt"), EncodeLines({QString(), QStringLiteral("----"), QStringLiteral("艇 番"),
                                                      QStringLiteral("＊番組表＊")})));
    EXPECT_TRUE(bangumi.FileConv(path("b.txt")));
    EXPECT_TRUE(QFile::exists(working()));
    EXPECT_TRUE(ReadAll(working()).isEmpty());
}

TEST_F(BangumiConv, FailuresKeepThePreviousWorkingCopy)
{
    const QByteArray old = EncodeLines(Block(QStringLiteral("05"), QStringList{RaceLine(1)}));
    ASSERT_TRUE(WriteAll(working(), old));

    // Missing source.
    const QString missing = path("nothere.txt");
    EXPECT_FALSE(bangumi.FileConv(missing));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].title, kConvTitle);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("ファイルが見つかりません。\r\n") + missing);
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
    EXPECT_EQ(ReadAll(working()), old);

    // A folder is no program file either.
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    EXPECT_FALSE(bangumi.FileConv(path("folder")));
    ASSERT_EQ(ui.messages.size(), 2);
    EXPECT_EQ(ui.messages[1].text, QStringLiteral("ファイルが見つかりません。\r\n") + path("folder"));

    // A source that exists but cannot be read (reading fails with an I/O error).
    EXPECT_FALSE(bangumi.FileConv(QStringLiteral("/proc/self/mem")));
    ASSERT_EQ(ui.messages.size(), 3);
    EXPECT_EQ(ui.messages[2].title, kConvTitle);
    EXPECT_EQ(ui.messages[2].text, QStringLiteral("パス/ファイル アクセス エラーです。(Error code:75)"));
    EXPECT_EQ(ReadAll(working()), old);
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("BANGUMI.QVL")}));
}

TEST_F(BangumiConv, WriteFailureIsReported)
{
    // The program "folder" is a plain file, so the working copy cannot be written.
    ASSERT_TRUE(WriteAll(path("notafolder"), "x"));
    ProgramFolder broken(path("notafolder"));
    cBangumiFile b(broken, ui);
    ASSERT_TRUE(WriteAll(path("b.txt"), "05BBGN\r\n05BEND\r\n"));
    EXPECT_FALSE(b.FileConv(path("b.txt")));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].title, kConvTitle);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("パス/ファイル アクセス エラーです。(Error code:75)"));
    EXPECT_EQ(ReadAll(path("notafolder")), QByteArray("x"));
}

TEST_F(BangumiConv, KaisaiCheckFillsTitlesOfStadiumsWithBlocks)
{
    writeWorking({QStringLiteral("STARTB"),
                  QStringLiteral("   05BBGN"), // leading blanks
                  QStringLiteral("ボートレース住之江 　１月　３日  住之江新春特選　  第　１日"),
                  QStringLiteral("05BEND"),
                  QStringLiteral("12BBGN"),
                  QStringLiteral("ボートレース住之江 　１月　３日  "), // exactly 18 characters
                  QStringLiteral("12BEND"),
                  QStringLiteral("FINALB")});
    KaisaiTable table;
    table[7] = QStringLiteral("set by the caller");
    QString name;
    ASSERT_TRUE(bangumi.KaisaiCheck(table, name));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(name, working());
    EXPECT_EQ(table[5], QStringLiteral("住之江新春特選　  第　１日"));
    EXPECT_EQ(table[12], QString());
    EXPECT_EQ(table[7], QStringLiteral("set by the caller"));
    for (int c : {1, 2, 3, 4, 6, 8, 24})
        EXPECT_TRUE(table[size_t(c)].isEmpty()) << c;

    // A name given by the caller is used as it is.
    KaisaiTable other;
    QString given = working();
    EXPECT_TRUE(bangumi.KaisaiCheck(other, given));
    EXPECT_EQ(other[5], table[5]);
}

TEST_F(BangumiConv, KaisaiCheckFailures)
{
    struct Case {
        const char* what;
        QStringList lines;
        QString text;      // message text
        int filledBefore;  // stadium filled before the failure, 0 if none
    };
    const QString title = QStringLiteral("ボートレース住之江 　１月　３日  記念");
    const Case cases[] = {
        {"stadium code not numeric", {QStringLiteral("05BBGN"), title, QStringLiteral("XXBBGN"), title},
         QStringLiteral("型が一致しません。(Error code:13)"), 5},
        {"stadium code above 24", {QStringLiteral("25BBGN"), title}, QStringLiteral("インデックスが有効範囲にありません。(Error code:9)"), 0},
        {"stadium code 0", {QStringLiteral("00BBGN"), title}, QStringLiteral("インデックスが有効範囲にありません。(Error code:9)"), 0},
        {"file ends after the block mark", {QStringLiteral("05BBGN"), title, QStringLiteral("06BBGN")},
         QStringLiteral("ファイルにこれ以上データがありません。(Error code:62)"), 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        writeWorking(c.lines);
        KaisaiTable table;
        QString name;
        EXPECT_FALSE(bangumi.KaisaiCheck(table, name));
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].title, kCheckTitle);
        EXPECT_EQ(ui.messages[0].text, c.text);
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
        if (c.filledBefore) {
            EXPECT_EQ(table[size_t(c.filledBefore)], QStringLiteral("記念"));
        }
    }

    // Missing working copy.
    ui.messages.clear();
    QFile::remove(working());
    KaisaiTable table;
    QString name;
    EXPECT_FALSE(bangumi.KaisaiCheck(table, name));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].title, kCheckTitle);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("ファイルが見つかりません。\r\n") + working());
}

TEST_F(BangumiConv, RealDaysConvertAndListTheirStadiums)
{
    struct Day {
        const char* file;
        QVector<int> racing;
    };
    const Day days[] = {
        {"B240101.TXT", {24, 21, 20, 19, 18, 17, 16, 15, 14, 9, 8, 7, 6}},
        {"B240103.TXT", {24, 23, 22, 21, 20, 17, 15, 14, 12, 11, 9, 8, 7, 6, 5, 4, 3, 2, 1}}, // 10 is a placeholder
        {"B240106.TXT", {24, 23, 22, 19, 18, 15, 13, 12, 11, 6, 5, 4, 3, 2, 1}},
    };
    for (const Day& d : days) {
        SCOPED_TRACE(d.file);
        const QString source = RealData(QStringLiteral("program/") + QLatin1String(d.file));
        ASSERT_TRUE(bangumi.FileConv(source));
        // Every line kept is a line of the source, in order, and no decoration is left.
        const QStringList in = DecodeLines(ReadAll(source));
        const QStringList out = DecodeLines(ReadAll(working()));
        qsizetype at = 0;
        for (const QString& l : out) {
            EXPECT_FALSE(l.isEmpty() || l.startsWith(QStringLiteral("---")) || l.contains(QStringLiteral("番組表"))
                         || l.contains(QStringLiteral("内容に")) || l.startsWith(QStringLiteral("艇")));
            while (at < in.size() && in[at] != l)
                ++at;
            ASSERT_LT(at, in.size()) << qPrintable(l);
            ++at;
        }
        KaisaiTable table;
        ASSERT_TRUE(bangumi.KaisaiCheck(table));
        for (int c = 1; c <= 24; ++c)
            EXPECT_EQ(!table[size_t(c)].isEmpty(), d.racing.contains(c)) << c;
    }
    EXPECT_TRUE(ui.messages.isEmpty());

    // Hand-read: the first block of 1 January (大村) and 津 (09).
    ASSERT_TRUE(bangumi.FileConv(RealData(QStringLiteral("program/B240101.TXT"))));
    KaisaiTable table;
    ASSERT_TRUE(bangumi.KaisaiCheck(table));
    EXPECT_EQ(table[24], QStringLiteral("ミッドナイトボートレ  第　１日"));
    EXPECT_EQ(table[9], QStringLiteral("伊勢新聞社新春レース  第　３日"));
    const QStringList out = DecodeLines(ReadAll(working()));
    ASSERT_GE(out.size(), 6);
    EXPECT_EQ(out[0], QStringLiteral("STARTB"));
    EXPECT_EQ(out[1], QStringLiteral("24BBGN"));
    EXPECT_EQ(out[3], QStringLiteral("          ミッドナイトボートレース１０ＴＨｉｎ大村　　　　　"));
    EXPECT_EQ(out[5], QStringLiteral("　１Ｒ  予選　　　　          Ｈ１８００ｍ  電話投票締切予定１７：４１ "));
}

} // namespace

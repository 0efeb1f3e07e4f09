// FileLoad: line kinds, columns, derived values and failures, on small hand-made blocks.
#include "bangumi_fixture.h"

#include "common/errors.h"

#include <QFile>

#include <functional>

#include <numeric>

using namespace bangumi_fixture;

namespace {

const QString kLoadTitle = QStringLiteral("番組ファイル読み込みエラー(02)");

class BangumiLoad : public BangumiTest {
protected:
    void expectCleared()
    {
        EXPECT_EQ(bangumi.KyoteijyoCode(), QString());
        EXPECT_EQ(bangumi.RaceNumbers(), 0);
        EXPECT_EQ(bangumi.ParticipationNumbers(), 0);
        EXPECT_EQ(bangumi.RaceDate(), QStringLiteral("0"));
        EXPECT_EQ(bangumi.TotalDay(), 0);
        EXPECT_EQ(bangumi.Title(), QString());
        EXPECT_EQ(bangumi.Grade(), QString());
        EXPECT_TRUE(bangumi.ParticipationSensyuNoAllGet().isEmpty());
        EXPECT_EQ(bangumi.SensyuNo(1, 1), QString());
        EXPECT_EQ(bangumi.VoteType(1), 0);
    }
};

TEST_F(BangumiLoad, MeetingValuesAndEntryColumns)
{
    EntryFields a;
    a.no = QStringLiteral("4102");
    a.name = QStringLiteral("益田啓司");
    a.age = QStringLiteral("44");
    a.birthplace = QStringLiteral("福岡");
    a.weight = QStringLiteral("51");
    a.zenkoku = QStringLiteral("6.53");
    a.zenkokuF = QStringLiteral("48.87");
    a.tochi = QStringLiteral("6.67");
    a.tochiF = QStringLiteral("52.41");
    a.motor = QStringLiteral("14");
    a.motorF = QStringLiteral("39.47");
    a.boat = QStringLiteral("131"); // three digits fill the blank before the column
    a.boatF = QStringLiteral("30.00");
    a.seiseki = QStringLiteral("1 F 2  S");
    a.hayami = QStringLiteral("2");
    QStringList body = {RaceLine(1)};
    body << a.line();
    EntryFields b = a; // same racer in race 2, other columns at their limits
    b.frame = 3;
    b.hayami = QStringLiteral("1");
    b.boat = QStringLiteral("51");
    b.boatF = QStringLiteral("100.00");
    b.motor = QStringLiteral("5");
    for (int w = 2; w <= 6; ++w) {
        EntryFields o;
        o.frame = w;
        o.no = QString::number(5000 + w);
        body << o.line();
    }
    body << RaceLine(2);
    body << QStringLiteral("   ") + b.line(); // leading blanks are not part of the columns
    for (int w : {1, 2, 4, 5, 6}) {
        EntryFields o;
        o.frame = w;
        o.no = QString::number(5100 + w);
        body << o.line();
    }
    ASSERT_EQ(a.line().size(), 73);
    writeWorking(QStringList{QStringLiteral("STARTB")} + Block(QStringLiteral("22"), body) + QStringList{QStringLiteral("FINALB")});

    QString name;
    ASSERT_TRUE(bangumi.FileLoad(QStringLiteral("22"), name));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(name, working());
    EXPECT_EQ(bangumi.KyoteijyoCode(), QStringLiteral("22"));
    EXPECT_EQ(bangumi.Title(), QStringLiteral("テスト記念競走"));
    EXPECT_EQ(bangumi.TitleLong(), QStringLiteral("ＧⅢテスト記念競走　　　"));
    EXPECT_EQ(bangumi.Grade(), QStringLiteral("G3"));
    EXPECT_EQ(bangumi.RaceDate(), QStringLiteral("2024/03/09"));
    EXPECT_EQ(bangumi.TotalDay(), 3); // full-width digit of the date line
    EXPECT_EQ(bangumi.RaceNumbers(), 2);

    EXPECT_EQ(bangumi.SensyuNo(1, 1), QStringLiteral("4102"));
    EXPECT_EQ(bangumi.SensyuName(1, 1), QStringLiteral("益田啓司"));
    EXPECT_EQ(bangumi.SensyuAge(1, 1), 44);
    EXPECT_EQ(bangumi.SensyuBirthplace(1, 1), QStringLiteral("福岡"));
    EXPECT_EQ(bangumi.SensyuWeight(1, 1), 51);
    EXPECT_EQ(bangumi.SensyuClass(1, 1), QStringLiteral("A1"));
    EXPECT_EQ(bangumi.SensyuZenkokuSyoritu(1, 1), 6.53f);
    EXPECT_EQ(bangumi.SensyuZenkokuFSyoritu(1, 1), 48.87f);
    EXPECT_EQ(bangumi.SensyuTochiSyoritu(1, 1), 6.67f);
    EXPECT_EQ(bangumi.SensyuTochiFSyoritu(1, 1), 52.41f);
    EXPECT_EQ(bangumi.MotorNo(1, 1), QStringLiteral("14"));
    EXPECT_EQ(bangumi.MotorFSyoritu(1, 1), 39.47f);
    EXPECT_EQ(bangumi.BoatNo(1, 1), QStringLiteral("131"));
    EXPECT_EQ(bangumi.BoatFSyoritu(1, 1), 30.0f);
    EXPECT_EQ(bangumi.Seiseki(1, 1), QStringLiteral("1 F 2  S    "));
    EXPECT_EQ(bangumi.Hayami(1, 1), 2);
    EXPECT_EQ(bangumi.Tokutenritu(1, 1), 2.0f); // (10 - 10 + 8 + 0) / 4
    EXPECT_EQ(bangumi.Hayami(1, 2), 0);          // blanks

    // The same racer with three leading blanks on the line, 100.00 filling its field.
    EXPECT_EQ(bangumi.SensyuNo(2, 3), QStringLiteral("4102"));
    EXPECT_EQ(bangumi.SensyuZenkokuSyoritu(2, 3), 6.53f);
    EXPECT_EQ(bangumi.BoatNo(2, 3), QStringLiteral("51"));
    EXPECT_EQ(bangumi.BoatFSyoritu(2, 3), 100.0f);
    EXPECT_EQ(bangumi.MotorNo(2, 3), QStringLiteral("5"));
    EXPECT_EQ(bangumi.Hayami(2, 3), 1);

    // Races of the block: 11 distinct racers, the one riding twice listed once.
    EXPECT_EQ(bangumi.ParticipationNumbers(), 11);
    const QStringList list = bangumi.ParticipationSensyuNoAllGet();
    ASSERT_EQ(list.size(), 11);
    EXPECT_EQ(list.front(), QStringLiteral("4102"));
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end()));
    EXPECT_EQ(list.count(QStringLiteral("4102")), 1);
    EXPECT_EQ(bangumi.SensyuNoToIndex(QStringLiteral("4102")), 1);
    EXPECT_EQ(bangumi.SensyuNoToIndex(QStringLiteral("5002")), 2);
    EXPECT_EQ(bangumi.SensyuNoToIndex(QStringLiteral("5102")), 8);
    EXPECT_EQ(bangumi.SensyuNoToIndex(QStringLiteral("9999")), 0);
    EXPECT_EQ(bangumi.ParticipationSenyuNo(2), QStringLiteral("5002"));
    EXPECT_EQ(bangumi.IndexToSenyuName(1), QStringLiteral("益田啓司"));
    EXPECT_EQ(bangumi.IndexToSenyuClass(1), QStringLiteral("A1"));
    EXPECT_EQ(bangumi.IndexToSenyuZenkokuSyoritu(1), 6.53f);
    EXPECT_EQ(bangumi.IndexToSenyuZenkokuFSyoritu(1), 48.87f);
    EXPECT_EQ(bangumi.IndexToTokutenritu(1), 2.0f);

    // Races above RaceNumbers read as cleared values.
    EXPECT_EQ(bangumi.SensyuNo(3, 1), QString());
    EXPECT_EQ(bangumi.RaceTitle(12), QString());
    EXPECT_EQ(bangumi.VoteType(3), 0);
    EXPECT_EQ(bangumi.Tansyoritu(12, 6), 0.0f);
}

TEST_F(BangumiLoad, RaceLines)
{
    QStringList body;
    body << RaceLine(2) << SixEntries(4001);                                       // race 1 (line says ２Ｒ)
    body << RaceLine(3, QStringLiteral("一般　　　　 進入固定"), QStringLiteral("１０：０５")) << SixEntries(4101);
    body << QStringLiteral("　４Ｒ  予選　２連単連複              電話投票締切予定") << SixEntries(4201); // cut short
    body << QStringLiteral("　５Ｒ  予選　２連複") << SixEntries(4301);                   // no closing time
    body << QStringLiteral("12Ｒ  not an entry: no blank after the digit") << SixEntries(4401);
    writeWorking(Block(QStringLiteral("05"), body));
    ASSERT_TRUE(load(QStringLiteral("05")));
    EXPECT_TRUE(ui.messages.isEmpty());
    ASSERT_EQ(bangumi.RaceNumbers(), 5);

    EXPECT_EQ(bangumi.RaceTitle(1), QStringLiteral("　２Ｒ  予選　　　　          Ｈ１８００ｍ  電話投票締切予定１７：４１"));
    EXPECT_EQ(bangumi.ClosingHour(1), QStringLiteral("17:41:00"));
    EXPECT_EQ(bangumi.VoteType(1), 3);
    EXPECT_FALSE(bangumi.CourseFix(1));
    EXPECT_EQ(bangumi.SensyuNo(1, 1), QStringLiteral("4001"));

    EXPECT_EQ(bangumi.ClosingHour(2), QStringLiteral("10:05:00"));
    EXPECT_TRUE(bangumi.CourseFix(2));

    EXPECT_EQ(bangumi.VoteType(3), 4);
    EXPECT_EQ(bangumi.ClosingHour(3), QStringLiteral(":00"));
    EXPECT_EQ(bangumi.VoteType(4), 2);
    EXPECT_EQ(bangumi.ClosingHour(4), QString());
    EXPECT_EQ(bangumi.RaceTitle(5), QStringLiteral("12Ｒ  not an entry: no blank after the digit"));
    EXPECT_EQ(bangumi.SensyuNo(5, 6), QStringLiteral("4406"));

    // The before-race page may correct the closing time; the next load reads the file again.
    bangumi.ClosingHour(1, QStringLiteral("17:45:00"));
    EXPECT_EQ(bangumi.ClosingHour(1), QStringLiteral("17:45:00"));
    ASSERT_TRUE(load(QStringLiteral("05")));
    EXPECT_EQ(bangumi.ClosingHour(1), QStringLiteral("17:41:00"));
}

TEST_F(BangumiLoad, TwelveRacesLoadAndAThirteenthOverflows)
{
    QStringList body;
    for (int r = 1; r <= 12; ++r)
        body << RaceLine(r) << SixEntries(4000 + r * 10);
    writeWorking(Block(QStringLiteral("05"), body));
    ASSERT_TRUE(load(QStringLiteral("05")));
    EXPECT_EQ(bangumi.RaceNumbers(), 12);
    EXPECT_EQ(bangumi.ParticipationNumbers(), 72);

    body << RaceLine(13) << SixEntries(4200);
    writeWorking(Block(QStringLiteral("05"), body));
    EXPECT_FALSE(load(QStringLiteral("05")));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].title, kLoadTitle);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("レース No.がオーバーフローしました。\r\nRace No: 13"));
    EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
    // The 12 races read stay, without derived values.
    EXPECT_EQ(bangumi.RaceNumbers(), 12);
    EXPECT_EQ(bangumi.SensyuNo(12, 6), QStringLiteral("4125"));
    EXPECT_EQ(bangumi.ParticipationNumbers(), 0);
    EXPECT_EQ(bangumi.Tansyoritu(1, 1), 0.0f);
}

TEST_F(BangumiLoad, DistinctRacersAndScoreRanks)
{
    // Race 2 has an empty frame 4; racer 3001 rides races 2 and 8 (linked by Hayami).
    QStringList body;
    const char* seiseki[6] = {"12", "2", " 2 ", "26", "", ""}; // 9, 8, 8, 4.5, 0, 0
    body << RaceLine(1);
    for (int w = 1; w <= 6; ++w) {
        EntryFields e;
        e.frame = w;
        e.no = QString::number(4010 - w); // descending on purpose
        e.seiseki = QLatin1String(seiseki[w - 1]);
        body << e.line();
    }
    for (int r = 2; r <= 8; ++r) {
        body << RaceLine(r);
        for (int w = 1; w <= 6; ++w) {
            if (r == 2 && w == 4)
                continue;
            EntryFields e;
            e.frame = w;
            e.no = QString::number(5000 + r * 10 + w);
            if ((r == 2 && w == 1) || (r == 8 && w == 5)) {
                e.no = QStringLiteral("3001");
                e.seiseki = QStringLiteral("12");
                e.hayami = r == 2 ? QStringLiteral("8") : QStringLiteral("2");
            }
            body << e.line();
        }
    }
    writeWorking(Block(QStringLiteral("05"), body));
    ASSERT_TRUE(load(QStringLiteral("05")));
    EXPECT_TRUE(ui.messages.isEmpty());

    // 48 slots: two linked ones count once, the empty frame counts as one racer.
    EXPECT_EQ(bangumi.ParticipationNumbers(), 47);
    const QStringList list = bangumi.ParticipationSensyuNoAllGet();
    ASSERT_EQ(list.size(), 47);
    EXPECT_EQ(list[0], QString());               // the empty frame sorts first
    EXPECT_EQ(list[1], QStringLiteral("3001"));
    EXPECT_EQ(list.count(QStringLiteral("3001")), 1);
    EXPECT_EQ(list[2], QStringLiteral("4004"));
    EXPECT_EQ(bangumi.SensyuNoToIndex(QString()), 1);
    EXPECT_EQ(bangumi.IndexToSenyuName(1), QString()); // the empty frame has no name

    // Scores 9 (twice: 4009 and 3001), 8, 8, 4.5 and the rest 0: ranks 1, 1, 3, 3, 5, 6.
    EXPECT_EQ(bangumi.Tokutenritu(1, 1), 9.0f);
    EXPECT_EQ(bangumi.TokutenrituOrder(1, 1), 1);
    EXPECT_EQ(bangumi.TokutenrituOrder(2, 1), 1);
    EXPECT_EQ(bangumi.TokutenrituOrder(8, 5), 1);
    EXPECT_EQ(bangumi.TokutenrituOrder(1, 2), 3);
    EXPECT_EQ(bangumi.TokutenrituOrder(1, 3), 3);
    EXPECT_EQ(bangumi.Tokutenritu(1, 4), 4.5f);
    EXPECT_EQ(bangumi.TokutenrituOrder(1, 4), 5);
    EXPECT_EQ(bangumi.TokutenrituOrder(1, 5), 6);
    EXPECT_EQ(bangumi.TokutenrituOrder(2, 4), 6); // empty frame
    EXPECT_EQ(bangumi.TokutenrituOrder(9, 1), 0); // not a race of the day
}

TEST_F(BangumiLoad, WinShareWeighsTheScoreFromDayTwoToFive)
{
    auto block = [](const QString& day) {
        QStringList body{RaceLine(1)};
        for (int w = 1; w <= 6; ++w) {
            EntryFields e;
            e.frame = w;
            e.no = QString::number(4000 + w);
            e.zenkoku = QString::number(3 + w) + QStringLiteral(".00");
            e.motorF = QString::number(20 + 5 * w) + QStringLiteral(".00");
            e.seiseki = w == 1 ? QStringLiteral("1 1") : QStringLiteral("6");
            body << e.line();
        }
        return Block(QStringLiteral("05"), body, QStringLiteral("記念"), QStringLiteral("記念"), day);
    };
    struct Case {
        QString day;
        int total;
        double weight;
    };
    for (const Case& c : {Case{QStringLiteral("　１"), 1, 0.0}, Case{QStringLiteral("　２"), 2, 0.15},
                          Case{QStringLiteral("　３"), 3, 0.24}, Case{QStringLiteral("　４"), 4, 0.24},
                          Case{QStringLiteral("　５"), 5, 0.15}, Case{QStringLiteral("　６"), 6, 0.0},
                          Case{QStringLiteral(" 3"), 3, 0.24}, Case{QStringLiteral("初日"), 0, 0.0}}) {
        SCOPED_TRACE(qPrintable(c.day));
        writeWorking(block(c.day));
        ASSERT_TRUE(load(QStringLiteral("05")));
        EXPECT_EQ(bangumi.TotalDay(), c.total);
        float s[6];
        float sum = 0;
        for (int w = 1; w <= 6; ++w) {
            const double score = w == 1 ? 10.0 : 1.0;
            s[w - 1] = float(0.33 * (3 + w) + 0.1 * (20 + 5 * w) + c.weight * score);
            sum += s[w - 1];
        }
        float total = 0;
        for (int w = 1; w <= 6; ++w) {
            EXPECT_FLOAT_EQ(bangumi.Tansyoritu(1, w), s[w - 1] / sum * 100.0f) << w;
            total += bangumi.Tansyoritu(1, w);
        }
        EXPECT_NEAR(total, 100.0f, 1e-3);
    }
}

TEST_F(BangumiLoad, DateLine)
{
    struct Case {
        QString date;
        QString raceDate;
    };
    const Case cases[] = {
        {QStringLiteral("２０２４年　３月　９日"), QStringLiteral("2024/03/09")},
        {QStringLiteral("２０２４年１２月３１日"), QStringLiteral("2024/12/31")},
        {QStringLiteral("　　２４年　３月　９日"), QStringLiteral("24/03/09")},
        {QStringLiteral("　　　５年　３月　９日"), QStringLiteral("05/03/09")},
        {QStringLiteral("２０２４年　Ｘ月　９日"), QStringLiteral("0")}, // not numeric: left as cleared
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.date));
        writeWorking(Block(QStringLiteral("05"), QStringList{RaceLine(1)} + SixEntries(), QStringLiteral("記念"),
                           QStringLiteral("記念"), QStringLiteral("　３"), c.date));
        ASSERT_TRUE(load(QStringLiteral("05")));
        EXPECT_EQ(bangumi.RaceDate(), c.raceDate);
    }
    // A date line is known by its end: "競艇場" or "競走場" as the last three characters work too.
    writeWorking({QStringLiteral("05BBGN"), QStringLiteral("   第　２日          ２０２３年１１月　５日   住之江競艇場"),
                  RaceLine(1), SixEntries().join(QStringLiteral("\r\n")), QStringLiteral("05BEND")});
    ASSERT_TRUE(load(QStringLiteral("05")));
    EXPECT_EQ(bangumi.RaceDate(), QStringLiteral("2023/11/05"));
    EXPECT_EQ(bangumi.TotalDay(), 2);
}

TEST_F(BangumiLoad, NumberColumns)
{
    struct Case {
        QString zenkoku; // 5 wide
        float value;     // -1: the load fails with a type mismatch
    };
    const Case cases[] = {
        {QStringLiteral(" 6.53"), 6.53f}, {QStringLiteral("6.53 "), 6.53f}, {QStringLiteral("  .5"), 0.5f},
        {QStringLiteral("  6."), 6.0f},   {QStringLiteral(" +6.5"), 6.5f},  {QStringLiteral("  1e1"), 10.0f},
        {QStringLiteral("\t6.25"), 6.25f}, {QStringLiteral("00007"), 7.0f}, {QStringLiteral(" 6.5."), -1},
        {QStringLiteral("  -  "), -1},    {QStringLiteral("     "), -1},   {QStringLiteral(" ６.5"), -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(qPrintable(c.zenkoku));
        ui.messages.clear();
        EntryFields e;
        e.zenkoku = c.zenkoku;
        writeWorking(Block(QStringLiteral("05"), {RaceLine(1), e.line()}));
        EXPECT_EQ(load(QStringLiteral("05")), c.value >= 0);
        if (c.value >= 0) {
            EXPECT_EQ(bangumi.SensyuZenkokuSyoritu(1, 1), c.value);
        } else {
            ASSERT_EQ(ui.messages.size(), 1);
            EXPECT_TRUE(ui.messages[0].text.startsWith(QStringLiteral("型が一致しません。(Error code:13)")));
        }
    }
}

TEST(BangumiFormat, Grade)
{
    struct Case {
        QString longTitle;
        QString grade;
    };
    const Case cases[] = {
        {QStringLiteral("ＧⅢオールレディース"), QStringLiteral("G3")},
        {QStringLiteral("GIII マスターズリーグ"), QStringLiteral("G3")},
        {QStringLiteral("GII 秩父宮妃記念杯"), QStringLiteral("G2")},
        {QStringLiteral("ＧⅡモーターボート大賞"), QStringLiteral("G2")},
        {QStringLiteral("g1 lower case"), QStringLiteral("G1")},
        {QStringLiteral("ＧⅠ開設７０周年記念"), QStringLiteral("G1")},
        {QStringLiteral("ＧＩ近松賞"), QStringLiteral("G1")},
        {QStringLiteral("第５０回ＳＧボートレースクラシック"), QStringLiteral("SG")},
        {QStringLiteral("ミッドナイトボートレース１０ＴＨｉｎ大村"), QStringLiteral("OTHER")},
        {QString(), QStringLiteral("OTHER")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cBangumiFile::GradeOf(c.longTitle), c.grade) << qPrintable(c.longTitle);
}

TEST(BangumiFormat, Tokutenritu)
{
    struct Case {
        QString seiseki;
        float score;
    };
    const Case cases[] = {
        {QStringLiteral("1 F 2 S"), 2.0f},
        {QStringLiteral("            "), 0.0f},
        {QString(), 0.0f},
        {QStringLiteral("123456"), float(31.0 / 6)},
        {QStringLiteral("L K"), -5.0f},
        {QStringLiteral("１２ x?"), 0.0f}, // full-width digits are not results
    };
    for (const Case& c : cases)
        EXPECT_EQ(cBangumiFile::TokutenrituOf(c.seiseki), c.score) << qPrintable(c.seiseki);
}

TEST_F(BangumiLoad, LoadFailures)
{
    const QString title = QStringLiteral("ボートレース大　村   　３月　９日  記念");
    EntryFields bad;
    bad.age = QStringLiteral("4x");
    EntryFields far;
    far.hayami = QStringLiteral("13");
    EntryFields zero;
    zero.zenkoku = QStringLiteral("0.00");
    zero.motorF = QStringLiteral("0.00");
    // Race 1 points to race 2 for all six, but race 2 has other racers: more racers than counted.
    QStringList unlinked{RaceLine(1)};
    for (int w = 1; w <= 6; ++w) {
        EntryFields e;
        e.frame = w;
        e.no = QString::number(4000 + w);
        e.hayami = QStringLiteral("2");
        unlinked << e.line();
    }
    unlinked << RaceLine(2) << SixEntries(4100);
    QStringList zeros{RaceLine(1)};
    for (int w = 1; w <= 6; ++w) {
        zero.frame = w;
        zeros << zero.line();
    }

    struct Case {
        const char* what;
        QStringList lines;
        QString text;
    };
    const QString code = QStringLiteral("\r\n競艇場コード： 05");
    const Case cases[] = {
        {"column not a number", Block(QStringLiteral("05"), {RaceLine(1), bad.line()}),
         QStringLiteral("型が一致しません。(Error code:13)") + code},
        {"line cut inside the rates", Block(QStringLiteral("05"), {RaceLine(1), EntryFields().line().left(30)}),
         QStringLiteral("型が一致しません。(Error code:13)") + code},
        {"entry before the first race line", Block(QStringLiteral("05"), {EntryFields().line(), RaceLine(1)}),
         QStringLiteral("インデックスが有効範囲にありません。(Error code:9)") + code},
        {"file ends after the title line", {QStringLiteral("05BBGN"), title},
         QStringLiteral("ファイルにこれ以上データがありません。(Error code:62)") + code},
        {"Hayami outside 1-12", Block(QStringLiteral("05"), {RaceLine(1), far.line()}),
         QStringLiteral("インデックスが有効範囲にありません。(Error code:9)") + code},
        {"more racers than counted", Block(QStringLiteral("05"), unlinked),
         QStringLiteral("インデックスが有効範囲にありません。(Error code:9)") + code},
        {"strength sum 0", Block(QStringLiteral("05"), zeros, QStringLiteral("記念"), QStringLiteral("記念"),
                                  QStringLiteral("　１")),
         QStringLiteral("0 で除算しました。(Error code:11)") + code},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        writeWorking(c.lines);
        EXPECT_FALSE(load(QStringLiteral("05")));
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].title, kLoadTitle);
        EXPECT_EQ(ui.messages[0].text, c.text);
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
        expectCleared();
    }
}

TEST_F(BangumiLoad, MissingFileOrStadium)
{
    writeWorking(Block(QStringLiteral("05"), QStringList{RaceLine(1)} + SixEntries()));
    ASSERT_TRUE(load(QStringLiteral("05")));

    EXPECT_FALSE(load(QStringLiteral("06")));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].title, kLoadTitle);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("競艇場コードが見つかりません。\r\nCode: 06#"));
    expectCleared();

    // "05BBGN" must be the whole line (blanks around it allowed).
    writeWorking({QStringLiteral("   05BBGN  "), RaceLine(1), SixEntries().join(QStringLiteral("\r\n")),
                  QStringLiteral("x05BBGN"), QStringLiteral("05BEND")});
    ASSERT_TRUE(load(QStringLiteral("05")));
    EXPECT_EQ(bangumi.RaceNumbers(), 1);
    EXPECT_FALSE(load(QStringLiteral("5")));

    ui.messages.clear();
    QFile::remove(working());
    QString name;
    EXPECT_FALSE(bangumi.FileLoad(QStringLiteral("05"), name));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].title, kLoadTitle);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("ファイルが見つかりません。\r\n") + working());
    EXPECT_EQ(name, working());
    expectCleared();
}

TEST_F(BangumiLoad, NothingOfTheEarlierStadiumSurvives)
{
    QStringList lines = Block(QStringLiteral("05"), QStringList{RaceLine(1)} + SixEntries());
    // Stadium 06 has no title lines: its values stay cleared.
    lines << QStringLiteral("06BBGN") << RaceLine(1) << SixEntries(4101) << QStringLiteral("06BEND");
    writeWorking(lines);
    ASSERT_TRUE(load(QStringLiteral("05")));
    EXPECT_EQ(bangumi.Grade(), QStringLiteral("G3"));
    ASSERT_TRUE(load(QStringLiteral("06")));
    EXPECT_EQ(bangumi.KyoteijyoCode(), QStringLiteral("06"));
    EXPECT_EQ(bangumi.Title(), QString());
    EXPECT_EQ(bangumi.TitleLong(), QString());
    EXPECT_EQ(bangumi.Grade(), QString());
    EXPECT_EQ(bangumi.RaceDate(), QStringLiteral("0"));
    EXPECT_EQ(bangumi.SensyuNo(1, 1), QStringLiteral("4101"));
}

TEST_F(BangumiLoad, BlockEndingRightAfterItsTitleDoesNotRunIntoTheNext)
{
    writeWorking({QStringLiteral("05BBGN"), QStringLiteral("ボートレース住之江 　３月　９日  記念"), QStringLiteral("05BEND"),
                  QStringLiteral("06BBGN"), RaceLine(1), SixEntries().join(QStringLiteral("\r\n")),
                  QStringLiteral("06BEND")});
    ASSERT_TRUE(load(QStringLiteral("05")));
    EXPECT_EQ(bangumi.Title(), QStringLiteral("記念"));
    EXPECT_EQ(bangumi.RaceNumbers(), 0);
    EXPECT_EQ(bangumi.ParticipationNumbers(), 0);
}

TEST_F(BangumiLoad, LaterLineOfTheSameFrameWins)
{
    EntryFields again;
    again.frame = 2;
    again.no = QStringLiteral("4999");
    writeWorking(Block(QStringLiteral("05"), QStringList{RaceLine(1)} + SixEntries() + QStringList{again.line()}));
    ASSERT_TRUE(load(QStringLiteral("05")));
    EXPECT_EQ(bangumi.SensyuNo(1, 2), QStringLiteral("4999"));
    EXPECT_EQ(bangumi.ParticipationNumbers(), 6);
}

TEST_F(BangumiLoad, IndexOutsideItsRangeRaisesError9)
{
    writeWorking(Block(QStringLiteral("05"), QStringList{RaceLine(1)} + SixEntries()));
    ASSERT_TRUE(load(QStringLiteral("05")));
    auto expect9 = [](const std::function<void()>& f) {
        try {
            f();
            ADD_FAILURE() << "no error";
        } catch (const QvError& e) {
            EXPECT_EQ(e.number(), 9);
        }
    };
    expect9([&] { bangumi.SensyuNo(0, 1); });
    expect9([&] { bangumi.SensyuNo(13, 1); });
    expect9([&] { bangumi.Tansyoritu(1, 7); });
    expect9([&] { bangumi.BoatNo(1, 0); });
    expect9([&] { bangumi.RaceTitle(0); });
    expect9([&] { bangumi.ClosingHour(13, QStringLiteral("10:00:00")); });
    expect9([&] { bangumi.ParticipationSenyuNo(0); });
    expect9([&] { bangumi.ParticipationSenyuNo(7); });
    expect9([&] { bangumi.IndexToSenyuName(7); });
    expect9([&] { bangumi.IndexToTokutenritu(-1); });
    EXPECT_EQ(bangumi.ParticipationSenyuNo(6), QStringLiteral("4006"));
}

} // namespace

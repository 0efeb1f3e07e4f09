// The organizer's real program files: every stadium of every day loads, and figures read by
// hand from the raw lines come out.
#include "bangumi_fixture.h"

#include "common/cp932.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <cmath>

using namespace bangumi_fixture;

namespace {

const QString kLoadTitle = QStringLiteral("番組ファイル読み込みエラー(02)");

class BangumiReal : public BangumiTest {
protected:
    void convert(const QString& file)
    {
        ASSERT_TRUE(bangumi.FileConv(RealData(QStringLiteral("program/") + file)));
    }
    QString code(int c) const { return QString::number(c).rightJustified(2, QLatin1Char('0')); }
};

TEST_F(BangumiReal, EveryStadiumOfEveryDayLoads)
{
    int loaded = 0, singleDigitMotors = 0;
    for (int day = 1; day <= 6; ++day) {
        const QString file = QStringLiteral("B24010%1.TXT").arg(day);
        SCOPED_TRACE(qPrintable(file));
        convert(file);
        KaisaiTable table;
        ASSERT_TRUE(bangumi.KaisaiCheck(table));
        for (int c = 1; c <= 24; ++c) {
            if (table[size_t(c)].isEmpty())
                continue;
            SCOPED_TRACE(c);
            ASSERT_TRUE(bangumi.FileLoad(code(c)));
            ++loaded;
            EXPECT_EQ(bangumi.KyoteijyoCode(), code(c));
            EXPECT_EQ(bangumi.RaceDate(), QStringLiteral("2024/01/0%1").arg(day));
            EXPECT_GE(bangumi.TotalDay(), 1);
            EXPECT_LE(bangumi.TotalDay(), 7);
            EXPECT_EQ(bangumi.Title(), table[size_t(c)]);
            EXPECT_FALSE(bangumi.TitleLong().isEmpty());
            EXPECT_TRUE(QStringList({QStringLiteral("SG"), QStringLiteral("G1"), QStringLiteral("G2"),
                                     QStringLiteral("G3"), QStringLiteral("OTHER")})
                            .contains(bangumi.Grade()));
            ASSERT_GE(bangumi.RaceNumbers(), 1);

            // The Hayami links of the real files are consistent: the distinct list is exactly
            // the set of registration numbers.
            QSet<QString> racers;
            for (int r = 1; r <= bangumi.RaceNumbers(); ++r) {
                EXPECT_TRUE(bangumi.ClosingHour(r).contains(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:00$"))))
                    << qPrintable(bangumi.ClosingHour(r));
                EXPECT_EQ(bangumi.VoteType(r), 3);
                float share = 0;
                for (int w = 1; w <= 6; ++w) {
                    EXPECT_EQ(bangumi.SensyuNo(r, w).size(), 4);
                    EXPECT_FALSE(bangumi.BoatNo(r, w).isEmpty());
                    EXPECT_FALSE(bangumi.MotorNo(r, w).contains(QLatin1Char(' ')));
                    singleDigitMotors += bangumi.MotorNo(r, w).size() == 1;
                    EXPECT_GE(bangumi.TokutenrituOrder(r, w), 1);
                    racers.insert(bangumi.SensyuNo(r, w));
                    share += bangumi.Tansyoritu(r, w);
                }
                EXPECT_NEAR(share, 100.0f, 1e-3);
            }
            const QStringList list = bangumi.ParticipationSensyuNoAllGet();
            EXPECT_EQ(bangumi.ParticipationNumbers(), int(racers.size()));
            EXPECT_EQ(list.size(), racers.size());
            EXPECT_TRUE(std::is_sorted(list.begin(), list.end()));
            EXPECT_EQ(QSet<QString>(list.begin(), list.end()), racers);
        }
    }
    EXPECT_EQ(loaded, 13 + 17 + 19 + 17 + 13 + 15); // stadium 10 of 3-6 January is a placeholder
    EXPECT_GT(singleDigitMotors, 0);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(BangumiReal, OmuraFirstAndLastDayByHand)
{
    convert(QStringLiteral("B240101.TXT"));
    ASSERT_TRUE(bangumi.FileLoad(QStringLiteral("24")));
    EXPECT_EQ(bangumi.Title(), QStringLiteral("ミッドナイトボートレ  第　１日"));
    EXPECT_EQ(bangumi.TitleLong(), QStringLiteral("ミッドナイトボートレース１０ＴＨｉｎ大村　　　　　"));
    EXPECT_EQ(bangumi.Grade(), QStringLiteral("OTHER"));
    EXPECT_EQ(bangumi.RaceDate(), QStringLiteral("2024/01/01"));
    EXPECT_EQ(bangumi.TotalDay(), 1);
    EXPECT_EQ(bangumi.RaceNumbers(), 12);
    EXPECT_EQ(bangumi.RaceTitle(1), QStringLiteral("　１Ｒ  予選　　　　          Ｈ１８００ｍ  電話投票締切予定１７：４１"));
    EXPECT_EQ(bangumi.ClosingHour(1), QStringLiteral("17:41:00"));
    EXPECT_FALSE(bangumi.CourseFix(1));
    // 1 3501川上昇平54長崎55B1 4.92 25.30 5.38 33.85 50 30.22 12 36.62              8
    EXPECT_EQ(bangumi.SensyuNo(1, 1), QStringLiteral("3501"));
    EXPECT_EQ(bangumi.SensyuName(1, 1), QStringLiteral("川上昇平"));
    EXPECT_EQ(bangumi.SensyuAge(1, 1), 54);
    EXPECT_EQ(bangumi.SensyuBirthplace(1, 1), QStringLiteral("長崎"));
    EXPECT_EQ(bangumi.SensyuWeight(1, 1), 55);
    EXPECT_EQ(bangumi.SensyuClass(1, 1), QStringLiteral("B1"));
    EXPECT_EQ(bangumi.SensyuZenkokuSyoritu(1, 1), 4.92f);
    EXPECT_EQ(bangumi.SensyuZenkokuFSyoritu(1, 1), 25.30f);
    EXPECT_EQ(bangumi.SensyuTochiSyoritu(1, 1), 5.38f);
    EXPECT_EQ(bangumi.SensyuTochiFSyoritu(1, 1), 33.85f);
    EXPECT_EQ(bangumi.MotorNo(1, 1), QStringLiteral("50"));
    EXPECT_EQ(bangumi.MotorFSyoritu(1, 1), 30.22f);
    EXPECT_EQ(bangumi.BoatNo(1, 1), QStringLiteral("12"));
    EXPECT_EQ(bangumi.BoatFSyoritu(1, 1), 36.62f);
    EXPECT_EQ(bangumi.Seiseki(1, 1), QString(12, QLatin1Char(' ')));
    EXPECT_EQ(bangumi.Hayami(1, 1), 8);
    EXPECT_EQ(bangumi.Tokutenritu(1, 1), 0.0f);
    // Opening day: every score is 0 and shares one rank.
    EXPECT_EQ(bangumi.TokutenrituOrder(1, 1), 1);
    EXPECT_EQ(bangumi.TokutenrituOrder(12, 6), 1);

    // Day 6: results so far and the day's weight (none on the sixth day).
    convert(QStringLiteral("B240106.TXT"));
    ASSERT_TRUE(bangumi.FileLoad(QStringLiteral("24")));
    EXPECT_EQ(bangumi.TotalDay(), 6);
    EXPECT_EQ(bangumi.RaceDate(), QStringLiteral("2024/01/06"));
    // 1 5086本村　大24長崎53B1 5.08 28.75 4.74 25.00 67 42.42 46 34.19 132 364 14   9
    EXPECT_EQ(bangumi.SensyuName(1, 1), QStringLiteral("本村　大"));
    EXPECT_EQ(bangumi.Seiseki(1, 1), QStringLiteral("132 364 14  "));
    EXPECT_EQ(bangumi.Tokutenritu(1, 1), 6.125f); // (10+6+8+6+1+4+10+4) / 8
    EXPECT_EQ(bangumi.Hayami(1, 1), 9);
    EXPECT_EQ(bangumi.Hayami(1, 3), 0);
    const float zenkoku[6] = {5.08f, 5.66f, 4.92f, 3.94f, 4.78f, 3.88f};
    const float motor[6] = {42.42f, 37.98f, 30.22f, 23.66f, 23.70f, 28.67f};
    float s[6], sum = 0;
    for (int w = 0; w < 6; ++w) {
        s[w] = float(0.33 * zenkoku[w] + 0.1 * motor[w]);
        sum += s[w];
    }
    for (int w = 1; w <= 6; ++w)
        EXPECT_FLOAT_EQ(bangumi.Tansyoritu(1, w), s[w - 1] / sum * 100.0f) << w;
    // The rank is shared with every racer of the day who scored the same.
    const int rank = bangumi.TokutenrituOrder(1, 1);
    int better = 0;
    const QStringList list = bangumi.ParticipationSensyuNoAllGet();
    for (int i = 1; i <= list.size(); ++i)
        if (bangumi.IndexToTokutenritu(i) > 6.125f)
            ++better;
    EXPECT_EQ(rank, better + 1);
}

TEST_F(BangumiReal, FukuokaThreeDigitBoatsAndFullRateFields)
{
    convert(QStringLiteral("B240103.TXT"));
    ASSERT_TRUE(bangumi.FileLoad(QStringLiteral("22")));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(bangumi.Title(), QStringLiteral("新春開運特選レース　  第　１日"));
    EXPECT_EQ(bangumi.ClosingHour(1), QStringLiteral("11:05:00"));
    EXPECT_TRUE(bangumi.CourseFix(8));
    // 1 4102益田啓司44福岡51A1 6.53 48.87 6.67 52.41 14 39.47131 30.00             12
    EXPECT_EQ(bangumi.SensyuNo(1, 1), QStringLiteral("4102"));
    EXPECT_EQ(bangumi.MotorNo(1, 1), QStringLiteral("14"));
    EXPECT_EQ(bangumi.MotorFSyoritu(1, 1), 39.47f);
    EXPECT_EQ(bangumi.BoatNo(1, 1), QStringLiteral("131"));
    EXPECT_EQ(bangumi.BoatFSyoritu(1, 1), 30.0f);
    EXPECT_EQ(bangumi.Hayami(1, 1), 12);
    // 4 4495森晋太郎36福岡54B1 4.67 25.77 5.40 35.00 58 27.84103 33.53              5
    EXPECT_EQ(bangumi.SensyuName(1, 4), QStringLiteral("森晋太郎"));
    EXPECT_EQ(bangumi.BoatNo(1, 4), QStringLiteral("103"));
    EXPECT_EQ(bangumi.BoatFSyoritu(1, 4), 33.53f);
    EXPECT_FALSE(bangumi.SensyuNo(12, 1).isEmpty());

    // 津, 1 January, race 5 frame 3:
    // 3 5128坪井爽佑27三重57B1 3.07 16.22 3.38 17.32 16  0.00 51100.00 611         12
    convert(QStringLiteral("B240101.TXT"));
    ASSERT_TRUE(bangumi.FileLoad(QStringLiteral("09")));
    EXPECT_EQ(bangumi.TotalDay(), 3);
    EXPECT_EQ(bangumi.SensyuNo(5, 3), QStringLiteral("5128"));
    EXPECT_EQ(bangumi.MotorFSyoritu(5, 3), 0.0f);
    EXPECT_EQ(bangumi.BoatNo(5, 3), QStringLiteral("51"));
    EXPECT_EQ(bangumi.BoatFSyoritu(5, 3), 100.0f);
    EXPECT_EQ(bangumi.Seiseki(5, 3), QStringLiteral("611         "));
    EXPECT_EQ(bangumi.Tokutenritu(5, 3), 7.0f);
    EXPECT_EQ(bangumi.Hayami(5, 3), 12);
    EXPECT_EQ(bangumi.SensyuNo(12, 5), QStringLiteral("5128"));
    EXPECT_EQ(bangumi.Hayami(12, 5), 5);
    EXPECT_EQ(bangumi.ParticipationSensyuNoAllGet().count(QStringLiteral("5128")), 1);
    EXPECT_TRUE(ui.messages.isEmpty());
}

// What a user may pick by mistake: never a crash, the documented message, and the working
// copy of the last good conversion stays until a conversion succeeds.
TEST_F(BangumiReal, BadInput)
{
    const QByteArray program = ReadAll(RealData(QStringLiteral("program/B240101.TXT")));
    const qsizetype block24 = program.indexOf("24BEND");
    ASSERT_GT(block24, 0);
    QRandomGenerator random(20240101);
    QByteArray noise(300000, Qt::Uninitialized);
    for (char& c : noise)
        c = char(random.bounded(256));
    QByteArray hugeEntry = EncodeLines({QStringLiteral("05BBGN"), RaceLine(1)});
    hugeEntry += "1 4001" + QByteArray(5 * 1024 * 1024, 'x') + "\r\n05BEND\r\n";

    const QString code24 = QStringLiteral("\r\n競艇場コード： 24");
    struct Case {
        const char* what;
        QByteArray bytes;
        QString code;
        bool loads;
        QString message; // FileLoad's message, empty for none
    };
    const Case cases[] = {
        {"results file", ReadAll(RealData(QStringLiteral("results/K240101.TXT"))), QStringLiteral("24"), false,
         QStringLiteral("競艇場コードが見つかりません。\r\nCode: 24#")},
        {"UTF-8 copy", Cp932ToText(program).toUtf8(), QStringLiteral("24"), false,
         QStringLiteral("インデックスが有効範囲にありません。(Error code:9)") + code24},
        {"random bytes", noise, QStringLiteral("24"), false, QStringLiteral("競艇場コードが見つかりません。\r\nCode: 24#")},
        {"empty file", QByteArray(), QStringLiteral("24"), false,
         QStringLiteral("競艇場コードが見つかりません。\r\nCode: 24#")},
        {"5 MB single line", QByteArray(5 * 1024 * 1024, '7'), QStringLiteral("24"), false,
         QStringLiteral("競艇場コードが見つかりません。\r\nCode: 24#")},
        {"5 MB entry line", hugeEntry, QStringLiteral("05"), false,
         QStringLiteral("型が一致しません。(Error code:13)\r\n競艇場コード： 05")},
        {"cut inside an entry line", program.left(block24 - 40), QStringLiteral("24"), false,
         QStringLiteral("型が一致しません。(Error code:13)") + code24},
        {"cut before the next block's end", program.left(program.indexOf("21BEND")), QStringLiteral("21"), true,
         QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.messages.clear();
        ASSERT_TRUE(WriteAll(path("in.txt"), c.bytes));
        ASSERT_TRUE(bangumi.FileConv(path("in.txt")));
        KaisaiTable table;
        EXPECT_TRUE(bangumi.KaisaiCheck(table));
        EXPECT_TRUE(ui.messages.isEmpty());
        EXPECT_EQ(bangumi.FileLoad(c.code), c.loads);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(ui.messages.isEmpty());
        } else {
            ASSERT_EQ(ui.messages.size(), 1);
            EXPECT_EQ(ui.messages[0].title, kLoadTitle);
            EXPECT_EQ(ui.messages[0].text, c.message);
        }
        if (!c.loads) {
            EXPECT_EQ(bangumi.RaceNumbers(), 0);
        }
    }

    // A block cut between races 2 and 3: the racers of races 1-2 who ride again later point
    // to races that are not there, so there are more racers than the links count.
    ui.messages.clear();
    ASSERT_TRUE(WriteAll(path("in.txt"), program.left(program.indexOf(TextToCp932(QStringLiteral("　３Ｒ"))))));
    ASSERT_TRUE(bangumi.FileConv(path("in.txt")));
    EXPECT_FALSE(bangumi.FileLoad(QStringLiteral("24")));
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("インデックスが有効範囲にありません。(Error code:9)") + code24);
    EXPECT_EQ(bangumi.RaceNumbers(), 0);
}

TEST_F(BangumiReal, PlaceholderBlockHasNoRaces)
{
    convert(QStringLiteral("B240103.TXT"));
    KaisaiTable table;
    ASSERT_TRUE(bangumi.KaisaiCheck(table));
    EXPECT_EQ(table[10], QString()); // not offered as a racing stadium
    ASSERT_TRUE(bangumi.FileLoad(QStringLiteral("10")));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(bangumi.Title(), QString());
    EXPECT_EQ(bangumi.TitleLong(), QStringLiteral("この場のデータ更新は、いましばらくお待ちください。"));
    EXPECT_EQ(bangumi.RaceNumbers(), 0);
    EXPECT_EQ(bangumi.ParticipationNumbers(), 0);
    EXPECT_EQ(bangumi.RaceDate(), QStringLiteral("0"));

    // The official file itself reads the same way (its blank lines are still there).
    QString name = RealData(QStringLiteral("program/B240103.TXT"));
    ASSERT_TRUE(bangumi.FileLoad(QStringLiteral("10"), name));
    EXPECT_EQ(bangumi.RaceNumbers(), 0);
    ASSERT_TRUE(bangumi.FileLoad(QStringLiteral("22"), name));
    EXPECT_EQ(bangumi.BoatNo(1, 1), QStringLiteral("131"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

} // namespace

// The command-line front end's JSON contract, run as a separate process.
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int status = -1;
    QJsonObject json;
    QString err;
};

CliRun cli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(QUORVEL_CLI), args);
    p.waitForFinished(120000);
    CliRun r;
    r.status = p.exitCode();
    r.json = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

TEST(Cli, ProgramFromArchiveListsStadiumsAndOneProgram)
{
    const CliRun r = cli({QStringLiteral("program"), RealData(QStringLiteral("lzh/b240106.lzh")), QStringLiteral("24")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.json.value(QStringLiteral("stadiums")).toObject().contains(QStringLiteral("24")));
    const QJsonArray programs = r.json.value(QStringLiteral("programs")).toArray();
    ASSERT_EQ(programs.size(), 1);
    const QJsonObject p = programs.at(0).toObject();
    EXPECT_EQ(p.value(QStringLiteral("KyoteijyoCode")).toString(), QStringLiteral("24"));
    EXPECT_EQ(p.value(QStringLiteral("TotalDay")).toInt(), 6);
    const QJsonArray races = p.value(QStringLiteral("races")).toArray();
    ASSERT_EQ(races.size(), 12);
    const QJsonObject first = races.at(0).toObject().value(QStringLiteral("entries")).toArray().at(0).toObject();
    EXPECT_EQ(first.value(QStringLiteral("SensyuNo")).toString(), QStringLiteral("5086"));
    EXPECT_FLOAT_EQ(float(first.value(QStringLiteral("SensyuZenkokuSyoritu")).toDouble()), 5.08f);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

TEST(Cli, RacersResultsVdataCalc)
{
    CliRun r = cli({QStringLiteral("racers"), RealData(QStringLiteral("fan/fan2004.txt")), QStringLiteral("4320"),
                 QStringLiteral("9999")});
    ASSERT_EQ(r.status, 0);
    const QJsonArray racers = r.json.value(QStringLiteral("racers")).toArray();
    ASSERT_EQ(racers.size(), 1); // 9999 is not in the file
    EXPECT_EQ(racers.at(0).toObject().value(QStringLiteral("Class")).toString(), QStringLiteral("A1"));
    EXPECT_EQ(r.json.value(QStringLiteral("Nen")).toInt(), 2020);

    r = cli({QStringLiteral("results"), RealData(QStringLiteral("results/K240106.TXT")), QStringLiteral("24")});
    ASSERT_EQ(r.status, 0);
    const QJsonArray results = r.json.value(QStringLiteral("results")).toArray();
    ASSERT_EQ(results.size(), 1);
    EXPECT_EQ(results.at(0).toObject().value(QStringLiteral("races")).toArray().size(), 12);

    QTemporaryDir dir;
    const QString vdata = dir.filePath(QStringLiteral("VDATA.QVL"));
    WriteAll(vdata, QByteArray(14400, '\x18') + "012"); // every fraction byte = 24: only stadium 24 reads 0
    r = cli({QStringLiteral("vdata"), vdata});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.json.value(QStringLiteral("version")).toInt(), 12);
    WriteAll(vdata, QByteArray(100, '\x01'));
    r = cli({QStringLiteral("vdata"), vdata});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.json.value(QStringLiteral("version")).toInt(), -1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("ファイルにこれ以上データがありません。")));

    r = cli({QStringLiteral("calc"), QStringLiteral("1 / 3 * 3")});
    EXPECT_EQ(r.json.value(QStringLiteral("Calculate")).toObject().value(QStringLiteral("result")).toString(),
              QStringLiteral("0.999999999999999"));
}

TEST(Cli, BadInputGivesAMessageNotACrash)
{
    QTemporaryDir dir;
    const QString junk = dir.filePath(QStringLiteral("B240101.TXT"));
    WriteAll(junk, QByteArray(4096, '\x8a'));
    CliRun r = cli({QStringLiteral("program"), junk});
    EXPECT_TRUE(r.status == 0 || r.status == 1);
    EXPECT_TRUE(r.json.value(QStringLiteral("programs")).toArray().isEmpty());

    const QString lzh = dir.filePath(QStringLiteral("b240101.lzh"));
    WriteAll(lzh, ReadAll(RealData(QStringLiteral("lzh/b240101.lzh"))).left(2000));
    r = cli({QStringLiteral("program"), lzh});
    EXPECT_EQ(r.status, 1);
    r = cli({QStringLiteral("results"), dir.filePath(QStringLiteral("missing.txt"))});
    EXPECT_EQ(r.status, 1);
    r = cli({QStringLiteral("nonsense")});
    EXPECT_EQ(r.status, 2);
}

TEST(Cli, RaceAndMeetingOfTheDemoFolder)
{
    // A copy: loading a stadium writes the results cache into the folder.
    QTemporaryDir tmp;
    const QDir source(TestDataDir() + QStringLiteral("/../../demo"));
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), tmp.filePath(name));
    const QString demo = tmp.path();
    CliRun r = cli({QStringLiteral("race"), demo, QStringLiteral("24"), QStringLiteral("1")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.json.value(QStringLiteral("flexBangumi")).toArray().size(), 7);
    EXPECT_EQ(r.json.value(QStringLiteral("flexBangumi")).toArray().at(0).toArray().size(), 23);
    EXPECT_EQ(r.json.value(QStringLiteral("flexSensyu")).toArray().at(0).toArray().size(), 26);
    EXPECT_EQ(r.json.value(QStringLiteral("ExpectCourse")).toArray().size(), 6);
    EXPECT_EQ(r.json.value(QStringLiteral("ForecastOdds")).toArray().size(), 6);
    EXPECT_EQ(r.json.value(QStringLiteral("grdFocus")).toArray().size(), 13);
    EXPECT_EQ(r.json.value(QStringLiteral("raceCardPanels")).toArray().size(), 4);
    EXPECT_EQ(r.json.value(QStringLiteral("lblClosingHour")).toString(), QStringLiteral("17:41"));
    // The demo's default user index fills its column and the user bets panel; 1-2 won.
    EXPECT_FALSE(r.json.value(QStringLiteral("flexSensyu")).toArray().at(1).toArray().at(22).toString().isEmpty());
    const QJsonArray userBets = r.json.value(QStringLiteral("userBets")).toArray();
    ASSERT_FALSE(userBets.isEmpty());
    int hits = 0;
    for (const QJsonValue& b : userBets)
        hits += b.toObject().value(QStringLiteral("hit")).toBool() ? 1 : 0;
    EXPECT_LE(hits, 1);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();

    r = cli({QStringLiteral("race"), demo, QStringLiteral("24"), QStringLiteral("1"), QStringLiteral("--fixed")});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.json.value(QStringLiteral("ExpectWaku")).toArray(), (QJsonArray{1, 2, 3, 4, 5, 6}));

    r = cli({QStringLiteral("race"), demo, QStringLiteral("24"), QStringLiteral("13")});
    EXPECT_EQ(r.status, 1);
    r = cli({QStringLiteral("race"), demo, QStringLiteral("07"), QStringLiteral("1")});
    EXPECT_EQ(r.status, 1);

    r = cli({QStringLiteral("meeting"), demo, QStringLiteral("24")});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.json.value(QStringLiteral("racers")).toArray().size(), 47);
}

#include "app/tablebuilder.h"
#include "common/cp932.h"
#include "platform/inifile.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void copyInto(const QString& dir, const QStringList& relatives)
{
    for (const QString& r : relatives)
        QFile::copy(RealData(r), dir + QLatin1Char('/') + QFileInfo(r).fileName());
}

} // namespace

TEST(TableBuilder, StadiumDataCountsPlacesByCourse)
{
    QTemporaryDir dir;
    copyInto(dir.path(), {QStringLiteral("results/K240101.TXT")});
    const QString out = dir.filePath(QStringLiteral("KDATA.QVL"));
    TableBuildStats st;
    ASSERT_TRUE(BuildStadiumData(dir.path(), out, &st));
    EXPECT_EQ(st.resultFiles, 1);
    // 大村 on 1 January 2024, counted by hand from the raw lines: course 1 started 12 times,
    // won 9 and was third once.
    EXPECT_EQ(cIniFile::MyGetString(out, QStringLiteral("24#"), QStringLiteral("1-1"), QString()), QStringLiteral("75.0"));
    EXPECT_EQ(cIniFile::MyGetString(out, QStringLiteral("24#"), QStringLiteral("3-1"), QString()), QStringLiteral("8.3"));
    EXPECT_EQ(cIniFile::MyGetString(out, QStringLiteral("24#"), QStringLiteral("Period"), QString()),
              QStringLiteral("2024/01/01～2024/01/01"));
    EXPECT_FALSE(cIniFile::MyGetString(out, QStringLiteral("24#"), QStringLiteral("LastUpdate"), QString()).isEmpty());
    // Each course's places add up to at most 100.
    for (int c = 1; c <= 6; ++c) {
        double sum = 0;
        for (int p = 1; p <= 6; ++p)
            sum += cIniFile::MyGetString(out, QStringLiteral("24#"), QStringLiteral("%1-%2").arg(p).arg(c), QStringLiteral("0")).toDouble();
        EXPECT_LE(sum, 100.3) << c;
        EXPECT_GE(sum, 90.0) << c;
    }
}

TEST(TableBuilder, ForecastDataFromArchivesLoadsAndStaysBelowLeadBytes)
{
    QTemporaryDir dir;
    copyInto(dir.path(), {QStringLiteral("lzh/b240101.lzh"), QStringLiteral("lzh/k240101.lzh"),
                          QStringLiteral("program/B240102.TXT"), QStringLiteral("results/K240102.TXT"),
                          QStringLiteral("lzh/b240103.lzh")}); // a program without results is skipped
    ForecastDataTable table;
    TableBuildStats st;
    ASSERT_TRUE(BuildForecastData(dir.path(), table, &st));
    EXPECT_EQ(st.programFiles, 2);
    EXPECT_GT(st.races, 200);
    for (int s = 1; s <= 24; ++s)
        for (int f = 1; f <= 6; ++f)
            for (int d = 0; d < 50; ++d) {
                const float v = table.Value(f, d, s);
                ASSERT_GE(v, 0.0f);
                ASSERT_LE(v, 100.0f);
            }
    // A class no boat fell into takes the stadium's frame share: the outermost classes.
    EXPECT_FLOAT_EQ(table.Value(1, 0, 24), table.Value(1, 49, 24));
    // Frame 1 wins far more often than frame 6 at 大村.
    EXPECT_GT(table.Value(1, 0, 24), 2 * table.Value(6, 0, 24));

    const QByteArray bytes = ForecastDataEncode(table, 3);
    for (int i = 0; i < ForecastDataTable::kDataBytes; ++i)
        ASSERT_LT(static_cast<unsigned char>(bytes[i]), 0x81);
    WriteAll(dir.filePath(QStringLiteral("VDATA.QVL")), bytes);
    ProgramFolder folder(dir.path());
    EXPECT_EQ(ForecastDataCheck(QString(), folder), 3);
}

TEST(TableBuilder, NothingToCount)
{
    QTemporaryDir dir;
    ForecastDataTable table;
    EXPECT_FALSE(BuildForecastData(dir.path(), table));
    WriteAll(dir.filePath(QStringLiteral("k240101.lzh")), "not an archive");
    WriteAll(dir.filePath(QStringLiteral("b240101.txt")), QByteArray(3000, 'x'));
    EXPECT_FALSE(BuildForecastData(dir.path(), table));
    EXPECT_FALSE(BuildStadiumData(dir.path(), dir.filePath(QStringLiteral("KDATA.QVL"))));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("KDATA.QVL"))));
}

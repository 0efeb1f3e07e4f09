#include "common/cp932.h"
#include "lzhfixture.h"
#include "platform/archive.h"
#include "platform/fileio.h"
#include "platform/inifile.h"
#include "platform/programfolder.h"
#include "platform/settingsstore.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ProgramFolder, ResolvesNamesWithoutRegardToCase)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Sub"));
    WriteAll(dir.filePath(QStringLiteral("bangumi.qvl")), "x");
    WriteAll(dir.filePath(QStringLiteral("Sub/Downloader.INI")), "x");
    ProgramFolder folder(dir.path() + QLatin1Char('/'));
    EXPECT_EQ(folder.AppFilePath(QStringLiteral("BANGUMI.QVL")), dir.path() + QStringLiteral("/bangumi.qvl"));
    EXPECT_EQ(folder.AppFilePath(QStringLiteral("\\sub\\downloader.ini")), dir.path() + QStringLiteral("/Sub/Downloader.INI"));
    // A name that does not exist yet is kept as written (it will be created so).
    EXPECT_EQ(folder.AppFilePath(QStringLiteral("KEKKA.QVL")), dir.path() + QStringLiteral("/KEKKA.QVL"));
    EXPECT_EQ(folder.AppFilePath(QStringLiteral("Temp\\k240101.txt")), dir.path() + QStringLiteral("/Temp/k240101.txt"));
}

TEST(FileIo, AtomicWriteKeepsOldCopyOnFailure)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("BANGUMI.QVL"));
    ASSERT_TRUE(WriteFileAtomic(file, "old"));
    ASSERT_TRUE(WriteFileAtomic(file, "new"));
    EXPECT_EQ(ReadAll(file), "new");
    // Into a folder that does not exist: fails, nothing half-written anywhere.
    EXPECT_FALSE(WriteFileAtomic(dir.filePath(QStringLiteral("missing/x.qvl")), "data"));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QFileInfo(dir.path()).isWritable()) { // not when running as root
        EXPECT_FALSE(WriteFileAtomic(file, "newer"));
        EXPECT_EQ(ReadAll(file), "new");
    }
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(IniFile, ReadsValuesAsProfilesDo)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("KDATA.QVL"));
    const QString longValue(300, QLatin1Char('x'));
    WriteAll(ini, TextToCp932(QStringLiteral("[07#]\r\n 1-1 = 55.2 \r\nName=蒲郡\r\nEmpty=\r\nLong=")
                              + longValue + QStringLiteral("\r\nNum=42abc\r\nNeg=-7\r\nText=abc\r\n[Other]\r\nName=x\r\n")));
    EXPECT_EQ(cIniFile::MyGetString(ini, QStringLiteral("07#"), QStringLiteral("1-1"), QStringLiteral("0")), QStringLiteral("55.2"));
    EXPECT_EQ(cIniFile::MyGetString(ini, QStringLiteral("07#"), QStringLiteral("NAME"), QString()), QStringLiteral("蒲郡"));
    EXPECT_EQ(cIniFile::MyGetString(ini, QStringLiteral("07#"), QStringLiteral("Empty"), QStringLiteral("def")), QStringLiteral("def"));
    EXPECT_EQ(cIniFile::MyGetString(ini, QStringLiteral("07#"), QStringLiteral("Long"), QString()), QString(255, QLatin1Char('x')));
    EXPECT_EQ(cIniFile::MyGetString(ini, QStringLiteral("08#"), QStringLiteral("Name"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(cIniFile::MyGetString(dir.filePath(QStringLiteral("none.ini")), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("d")), QStringLiteral("d"));
    EXPECT_EQ(cIniFile::MyGetInteger(ini, QStringLiteral("07#"), QStringLiteral("Num"), 5), 42);
    EXPECT_EQ(cIniFile::MyGetInteger(ini, QStringLiteral("07#"), QStringLiteral("Neg"), 5), -7);
    EXPECT_EQ(cIniFile::MyGetInteger(ini, QStringLiteral("07#"), QStringLiteral("Text"), 5), 0);
    EXPECT_EQ(cIniFile::MyGetInteger(ini, QStringLiteral("07#"), QStringLiteral("Missing"), 5), 5);
}

TEST(IniFile, WritesAndDeletesKeepingTheRest)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Users.qvl"));
    ASSERT_TRUE(cIniFile::MySetString(ini, QStringLiteral("User1"), QStringLiteral("Name"), QStringLiteral("指数１")));
    ASSERT_TRUE(cIniFile::MySetString(ini, QStringLiteral("User1"), QStringLiteral("Vote"), QStringLiteral("3")));
    ASSERT_TRUE(cIniFile::MySetString(ini, QStringLiteral("User2"), QStringLiteral("Name"), QStringLiteral("b")));
    ASSERT_TRUE(cIniFile::MySetString(ini, QStringLiteral("user1"), QStringLiteral("NAME"), QStringLiteral("新")));
    EXPECT_EQ(ReadAll(ini), TextToCp932(QStringLiteral("[User1]\r\nNAME=新\r\nVote=3\r\n[User2]\r\nName=b\r\n")));
    ASSERT_TRUE(cIniFile::MyDeleteKey(ini, QStringLiteral("User1"), QStringLiteral("vote")));
    ASSERT_TRUE(cIniFile::MyDeleteSection(ini, QStringLiteral("USER2")));
    EXPECT_EQ(ReadAll(ini), TextToCp932(QStringLiteral("[User1]\r\nNAME=新\r\n")));
    // A value with a line break cannot split into a second key.
    ASSERT_TRUE(cIniFile::MySetString(ini, QStringLiteral("User1"), QStringLiteral("Eq"), QStringLiteral("a\r\nX=1")));
    EXPECT_EQ(cIniFile::MyGetString(ini, QStringLiteral("User1"), QStringLiteral("X"), QStringLiteral("none")), QStringLiteral("none"));
    // No temporary files left behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(SettingsStore, TypedValuesWithDefaults)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cfg/Quorvel6.ini"));
    {
        SettingsStore s(path);
        EXPECT_TRUE(s.GetBool(QStringLiteral("Startup"), QStringLiteral("Load"), true));
        EXPECT_EQ(s.GetInt(QStringLiteral("Startup"), QStringLiteral("Height"), 9000), 9000);
        s.SetBool(QStringLiteral("Startup"), QStringLiteral("Load"), false);
        s.SetInt(QStringLiteral("Settings"), QStringLiteral("DispStyle"), 2);
        s.SetString(QStringLiteral("Startup"), QStringLiteral("Top"), QStringLiteral("abc"));
        s.SetString(QStringLiteral("Settings"), QStringLiteral("StatusBar"), QStringLiteral("maybe"));
        s.SetString(QStringLiteral("Startup"), QStringLiteral("KyoteijyoCode"), QStringLiteral("07"));
    }
    SettingsStore s(path);
    EXPECT_EQ(s.GetString(QStringLiteral("Startup"), QStringLiteral("Load")), QStringLiteral("False"));
    EXPECT_FALSE(s.GetBool(QStringLiteral("Startup"), QStringLiteral("Load"), true));
    EXPECT_EQ(s.GetInt(QStringLiteral("Settings"), QStringLiteral("DispStyle"), 0), 2);
    EXPECT_EQ(s.GetInt(QStringLiteral("Startup"), QStringLiteral("Top"), 0), 0);
    EXPECT_TRUE(s.GetBool(QStringLiteral("Settings"), QStringLiteral("StatusBar"), true));
    EXPECT_EQ(s.GetString(QStringLiteral("Startup"), QStringLiteral("KyoteijyoCode")), QStringLiteral("07"));
    s.Remove(QStringLiteral("Startup"), QStringLiteral("Top"));
    EXPECT_FALSE(s.Contains(QStringLiteral("Startup"), QStringLiteral("Top")));
    EXPECT_EQ(QFileInfo(path).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup), 0);
}

TEST(Archive, ExtractsRealProgramArchive)
{
    QTemporaryDir dir;
    EXPECT_EQ(ExtractArchive(RealData(QStringLiteral("lzh/b240102.lzh")), dir.path(), QStringLiteral("*.*")), 0);
    const QStringList files = QDir(dir.path()).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(files.first().toUpper(), QStringLiteral("B240102.TXT"));
    EXPECT_EQ(ReadAll(dir.filePath(files.first())), ReadAll(RealData(QStringLiteral("program/B240102.TXT"))));
}

TEST(Archive, BadArchivesFailWithoutDamage)
{
    QTemporaryDir dir;
    const QByteArray good = ReadAll(RealData(QStringLiteral("lzh/k240101.lzh")));
    ASSERT_FALSE(good.isEmpty());
    const QString out = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(out);
    WriteAll(out + QStringLiteral("/K240101.TXT"), "previous copy");

    struct Case {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"empty.lzh", QByteArray()},
        {"random.lzh", QByteArray(5000, '\x5a')},
        {"truncated.lzh", good.left(good.size() / 2)},
        {"flipped.lzh", [&] { QByteArray b = good; b[b.size() / 2] = char(b[b.size() / 2] ^ 0x55); return b; }()},
        {"text.lzh", ReadAll(RealData(QStringLiteral("program/B240101.TXT"))).left(3000)},
    };
    for (const Case& c : cases) {
        const QString archive = dir.filePath(QString::fromLatin1(c.name));
        WriteAll(archive, c.bytes);
        EXPECT_NE(ExtractArchive(archive, out, QString()), 0) << c.name;
        EXPECT_EQ(ReadAll(out + QStringLiteral("/K240101.TXT")), "previous copy") << c.name;
        EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 1) << c.name;
    }
    EXPECT_NE(ExtractArchive(dir.filePath(QStringLiteral("missing.lzh")), out, QString()), 0);
}

TEST(Archive, MemberNamesStayInsideTheTarget)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("a/b"));
    QDir().mkpath(out);
    const QString archive = dir.filePath(QStringLiteral("evil.lzh"));
    WriteAll(archive, MakeLzh({{"../../escape.txt", "one"},
                              {"/tmp/absolute.txt", "two"},
                              {"sub\\dir\\K240101.TXT", "three"},
                              {"..", "four"}}));
    EXPECT_EQ(ExtractArchive(archive, out, QStringLiteral("*.*")), 0);
    EXPECT_EQ(ReadAll(out + QStringLiteral("/escape.txt")), "one");
    EXPECT_EQ(ReadAll(out + QStringLiteral("/absolute.txt")), "two");
    EXPECT_EQ(ReadAll(out + QStringLiteral("/K240101.TXT")), "three");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("escape.txt"))));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("a/escape.txt"))));
    EXPECT_EQ(QDir(out).entryList(QDir::Files).size(), 3);
    // A mask picks members by name.
    const QString out2 = dir.filePath(QStringLiteral("c"));
    QDir().mkpath(out2);
    EXPECT_EQ(ExtractArchive(archive, out2, QStringLiteral("k*.txt")), 0);
    EXPECT_EQ(QDir(out2).entryList(QDir::Files), QStringList{QStringLiteral("K240101.TXT")});
    EXPECT_EQ(ExtractArchive(archive, out2, QStringLiteral("*.lzh")), int(ArchiveNoMember));
}

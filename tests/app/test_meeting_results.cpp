// Finding and loading the results file of the program date ("KEKKA.QVL").
#include "meeting_fixture.h"

#include "app/raceresults.h"
#include "platform/lzhfixture.h"

namespace {

const QString kReading = QStringLiteral("競走結果ファイル読み込み中 ...");

class RaceResultsTest : public MeetingFixture {
protected:
    void SetUp() override
    {
        MeetingFixture::SetUp();
        ASSERT_TRUE(LoadProgram(QStringLiteral("B240102.TXT")));
        ASSERT_EQ(e->Bangumi.RaceDate(), QStringLiteral("2024/01/02"));
    }
    QStringList FilesNames() const { return QDir(files).entryList(QDir::Files, QDir::Name); }
};

TEST(FindResultsFileTest, TextFirstThenArchiveWhateverTheCase)
{
    QTemporaryDir tmp;
    const QString dir = tmp.path();
    struct Case {
        const char* name;
        QStringList present;
        QString expected; // file name found, empty for none
    };
    const Case cases[] = {
        {"lower text", {"k240102.txt"}, "k240102.txt"},
        {"organizer's upper-case text", {"K240102.TXT"}, "K240102.TXT"},
        {"text before archive", {"k240102.lzh", "K240102.TXT"}, "K240102.TXT"},
        {"archive only", {"k240102.lzh"}, "k240102.lzh"},
        {"other days only", {"k240101.txt", "k240103.lzh"}, ""},
        {"a folder of the name is no file", {}, ""},
    };
    for (const Case& c : cases) {
        QDir(dir).removeRecursively();
        QDir().mkpath(dir);
        for (const QString& name : c.present)
            ASSERT_TRUE(WriteAll(dir + QLatin1Char('/') + name, "x"));
        if (c.present.isEmpty())
            QDir().mkpath(dir + QStringLiteral("/k240102.txt"));
        const QString found = FindResultsFile(QStringLiteral("k240102"), dir);
        EXPECT_EQ(found, c.expected.isEmpty() ? QString() : dir + QLatin1Char('/') + c.expected) << c.name;
    }
    EXPECT_TRUE(FindResultsFile(QStringLiteral("k240102"), QString()).isEmpty());
    EXPECT_TRUE(FindResultsFile(QString(), dir).isEmpty());
}

TEST_F(RaceResultsTest, FromTheTextInTheProgramFileFolder)
{
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240102.TXT"), FilesFile(QStringLiteral("K240102.TXT"))));

    EXPECT_TRUE(LoadRaceResults(*e, 24, files));

    EXPECT_EQ(ReadAll(Kekka()), ReadAll(RealData(QStringLiteral("results/K240102.TXT"))));
    EXPECT_TRUE(QFileInfo::exists(FilesFile(QStringLiteral("K240102.TXT")))); // copied, not moved
    EXPECT_EQ(e->Kekka.KyoteijyoCode(), QStringLiteral("24"));
    EXPECT_EQ(e->Kekka.RaceDate(), QStringLiteral("2024/01/02"));
    // 7R: "  01  2 4315 山　崎　　昂　介 74   22  6.81   2    0.06     1.48.5"
    EXPECT_EQ(e->Kekka.SensyuNo(7, 2), QStringLiteral("4315"));
    EXPECT_EQ(e->Kekka.Order(7, 2), QStringLiteral("01"));
    EXPECT_EQ(e->Kekka.Course(7, 2), 2);
    EXPECT_FLOAT_EQ(e->Kekka.StartTiming(7, 2), 0.06f);
    EXPECT_FALSE(e->KekkaLoaded); // the caller keeps the result
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(ui.statusTexts, QStringList({QStringLiteral("1:") + kReading, QStringLiteral("1:")}));
    EXPECT_GE(ui.processEvents, 1);
}

TEST_F(RaceResultsTest, FromTheArchiveTheExtractedTextIsMoved)
{
    ASSERT_TRUE(CopyReal(QStringLiteral("lzh/k240102.lzh"), FilesFile(QStringLiteral("k240102.lzh"))));

    EXPECT_TRUE(LoadRaceResults(*e, 24, files));

    EXPECT_EQ(ReadAll(Kekka()), ReadAll(RealData(QStringLiteral("results/K240102.TXT"))));
    EXPECT_EQ(FilesNames(), QStringList({QStringLiteral("k240102.lzh")}));
    EXPECT_EQ(e->Kekka.Order(7, 2), QStringLiteral("01"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(RaceResultsTest, WorkingCopyOfAnotherDateIsReplaced)
{
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240101.TXT"), Kekka()));
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240102.TXT"), FilesFile(QStringLiteral("k240102.txt"))));

    EXPECT_TRUE(LoadRaceResults(*e, 24, files));

    EXPECT_EQ(ReadAll(Kekka()), ReadAll(RealData(QStringLiteral("results/K240102.TXT"))));
    EXPECT_EQ(e->Kekka.RaceDate(), QStringLiteral("2024/01/02"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(RaceResultsTest, WorkingCopyOfTheSameDateIsUsedAgain)
{
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240102.TXT"), root + QStringLiteral("/kekka.qvl")));
    // The folder holds another text of that name; it is not looked at.
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240101.TXT"), FilesFile(QStringLiteral("k240102.txt"))));

    EXPECT_TRUE(LoadRaceResults(*e, 24, files));

    EXPECT_EQ(e->Kekka.RaceDate(), QStringLiteral("2024/01/02"));
    EXPECT_EQ(ReadAll(root + QStringLiteral("/kekka.qvl")), ReadAll(RealData(QStringLiteral("results/K240102.TXT"))));
    EXPECT_EQ(ui.statusTexts, QStringList({QStringLiteral("1:") + kReading, QStringLiteral("1:")}));
}

TEST_F(RaceResultsTest, NoneFoundDeletesTheStaleCopyAndGivesFalse)
{
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240101.TXT"), Kekka()));
    // Results of other days lie in the folder.
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240101.TXT"), FilesFile(QStringLiteral("K240101.TXT"))));
    ASSERT_TRUE(CopyReal(QStringLiteral("lzh/k240103.lzh"), FilesFile(QStringLiteral("k240103.lzh"))));

    EXPECT_FALSE(LoadRaceResults(*e, 24, files));

    EXPECT_FALSE(QFileInfo::exists(Kekka()));
    EXPECT_EQ(e->Kekka.RaceNumbers(), 0);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(ui.statusTexts, QStringList({QStringLiteral("1:") + kReading, QStringLiteral("1:")}));
}

TEST_F(RaceResultsTest, WithoutAProgramDateNothingIsRead)
{
    ASSERT_TRUE(e->Kekka.FileLoad(QStringLiteral("24"), RealData(QStringLiteral("results/K240101.TXT")), true));
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240101.TXT"), Kekka()));
    e->Bangumi.Clear();

    EXPECT_FALSE(LoadRaceResults(*e, 24, files));

    EXPECT_EQ(e->Kekka.RaceNumbers(), 0); // cleared all the same
    EXPECT_TRUE(QFileInfo::exists(Kekka()));
    EXPECT_TRUE(ui.statusTexts.isEmpty());
}

TEST_F(RaceResultsTest, UnreadableWorkingCopyIsReplaced)
{
    // A working copy of the right date whose block cannot be read (a popularity that is no
    // number) would otherwise stand in the way of the good file for good.
    QByteArray broken = ResultsFile(QStringLiteral("24"), QDate(2024, 1, 2), 2, {ResultRun{1, 1, QStringLiteral("4315")}});
    broken.replace("24KEND", TextToCp932(QStringLiteral("        ２連単   1-4       2350  人気     x\r\n24KEND")));
    ASSERT_TRUE(WriteAll(Kekka(), broken));
    ASSERT_TRUE(CopyReal(QStringLiteral("results/K240102.TXT"), FilesFile(QStringLiteral("K240102.TXT"))));

    EXPECT_TRUE(LoadRaceResults(*e, 24, files));

    EXPECT_EQ(ReadAll(Kekka()), ReadAll(RealData(QStringLiteral("results/K240102.TXT"))));
    EXPECT_TRUE(ui.messages.isEmpty());
}

struct BadResults {
    const char* name;
    const char* file; // name in the program file folder
    QByteArray (*content)();
    const char* message; // expected warning text, empty for none
    const char* title;
};

void PrintTo(const BadResults& b, std::ostream* os)
{
    *os << b.name;
}

QByteArray BrokenBlock()
{
    QByteArray b = ResultsFile(QStringLiteral("24"), QDate(2024, 1, 2), 2, {ResultRun{1, 1, QStringLiteral("4315")}});
    b.replace("24KEND", TextToCp932(QStringLiteral("        ２連単   1-4       2350  人気     x\r\n24KEND")));
    return b;
}

QByteArray CancelledMeeting()
{
    return EncodeLines({QStringLiteral("24KBGN"),
                        QStringLiteral("   第 2日          2024/ 1/ 2                             ボートレース大　村"),
                        QStringLiteral("   [払戻金]       ３連単           ３連複           ２連単         ２連複"),
                        QStringLiteral("           1R  中　止"), QStringLiteral("24KEND")});
}

const BadResults kBadResults[] = {
    {"OtherStadiumsOnly", "k240102.txt",
     [] { return ResultsFile(QStringLiteral("23"), QDate(2024, 1, 2), 2, {ResultRun{1, 1, QStringLiteral("4315")}}); },
     "", ""},
    {"RaceProgram", "k240102.txt", [] { return ReadAll(RealData(QStringLiteral("program/B240102.TXT"))); }, "", ""},
    {"Empty", "k240102.txt", [] { return QByteArray(); }, "", ""},
    {"LongSingleLine", "k240102.txt", [] { return QByteArray(5 * 1024 * 1024, '2'); }, "", ""},
    {"RandomArchive", "k240102.lzh", [] { return QByteArrayLiteral("-lh5- these bytes are no archive"); }, "", ""},
    {"TruncatedArchive", "k240102.lzh", [] { return ReadAll(RealData(QStringLiteral("lzh/k240102.lzh"))).left(20000); },
     "", ""},
    {"ArchiveOfAnotherMember", "k240102.lzh", [] { return MakeLzh({{"K240101.TXT", "24KBGN\r\n24KEND\r\n"}}); }, "", ""},
    {"BrokenBlock", "k240102.txt", BrokenBlock, "型が一致しません。", ""},
    {"CancelledMeeting", "k240102.txt", CancelledMeeting, "開催中止でした。\r\nCode: 24#", "結果ファイル読み取りエラー"},
};

class RaceResultsBadTest : public RaceResultsTest, public ::testing::WithParamInterface<BadResults> {};

TEST_P(RaceResultsBadTest, GivesFalseWithTheDocumentedMessageOnly)
{
    const BadResults& bad = GetParam();
    ASSERT_TRUE(WriteAll(FilesFile(QString::fromLatin1(bad.file)), bad.content()));

    EXPECT_FALSE(LoadRaceResults(*e, 24, files));

    const QString message = QString::fromUtf8(bad.message);
    if (message.isEmpty()) {
        EXPECT_TRUE(ui.messages.isEmpty());
    } else {
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.messages[0].text, message);
        EXPECT_EQ(ui.messages[0].title, QString::fromUtf8(bad.title));
        EXPECT_EQ(ui.messages[0].icon, MsgIcon::Warning);
    }
    if (QString::fromLatin1(bad.file).endsWith(QLatin1String(".lzh"))) {
        EXPECT_FALSE(QFileInfo::exists(Kekka()));
        EXPECT_TRUE(FilesNames().contains(QString::fromLatin1(bad.file))); // the archive stays
    }
    EXPECT_EQ(ui.statusTexts.last(), QStringLiteral("1:"));
}

INSTANTIATE_TEST_SUITE_P(Files, RaceResultsBadTest, ::testing::ValuesIn(kBadResults),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

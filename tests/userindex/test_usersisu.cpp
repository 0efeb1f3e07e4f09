// User index definitions: the rank pairs, the labels, the file, the ranking and the bets.
#include "userindex/mUserSisu.h"

#include "common/cp932.h"
#include "engine/engine.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

UserSisuSet freshSet()
{
    UserSisuSet set;
    InitRankPairs(set);
    return set;
}

UserSisuDef def(const QString& name, const QString& equation, std::array<int, 7> vote = {},
                bool ascending = false, int equalType = 0)
{
    UserSisuDef d;
    d.Defined = !name.isEmpty();
    d.Name = name;
    d.Equation = equation;
    d.Format = QStringLiteral("##0.00");
    d.Ascending = ascending;
    d.EqualType = equalType;
    d.Vote = vote;
    return d;
}

QString orderText(const std::array<int, 7>& order)
{
    QString s;
    for (int k = 1; k <= 6; ++k)
        s += QString::number(order[size_t(k)]);
    return s;
}

} // namespace

TEST(UserSisuPairs, RankPairsAndLabels)
{
    const UserSisuSet set = freshSet();
    ASSERT_EQ(set.RankPairs.size(), 31);
    EXPECT_EQ(set.RankPairs.at(0), QString());
    EXPECT_EQ(set.RankPairs.at(1), QStringLiteral("1- 2"));
    EXPECT_EQ(set.RankPairs.at(5), QStringLiteral("1- 6"));
    EXPECT_EQ(set.RankPairs.at(6), QStringLiteral("2- 1"));
    EXPECT_EQ(set.RankPairs.at(7), QStringLiteral("2- 3"));
    EXPECT_EQ(set.RankPairs.at(30), QStringLiteral("6- 5"));

    EXPECT_EQ(VariableShortName(QStringLiteral("A")), QStringLiteral("全国勝率"));
    EXPECT_EQ(VariableLongName(QStringLiteral("B")), QStringLiteral("全国２連対率"));
    EXPECT_EQ(VariableShortName(QStringLiteral("O")), QStringLiteral("ＦＬ回数"));
    EXPECT_EQ(VariableLongName(QStringLiteral("R")), QStringLiteral("平均スタートタイミング（進入コース）"));
    EXPECT_EQ(VariableShortName(QStringLiteral("W")), QStringLiteral("場成績"));
    EXPECT_EQ(VariableLongName(QStringLiteral("W")), QStringLiteral("進入コース別入着率（競艇場）"));
    EXPECT_EQ(VariableShortName(QStringLiteral("X")), QStringLiteral("今節ＳＴ"));
    EXPECT_EQ(VariableLongName(QStringLiteral("X")), QStringLiteral("今節平均スタートタイミング"));
    // Anything that is not one of the 24 letters is its own label.
    for (const char* t : {"Y", "Z", "a", "", "AB", "(", "12"}) {
        EXPECT_EQ(VariableShortName(QString::fromLatin1(t)), QString::fromLatin1(t));
        EXPECT_EQ(VariableLongName(QString::fromLatin1(t)), QString::fromLatin1(t));
    }
}

TEST(UserSisuFile, StoreAndLoadAgain)
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath(QStringLiteral("Users.qvl"));
    UserSisuSet set = freshSet();
    set.defs[2] = def(QStringLiteral("実力指数"), QStringLiteral("( A + C ) * 2 - G / 10"), {0, 1, 0, 7, 0, 0, 30},
                      true, 1);
    set.defs[2].Format = QStringLiteral("#0.000");
    set.defs[4] = def(QStringLiteral("勝率"), QStringLiteral("A"));
    set.ActiveUserSisu = 4;
    ASSERT_TRUE(SaveUserSisuDefs(set, file));

    const QStringList lines = DecodeLines(ReadAll(file));
    EXPECT_TRUE(lines.contains(QStringLiteral("DefaultNo=4")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Name=実力指数")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Equation=( A + C ) * 2 - G / 10")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Ascending=True")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Vote2#6=30")));
    EXPECT_TRUE(ReadAll(file).contains("\r\n"));
    EXPECT_TRUE(ReadAll(file).contains(TextToCp932(QStringLiteral("実力指数"))));

    UserSisuSet back = freshSet();
    ASSERT_TRUE(LoadUserSisuDefs(back, file));
    EXPECT_EQ(back.ActiveUserSisu, 4);
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(back.defs[i].Defined, set.defs[i].Defined);
        EXPECT_EQ(back.defs[i].Name, set.defs[i].Name);
        EXPECT_EQ(back.defs[i].Equation, set.defs[i].Equation);
        EXPECT_EQ(back.defs[i].Format, set.defs[i].Format);
        EXPECT_EQ(back.defs[i].Ascending, set.defs[i].Ascending);
        EXPECT_EQ(back.defs[i].EqualType, set.defs[i].EqualType);
        EXPECT_EQ(back.defs[i].Vote, set.defs[i].Vote);
    }

    // Deleting a slot writes its keys empty; the slot reads back undefined with no bets.
    set.defs[2] = UserSisuDef{};
    set.defs[2].Name = QString();
    ASSERT_TRUE(SaveUserSisuDefs(set, file));
    ASSERT_TRUE(LoadUserSisuDefs(back, file));
    EXPECT_FALSE(back.defs[2].Defined);
    EXPECT_TRUE(back.defs[2].Equation.isEmpty());
    EXPECT_EQ(back.defs[2].Vote, (std::array<int, 7>{}));
    const QStringList after = DecodeLines(ReadAll(file));
    EXPECT_EQ(after.count(QStringLiteral("Vote2#6=")), 4); // slots 1, 2, 3 and 5
    EXPECT_EQ(after.count(QStringLiteral("Vote2#6=0")), 1);
}

TEST(UserSisuFile, MissingFileLeavesEverythingUndefined)
{
    QTemporaryDir tmp;
    UserSisuSet set = freshSet();
    set.defs[1] = def(QStringLiteral("old"), QStringLiteral("A"), {0, 1});
    set.ActiveUserSisu = 1;
    EXPECT_FALSE(LoadUserSisuDefs(set, tmp.filePath(QStringLiteral("Users.qvl"))));
    EXPECT_EQ(set.ActiveUserSisu, 0);
    for (int i = 1; i <= 5; ++i)
        EXPECT_FALSE(set.defs[i].Defined);
    EXPECT_EQ(set.RankPairs.size(), 31); // not the loader's business
}

TEST(UserSisuFile, GarbageValuesReadAsDefaults)
{
    QTemporaryDir tmp;
    const QString file = tmp.filePath(QStringLiteral("Users.qvl"));
    const QStringList lines = {
        QStringLiteral("[Common]"), QStringLiteral("DefaultNo=9"),
        QStringLiteral("[UserSisu1]"), QStringLiteral("Name=壊れた指数"), QStringLiteral("Equation=A + Z ) ("),
        QStringLiteral("Format="), QStringLiteral("Ascending=maybe"), QStringLiteral("EqualType=x7"),
        QStringLiteral("Vote2#1=abc"), QStringLiteral("Vote2#2=99"), QStringLiteral("Vote2#3=-1"),
        QStringLiteral("Vote2#4=7"), QStringLiteral("Vote2#5=1e3"), QStringLiteral("Vote2#6=30"),
        QStringLiteral("[UserSisu2]"), QStringLiteral("Name="), QStringLiteral("Equation=A"),
        QStringLiteral("Vote2#1=1"),
        QStringLiteral("[UserSisu3]"), QStringLiteral("Name=   "), QStringLiteral("Equation=B"),
        QStringLiteral("[UserSisu4]"), QStringLiteral("Name=n"), QStringLiteral("Ascending=1"),
        QStringLiteral("EqualType=5"),
        QStringLiteral("[UserSisu5]"), QStringLiteral("Name=m"), QStringLiteral("Ascending=false"),
        QStringLiteral("EqualType=0.4"),
    };
    ASSERT_TRUE(WriteAll(file, EncodeLines(lines)));
    UserSisuSet set = freshSet();
    ASSERT_TRUE(LoadUserSisuDefs(set, file));
    EXPECT_EQ(set.ActiveUserSisu, 0);

    const UserSisuDef& d1 = set.defs[1];
    EXPECT_TRUE(d1.Defined);
    EXPECT_EQ(d1.Equation, QStringLiteral("A + Z ) ("));
    EXPECT_EQ(d1.Format, QString());
    EXPECT_FALSE(d1.Ascending);
    EXPECT_EQ(d1.EqualType, 0);
    EXPECT_EQ(d1.Vote, (std::array<int, 7>{0, 0, 0, 0, 7, 1, 30})); // "1e3" reads its leading 1

    // An empty or blank name leaves the slot undefined; the other keys are not read.
    for (int i : {2, 3}) {
        EXPECT_FALSE(set.defs[i].Defined);
        EXPECT_TRUE(set.defs[i].Equation.isEmpty());
        EXPECT_EQ(set.defs[i].Vote, (std::array<int, 7>{}));
    }
    EXPECT_TRUE(set.defs[4].Ascending);
    EXPECT_EQ(set.defs[4].EqualType, 1);
    EXPECT_FALSE(set.defs[5].Ascending);
    EXPECT_EQ(set.defs[5].EqualType, 0);

    // Random bytes and an empty file: nothing defined, no crash.
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 7919 + 13) & 0xFF));
    for (const QByteArray& bytes : {junk, QByteArray(), QByteArray(5'000'000, 'x')}) {
        ASSERT_TRUE(WriteAll(file, bytes));
        ASSERT_TRUE(LoadUserSisuDefs(set, file));
        EXPECT_EQ(set.ActiveUserSisu, 0);
        for (int i = 1; i <= 5; ++i)
            EXPECT_FALSE(set.defs[i].Defined);
    }
}

// ---- ranking and bets ------------------------------------------------------------------------

namespace {

struct RankCase {
    const char* what;
    UserSisuValues values;
    bool ascending;
    int equalType;
    std::array<int, 7> course; // predicted course by frame
    const char* order;         // frames at ranks 1..6
};

void PrintTo(const RankCase& c, std::ostream* os)
{
    *os << c.what;
}

constexpr std::array<int, 7> kStraight{0, 1, 2, 3, 4, 5, 6};
constexpr std::array<int, 7> kSwapped{0, 1, 3, 2, 4, 5, 6}; // frame 2 in course 3, frame 3 in course 2

class UserSisuRanking : public testing::TestWithParam<RankCase> {
protected:
    QTemporaryDir tmp;
    ProgramFolder folder{tmp.path()};
    RecordingUi ui;
    Engine e{folder, ui};
};

TEST_P(UserSisuRanking, FramesAtEachRank)
{
    const RankCase& c = GetParam();
    e.st.ExpectCourse = c.course;
    UserSisuDef d = def(QStringLiteral("x"), QStringLiteral("A"), {}, c.ascending, c.equalType);
    EXPECT_EQ(orderText(UserSisuOrder(e, d, c.values)), QString::fromLatin1(c.order));
}

// Frames 2 and 3 tie at 7.
INSTANTIATE_TEST_SUITE_P(
    TieRules, UserSisuRanking,
    testing::Values(
        RankCase{"descending, frame first", {0, 5, 7, 7, 1, 0, 3}, false, 0, kSwapped, "231645"},
        RankCase{"descending, course first", {0, 5, 7, 7, 1, 0, 3}, false, 1, kSwapped, "321645"},
        RankCase{"ascending, frame rule favours the higher frame", {0, 5, 7, 7, 1, 0, 3}, true, 0, kSwapped,
                 "546132"},
        RankCase{"ascending, course rule favours the higher course", {0, 5, 7, 7, 1, 0, 3}, true, 1, kSwapped,
                 "546123"},
        RankCase{"all equal, descending", {0, 2, 2, 2, 2, 2, 2}, false, 0, kStraight, "123456"},
        RankCase{"all equal, ascending", {0, 2, 2, 2, 2, 2, 2}, true, 0, kStraight, "654321"},
        RankCase{"negative values", {0, -1.5f, -0.25f, -3, 0, -0.25f, 2}, false, 0, kStraight, "642513"},
        // Beyond about 1024 the tie term vanishes in single precision: still one rank each.
        RankCase{"large equal values, descending", {0, 5000, 9000, 5000, 9000, 5000, 1}, false, 0, kStraight,
                 "241356"},
        RankCase{"large equal values, ascending by course", {0, 5000, 9000, 5000, 9000, 5000, 1}, true, 1,
                 kSwapped, "653142"},
        RankCase{"no predicted course yet", {0, 1, 1, 1, 3, 3, 0}, false, 1, std::array<int, 7>{}, "451236"}));

} // namespace

TEST(UserSisuBetsTest, BetsFromVoteSlots)
{
    QTemporaryDir tmp;
    ProgramFolder folder(tmp.path());
    RecordingUi ui;
    Engine e(folder, ui);
    e.st.ExpectCourse = kStraight;
    UserSisuSet set = freshSet();
    const UserSisuValues values{0, 3, 9, 1, 7, 2, 5}; // ranks: 2, 4, 6, 1, 5, 3

    set.defs[1] = def(QStringLiteral("x"), QStringLiteral("A"), {0, 1, 0, 7, 0, 0, 0});
    set.ActiveUserSisu = 1;
    UserSisuBets bets = MakeUserBets(e, set, values);
    EXPECT_EQ(bets[1], QStringLiteral("2-4")); // 1- 2: rank 1 then rank 2
    EXPECT_EQ(bets[2], QStringLiteral("4-6")); // 2- 3
    for (int d = 3; d <= 6; ++d)
        EXPECT_EQ(bets[d], QString());

    set.defs[1].Vote = {0, 30, 6, 5, 0, 12, 1};
    bets = MakeUserBets(e, set, values);
    const QStringList expected = {"3-5", "4-2", "2-3", "6-4", "2-4", ""}; // 6- 5, 2- 1, 1- 6, 3- 2, 1- 2
    for (int d = 1; d <= 6; ++d)
        EXPECT_EQ(bets[d], expected.at(d - 1)) << d;

    // Ascending reverses the ranking.
    set.defs[1].Vote = {0, 1, 0, 0, 0, 0, 0};
    set.defs[1].Ascending = true;
    EXPECT_EQ(MakeUserBets(e, set, values)[1], QStringLiteral("3-5"));

    // Slots naming no rank pair, an uninitialised pair list, no index in use: no bets.
    set.defs[1].Vote = {0, 31, -4, 1000, 0, 0, 0};
    EXPECT_EQ(MakeUserBets(e, set, values), UserSisuBets{});
    set.defs[1].Vote = {0, 1, 2, 3, 4, 5, 6};
    UserSisuSet noPairs = set;
    noPairs.RankPairs.clear();
    EXPECT_EQ(MakeUserBets(e, noPairs, values), UserSisuBets{});
    set.ActiveUserSisu = 0;
    EXPECT_EQ(MakeUserBets(e, set, values), UserSisuBets{});
}

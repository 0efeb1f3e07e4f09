// User index of a real race: 大村 (24) on 6 January 2024, race 1, racers of fan2004.txt.
//
// Race 1 (program):                     fan2004.txt:
//   frame racer  weight A     C           H     I     J   K    M   N   course 4: ST  order  2rate
//   1     5086   53     5.08  4.74        1.76  1.7   34  .18  1   0
//   2     4151   53     5.66  4.59        5.49  36.9  51  .20  20  28
//   3     3501   55     4.92  5.38        4.63  27.9  47  .17  23  17           .16 3.00   17.9
//   4     3752   55     3.94  5.27        4.26  22.3  46  .18  9   16
//   5     5129   46     4.78  4.29        0 (no record figures)
//   6     5124   53     3.88  2.63        0
// Result of race 1: 1-2.
#include "userindex/mUserSisu.h"

#include "common/cp932.h"
#include "common/errors.h"
#include "common/kyotei.h"
#include "engine/engine.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"
#include "userindex/mDirectCalculate.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class UserSisuRace : public testing::Test {
protected:
    void SetUp() override
    {
        e.raceCard.Load(0);
        const QString program = tmp.filePath(QStringLiteral("B240106.TXT"));
        ASSERT_TRUE(WriteAll(program, ReadAll(RealData("program/B240106.TXT"))));
        ASSERT_TRUE(e.Bangumi.FileConv(program));
        ASSERT_TRUE(e.Bangumi.FileLoad(QStringLiteral("24")));
        ASSERT_TRUE(e.Sensyu.FileLoad(RealData("fan/fan2004.txt"), e.Bangumi.ParticipationSensyuNoAllGet()));
        ASSERT_TRUE(e.Kekka.FileLoad(QStringLiteral("24"), RealData("results/K240106.TXT")));
        e.st.ExpectCourse = {0, 1, 2, 4, 3, 5, 6}; // frames 3 and 4 swap courses
        InitRankPairs(set);
        ui.messages.clear();
    }

    // Makes slot 1 the index in use.
    void use(const QString& equation, std::array<int, 7> vote = {}, const QString& format = QStringLiteral("##0.00"))
    {
        UserSisuDef& d = set.defs[1];
        d.Defined = true;
        d.Name = QStringLiteral("テスト指数");
        d.Equation = equation;
        d.Format = format;
        d.Vote = vote;
        set.ActiveUserSisu = 1;
    }

    QStringList column22() const
    {
        QStringList texts;
        for (int row = 1; row <= 6; ++row)
            texts << e.raceCard.flexSensyu.CellValue(row, 22);
        return texts;
    }

    QString shownBets() const // "x-y" per visible line, "" for a hidden one
    {
        QStringList lines;
        for (const UserBetLine& l : e.raceCard.userBets)
            lines << (l.lblUserFunaken.Visible ? l.lblUserFunaken.Caption + "-" + l.lblUserFunaken2.Caption : "");
        return lines.join(QLatin1Char(' ')).trimmed();
    }

    int hitLine() const // 1..6, 0 when no mark; -1 when more than one line shows it
    {
        int line = 0;
        for (int d = 0; d < 6; ++d)
            if (e.raceCard.userBets[size_t(d)].lblUserHit.Visible)
                line = line ? -1 : d + 1;
        return line;
    }

    QTemporaryDir tmp;
    ProgramFolder folder{tmp.path()};
    RecordingUi ui;
    Engine e{folder, ui};
    UserSisuSet set;
};

} // namespace

TEST_F(UserSisuRace, EveryVariableAsSubstituted)
{
    e.st.KDataCourse[4] = {0, 12.5f, 20.3f, 7.0f};
    e.st.UserTenjiTime.Set(3, 1, 24, 6.78f);
    e.Meeting.Reset(e.Bangumi.ParticipationNumbers(), 5);
    e.Meeting.Average(e.Bangumi.SensyuNoToIndex(QStringLiteral("3501")))->StartTiming = 0.156f;

    const QString all = QStringLiteral("A B C D E F G H I J K L M N O P Q R S T U V W X Y Z ( ) + - * / .");
    const QString racer = QStringLiteral("3501");
    const QString expected =
        QStringLiteral("4.92 25.3 5.38 33.85 30.22 36.62 55 4.63 27.9 47 0.17 3.333333 23 17 ")
        + QString::number(e.Sensyu.FTimes(racer) + e.Sensyu.LTimes(racer)) + QLatin1Char(' ')
        + QString::number(double(e.Bangumi.Tokutenritu(1, 3)), 'g', 7)
        + QStringLiteral(" 3 0.16 3 17.9 4 6.78 32.8 0.16 Y Z ( ) + - * / .");
    EXPECT_EQ(UserSisuFormula(e, all, 1, 3), expected);

    // No typed exhibition time, no meeting starts, an unknown racer's figures: 0.
    EXPECT_EQ(UserSisuFormula(e, QStringLiteral("V X H J"), 1, 5), QStringLiteral("0 0.00 0 0"));
    EXPECT_EQ(UserSisuVariable(e, QLatin1Char('U'), 1, 4), QStringLiteral("3"));
    EXPECT_EQ(UserSisuVariable(e, QLatin1Char('W'), 1, 1), QStringLiteral("0.0"));

    EXPECT_THROW(UserSisuVariable(e, QLatin1Char('A'), 13, 1), QvError);
    EXPECT_THROW(UserSisuVariable(e, QLatin1Char('A'), 1, 7), QvError);
    e.st.ExpectCourse[2] = 0;
    EXPECT_THROW(UserSisuVariable(e, QLatin1Char('R'), 1, 2), QvError);
    EXPECT_EQ(UserSisuVariable(e, QLatin1Char('U'), 1, 2), QStringLiteral("0"));
}

TEST_F(UserSisuRace, FormulaOverSeveralLettersRankedAndShown)
{
    // (A + C) * 2 - G / 10 + K * H, worked out from the raw lines:
    //   1: 19.64 - 5.3 + 0.3168 = 14.6568     2: 20.5 - 5.3 + 1.098 = 16.298
    //   3: 20.6 - 5.5 + 0.7871 = 15.8871      4: 18.42 - 5.5 + 0.7668 = 13.6868
    //   5: 18.14 - 4.6 + 0 = 13.54            6: 13.02 - 5.3 + 0 = 7.72
    use(QStringLiteral("( A + C ) * 2 - G / 10 + K * H"), {0, 1, 2, 6, 0, 0, 30});
    const UserSisuValues v = CalcUserSisu(e, set, 1);
    const float expected[] = {14.6568f, 16.298f, 15.8871f, 13.6868f, 13.54f, 7.72f};
    for (int w = 1; w <= 6; ++w)
        EXPECT_FLOAT_EQ(v[w], expected[w - 1]) << w;

    e.raceCard.sbStatusBar[4] = QStringLiteral("結果：１－２");
    ShowUserSisu(e, set, 1);
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(column22(), QStringList({"14.66", "16.30", "15.89", "13.69", "13.54", "7.72"}));
    // Ranking 2 3 1 4 5 6; slots 1- 2, 1- 3, 2- 1, 6- 5.
    EXPECT_EQ(shownBets(), QStringLiteral("2-3 2-1 3-2 6-5"));
    EXPECT_EQ(hitLine(), 0); // the result was 1-2
    EXPECT_EQ(ui.statusTexts.last(), QStringLiteral("2:テスト指数"));

    const UserBetLine& first = e.raceCard.userBets[0];
    EXPECT_EQ(first.lblUserFunaken.ForeColor, BoatColor(2, false));
    EXPECT_EQ(first.lblUserFunaken.BackColor, BoatColor(2, true));
    EXPECT_EQ(first.lblUserFunaken2.ForeColor, BoatColor(3, false));
    EXPECT_EQ(first.lblUserFunaken2.BackColor, BoatColor(3, true));
    EXPECT_TRUE(first.lblSep1.Visible);
    EXPECT_FALSE(first.lblUserOdds.Visible);
    EXPECT_FALSE(e.raceCard.userBets[4].lblSep1.Visible);
}

TEST_F(UserSisuRace, WinRateIndexAndTheHitMark)
{
    // «A»: 5.08 5.66 4.92 3.94 4.78 3.88, ranking 2 1 3 5 4 6. Slots 2- 1 and 1- 2.
    use(QStringLiteral("A"), {0, 6, 1, 0, 0, 0, 0}, QStringLiteral("###0.0"));
    const int voteType = e.Bangumi.VoteType(1);
    ASSERT_NE(voteType, 2) << "race 1 should sell the ordered two-boat bet";

    e.raceCard.sbStatusBar[4] = QStringLiteral("結果：１－２");
    ShowUserSisu(e, set, 1);
    EXPECT_EQ(column22(), QStringList({"5.1", "5.7", "4.9", "3.9", "4.8", "3.9"}));
    EXPECT_EQ(shownBets(), QStringLiteral("1-2 2-1"));
    EXPECT_EQ(hitLine(), 1); // ordered bet: only 1-2

    // "＝" in the result panel makes the bet unordered: both lines hit, the last keeps the mark.
    e.raceCard.sbStatusBar[4] = QStringLiteral("結果：１＝２");
    ShowUserSisu(e, set, 1);
    EXPECT_EQ(hitLine(), 2);

    // Results of another day: no mark.
    ASSERT_TRUE(e.Kekka.FileLoad(QStringLiteral("24"), RealData("results/K240105.TXT")));
    ShowUserSisu(e, set, 1);
    EXPECT_EQ(shownBets(), QStringLiteral("1-2 2-1"));
    EXPECT_EQ(hitLine(), 0);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(UserSisuRace, VoidRaceShowsNoHitMark)
{
    // The day's results with race 1 declared void on its heading line.
    QString text = Cp932ToText(ReadAll(RealData("results/K240106.TXT")));
    const QString heading = QStringLiteral("ﾚｰｽﾀｲﾑ 逃げ");
    const qsizetype at = text.indexOf(heading, text.indexOf(QStringLiteral("24KBGN")));
    ASSERT_GT(at, 0);
    text.replace(at, heading.size(), QStringLiteral("ﾚｰｽﾀｲﾑ 不成立"));
    const QString file = tmp.filePath(QStringLiteral("K240106.TXT"));
    ASSERT_TRUE(WriteAll(file, TextToCp932(text)));
    ASSERT_TRUE(e.Kekka.FileLoad(QStringLiteral("24"), file));
    ASSERT_EQ(e.Kekka.Finish(1), QStringLiteral("レース不成立"));

    use(QStringLiteral("A"), {0, 6, 1, 0, 0, 0, 0});
    e.raceCard.sbStatusBar[4] = QStringLiteral("レース不成立");
    ShowUserSisu(e, set, 1);
    EXPECT_EQ(shownBets(), QStringLiteral("1-2 2-1"));
    EXPECT_EQ(hitLine(), 0);
}

TEST_F(UserSisuRace, NoIndexInUseClearsThePanel)
{
    use(QStringLiteral("A"), {0, 6, 1, 0, 0, 0, 0});
    e.raceCard.sbStatusBar[4] = QStringLiteral("結果：１－２");
    ShowUserSisu(e, set, 1);
    ASSERT_EQ(hitLine(), 1);

    set.ActiveUserSisu = 0;
    ShowUserSisu(e, set, 1);
    EXPECT_EQ(column22(), QStringList({"", "", "", "", "", ""}));
    for (const UserBetLine& l : e.raceCard.userBets) {
        EXPECT_FALSE(l.lblUserFunaken.Visible);
        EXPECT_FALSE(l.lblUserFunaken2.Visible);
        EXPECT_FALSE(l.lblSep1.Visible);
        EXPECT_FALSE(l.lblUserOdds.Visible);
        EXPECT_FALSE(l.lblUserHit.Visible);
        EXPECT_EQ(l.lblUserFunaken.Caption, QString());
        EXPECT_EQ(l.lblUserOdds.Caption, QString());
    }
    EXPECT_EQ(ui.statusTexts.last(), QStringLiteral("2:ﾕｰｻﾞｰ指数：未設定"));
    EXPECT_EQ(CalcUserSisu(e, set, 1), UserSisuValues{});
}

TEST_F(UserSisuRace, BadFormulasGiveZeroNeverAFailure)
{
    struct Case {
        const char* what;
        QString equation;
        QStringList shown;
    };
    QString longSum = QStringLiteral("A");
    for (int i = 0; i < 500; ++i)
        longSum += QStringLiteral(" + A"); // 1,001 tokens
    QString deep;
    for (int i = 0; i < 300; ++i)
        deep += QStringLiteral("( ");
    deep += QStringLiteral("Q");
    for (int i = 0; i < 300; ++i)
        deep += QStringLiteral(" )");
    const Case cases[] = {
        {"unknown token", QStringLiteral("A + Z"), {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
        {"junk", QStringLiteral("A + foo * ( B"), {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
        {"dangling operator", QStringLiteral("A +"), {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
        // M (first places) is 0 for the two racers without figures: only they get 0.
        {"division by zero for two boats", QStringLiteral("A / M"), {"5.08", "0.28", "0.21", "0.44", "0.00", "0.00"}},
        {"overflow of a single", QStringLiteral("10 ^ 300 * Q"), {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
        {"1,001 tokens", longSum, {"2545.08", "2835.66", "2464.92", "1973.94", "2394.78", "1943.88"}},
        {"300 nested groups", deep, {"1.00", "2.00", "3.00", "4.00", "5.00", "6.00"}},
        {"blank equation", QStringLiteral("   "), {"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        use(c.equation, {0, 1, 0, 0, 0, 0, 0});
        ShowUserSisu(e, set, 1);
        EXPECT_EQ(column22(), c.shown);
        EXPECT_TRUE(ui.messages.isEmpty());
    }

    // A number too long for any real type: every boat 0.
    use(QString(100'000, QLatin1Char('9')));
    EXPECT_EQ(CalcUserSisu(e, set, 1), UserSisuValues{});
}

TEST_F(UserSisuRace, GarbageFileShownWithoutFailure)
{
    QString thousand = QStringLiteral("A");
    while (thousand.count(QLatin1Char(' ')) < 998)
        thousand += QStringLiteral(" + A"); // 999 tokens, far longer than a stored value may be
    const QStringList lines = {
        QStringLiteral("[Common]"), QStringLiteral("DefaultNo=9"),
        QStringLiteral("[UserSisu1]"), QStringLiteral("Name=長い式"), QStringLiteral("Equation=") + thousand,
        QStringLiteral("Format=##0.00"), QStringLiteral("Vote2#1=abc"), QStringLiteral("Vote2#2=1"),
        QStringLiteral("[UserSisu2]"), QStringLiteral("Name=割り算"), QStringLiteral("Equation=10 / ( Q - 4 )"),
        QStringLiteral("Format=#0.000"), QStringLiteral("Vote2#1=99"), QStringLiteral("Vote2#2=6"),
    };
    const QString file = tmp.filePath(QStringLiteral("Users.qvl"));
    ASSERT_TRUE(WriteAll(file, EncodeLines(lines)));
    ASSERT_TRUE(LoadUserSisuDefs(set, file));
    ASSERT_EQ(set.ActiveUserSisu, 0);
    ShowUserSisu(e, set, 1);
    EXPECT_EQ(ui.statusTexts.last(), QStringLiteral("2:ﾕｰｻﾞｰ指数：未設定"));

    // The stored value is cut to 255 characters, ending in the middle of the sum: 0 for every boat.
    set.ActiveUserSisu = 1;
    EXPECT_EQ(set.defs[1].Equation.size(), 255);
    ShowUserSisu(e, set, 1);
    EXPECT_EQ(column22(), QStringList({"0.00", "0.00", "0.00", "0.00", "0.00", "0.00"}));
    EXPECT_EQ(shownBets(), QStringLiteral("1-2")); // the one usable slot, ties by frame

    // Frame 4 divides by zero and alone gets 0; ranking 5 6 4 1 2 3, slot 6 is 2- 1.
    set.ActiveUserSisu = 2;
    ShowUserSisu(e, set, 1);
    EXPECT_EQ(column22(), QStringList({"-3.333", "-5.000", "-10.000", "0.000", "10.000", "5.000"}));
    EXPECT_EQ(shownBets(), QStringLiteral("6-5"));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(UserSisuRace, UndefinedActiveSlotAndErrors)
{
    // The slot in use was deleted: values 0, shown plainly, no bets.
    set.defs[3] = UserSisuDef{};
    set.defs[3].Name = QStringLiteral("未定義 3");
    set.ActiveUserSisu = 3;
    ShowUserSisu(e, set, 1);
    EXPECT_EQ(column22(), QStringList({"0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(shownBets(), QString());
    EXPECT_EQ(ui.statusTexts.last(), QStringLiteral("2:未定義 3"));
    EXPECT_TRUE(ui.messages.isEmpty());

    // A race outside the day and a frame with no predicted course: the error's description.
    use(QStringLiteral("A"));
    ShowUserSisu(e, set, 13);
    use(QStringLiteral("R * 2"));
    e.st.ExpectCourse[6] = 0;
    ShowUserSisu(e, set, 1);
    set.ActiveUserSisu = 6;
    ShowUserSisu(e, set, 1);
    ASSERT_EQ(ui.messages.size(), 3);
    for (const RecordedMessage& m : ui.messages) {
        EXPECT_EQ(m.text, ErrorDescription(ErrIndexOutOfRange));
        EXPECT_EQ(m.icon, MsgIcon::Warning);
        EXPECT_EQ(m.title, QString());
    }
}

TEST_F(UserSisuRace, DemoDefinitionsWork)
{
    ASSERT_TRUE(LoadUserSisuDefs(set, TestDataDir() + QStringLiteral("/../../demo/Users.qvl")));
    EXPECT_EQ(set.ActiveUserSisu, 1);
    e.st.KDataCourse[1] = {0, 55.0f, 20.0f, 10.0f};
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(set.defs[i].Defined);
        EXPECT_EQ(mDirectCalculate::CheckFormula(set.defs[i].Equation), 0);
        set.ActiveUserSisu = i;
        const UserSisuValues v = CalcUserSisu(e, set, 1);
        EXPECT_NE(v[1], 0.0f);
        EXPECT_NE(v[2], 0.0f);
        ShowUserSisu(e, set, 1);
        EXPECT_FALSE(shownBets().isEmpty());
    }
    EXPECT_FALSE(set.defs[4].Defined);
    EXPECT_FALSE(set.defs[5].Defined);
    EXPECT_TRUE(ui.messages.isEmpty());
}

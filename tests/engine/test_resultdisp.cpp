// The result window's contents on real results, checked by hand against the raw lines.
//
// K240102 大村 (24) 1R, raw:
//    1R       予選　　　　                 H1800m  晴　  風  西　　 1m  波　  1cm
//   着 艇 登番 … ﾚｰｽﾀｲﾑ 逃げ　　　
//   01  1 4855 江　頭　　賢　太 18   67  6.92   1    0.16     1.50.1
//   02  6 3906 飯　山　　晃　三 41   24  6.97   3    0.16     1.51.8
//   03  2 4638 小　林　　遼　太 24   53  6.89   2    0.21     1.53.0
//   04  3 4705 吉　川　　勇　作 70   41  6.94   4    0.21     1.53.2
//   05  4 5208 屋　良　　龍　紀 44   44  6.90   5    0.19      .  .
//   06  5 5227 川　原　　愛　未 64   52  6.93   6    0.20      .  .
//   単勝 1 160 / 複勝 1 120, 6 160 / ２連単 1-6 1000 人気 3 / ２連複 1-6 630 人気 3
//   拡連複 1-6 200 人気 3, 1-2 190 人気 1, 2-6 300 人気 7 / ３連単 1-6-2 1860 人気 5
//   ３連複 1-2-6 490 人気 2
// The race program of the same day names frame 1 江頭賢太 and frame 6 飯山晃三.
#include "engine/engine.h"
#include "engine/resultdisp.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ResultDispTest : public ::testing::Test {
protected:
    QTemporaryDir tmp;
    ProgramFolder folder{tmp.path()};
    RecordingUi ui;
    Engine e{folder, ui};

    // Loads the race program of `day` (empty: none) and the results of `results` for `code`.
    void load(const QString& day, const QString& results, const QString& code)
    {
        if (!day.isEmpty()) {
            const QString copy = tmp.filePath(day + QStringLiteral(".TXT"));
            ASSERT_TRUE(QFile::copy(RealData(QStringLiteral("program/") + day + QStringLiteral(".TXT")), copy));
            ASSERT_TRUE(e.Bangumi.FileConv(copy));
            ASSERT_TRUE(e.Bangumi.FileLoad(code));
        }
        ASSERT_TRUE(e.Kekka.FileLoad(code, RealData(QStringLiteral("results/") + results + QStringLiteral(".TXT"))));
        ASSERT_TRUE(ui.messages.isEmpty());
    }

    static QStringList row(const cGrid& g, int r, int first = 0, int last = 3)
    {
        QStringList cells;
        for (int c = first; c <= last; ++c)
            cells << g.CellValue(r, c);
        return cells;
    }

    QStringList result(int r) const { return row(e.result.grdResult, r); }
    QStringList slit(int course) const { return row(e.result.grdSlit, course, 1, 2); }
    QStringList haito(int grid, int r) const { return row(e.result.grdHaito[size_t(grid)], r); }
    QStringList wave() const { return row(e.result.grdWave, 1, 0, 2); }
    int L() const { return e.result.picPool.L(); }
    int rowPitch() const { return e.result.grdSlit.RowHeight(0); }

    void expectNoPayouts()
    {
        for (int g = 0; g < 2; ++g)
            for (int r = 0; r < 5; ++r)
                EXPECT_EQ(row(e.result.grdHaito[size_t(g)], r, 1, 3), QStringList({"", "", ""})) << g << " " << r;
    }
};

TEST_F(ResultDispTest, LoadBuildsTheFiveGridsWithTheirTitlesAndColours)
{
    mdiResultState& w = e.result;
    w.Load();
    EXPECT_EQ(result(0), QStringList({"着", "艇", "選　手　名", "レースタイム"}));
    EXPECT_EQ(row(w.grdSlit, 0, 0, 2), QStringList({"スリット       ", "ST ", "決まり手 "}));
    EXPECT_EQ(row(w.grdWave, 0, 0, 2), QStringList({"天候 ", "風速       ", "波高       "}));
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(w.grdHaito[0].CellValue(r, 0), QStringList({"単勝", "複勝", "", "２連単", "２連複"})[r]);
        EXPECT_EQ(w.grdHaito[1].CellValue(r, 0), QStringList({"３連単", "３連複", "拡連複", "", ""})[r]);
    }
    EXPECT_EQ(w.grdResult.Cols(), 4);
    EXPECT_EQ(w.grdResult.Rows(), 7);
    EXPECT_EQ(w.grdWave.Cols(), 3);
    EXPECT_EQ(w.grdWave.Rows(), 2);
    EXPECT_FALSE(w.grdResult.HeaderCol());
    EXPECT_FALSE(w.grdResult.HeaderRow());
    EXPECT_FALSE(w.grdSlit.GridLine());
    EXPECT_TRUE(w.grdResult.GridLine());
    EXPECT_EQ(w.grdResult.Cell(0, 0).Width, 2 * 8 + 4); // headless: 8 px a byte, offsets 2
    EXPECT_EQ(w.grdHaito[0].Cell(2, 0).Width, 11 * 8 + 4);
    EXPECT_EQ(w.grdHaito[0].Cell(2, 0).TextAlign, 3);

    EXPECT_EQ(w.grdResult.CellBackColor(3, 2), 0xC1DDFFu);
    EXPECT_EQ(w.grdSlit.CellBackColor(0, 1), 0xF36BB6u);
    EXPECT_EQ(w.grdSlit.CellBackColor(4, 1), 0xFBCCE6u);
    EXPECT_EQ(w.grdHaito[1].CellBackColor(2, 0), 0x09DF38u);
    EXPECT_EQ(w.grdHaito[1].CellBackColor(2, 3), 0xCAFDD6u);
    EXPECT_EQ(w.grdWave.CellBackColor(1, 1), 0xC1FFFFu);
    EXPECT_EQ(w.grdSlit.RowHeight(0), mdiResultState::kSlitRowHeight);
    EXPECT_EQ(L(), w.grdSlit.ColWidth(0) - mdiResultState::kSlitFlyingRoom);
    EXPECT_GE(L() - 40 - 70, 0) << "a start of 0.70 s still shows whole";
    EXPECT_EQ(w.lblNotice.Caption, QStringLiteral("内容については主催者発行のものと照合して下さい"));
}

TEST_F(ResultDispTest, NormalRaceFillsEveryTable)
{
    load(QStringLiteral("B240102"), QStringLiteral("K240102"), QStringLiteral("24"));
    DispData(e, 1);
    const mdiResultState& w = e.result;

    EXPECT_EQ(w.lblRaceTitle.Caption, QStringLiteral("1R       予選　　　　                 H1800m "));
    EXPECT_EQ(wave(), QStringList({"晴", "西　　 1m", "1cm"}));

    EXPECT_EQ(result(1), QStringList({"01", "1", "江頭賢太", "1.50.1"}));
    EXPECT_EQ(result(2), QStringList({"02", "6", "飯山晃三", "1.51.8"}));
    EXPECT_EQ(result(4), QStringList({"04", "3", "吉川勇作", "1.53.2"}));
    EXPECT_EQ(result(6)[0], QStringLiteral("06"));
    EXPECT_EQ(result(6)[1], QStringLiteral("5"));
    // Frame colours: white for 1, green for 6 (row 2), yellow for 5 (row 6) with black text.
    EXPECT_EQ(w.grdResult.CellBackColor(1, 1), 0xFFFFFFu);
    EXPECT_EQ(w.grdResult.CellBackColor(2, 1), 0x00FF00u);
    EXPECT_EQ(w.grdResult.CellBackColor(6, 1), 0x00FFFFu);
    EXPECT_EQ(w.grdResult.CellForeColor(6, 1), 0x000000u);
    EXPECT_EQ(w.grdResult.CellBackColor(4, 2), 0xC1DDFFu); // only the frame cell is coloured

    // Slit by course: frame 6 came in third; the move stands in the winner's row.
    EXPECT_EQ(slit(1), QStringList({".16", "逃げ　　　"}));
    EXPECT_EQ(slit(2), QStringList({".21", ""}));
    EXPECT_EQ(slit(3), QStringList({".16", ""}));
    EXPECT_EQ(slit(6), QStringList({".20", ""}));
    for (int f = 1; f <= 6; ++f)
        EXPECT_TRUE(w.imgBoat[size_t(f)].Visible) << f;
    EXPECT_EQ(w.imgBoat[6].Top, 2 * rowPitch() - 6);
    EXPECT_EQ(w.imgBoat[6].Left, L() - 40 - 16);
    EXPECT_EQ(w.imgBoat[2].Left, L() - 40 - 21);
    EXPECT_EQ(w.imgBoat[1].Top, -6);

    EXPECT_EQ(haito(0, 0), QStringList({"単勝", "1", "160円", ""}));
    EXPECT_EQ(haito(0, 1), QStringList({"複勝", "1", "120円", ""}));
    EXPECT_EQ(haito(0, 2), QStringList({"", "6", "160円", ""}));
    EXPECT_EQ(haito(0, 3), QStringList({"２連単", "1-6", "1,000円", "3"}));
    EXPECT_EQ(haito(0, 4), QStringList({"２連複", "1=6", "630円", "3"}));
    EXPECT_EQ(haito(1, 0), QStringList({"３連単", "1-6-2", "1,860円", "5"}));
    EXPECT_EQ(haito(1, 1), QStringList({"３連複", "1=6=2", "490円", "2"}));
    EXPECT_EQ(haito(1, 2), QStringList({"拡連複", "1-6", "200円", "3"}));
    EXPECT_EQ(haito(1, 3), QStringList({"", "1-2", "190円", "1"}));
    EXPECT_EQ(haito(1, 4), QStringList({"", "6-2", "300円", "7"}));
    EXPECT_TRUE(ui.messages.isEmpty());
}

// K240101 蒲郡 (07) 1R: "F   1 … 1   F0.02", "02  6 … 5    0.50", "03  5 … 6    0.27", 恵まれ.
TEST_F(ResultDispTest, FlyingStartStandsBeyondTheLine)
{
    load(QStringLiteral("B240101"), QStringLiteral("K240101"), QStringLiteral("07"));
    DispData(e, 1);
    const mdiResultState& w = e.result;

    EXPECT_EQ(result(1), QStringList({"01", "3", "服部達哉", "1.49.8"}));
    EXPECT_EQ(result(6), QStringList({"F ", "1", "吉田裕平", " .  . "}));
    EXPECT_EQ(w.grdResult.CellBackColor(6, 1), 0xFFFFFFu);

    EXPECT_EQ(slit(1), QStringList({"F02", ""}));
    EXPECT_EQ(slit(3), QStringList({".08", "恵まれ　　"})); // trimmed of half-width blanks only
    EXPECT_EQ(slit(5), QStringList({".50", ""}));
    EXPECT_EQ(slit(6), QStringList({".27", ""}));
    EXPECT_EQ(w.imgBoat[1].Left, L() - 40 + 2); // flying: beyond the line
    EXPECT_EQ(w.imgBoat[6].Left, L() - 40 - 50); // late: far behind it
    EXPECT_EQ(w.imgBoat[6].Top, 4 * rowPitch() - 6);
    EXPECT_EQ(w.imgBoat[5].Left, L() - 40 - 27);
    EXPECT_EQ(haito(1, 0), QStringList({"３連単", "3-6-5", "2,360円", "6"}));
}

// K240101 宮島 (17) 11R: "K0  3 5222 … K .         K ." took no course, so course 6 is empty.
TEST_F(ResultDispTest, BoatWithoutCourseLeavesItsSlitRowEmpty)
{
    load(QStringLiteral("B240101"), QStringLiteral("K240101"), QStringLiteral("17"));
    DispData(e, 11);
    const mdiResultState& w = e.result;

    EXPECT_EQ(result(6), QStringList({"K0", "3", "津田陸翔", " .  . "}));
    EXPECT_EQ(w.grdResult.CellBackColor(6, 1), 0x0000FFu);
    EXPECT_EQ(slit(3), QStringList({".10", "まくり差し"}));
    EXPECT_EQ(slit(6), QStringList({"", ""}));
    EXPECT_FALSE(w.imgBoat[3].Visible);
    EXPECT_EQ(w.imgBoat[4].Top, 2 * rowPitch() - 6);
}

// K240104 多摩川 (05) 11R: all six flying, "レース不成立" below the table, no payouts.
TEST_F(ResultDispTest, VoidRaceKeepsItsHeadingAndPaysNothing)
{
    load(QStringLiteral("B240104"), QStringLiteral("K240104"), QStringLiteral("05"));
    DispData(e, 11);
    const mdiResultState& w = e.result;

    EXPECT_EQ(w.lblRaceTitle.Caption, QStringLiteral("11R       新春選抜戦　                 H1800m "));
    EXPECT_EQ(wave(), QStringList({"晴", "北　　 5m", "2cm"}));
    EXPECT_EQ(result(1)[0], QStringLiteral("F "));
    EXPECT_EQ(result(1)[1], QStringLiteral("1"));
    EXPECT_EQ(slit(1), QStringList({"F03", ""}));
    EXPECT_EQ(slit(5), QStringList({"F12", ""}));
    EXPECT_EQ(slit(6), QStringList({"F01", ""}));
    EXPECT_EQ(w.imgBoat[5].Left, L() - 40 + 12);
    expectNoPayouts();
}

// K240103 常滑 (08) 5R: four boats flying; 単勝 3 120, ２連単 3-1 270 人気 2, the rest 不成立.
TEST_F(ResultDispTest, PayoutsMarkedVoidStayEmpty)
{
    load(QStringLiteral("B240103"), QStringLiteral("K240103"), QStringLiteral("08"));
    DispData(e, 5);
    EXPECT_EQ(haito(0, 0), QStringList({"単勝", "3", "120円", ""}));
    EXPECT_EQ(haito(0, 1), QStringList({"複勝", "", "", ""}));
    EXPECT_EQ(haito(0, 2), QStringList({"", "", "", ""}));
    EXPECT_EQ(haito(0, 3), QStringList({"２連単", "3-1", "270円", "2"}));
    EXPECT_EQ(haito(0, 4), QStringList({"２連複", "", "", ""}));
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(row(e.result.grdHaito[1], r, 1, 3), QStringList({"", "", ""})) << r;
    EXPECT_EQ(slit(2), QStringList({".08", "恵まれ　　"}));
    EXPECT_EQ(slit(3), QStringList({"F02", ""}));
}

// K240104 福岡 (22) 11R: "単勝        特払い   70" (the special payout of 70 yen) and the rest
// in finishing order 4, 3, 2 (the organizer writes the unordered bets in frame order: 3-4, 2-3-4).
TEST_F(ResultDispTest, SpecialPayoutAndCombinationsInFinishingOrder)
{
    load(QStringLiteral("B240104"), QStringLiteral("K240104"), QStringLiteral("22"));
    DispData(e, 11);
    EXPECT_EQ(haito(0, 0), QStringList({"単勝", "4", "70円", ""}));
    EXPECT_EQ(haito(0, 1), QStringList({"複勝", "4", "900円", ""}));
    EXPECT_EQ(haito(0, 2), QStringList({"", "3", "260円", ""}));
    EXPECT_EQ(haito(0, 3), QStringList({"２連単", "4-3", "18,450円", "22"}));
    EXPECT_EQ(haito(0, 4), QStringList({"２連複", "4=3", "5,410円", "10"}));
    EXPECT_EQ(haito(1, 0), QStringList({"３連単", "4-3-2", "54,160円", "71"}));
    EXPECT_EQ(haito(1, 1), QStringList({"３連複", "4=3=2", "3,570円", "11"}));
    EXPECT_EQ(haito(1, 3), QStringList({"", "4-2", "690円", "8"}));
    EXPECT_EQ(haito(1, 4), QStringList({"", "3-2", "320円", "5"}));
    EXPECT_EQ(result(6), QStringList({"S1", "5", "原田才一", " .  . "}));
    EXPECT_EQ(result(1)[2], QStringLiteral("富永大一"));
}

// K240101 津 (09) 8R: "３連単   2-6-4   177400  人気   117", slow starts (.37), "S0  1".
TEST_F(ResultDispTest, LongTextsFitTheirCells)
{
    load(QStringLiteral("B240101"), QStringLiteral("K240101"), QStringLiteral("09"));
    DispData(e, 8);
    const mdiResultState& w = e.result;
    EXPECT_EQ(haito(1, 0), QStringList({"３連単", "2-6-4", "177,400円", "117"}));
    EXPECT_EQ(haito(0, 3), QStringList({"２連単", "2-6", "20,350円", "28"}));
    EXPECT_EQ(result(6)[0], QStringLiteral("S0"));
    EXPECT_EQ(slit(2), QStringList({".37", "抜き　　　"}));
    EXPECT_EQ(w.imgBoat[2].Left, L() - 40 - 37);

    // Three-digit ranks and the longest deciding move show whole, on one line.
    const cGrid& h = w.grdHaito[1];
    EXPECT_EQ(h.SplitCellText(h.Cell(3, 0)), QStringList({"117"}));
    EXPECT_EQ(h.SplitCellText(h.Cell(2, 0)), QStringList({"177,400円"}));
    GridCell move = w.grdSlit.Cell(2, 1);
    move.Value = QStringLiteral("まくり差し");
    EXPECT_EQ(w.grdSlit.SplitCellText(move), QStringList({"まくり差し"}));
    EXPECT_EQ(w.grdResult.SplitCellText(w.grdResult.Cell(2, 1)), QStringList({"中野夢斗"}));
}

// K240318 びわこ (11): races 7-12 were called off ("7R  中　止" in the payout table) and have
// no race of their own in the file. Showing one after a run race empties everything.
TEST_F(ResultDispTest, CancelledRaceClearsThePreviousRace)
{
    load(QString(), QStringLiteral("K240318"), QStringLiteral("11"));
    DispData(e, 6);
    const mdiResultState& w = e.result;
    ASSERT_EQ(result(1)[1], QStringLiteral("4"));
    ASSERT_EQ(w.grdResult.CellBackColor(1, 1), 0xFF0000u);
    ASSERT_EQ(slit(4), QStringList({".22", "まくり差し"}));

    DispData(e, 7);
    EXPECT_EQ(w.lblRaceTitle.Caption, QStringLiteral("7R       中　　止"));
    EXPECT_EQ(wave(), QStringList({"", "", ""}));
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(result(r), QStringList({"", "", "", ""})) << r;
        EXPECT_EQ(w.grdResult.CellBackColor(r, 1), 0xC1DDFFu) << r;
        EXPECT_EQ(w.grdResult.CellForeColor(r, 1), 0x000000u) << r;
        EXPECT_EQ(slit(r), QStringList({"", ""})) << r;
        EXPECT_FALSE(w.imgBoat[size_t(r)].Visible) << r;
    }
    expectNoPayouts();
    EXPECT_EQ(w.grdHaito[0].CellValue(3, 0), QStringLiteral("２連単")); // labels stay
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(ResultDispTest, RaceOutsideTheResultsStopsSilently)
{
    load(QStringLiteral("B240102"), QStringLiteral("K240102"), QStringLiteral("24"));
    DispData(e, 1);
    for (int bad : {0, 13, -1}) {
        DispData(e, bad);
        // Cleared before the failure: slit and payouts; kept: heading and finishing order.
        EXPECT_EQ(e.result.lblRaceTitle.Caption.left(2), QStringLiteral("1R")) << bad;
        EXPECT_EQ(result(1)[2], QStringLiteral("江頭賢太")) << bad;
        EXPECT_EQ(slit(1), QStringList({"", ""})) << bad;
        EXPECT_FALSE(e.result.imgBoat[1].Visible) << bad;
    }
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(ResultDispTest, NoResultsLoadedShowsTheRaceAsNotRun)
{
    DispData(e, 5);
    EXPECT_EQ(e.result.lblRaceTitle.Caption, QStringLiteral("5R       中　　止"));
    EXPECT_EQ(result(1), QStringList({"", "", "", ""}));
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST(ResultTexts, AmountText)
{
    const struct {
        qint64 amount;
        const char* text;
    } cases[] = {{1230, "1,230円"}, {70, "70円"}, {100, "100円"}, {54160, "54,160円"}, {1234567, "1,234,567円"}};
    for (const auto& c : cases)
        EXPECT_EQ(ResultAmountText(c.amount), QString::fromUtf8(c.text)) << c.amount;
}

TEST(ResultTexts, HeadingSplitter)
{
    const struct {
        const char* line;
        std::array<const char*, 4> parts;
    } cases[] = {
        {"1R       予選　　　　                 H1800m  晴　  風  北　　 3m  波　  2cm",
         {"1R       予選　　　　                 H1800m ", "晴", "北　　 3m", "2cm"}},
        {"12R       優勝戦　　　                 H1200m  曇り  風  無風　 0m  波　 10cm",
         {"12R       優勝戦　　　                 H1200m ", "曇り", "無風　 0m", "10cm"}},
        // A race name with 風 or 波 before the distance does not count.
        {"3R       風波杯　　　                 H1800m  雨　  風  南　　 7m  波　  5cm",
         {"3R       風波杯　　　                 H1800m ", "雨", "南　　 7m", "5cm"}},
        {"", {"", "", "", ""}},
        // No wind or waves: those parts are empty, the rest stands.
        {"1R  予選  H1800m  晴", {"1R  予選  H1800m ", "", "", ""}},
        {"1R  予選  H1800m  晴  風  北 3m", {"1R  予選  H1800m ", "晴", "", ""}},
        // No distance: the whole line is the heading.
        {"1R  予選", {"1R  予選", "", "", ""}},
    };
    for (const auto& c : cases) {
        const auto parts = SplitRaceNoTitle(QString::fromUtf8(c.line));
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(parts[i], QString::fromUtf8(c.parts[i])) << c.line << " part " << i;
    }
}

} // namespace

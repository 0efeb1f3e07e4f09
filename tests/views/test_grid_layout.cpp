// cGrid: set-up, format strings, column and row sizing, whole-number division, properties.
#include "fakesurface.h"
#include "views/cGrid.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

namespace {

std::string S(const QString& s) { return s.toStdString(); }

// Every Left/Top follows from the widths and heights; totals are the sums over row 0 / col 0.
void ExpectLayoutInvariants(const cGrid& g)
{
    long long width = 0, height = 0;
    for (int c = 0; c < g.Cols(); ++c)
        width += g.Cell(c, 0).Width;
    for (int r = 0; r < g.Rows(); ++r)
        height += g.Cell(0, r).Height;
    EXPECT_EQ(g.Width(), width);
    EXPECT_EQ(g.Height(), height);
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 1; c < g.Cols(); ++c)
            ASSERT_EQ(g.Cell(c, r).Left, g.Cell(c - 1, r).Left + g.Cell(c - 1, r).Width) << "col " << c << " row " << r;
    for (int c = 0; c < g.Cols(); ++c)
        for (int r = 1; r < g.Rows(); ++r)
            ASSERT_EQ(g.Cell(c, r).Top, g.Cell(c, r - 1).Top + g.Cell(c, r - 1).Height) << "col " << c << " row " << r;
}

std::vector<int> ColWidths(const cGrid& g)
{
    std::vector<int> w;
    for (int c = 0; c < g.Cols(); ++c)
        w.push_back(g.ColWidth(c));
    return w;
}

} // namespace

TEST(GridInit, ClampsCountsAndSetsUpSurfaceAndCells)
{
    FakeSurface s(403, 301);
    cGrid g;
    EXPECT_EQ(g.Cols(), 4);
    EXPECT_EQ(g.Rows(), 4);
    EXPECT_EQ(g.TextOffsetX(), 2);
    EXPECT_EQ(g.GridLineColor(), 0x80000010u);
    EXPECT_EQ(g.hWnd(), 0u);

    ASSERT_TRUE(g.Init(s, 4, 3, true, false));
    EXPECT_EQ(g.LastErrText(), QString());
    EXPECT_EQ(g.hWnd(), 0x1234u);
    EXPECT_EQ(g.hDc(), 0x5678u);
    // Surface set-up: the grid's own font and black on white.
    EXPECT_EQ(S(s.Font().name), "ＭＳ ゴシック");
    EXPECT_FLOAT_EQ(s.Font().size, 10.0f);
    EXPECT_FALSE(s.Font().bold || s.Font().italic || s.Font().strikethrough || s.Font().underline);
    EXPECT_EQ(s.ForeColor(), 0u);
    EXPECT_EQ(s.BackColor(), 0xFFFFFFu);
    // The drawable area shared out: 403 div 4 = 100, 301 div 3 = 100.
    EXPECT_EQ(ColWidths(g), (std::vector<int>{100, 100, 100, 100}));
    EXPECT_EQ(g.RowHeight(2), 100);
    EXPECT_EQ(g.Cell(3, 2).Left, 300);
    EXPECT_EQ(g.Cell(3, 2).Top, 200);
    EXPECT_EQ(g.Width(), 400);
    EXPECT_EQ(g.Height(), 300);
    EXPECT_EQ(g.Cell(1, 1).ForeColor, 0u);
    EXPECT_EQ(g.Cell(1, 1).BackColor, 0xFFFFFFu);
    EXPECT_TRUE(g.HeaderCol());
    EXPECT_FALSE(g.HeaderRow());
    ExpectLayoutInvariants(g);

    // Out-of-range counts are clamped, not refused.
    ASSERT_TRUE(g.Init(s, 0, 300, false, false));
    EXPECT_EQ(g.Cols(), 1);
    EXPECT_EQ(g.Rows(), 256);
    EXPECT_EQ(g.MaxRow(), 255);
    EXPECT_EQ(g.RowHeight(255), 301 / 256);
}

TEST(GridInit, ResetRestoresDefaultsButKeepsTextOffsets)
{
    FakeSurface s(400, 300);
    cGrid g;
    ASSERT_TRUE(g.Init(s, 3, 3, true, true));
    g.TextOffsetX(5);
    g.TextOffsetY(0);
    g.Move(10, 20);
    g.HeaderBackColor(0x123);
    g.GridLine(false);
    g.RefreshFlg(false);
    g.CellValue(1, 1, "x");
    g.ColWidth(1, 7);
    g.MouseMove(-5, -5);
    ASSERT_EQ(g.CursorCol(), -1);

    ASSERT_TRUE(g.Reset());
    EXPECT_EQ(g.TextOffsetX(), 5);
    EXPECT_EQ(g.TextOffsetY(), 1);
    EXPECT_EQ(g.Left(), 0);
    EXPECT_EQ(g.Top(), 0);
    EXPECT_EQ(g.HeaderBackColor(), 0xE0E0E0u);
    EXPECT_TRUE(g.GridLine());
    EXPECT_TRUE(g.RefreshFlg());
    EXPECT_EQ(g.CursorCol(), 0);
    EXPECT_EQ(g.CursorRow(), 0);
    EXPECT_EQ(S(g.CellValue(1, 1)), "");
    EXPECT_EQ(g.ColWidth(1), 133);
    EXPECT_EQ(g.Cols(), 3);
    EXPECT_TRUE(g.HeaderRow());
}

TEST(GridFormatString, CourseTableExample)
{
    FakeSurface s;
    cGrid g;
    ASSERT_TRUE(g.Init(s, 12, 7, true, true));
    g.FormatString("^進|^枠|選手氏名|ST|発順|回数|100.0|100.0|１|２|３|^操　　法");

    // byte lengths 2 2 8 2 4 4 5 5 2 2 2 8, times AvgCharWidth 8, plus 2 x TextOffsetX.
    const std::vector<int> bytes = {2, 2, 8, 2, 4, 4, 5, 5, 2, 2, 2, 8};
    std::vector<int> expected;
    for (int b : bytes)
        expected.push_back(b * 8 + 4);
    EXPECT_EQ(ColWidths(g), expected);
    EXPECT_EQ(g.Width(), 416);
    const char* titles[] = {"進", "枠", "選手氏名", "ST", "発順", "回数", "100.0", "100.0", "１", "２", "３", "操　　法"};
    for (int c = 0; c < 12; ++c) {
        EXPECT_EQ(S(g.CellValue(0, c)), titles[c]);
        const int align = (c == 0 || c == 1 || c == 11) ? 2 : 0;
        for (int r = 0; r < 7; ++r)
            EXPECT_EQ(g.CellTextAlign(r, c), align) << c;
    }
    EXPECT_EQ(g.Cell(11, 6).Left, 416 - 68);
    ExpectLayoutInvariants(g);
}

TEST(GridFormatString, ItemsEscapesAndMarkers)
{
    struct Case {
        const char* format;
        int cols;
        std::vector<std::string> values; // row 0 after the call
        std::vector<int> widths;
        std::vector<int> aligns;
    } cases[] = {
        // Empty format: column 0 becomes 2 x TextOffsetX wide, the others stay as they were.
        {"", 3, {"", "old", "old"}, {4, 100, 100}, {0, 3, 3}},
        {"a\\|b|c", 3, {"a|b", "c", "old"}, {28, 12, 100}, {0, 0, 3}},
        {"ab\\", 2, {"ab", "old"}, {20, 100}, {0, 3}},
        {"\\\\x|\\^a|a^b>c", 3, {"\\x", "^a", "abc"}, {20, 20, 28}, {0, 0, 3}},
        {"<a|>b|^c|d<^", 4, {"a", "b", "c", "d"}, {12, 12, 12, 12}, {1, 3, 2, 2}},
        {"a|b|c|d|e", 3, {"a", "b", "c"}, {12, 12, 12}, {0, 0, 0}},
        {"選手氏名|99|ｱｲ|　", 4, {"選手氏名", "99", "ｱｲ", "　"}, {68, 20, 20, 20}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        FakeSurface s;
        cGrid g;
        ASSERT_TRUE(g.Init(s, c.cols, 3, true, false));
        for (int col = 0; col < c.cols; ++col)
            g.CellValue(0, col, "old");
        g.AllWidth(100);
        g.AllTextAlign(3);
        g.FormatString(QString::fromUtf8(c.format));
        std::vector<std::string> values;
        std::vector<int> aligns;
        for (int col = 0; col < c.cols; ++col) {
            values.push_back(S(g.CellValue(0, col)));
            aligns.push_back(g.CellTextAlign(2, col));
        }
        EXPECT_EQ(values, c.values);
        EXPECT_EQ(ColWidths(g), c.widths);
        EXPECT_EQ(aligns, c.aligns);
        ExpectLayoutInvariants(g);
    }
}

TEST(GridSizing, WidthsHeightsAndTextMeasures)
{
    FakeSurface s(640, 480);
    cGrid g;
    ASSERT_TRUE(g.Init(s, 5, 4, true, false));
    g.AllTextLen(3);            // 3 x 8 + 4
    EXPECT_EQ(ColWidths(g), (std::vector<int>{28, 28, 28, 28, 28}));
    g.ColTextLen(2, 10);        // 84
    g.ColWidth(4, 7);
    EXPECT_EQ(ColWidths(g), (std::vector<int>{28, 28, 84, 28, 7}));
    EXPECT_EQ(g.Width(), 175);
    EXPECT_EQ(g.ColTextLen(2), 10);
    EXPECT_EQ(g.ColTextLen(4), 0);  // (7 - 4) div 8
    g.ColWidth(3, 27);
    EXPECT_EQ(g.ColTextLen(3), 2);  // 23 div 8, truncated

    g.AllTextLine(1);           // 16 + 4
    g.RowTextLine(0, 2);        // two-line header: 36
    EXPECT_EQ(g.RowHeight(0), 36);
    EXPECT_EQ(g.RowHeight(3), 20);
    EXPECT_EQ(g.RowTextLine(0), 2);
    EXPECT_EQ(g.Height(), 36 + 3 * 20);
    g.RowHeight(1, 50);
    EXPECT_EQ(g.RowTextLine(1), 2); // 46 div 16
    g.AllHeight(10);
    EXPECT_EQ(g.Height(), 40);
    g.AllWidth(15);
    EXPECT_EQ(g.Width(), 75);
    ExpectLayoutInvariants(g);

    // Wider offsets widen text-sized columns; offsets below 1 count as 1.
    g.TextOffsetX(-3);
    EXPECT_EQ(g.TextOffsetX(), 1);
    g.AllTextLen(2);
    EXPECT_EQ(g.ColWidth(0), 18);
}

TEST(GridSizing, RowsAddedLaterJoinTheLayoutOnTheNextSizeChange)
{
    FakeSurface s;
    cGrid g;
    ASSERT_TRUE(g.Init(s, 2, 2, true, false));
    g.AllWidth(30);
    g.AllHeight(20);
    g.CellValue(1, 1, "kept");
    g.Rows(4);
    EXPECT_EQ(S(g.CellValue(1, 1)), "kept");
    EXPECT_EQ(g.Cell(1, 3).Width, 0);
    EXPECT_EQ(g.Cell(1, 3).Height, 0);
    g.AllHeight(20);
    EXPECT_EQ(g.Height(), 80);
    EXPECT_EQ(g.Cell(1, 3).Top, 60);
    ExpectLayoutInvariants(g);
}

TEST(GridSizing, AverageCharacterSizeIsTruncatedAndMeasuredAnew)
{
    FakeSurface s;
    cGrid g;
    ASSERT_TRUE(g.Init(s, 3, 3, true, false));
    EXPECT_EQ(g.AvgCharWidth(), 8);
    EXPECT_EQ(g.AvgCharHeight(), 16);
    s.charWidth[QLatin1Char('W')] = 60; // 90 x 8 + 60 = 780, / 91 = 8.57
    EXPECT_EQ(g.AvgCharWidth(), 8);
    s.charWidth[QLatin1Char('M')] = 60; // 832 / 91 = 9.14
    EXPECT_EQ(g.AvgCharWidth(), 9);
    s.charWidth.clear();
    s.halfWidth = 10;                   // a bigger font
    g.AllTextLen(3);
    EXPECT_EQ(g.ColWidth(1), 34);
    s.lineHeight = 20;
    g.RowTextLine(1, 2);
    EXPECT_EQ(g.RowHeight(1), 44);
}

TEST(GridDiv, RoundsOperandsAndTruncatesTowardZero)
{
    struct Case {
        double a, b;
        int expected;
    } cases[] = {
        {7, 2, 3},  {-7, 2, -3}, {7, -2, -3}, {-15, 2, -7}, // toward zero, not down
        {2.5, 1, 2}, {3.5, 1, 4}, {-2.5, 1, -2},           // halves to even
        {7, 2.5, 3}, {7, 1.5, 3}, {9.6, 3.4, 3},
        {0, 5, 0},   {-4, 8, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cGrid::Div(c.a, c.b), c.expected) << c.a << " div " << c.b;

    for (double zero : {0.0, 0.4, -0.5}) {
        try {
            cGrid::Div(5, zero);
            ADD_FAILURE() << "no error for divisor " << zero;
        } catch (const QvError& e) {
            EXPECT_EQ(e.number(), 11);
        }
    }
    try {
        cGrid::Div(double(INT_MIN), -1);
        ADD_FAILURE() << "no overflow";
    } catch (const QvError& e) {
        EXPECT_EQ(e.number(), 6);
    }
}

TEST(GridDiv, AppliesToCentringAndTextMeasures)
{
    FakeSurface s(403, 100);
    cGrid g;
    ASSERT_TRUE(g.Init(s, 3, 2, true, false));
    g.AllWidth(100);
    g.AllHeight(57);   // 114 high: taller than the surface
    g.MoveCenter();
    EXPECT_EQ(g.Left(), 51);  // (403 - 300) div 2
    EXPECT_EQ(g.Top(), -7);   // (100 - 114) div 2 = -7, not -8

    // After Cols every cell is zero wide: (0 - 4) div 8 is 0, not -1.
    g.Cols(2);
    EXPECT_EQ(g.ColTextLen(1), 0);
    EXPECT_EQ(g.RowTextLine(1), 0);
}

TEST(GridProperties, CountsAndHeaderDerivedValues)
{
    struct Case {
        bool headerCol, headerRow;
        int dataCols, dataRows;
    } cases[] = {{true, true, 4, 6}, {true, false, 5, 6}, {false, true, 4, 7}, {false, false, 5, 7}};
    for (const Case& c : cases) {
        FakeSurface s;
        cGrid g;
        ASSERT_TRUE(g.Init(s, 5, 7, c.headerCol, c.headerRow));
        EXPECT_EQ(g.DataCols(), c.dataCols);
        EXPECT_EQ(g.DataRows(), c.dataRows);
        EXPECT_EQ(g.MinCol(), 0);
        EXPECT_EQ(g.MinRow(), 0);
        EXPECT_EQ(g.MaxCol(), 4);
        EXPECT_EQ(g.MaxRow(), 6);
    }
}

TEST(GridProperties, ColsRecreatesEmptyCellsRowsKeepsSurvivors)
{
    FakeSurface s;
    cGrid g;
    ASSERT_TRUE(g.Init(s, 3, 4, true, false));
    g.FormatString("a|b|c");
    g.AllTextLine(1);
    g.CellValue(2, 1, "x");
    g.CellValue(3, 1, "y");
    g.CellForeColor(2, 1, 0xFF);

    g.Rows(3);
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(S(g.CellValue(2, 1)), "x");
    EXPECT_EQ(g.CellForeColor(2, 1), 0xFFu);
    EXPECT_EQ(g.ColWidth(1), 12);
    g.Rows(5);
    EXPECT_EQ(S(g.CellValue(3, 1)), ""); // the old row 3 is gone, not revived
    EXPECT_EQ(g.Cell(1, 4).BackColor, 0u);

    g.Cols(5);
    EXPECT_EQ(g.Cols(), 5);
    for (int c = 0; c < 5; ++c)
        for (int r = 0; r < 5; ++r) {
            const GridCell& cell = g.Cell(c, r);
            EXPECT_TRUE(cell.Value.isEmpty() && cell.Format.isEmpty());
            EXPECT_EQ(cell.Left | cell.Top | cell.Width | cell.Height | cell.TextAlign, 0);
            EXPECT_EQ(cell.ForeColor | cell.BackColor, 0u);
        }
    g.Cols(0);
    EXPECT_EQ(g.Cols(), 1);
    g.Rows(1000);
    EXPECT_EQ(g.Rows(), 256);
}

TEST(GridProperties, CellTextAppliesTheFormat)
{
    struct Case {
        const char* value;
        const char* format;
        const char* text;
    } cases[] = {
        {"12.345", "0.0", "12.3"},
        {"6.5", "0.00", "6.50"},
        {"0", "#", ""},
        {" 7 ", "00", "07"},
        {"1-2", "0.0", "1-2"},          // not a number: shown as it is
        {"ab", "@@@@", "  ab"},
        {"2024/1/5", "yyyymmdd", "20240105"},
        {"9:05", "hh:nn", "09:05"},
        {"9:05", "0.0", "9:05"},        // a time under a number pattern stays as it is
        {"1e999", "0.0", "1e999"},      // beyond double: left alone
        {"12.5", "", "12.5"},
    };
    FakeSurface s;
    cGrid g;
    ASSERT_TRUE(g.Init(s, 2, 2, false, false));
    for (const Case& c : cases) {
        g.CellValue(1, 1, QString::fromUtf8(c.value));
        g.CellFormat(1, 1, QString::fromUtf8(c.format));
        EXPECT_EQ(S(g.CellText(1, 1)), c.text) << c.value << " / " << c.format;
        EXPECT_EQ(S(g.CellValue(1, 1)), c.value);
        EXPECT_EQ(S(g.CellFormat(1, 1)), c.format);
    }
}

TEST(GridProperties, ColumnRowAndGridWideSetters)
{
    FakeSurface s;
    cGrid g;
    ASSERT_TRUE(g.Init(s, 3, 3, false, false));
    g.ColForeColor(1, 0x11);
    g.RowBackColor(2, 0x22);
    g.RowTextAlign(0, 3);
    g.ColFormat(2, "0.0");
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(g.CellForeColor(r, 1), 0x11u);
        EXPECT_EQ(g.CellForeColor(r, 0), 0u);
        EXPECT_EQ(S(g.CellFormat(r, 2)), "0.0");
        EXPECT_EQ(S(g.CellFormat(r, 1)), "");
    }
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(g.CellBackColor(2, c), 0x22u);
        EXPECT_EQ(g.CellBackColor(1, c), 0xFFFFFFu);
        EXPECT_EQ(g.CellTextAlign(0, c), 3);
        EXPECT_EQ(g.CellTextAlign(1, c), 0);
    }
    g.ColTextAlign(0, 2);
    g.RowForeColor(0, 0x33);
    g.ColBackColor(0, 0x44);
    g.RowFormat(1, "00");
    EXPECT_EQ(g.CellTextAlign(2, 0), 2);
    EXPECT_EQ(g.CellForeColor(0, 2), 0x33u);
    EXPECT_EQ(g.CellBackColor(2, 0), 0x44u);
    EXPECT_EQ(S(g.CellFormat(1, 2)), "00");
    g.AllTextAlign(1);
    g.AllForeColor(0x55);
    g.AllBackColor(0x66);
    g.AllFormat("#");
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r) {
            EXPECT_EQ(g.CellTextAlign(r, c), 1);
            EXPECT_EQ(g.CellForeColor(r, c), 0x55u);
            EXPECT_EQ(g.CellBackColor(r, c), 0x66u);
            EXPECT_EQ(S(g.CellFormat(r, c)), "#");
        }
}

TEST(GridPlacement, MoveAndAutoReSize)
{
    FakeSurface s(640, 480);
    cGrid g;
    ASSERT_TRUE(g.Init(s, 12, 7, true, true));
    g.FormatString("^進|^枠|選手氏名|ST|発順|回数|100.0|100.0|１|２|３|^操　　法");
    g.AllTextLine(1);
    g.RowTextLine(0, 2);
    g.Move(4, 20);
    EXPECT_EQ(g.Left(), 4);
    EXPECT_EQ(g.Top(), 20);
    s.ClearCalls();
    g.AutoReSize();
    ASSERT_FALSE(s.calls.empty());
    EXPECT_EQ(s.Log().front(), "size 421x177"); // 4 + 416 + 1, 20 + 36 + 6 x 20 + 1
    EXPECT_EQ(s.ScaleWidth(), 421);
    EXPECT_EQ(s.Count(FakeSurface::Op::Clear), 1); // then redrawn whole
    EXPECT_EQ(g.LastErrText(), QString());
    g.MoveCenter();
    EXPECT_EQ(g.Left(), 2);  // (421 - 416) div 2
    EXPECT_EQ(g.Top(), 10);  // (177 - 156) div 2
}

// cGrid: which operations repaint what, and how errors are reported or kept away from the caller.
#include "fakesurface.h"
#include "views/cGrid.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using Op = FakeSurface::Op;

// Every stored field of every cell, to prove that a failed call changed nothing.
std::string Dump(const cGrid& g)
{
    std::string out;
    for (int c = 0; c < g.Cols(); ++c)
        for (int r = 0; r < g.Rows(); ++r) {
            const GridCell& x = g.Cell(c, r);
            out += x.Value.toStdString() + "|" + std::to_string(x.Left) + "," + std::to_string(x.Top) + ","
                + std::to_string(x.Width) + "," + std::to_string(x.Height) + "|" + x.Format.toStdString() + "|"
                + std::to_string(x.TextAlign) + "|" + std::to_string(x.ForeColor) + "|"
                + std::to_string(x.BackColor) + ";";
        }
    return out + std::to_string(g.Width()) + "x" + std::to_string(g.Height());
}

int ErrorNumber(const std::function<void()>& f)
{
    try {
        f();
    } catch (const QvError& e) {
        return e.number();
    }
    return 0;
}

class GridFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g.Init(s, 4, 4, true, false));
        g.AllWidth(30);
        g.AllHeight(20);
        g.CellValue(2, 1, "x");
        s.ClearCalls();
    }
    FakeSurface s{200, 150};
    cGrid g;
};

enum class Redraw { None, Cell, All };

const char* Name(Redraw r) { return r == Redraw::None ? "none" : r == Redraw::Cell ? "cell" : "all"; }

// Resizing the surface is not painting.
Redraw Observed(FakeSurface& s)
{
    std::erase_if(s.calls, [](const FakeSurface::Call& c) { return c.op == Op::ScaleSize; });
    if (s.calls.empty())
        return Redraw::None;
    return s.Count(Op::Clear) == 1 ? Redraw::All : Redraw::Cell;
}

} // namespace

TEST_F(GridFixture, RedrawRulesOfTheProperties)
{
    struct Case {
        const char* name;
        std::function<void(cGrid&)> op;
        Redraw redraw;
        bool paintsInBatch = false; // paints even while RefreshFlg is false
    } cases[] = {
        {"Cols", [](cGrid& g) { g.Cols(5); }, Redraw::All},
        {"Rows", [](cGrid& g) { g.Rows(5); }, Redraw::All},
        {"TextOffsetX", [](cGrid& g) { g.TextOffsetX(3); }, Redraw::All},
        {"TextOffsetY", [](cGrid& g) { g.TextOffsetY(3); }, Redraw::All},
        {"HeaderCol", [](cGrid& g) { g.HeaderCol(false); }, Redraw::All},
        {"HeaderRow", [](cGrid& g) { g.HeaderRow(true); }, Redraw::All},
        {"GridLine", [](cGrid& g) { g.GridLine(false); }, Redraw::All},
        {"HeaderBackColor", [](cGrid& g) { g.HeaderBackColor(1); }, Redraw::All},
        {"GridLineColor", [](cGrid& g) { g.GridLineColor(1); }, Redraw::All},
        {"CellValue", [](cGrid& g) { g.CellValue(2, 1, "y"); }, Redraw::Cell},
        {"CellFormat", [](cGrid& g) { g.CellFormat(2, 1, "0"); }, Redraw::Cell},
        {"CellTextAlign", [](cGrid& g) { g.CellTextAlign(2, 1, 3); }, Redraw::All},
        {"CellForeColor", [](cGrid& g) { g.CellForeColor(2, 1, 1); }, Redraw::Cell},
        {"CellBackColor", [](cGrid& g) { g.CellBackColor(2, 1, 1); }, Redraw::Cell},
        {"ColTextLen", [](cGrid& g) { g.ColTextLen(1, 3); }, Redraw::All},
        {"AllTextLen", [](cGrid& g) { g.AllTextLen(3); }, Redraw::All},
        {"RowTextLine", [](cGrid& g) { g.RowTextLine(1, 2); }, Redraw::All},
        {"AllTextLine", [](cGrid& g) { g.AllTextLine(2); }, Redraw::All},
        {"ColWidth", [](cGrid& g) { g.ColWidth(1, 40); }, Redraw::All},
        {"AllWidth", [](cGrid& g) { g.AllWidth(40); }, Redraw::All},
        {"RowHeight", [](cGrid& g) { g.RowHeight(1, 40); }, Redraw::All},
        {"AllHeight", [](cGrid& g) { g.AllHeight(40); }, Redraw::All},
        {"ColTextAlign", [](cGrid& g) { g.ColTextAlign(1, 2); }, Redraw::All},
        {"RowTextAlign", [](cGrid& g) { g.RowTextAlign(1, 2); }, Redraw::All},
        {"AllTextAlign", [](cGrid& g) { g.AllTextAlign(2); }, Redraw::All},
        {"ColForeColor", [](cGrid& g) { g.ColForeColor(1, 2); }, Redraw::All},
        {"RowForeColor", [](cGrid& g) { g.RowForeColor(1, 2); }, Redraw::All},
        {"AllForeColor", [](cGrid& g) { g.AllForeColor(2); }, Redraw::All},
        {"ColBackColor", [](cGrid& g) { g.ColBackColor(1, 2); }, Redraw::All},
        {"RowBackColor", [](cGrid& g) { g.RowBackColor(1, 2); }, Redraw::All},
        {"AllBackColor", [](cGrid& g) { g.AllBackColor(2); }, Redraw::All},
        {"ColFormat", [](cGrid& g) { g.ColFormat(1, "0"); }, Redraw::All},
        {"RowFormat", [](cGrid& g) { g.RowFormat(1, "0"); }, Redraw::All},
        {"AllFormat", [](cGrid& g) { g.AllFormat("0"); }, Redraw::All},
        {"Left", [](cGrid& g) { g.Left(5); }, Redraw::All},
        {"Top", [](cGrid& g) { g.Top(5); }, Redraw::All},
        {"Move", [](cGrid& g) { g.Move(5, 6); }, Redraw::All},
        {"MoveCenter", [](cGrid& g) { g.MoveCenter(); }, Redraw::All},
        {"FormatString", [](cGrid& g) { g.FormatString("a|b"); }, Redraw::All},
        {"AutoReSize", [](cGrid& g) { g.AutoReSize(); }, Redraw::All},
        {"Refresh(false)", [](cGrid& g) { g.Refresh(false); }, Redraw::All, true},
        {"Refresh(true)", [](cGrid& g) { g.Refresh(true); }, Redraw::All, true},
        {"ClearGrid all", [](cGrid& g) { g.ClearGrid(-1, 99); }, Redraw::All, true},
        {"ClearGrid one", [](cGrid& g) { g.ClearGrid(1, 2); }, Redraw::All, true},
        {"Reset", [](cGrid& g) { g.Reset(); }, Redraw::All, true},
        {"RefreshFlg", [](cGrid& g) { g.RefreshFlg(true); }, Redraw::None, false},
        {"SetFont", [](cGrid& g) { g.SetFont("", 11, true, false); }, Redraw::None},
        {"getters", [](cGrid& g) { g.CellText(2, 1); g.ColTextLen(1); g.ClickValue(40, 50); }, Redraw::None},
    };
    for (const Case& c : cases) {
        for (bool batch : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (batch ? " (batch)" : ""));
            SetUp();
            g.RefreshFlg(!batch);
            c.op(g);
            const Redraw expected = batch && !c.paintsInBatch ? Redraw::None : c.redraw;
            const Redraw seen = Observed(s);
            EXPECT_EQ(Name(seen), std::string(Name(expected)));
            if (seen == Redraw::Cell) {
                // exactly the cell that changed: column 1, row 2
                const auto fills = s.CallsOf(Op::Fill);
                ASSERT_EQ(fills.size(), 1u);
                EXPECT_EQ(fills[0].x1, 30);
                EXPECT_EQ(fills[0].y1, 40);
            }
            if (seen != Redraw::None) {
                EXPECT_EQ(s.Log().front(), "hide");
                EXPECT_EQ(s.Log().back(), "show");
            }
        }
    }
}

TEST_F(GridFixture, RefreshKeepsOrForcesTheBatchState)
{
    g.RefreshFlg(false);
    g.Refresh(false);
    EXPECT_EQ(s.Count(Op::Clear), 1);
    EXPECT_FALSE(g.RefreshFlg());
    g.Refresh(true);
    EXPECT_TRUE(g.RefreshFlg());
    g.Refresh(false);
    EXPECT_TRUE(g.RefreshFlg());
}

TEST_F(GridFixture, ClearGridEmptiesAllOrOneCell)
{
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            g.CellValue(r, c, QStringLiteral("%1%2").arg(c).arg(r));
    g.ClearGrid(2, 3);
    EXPECT_EQ(g.CellValue(3, 2), QString());
    EXPECT_EQ(g.CellValue(2, 3).toStdString(), "32");
    EXPECT_EQ(g.CellValue(3, 1).toStdString(), "13");
    g.ClearGrid(-1, 5); // the row is not looked at
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(g.CellValue(r, c), QString());
}

TEST_F(GridFixture, OutOfRangeIndicesRaiseErrorNineAndChangeNothing)
{
    const std::string before = Dump(g);
    const struct {
        const char* name;
        std::function<void()> op;
    } cases[] = {
        {"CellValue get", [&] { g.CellValue(4, 0); }},
        {"CellValue set", [&] { g.CellValue(0, 4, "x"); }},
        {"CellValue negative", [&] { g.CellValue(-1, 0, "x"); }},
        {"CellText", [&] { g.CellText(0, -1); }},
        {"CellFormat", [&] { g.CellFormat(9, 9, "0"); }},
        {"CellTextAlign", [&] { g.CellTextAlign(0, 4, 1); }},
        {"CellForeColor", [&] { g.CellForeColor(4, 0, 1); }},
        {"CellBackColor", [&] { g.CellBackColor(0, 300, 1); }},
        {"ColTextLen get", [&] { g.ColTextLen(4); }},
        {"ColTextLen set", [&] { g.ColTextLen(4, 3); }},
        {"RowTextLine get", [&] { g.RowTextLine(-1); }},
        {"RowTextLine set", [&] { g.RowTextLine(4, 2); }},
        {"ColWidth get", [&] { g.ColWidth(4); }},
        {"ColWidth set", [&] { g.ColWidth(-1, 10); }},
        {"RowHeight get", [&] { g.RowHeight(4); }},
        {"RowHeight set", [&] { g.RowHeight(4, 10); }},
        {"ColTextAlign", [&] { g.ColTextAlign(4, 1); }},
        {"RowTextAlign", [&] { g.RowTextAlign(-2, 1); }},
        {"ColForeColor", [&] { g.ColForeColor(4, 1); }},
        {"RowForeColor", [&] { g.RowForeColor(4, 1); }},
        {"ColBackColor", [&] { g.ColBackColor(4, 1); }},
        {"RowBackColor", [&] { g.RowBackColor(4, 1); }},
        {"ColFormat", [&] { g.ColFormat(4, "0"); }},
        {"RowFormat", [&] { g.RowFormat(4, "0"); }},
        {"ClearGrid col", [&] { g.ClearGrid(4, 0); }},
        {"ClearGrid row", [&] { g.ClearGrid(0, 4); }},
        {"ClearGrid negative row", [&] { g.ClearGrid(1, -1); }},
        {"Cell", [&] { g.Cell(0, 4); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ErrorNumber(c.op), 9);
        EXPECT_EQ(Dump(g), before);
        EXPECT_TRUE(s.calls.empty());
        EXPECT_EQ(g.LastErrText(), QString()); // reported to the caller, not recorded
    }
}

TEST_F(GridFixture, SizeOverflowRaisesErrorSixAndChangesNothing)
{
    const std::string before = Dump(g);
    EXPECT_EQ(ErrorNumber([&] { g.ColWidth(0, INT_MAX); }), 6);
    EXPECT_EQ(ErrorNumber([&] { g.RowHeight(3, INT_MAX - 10); }), 6);
    EXPECT_EQ(ErrorNumber([&] { g.AllTextLen(INT_MAX / 2); }), 6);
    EXPECT_EQ(ErrorNumber([&] { g.AllWidth(INT_MAX / 3); }), 6);
    EXPECT_EQ(Dump(g), before);
    EXPECT_TRUE(s.calls.empty());
    // The largest total that fits is fine.
    g.AllWidth(0);
    g.ColWidth(2, INT_MAX);
    EXPECT_EQ(g.Width(), INT_MAX);
}

TEST_F(GridFixture, InitFailureReturnsFalseAndRecordsTheError)
{
    s.failOn = {Op::Colors};
    EXPECT_FALSE(g.Init(s, 3, 3, true, true));
    EXPECT_EQ(g.LastErrText(), ErrorDescription(5));
    s.failOn.clear();
    EXPECT_TRUE(g.Init(s, 3, 3, true, true));
    EXPECT_EQ(g.LastErrText(), QString());
}

TEST_F(GridFixture, PaintingErrorsAreRecordedAndTheSurfaceIsShownAgain)
{
    s.failOn = {Op::Fill};
    g.Refresh(false);
    EXPECT_EQ(s.Log(), (std::vector<std::string>{"hide", "clear", "show"}));
    EXPECT_FALSE(s.Hidden());
    EXPECT_EQ(g.LastErrText(), ErrorDescription(5));

    // Only Init clears the record.
    s.failOn.clear();
    g.Refresh(false);
    EXPECT_EQ(s.Count(Op::Fill), 16);
    EXPECT_EQ(g.LastErrText(), ErrorDescription(5));

    // A grid moved so far that its coordinates leave 32 bits: overflow, not a wrapped drawing.
    ASSERT_TRUE(g.Init(s, 4, 4, true, false));
    g.AllWidth(30);
    s.ClearCalls();
    g.Move(INT_MAX - 10, 0);
    EXPECT_EQ(s.Log(), (std::vector<std::string>{"hide", "clear", "show"}));
    EXPECT_EQ(g.LastErrText().toStdString(), "オーバーフローしました。");
}

TEST_F(GridFixture, CatchingOperationsGiveNeutralResults)
{
    s.failOn = {Op::Metrics};
    EXPECT_EQ(g.AvgCharWidth(), 0);
    EXPECT_EQ(g.LastErrText(), ErrorDescription(5));
    EXPECT_EQ(g.AvgCharHeight(), 0);
    g.FormatString("ab|c"); // measured as 0 wide: only the padding remains
    EXPECT_EQ(g.ColWidth(0), 4);
    EXPECT_EQ(g.ColWidth(1), 4);
    EXPECT_EQ(ErrorNumber([&] { g.ColTextLen(0); }), 5); // not a catching operation
    s.failOn.clear();
    g.AllWidth(30);

    s.failOn = {Op::ScaleSize};
    s.ClearCalls();
    EXPECT_NO_THROW(g.AutoReSize());
    EXPECT_EQ(s.Count(Op::Clear), 0);

    s.failOn = {Op::Frame};
    g.MouseMove(40, 50);
    EXPECT_EQ(g.CursorCol(), 0); // unchanged
    EXPECT_EQ(g.CursorRow(), 0);
    s.failOn.clear();
    g.MouseMove(40, 50);
    EXPECT_EQ(g.CursorCol(), 1);
    EXPECT_EQ(g.CursorRow(), 2);
    EXPECT_EQ(g.ClickCol(NAN), -1);
    EXPECT_EQ(g.ClickRow(INFINITY), -1);
}

TEST(GridWithoutSurface, QueriesAreNeutralAndPaintingIsRecorded)
{
    cGrid g;
    EXPECT_EQ(g.ClickCol(5), -1);
    EXPECT_EQ(g.ClickRow(5), -1);
    EXPECT_EQ(g.ClickValue(5, 5), QString());
    g.MouseMove(5, 5);
    EXPECT_EQ(g.CursorCol(), -1);
    EXPECT_EQ(g.LastErrText(), QString());
    EXPECT_EQ(ErrorNumber([&] { g.CellValue(0, 0); }), 9);
    EXPECT_EQ(ErrorNumber([&] { g.MoveCenter(); }), 91);
    EXPECT_EQ(g.AvgCharWidth(), 0);
    EXPECT_EQ(g.LastErrText().toStdString(), "オブジェクト変数または With ブロック変数が設定されていません。");
    EXPECT_FALSE(g.Reset());
    EXPECT_NO_THROW(g.SetFont("x", 12, true, true));
    EXPECT_NO_THROW(g.FormatString("a|b"));
    g.Cols(3); // a table of empty cells, nothing to paint on
    EXPECT_EQ(g.ColWidth(2), 0);
    EXPECT_EQ(g.hWnd(), 0u);
}

TEST_F(GridFixture, SetFontChangesOnlyWhatIsGivenAndNeverFails)
{
    g.SetFont("", 11, false, false); // the race card's call: default face, 11 points
    EXPECT_EQ(s.Font().name.toStdString(), "ＭＳ ゴシック");
    EXPECT_FLOAT_EQ(s.Font().size, 11.0f);
    g.SetFont("IPAGothic", 0, true, false);
    EXPECT_EQ(s.Font().name.toStdString(), "IPAGothic");
    EXPECT_FLOAT_EQ(s.Font().size, 11.0f);
    EXPECT_TRUE(s.Font().bold);
    g.SetFont("", NAN, false, true);
    EXPECT_FLOAT_EQ(s.Font().size, 11.0f);
    EXPECT_FALSE(s.Font().bold);
    EXPECT_TRUE(s.Font().italic);

    // An unknown face: the rest of the request still applies, nothing is recorded.
    s.failOn = {Op::Font};
    EXPECT_NO_THROW(g.SetFont("NoSuchFace", 14, true, false));
    EXPECT_EQ(s.Font().name.toStdString(), "IPAGothic");
    EXPECT_FLOAT_EQ(s.Font().size, 14.0f);
    EXPECT_TRUE(s.Font().bold);
    EXPECT_EQ(g.LastErrText(), QString());
    EXPECT_TRUE(s.calls.empty());
}

// cGrid: what DrawCells paints, how cell text is split and placed, hit testing and the cursor.
#include "fakesurface.h"
#include "views/cGrid.h"

#include "common/errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

std::vector<std::string> Lines(const QStringList& list)
{
    std::vector<std::string> out;
    for (const QString& s : list)
        out.push_back(s.toStdString());
    return out;
}

// The course table of the race card: 12 columns, two-line header, one line per racer.
void SetUpCourseGrid(cGrid& g, FakeSurface& s)
{
    ASSERT_TRUE(g.Init(s, 12, 7, true, true));
    g.RefreshFlg(false);
    g.AllTextLine(1);
    g.RowTextLine(0, 2);
    g.FormatString("^進|^枠|選手氏名|ST|発順|回数|100.0|100.0|１|２|３|^操　　法");
    g.Move(10, 20);
    g.RefreshFlg(true);
}

} // namespace

TEST(GridDraw, FullRedrawPaintsEveryCellColumnByColumn)
{
    FakeSurface s(200, 100);
    cGrid g;
    ASSERT_TRUE(g.Init(s, 2, 2, true, false));
    g.RefreshFlg(false);
    s.ClearCalls();
    g.FormatString("^枠|選手氏名");
    g.AllTextLine(1);
    g.CellValue(1, 0, "1");
    g.CellValue(1, 1, "12.5");
    g.CellBackColor(1, 1, 0x00FF00);
    g.CellForeColor(1, 1, 0xFF);
    g.CellBackColor(0, 1, 0x00FF00); // a header cell: its own background is not used
    g.Move(4, 10);
    ASSERT_TRUE(s.calls.empty());

    g.Refresh(false);
    const Log expected = {
        "hide", "clear",
        "fill 4,10-24,30 #E0E0E0", "text 7,12 #000000 '枠'", "frame 4,10-24,30 #80000010",
        "fill 4,30-24,50 #FFFFFF", "text 11,32 #000000 '1'", "frame 4,30-24,50 #80000010",
        "fill 24,10-92,30 #E0E0E0", "text 27,12 #000000 '選手氏名'", "frame 24,10-92,30 #80000010",
        "fill 24,30-92,50 #00FF00", "text 59,32 #0000FF '12.5'", "frame 24,30-92,50 #80000010",
        "show",
    };
    EXPECT_EQ(s.Log(), expected);
    EXPECT_FALSE(s.Hidden());

    // Neighbours share one border line; inside it each cell shows its own background.
    EXPECT_EQ(s.Pixel(24, 40), 0x80000010u);
    EXPECT_EQ(s.Pixel(23, 40), 0xFFFFFFu);
    EXPECT_EQ(s.Pixel(25, 40), 0x00FF00u);
    EXPECT_EQ(s.Pixel(25, 20), 0xE0E0E0u);
    EXPECT_EQ(s.Pixel(60, 30), 0x80000010u);
    EXPECT_EQ(s.Pixel(150, 80), 0xFFFFFFu); // cleared outside the grid

    // One cell: no clear, only that cell.
    g.RefreshFlg(true);
    s.ClearCalls();
    g.CellValue(1, 1, "7");
    const Log one = {"hide", "fill 24,30-92,50 #00FF00", "text 83,32 #0000FF '7'", "frame 24,30-92,50 #80000010",
                     "show"};
    EXPECT_EQ(s.Log(), one);
}

TEST(GridDraw, HeaderFlagsAndGridLineDecideFillAndBorder)
{
    FakeSurface s(200, 100);
    cGrid g;
    ASSERT_TRUE(g.Init(s, 2, 2, false, false));
    g.AllWidth(20);
    g.AllHeight(20);
    g.AllBackColor(0x111111);
    g.HeaderBackColor(0x222222);

    auto fills = [&] {
        std::vector<unsigned> out;
        for (const auto& c : s.CallsOf(FakeSurface::Op::Fill))
            out.push_back(c.color);
        return out;
    };
    struct Case {
        bool headerCol, headerRow;
        std::vector<unsigned> fills; // (0,0) (0,1) (1,0) (1,1)
    } cases[] = {
        {false, false, {0x111111, 0x111111, 0x111111, 0x111111}},
        {true, false, {0x222222, 0x111111, 0x222222, 0x111111}},
        {false, true, {0x222222, 0x222222, 0x111111, 0x111111}},
        {true, true, {0x222222, 0x222222, 0x222222, 0x111111}},
    };
    for (const Case& c : cases) {
        g.HeaderCol(c.headerCol);
        s.ClearCalls();
        g.HeaderRow(c.headerRow);
        EXPECT_EQ(fills(), c.fills) << c.headerCol << c.headerRow;
        EXPECT_EQ(s.Count(FakeSurface::Op::Frame), 4);
    }
    s.ClearCalls();
    g.GridLine(false);
    EXPECT_EQ(s.Count(FakeSurface::Op::Fill), 4);
    EXPECT_EQ(s.Count(FakeSurface::Op::Frame), 0);
    s.ClearCalls();
    g.GridLineColor(0x333333);
    g.GridLine(true);
    for (const auto& c : s.CallsOf(FakeSurface::Op::Frame))
        EXPECT_EQ(c.color, 0x333333u);
}

TEST(GridDraw, HorizontalPlacement)
{
    struct Case {
        const char* value;
        int align;
        int width;
        int x;
    } cases[] = {
        {"12.5", 0, 68, 35},   // numbers go flush right: 2 + (64 - 32) + 1
        {"-0.5", 0, 68, 35},
        {" 12 ", 0, 68, 35},   // blanks around a number still make a number
        {"1-2", 0, 68, 3},     // a bet is text: flush left
        {"ab", 1, 68, 3},
        {"ab", 2, 68, 27},     // 2 + 48 div 2 + 1
        {"ab", 2, 67, 26},     // 47 div 2 = 23
        {"ab", 3, 68, 51},
        {"ab", 7, 68, 3},      // unknown alignment: left
        {"選手氏名", 3, 68, 3}, // no room left over: starts at the padding
    };
    for (const Case& c : cases) {
        FakeSurface s(200, 100);
        cGrid g;
        ASSERT_TRUE(g.Init(s, 1, 1, false, false));
        g.ColWidth(0, c.width);
        g.RowHeight(0, 20);
        g.CellTextAlign(0, 0, c.align);
        s.ClearCalls();
        g.CellValue(0, 0, QString::fromUtf8(c.value));
        const auto texts = s.CallsOf(FakeSurface::Op::Text);
        ASSERT_EQ(texts.size(), 1u) << c.value;
        EXPECT_EQ(texts[0].x1, c.x) << c.value << " align " << c.align;
        EXPECT_EQ(texts[0].y1, 2);
    }
}

TEST(GridDraw, VerticalCentringAndLineSteps)
{
    struct Case {
        const char* value;
        int height;
        std::vector<std::string> texts;
        std::vector<int> ys;
    } cases[] = {
        {"a", 40, {"a"}, {12}},                  // 2 + (36 - 16) div 2
        {"a", 37, {"a"}, {10}},                  // 2 + 17 div 2
        {"a", 20, {"a"}, {2}},                   // exactly one line: no centring
        {"a\r\nb", 40, {"a", "b"}, {4, 20}},
        {"a\rb\rc", 40, {"a", "b"}, {4, 20}},    // the third line does not fit
        {"a\tb", 40, {"ab"}, {12}},
    };
    for (const Case& c : cases) {
        FakeSurface s(200, 100);
        cGrid g;
        ASSERT_TRUE(g.Init(s, 1, 1, false, false));
        g.ColWidth(0, 68);
        g.RowHeight(0, c.height);
        s.ClearCalls();
        g.CellValue(0, 0, QString::fromUtf8(c.value));
        std::vector<int> ys;
        for (const auto& t : s.CallsOf(FakeSurface::Op::Text))
            ys.push_back(t.y1);
        EXPECT_EQ(s.Texts(), c.texts) << c.value;
        EXPECT_EQ(ys, c.ys) << c.value;
    }
}

TEST(GridDraw, EmptyOrTooNarrowCellsShowOnlyBackgroundAndBorder)
{
    FakeSurface s(200, 100);
    cGrid g;
    ASSERT_TRUE(g.Init(s, 2, 1, false, false));
    g.ColWidth(0, 19); // 15 inside: a full-width character does not fit
    g.ColWidth(1, 40);
    g.RowHeight(0, 20);
    g.CellValue(0, 0, "全角");
    g.CellValue(0, 1, "");
    s.ClearCalls();
    g.Refresh(true);
    EXPECT_EQ(s.Count(FakeSurface::Op::Fill), 2);
    EXPECT_EQ(s.Count(FakeSurface::Op::Frame), 2);
    EXPECT_EQ(s.Count(FakeSurface::Op::Text), 0);
}

TEST(GridSplitCellText, WrapsAndCutsToTheCell)
{
    struct Case {
        std::string value;
        int width, height; // inner size is 4 less each way
        const char* format;
        std::vector<std::string> lines;
    } cases[] = {
        {"", 36, 36, "", {}},
        {"abcd", 36, 36, "", {"abcd"}},
        {"abcdef", 36, 36, "", {"abcd", "ef"}},
        {"abcdefghij", 36, 36, "", {"abcd", "efgh"}},     // a third line does not fit
        {"全角文字列", 36, 36, "", {"全角", "文字"}},
        {"a全b", 36, 36, "", {"a全b"}},                     // 8 + 16 + 8 = 32 fits exactly
        {"abc全", 36, 36, "", {"abc", "全"}},
        {"ab\r\ncd", 36, 36, "", {"ab", "cd"}},
        {"a\tb\nc", 36, 36, "", {"abc"}},
        {"\r", 36, 36, "", {"", ""}},
        {"全", 20, 36, "", {"全"}},
        {"全", 19, 36, "", {}},                            // first character wider than the cell
        {"a全", 19, 36, "", {"a", "全"}},
        {"abc", 36, 19, "", {}},                           // lower than one line
        {"abcdefgh", 36, 20, "", {"abcd"}},
        {"12.345", 36, 36, "0.0", {"12.3"}},
        {"0", 36, 36, "#", {""}},                          // formats to nothing: one empty line
        {"\xF0\x9F\x98\x80" "a", 28, 36, "", {}},          // a surrogate pair is one character
        {"\xF0\x9F\x98\x80" "a", 36, 36, "", {"\xF0\x9F\x98\x80", "a"}},
    };
    FakeSurface s;
    cGrid g;
    ASSERT_TRUE(g.Init(s, 1, 1, false, false));
    for (const Case& c : cases) {
        GridCell cell;
        cell.Value = QString::fromStdString(c.value);
        cell.Width = c.width;
        cell.Height = c.height;
        cell.Format = QString::fromUtf8(c.format);
        EXPECT_EQ(Lines(g.SplitCellText(cell)), c.lines) << c.value << " " << c.width << "x" << c.height;
    }

    // A 5 MB single line costs no more than the lines that fit.
    GridCell huge;
    huge.Value = QString(5'000'000, QLatin1Char('x'));
    huge.Width = 36;
    huge.Height = 36;
    EXPECT_EQ(Lines(g.SplitCellText(huge)), (std::vector<std::string>{"xxxx", "xxxx"}));
}

TEST(GridHitTest, ColumnsRowsAndValues)
{
    FakeSurface s;
    cGrid g;
    SetUpCourseGrid(g, s);
    // Column edges: 10, 30, 50, 118, ... 358, 426. Row edges: 20, 56, 76, ... 176.
    const struct {
        float x;
        int col;
    } cols[] = {{-50, -1}, {9, -1}, {10, -1}, {10.5f, 0}, {29.9f, 0}, {30, -1}, {30.5f, 1},
                {117, 2},  {118, -1}, {359, 11}, {425.9f, 11}, {426, -1}, {500, -1}};
    for (const auto& c : cols)
        EXPECT_EQ(g.ClickCol(c.x), c.col) << c.x;
    const struct {
        float y;
        int row;
    } rows[] = {{0, -1}, {20, -1}, {21, 0}, {55.5f, 0}, {56, -1}, {57, 1}, {175.5f, 6}, {176, -1}, {300, -1}};
    for (const auto& r : rows)
        EXPECT_EQ(g.ClickRow(r.y), r.row) << r.y;

    g.CellValue(1, 2, "12.345");
    g.CellFormat(1, 2, "0.0");
    EXPECT_EQ(g.ClickValue(60, 60).toStdString(), "12.345"); // as stored, not as shown
    EXPECT_EQ(g.ClickValue(15, 30).toStdString(), "進");
    EXPECT_EQ(g.ClickValue(60, 56).toStdString(), "");       // on a border
    EXPECT_EQ(g.ClickValue(5, 60).toStdString(), "");        // left of the grid
    EXPECT_EQ(g.ClickValue(60, 400).toStdString(), "");      // below it
    EXPECT_EQ(g.LastErrText(), QString());
}

TEST(GridHitTest, MouseMoveFramesTheCellUnderThePoint)
{
    FakeSurface s;
    cGrid g;
    SetUpCourseGrid(g, s);
    s.ClearCalls();

    g.MouseMove(60, 60); // the cursor starts on (0, 0)
    EXPECT_EQ(s.Log(), (Log{"frame 10,20-30,56 #80000010", "frame 50,56-118,76 #0000FF"}));
    EXPECT_EQ(g.CursorCol(), 2);
    EXPECT_EQ(g.CursorRow(), 1);
    EXPECT_EQ(s.Pixel(50, 60), 255u);
    EXPECT_EQ(s.Pixel(30, 30), 0x80000010u);

    s.ClearCalls();
    g.MouseMove(5, 5);
    EXPECT_EQ(s.Log(), (Log{"frame 50,56-118,76 #80000010"}));
    EXPECT_EQ(g.CursorCol(), -1);
    EXPECT_EQ(g.CursorRow(), -1);
    EXPECT_EQ(s.Pixel(50, 60), 0x80000010u);

    s.ClearCalls();
    g.RefreshFlg(false); // the frame does not wait for painting to be switched on
    g.MouseMove(15, 60);
    EXPECT_EQ(s.Log(), (Log{"frame 10,56-30,76 #0000FF"}));
    g.RefreshFlg(true);

    // Without grid lines the frame stays inside the cell and is removed in the cell's colour.
    g.GridLine(false);
    s.ClearCalls();
    g.MouseMove(60, 60);
    g.MouseMove(60, 80);
    EXPECT_EQ(s.Log(), (Log{"frame 10,56-29,76 #E0E0E0", "frame 50,56-117,76 #0000FF",
                            "frame 50,56-117,76 #FFFFFF", "frame 50,76-117,96 #0000FF"}));

    // A redraw paints over the frame.
    g.Refresh(false);
    EXPECT_EQ(s.Pixel(50, 80), 0xFFFFFFu);
    EXPECT_EQ(g.LastErrText(), QString());
}

TEST(GridHitTest, MouseMoveAfterTheCursorCellWasRemoved)
{
    FakeSurface s;
    cGrid g;
    SetUpCourseGrid(g, s);
    g.MouseMove(400, 170);
    ASSERT_EQ(g.CursorCol(), 11);
    ASSERT_EQ(g.CursorRow(), 6);

    g.Cols(4);
    g.Rows(3);
    g.AllWidth(20);
    g.AllHeight(20);
    s.ClearCalls();
    g.MouseMove(15, 30);
    EXPECT_EQ(s.Log(), (Log{"frame 10,20-30,40 #0000FF"}));
    EXPECT_EQ(g.CursorCol(), 0);
    EXPECT_EQ(g.CursorRow(), 0);
    EXPECT_EQ(g.LastErrText(), QString());
}

TEST(GridDraw, StoredCellsCanBeRenderedAtAnyTime)
{
    FakeSurface s;
    cGrid g;
    SetUpCourseGrid(g, s);
    g.RefreshFlg(false);
    s.ClearCalls();
    for (int r = 1; r <= 6; ++r) {
        g.CellValue(r, 0, QString::number(r));
        g.CellValue(r, 2, QStringLiteral("選手%1").arg(r));
        g.CellForeColor(r, 2, 0xFF);
    }
    EXPECT_TRUE(s.calls.empty());
    g.ClearGrid(-1, 0); // empties every cell, titles too, and paints even in the batch state
    EXPECT_EQ(s.Count(FakeSurface::Op::Clear), 1);
    EXPECT_EQ(s.Count(FakeSurface::Op::Text), 0);
    EXPECT_FALSE(g.RefreshFlg());
    s.ClearCalls();
    for (int r = 1; r <= 6; ++r)
        g.CellValue(r, 2, QStringLiteral("選手%1").arg(r));
    EXPECT_TRUE(s.calls.empty());

    g.Refresh(false);
    const auto texts = s.Texts();
    ASSERT_EQ(texts.size(), 6u);
    EXPECT_EQ(texts.front(), "選手1");
    EXPECT_EQ(texts.back(), "選手6");
    EXPECT_EQ(s.CallsOf(FakeSurface::Op::Text).front().color, 0xFFu);

    // The surface lost its image (resized): the same state paints again.
    s.ClearCalls();
    g.AutoReSize();
    EXPECT_EQ(s.ScaleWidth(), 10 + 416 + 1);
    EXPECT_EQ(s.Texts(), std::vector<std::string>{});  // batch state: resized, not painted
    g.Refresh(false);
    EXPECT_EQ(s.Texts(), texts);
}

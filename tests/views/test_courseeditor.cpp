// The entry course editor's rules: rows of 500 twips (33.33 px), the drop rounding with halves
// to even, the exchange of courses and the drag.
#include "views/courseeditor.h"

#include <gtest/gtest.h>

namespace {

using Entry = std::array<int, 7>; // ExpectCourse by frame, index 0 unused

std::array<int, 6> courses(std::initializer_list<int> oneBased)
{
    std::array<int, 6> out{};
    size_t i = 0;
    for (int c : oneBased)
        out[i++] = c - 1;
    return out;
}

TEST(CourseEditor, RowTopsAreFiveHundredTwipsApart)
{
    const int tops[6] = {0, 33, 67, 100, 133, 167};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(CourseEditor::RowTop(k), tops[k]) << k;
}

TEST(CourseEditor, DropPositionRoundsToTheNearestRowHalvesToEven)
{
    const struct {
        int top, course;
    } cases[] = {
        {0, 0},   {16, 0},  {17, 1},  {33, 1},
        {50, 2},             // 1.5 rows: to the even course index
        {83, 2},  {84, 3},
        {116, 3}, {117, 4},
        {150, 4},            // 4.5 rows: to the even course index
        {151, 5}, {176, 5},
        {-20, 0}, {400, 5},  // outside the area: kept to the six rows
    };
    for (const auto& c : cases)
        EXPECT_EQ(CourseEditor::CourseAt(c.top), c.course) << c.top;
}

TEST(CourseEditor, DropExchangesWithTheFrameThatHeldTheCourse)
{
    const struct {
        const char* what;
        Entry entry;
        int frame, top;
        std::array<int, 6> after; // courses 1..6 of frames 1..6
    } cases[] = {
        {"boat 4 into row 1", {0, 1, 2, 3, 4, 5, 6}, 4, 0, courses({4, 2, 3, 1, 5, 6})},
        {"boat 3 onto row 1 after a changed entry", {0, 2, 1, 3, 4, 5, 6}, 3, 5, courses({2, 3, 1, 4, 5, 6})},
        {"boat 1 down to row 6", {0, 1, 2, 3, 4, 5, 6}, 1, 170, courses({6, 2, 3, 4, 5, 1})},
        {"back into its own row", {0, 1, 2, 3, 4, 5, 6}, 2, 40, courses({1, 2, 3, 4, 5, 6})},
        {"1.5 rows is row 3", {0, 1, 2, 3, 4, 5, 6}, 6, 50, courses({1, 2, 6, 4, 5, 3})},
        {"4.5 rows is row 5", {0, 1, 2, 3, 4, 5, 6}, 1, 150, courses({5, 2, 3, 4, 1, 6})},
    };
    for (const auto& c : cases) {
        CourseEditor ed;
        ed.Load(c.entry);
        ed.Drop(c.frame, c.top);
        EXPECT_EQ(ed.EditCourse, c.after) << c.what;
        // Every picture ends at the top of its row, in its column.
        for (int f = 1; f <= 6; ++f) {
            EXPECT_EQ(ed.imgBoat[size_t(f - 1)].Top, CourseEditor::RowTop(c.after[size_t(f - 1)])) << c.what << f;
            EXPECT_EQ(ed.imgBoat[size_t(f - 1)].Left, (CourseEditor::kPoolWidth - CourseEditor::kBoatWidth) / 3);
        }
    }
}

TEST(CourseEditor, DragFollowsTheMouseVerticallyWithinTheArea)
{
    CourseEditor ed;
    ed.Load({0, 1, 2, 3, 4, 5, 6});
    const int x = CourseEditor::PictureLeft() + 10;
    EXPECT_FALSE(ed.MouseDown(x, 30)); // between boats 1 and 2
    EXPECT_FALSE(ed.MouseDown(2, 70));  // left of the pictures
    EXPECT_FALSE(ed.Dragging());

    ASSERT_TRUE(ed.MouseDown(x, 67 + 5)); // boat 3, row 3
    EXPECT_EQ(ed.DragFrame(), 3);
    EXPECT_TRUE(ed.shpDrag.Visible);
    EXPECT_EQ(ed.shpDrag.Top, 67);
    EXPECT_EQ(ed.shpDrag.Left, CourseEditor::PictureLeft());

    ed.MouseMove(x + 50, 67 + 5 - 30); // sideways movement is ignored
    EXPECT_EQ(ed.imgBoat[2].Top, 37);
    EXPECT_EQ(ed.imgBoat[2].Left, CourseEditor::PictureLeft());
    EXPECT_EQ(ed.shpDrag.Top, 37);
    ed.MouseMove(x, -100);
    EXPECT_EQ(ed.imgBoat[2].Top, 0);
    ed.MouseMove(x, 900);
    EXPECT_EQ(ed.imgBoat[2].Top, CourseEditor::kPoolHeight - CourseEditor::kBoatHeight);

    ed.MouseUp(x, 67 + 5 - 60); // top 7: row 1
    EXPECT_FALSE(ed.Dragging());
    EXPECT_FALSE(ed.shpDrag.Visible);
    EXPECT_EQ(ed.EditCourse, courses({3, 2, 1, 4, 5, 6}));
    EXPECT_EQ(ed.imgBoat[2].Top, 0);
    EXPECT_EQ(ed.imgBoat[0].Top, 67);

    ed.MouseMove(x, 150); // no drag any more: nothing moves
    EXPECT_EQ(ed.imgBoat[2].Top, 0);
}

TEST(CourseEditor, LoadKeepsTheEntryAPermutation)
{
    const struct {
        const char* what;
        Entry entry;
        std::array<int, 6> edit;
    } cases[] = {
        {"prediction", {0, 1, 3, 2, 4, 6, 5}, courses({1, 3, 2, 4, 6, 5})},
        {"nothing predicted yet", {}, courses({1, 2, 3, 4, 5, 6})},
        {"two frames in one course", {0, 1, 1, 3, 4, 5, 6}, courses({1, 2, 3, 4, 5, 6})},
        {"a course out of range", {0, 9, 1, 2, 3, 4, -1}, courses({5, 1, 2, 3, 4, 6})},
    };
    for (const auto& c : cases) {
        CourseEditor ed;
        ed.Load(c.entry);
        EXPECT_EQ(ed.EditCourse, c.edit) << c.what;
    }
}

TEST(CourseEditor, FixedEntryAndApply)
{
    CourseEditor ed;
    ed.Load({0, 3, 1, 2, 4, 6, 5});
    Entry course{}, waku{};
    ed.Apply(course, waku);
    EXPECT_EQ(course, (Entry{0, 3, 1, 2, 4, 6, 5}));
    EXPECT_EQ(waku, (Entry{0, 2, 3, 1, 4, 6, 5}));

    ed.FixEntry();
    EXPECT_EQ(ed.EditCourse, courses({1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(ed.imgBoat[4].Top, CourseEditor::RowTop(4));
    ed.Apply(course, waku);
    EXPECT_EQ(course, (Entry{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(waku, (Entry{0, 1, 2, 3, 4, 5, 6}));
}

TEST(CourseEditor, BadFramesAreIgnored)
{
    CourseEditor ed;
    ed.Load({0, 1, 2, 3, 4, 5, 6});
    ed.Drop(0, 0);
    ed.Drop(7, 0);
    ed.Drop(-3, 100);
    EXPECT_EQ(ed.EditCourse, courses({1, 2, 3, 4, 5, 6}));
}

} // namespace

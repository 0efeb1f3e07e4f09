#include "views/courseeditor.h"

#include "common/strutil.h"

#include <algorithm>

void CourseEditor::Load(const std::array<int, 7>& expectCourse)
{
    std::array<bool, 6> taken{};
    std::array<bool, 6> placed{};
    for (int f = 1; f <= 6; ++f) {
        const int c = expectCourse[size_t(f)] - 1;
        if (c >= 0 && c < 6 && !taken[size_t(c)]) {
            EditCourse[size_t(f - 1)] = c;
            taken[size_t(c)] = true;
            placed[size_t(f - 1)] = true;
        }
    }
    int free = 0;
    for (int i = 0; i < 6; ++i) {
        if (placed[size_t(i)])
            continue;
        while (taken[size_t(free)])
            ++free;
        EditCourse[size_t(i)] = free;
        taken[size_t(free)] = true;
    }
    dragFrame_ = 0;
    shpDrag.Visible = false;
    placeAll();
}

void CourseEditor::FixEntry()
{
    for (int i = 0; i < 6; ++i)
        EditCourse[size_t(i)] = i;
    placeAll();
}

void CourseEditor::Apply(std::array<int, 7>& expectCourse, std::array<int, 7>& expectWaku) const
{
    for (int f = 1; f <= 6; ++f) {
        const int course = EditCourse[size_t(f - 1)] + 1;
        expectCourse[size_t(f)] = course;
        expectWaku[size_t(course)] = f;
    }
}

int CourseEditor::RowTop(int course0)
{
    return int(RoundHalfEven(course0 * kRowPitch));
}

int CourseEditor::CourseAt(int top)
{
    const qint64 c = RoundHalfEven(top * kTwipsPerPixel / kRowTwips);
    return int(std::clamp<qint64>(c, 0, 5));
}

void CourseEditor::Drop(int frame, int top)
{
    if (frame < 1 || frame > 6)
        return;
    const int c = CourseAt(top);
    const int own = EditCourse[size_t(frame - 1)];
    for (int g = 1; g <= 6; ++g) {
        if (g != frame && EditCourse[size_t(g - 1)] == c) {
            EditCourse[size_t(g - 1)] = own;
            EditCourse[size_t(frame - 1)] = c;
            imgBoat[size_t(g - 1)].Top = RowTop(own);
            break;
        }
    }
    imgBoat[size_t(frame - 1)].Top = RowTop(EditCourse[size_t(frame - 1)]);
}

int CourseEditor::BoatAt(int x, int y) const
{
    for (int f = 1; f <= 6; ++f) {
        const Picture& p = imgBoat[size_t(f - 1)];
        if (x >= p.Left && x < p.Left + kBoatWidth && y >= p.Top && y < p.Top + kBoatHeight)
            return f;
    }
    return 0;
}

bool CourseEditor::MouseDown(int x, int y)
{
    const int f = BoatAt(x, y);
    if (f == 0)
        return false;
    dragFrame_ = f;
    dragStartY_ = y;
    dragStartTop_ = imgBoat[size_t(f - 1)].Top;
    const Picture& p = imgBoat[size_t(f - 1)];
    shpDrag = Outline{true, p.Left, p.Top, kBoatWidth, kBoatHeight};
    return true;
}

void CourseEditor::MouseMove(int, int y)
{
    if (!dragFrame_)
        return;
    const int top = std::clamp(dragStartTop_ + (y - dragStartY_), 0, kPoolHeight - kBoatHeight);
    imgBoat[size_t(dragFrame_ - 1)].Top = top;
    shpDrag.Top = top;
}

void CourseEditor::MouseUp(int x, int y)
{
    if (!dragFrame_)
        return;
    MouseMove(x, y);
    shpDrag.Visible = false;
    const int f = dragFrame_;
    dragFrame_ = 0;
    Drop(f, imgBoat[size_t(f - 1)].Top);
}

void CourseEditor::placeAll()
{
    for (int i = 0; i < 6; ++i) {
        imgBoat[size_t(i)].Left = PictureLeft();
        imgBoat[size_t(i)].Top = RowTop(EditCourse[size_t(i)]);
    }
}

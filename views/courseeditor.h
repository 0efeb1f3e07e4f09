#pragma once
// The entry course editor ("進入コース エディタ") as state: the edited entry, the six boat
// pictures in the editing area, the drag outline and the drag itself. The Qt dialog forwards
// its mouse events and buttons here and paints what it finds.
//
// Geometry is in pixels of the editing area (picPool): course row k (0-based) starts at
// k x 500 twips = k x 33.33 px; a dropped picture goes to the row its top is nearest to.
#include <QString>

#include <array>

class CourseEditor {
public:
    static inline const QString kCaption = QStringLiteral("進入コース エディタ");

    static constexpr double kTwipsPerPixel = 15.0;
    static constexpr double kRowTwips = 500.0;
    static constexpr double kRowPitch = kRowTwips / kTwipsPerPixel; // 33.33 px
    static constexpr int kPoolWidth = 210;
    static constexpr int kPoolHeight = 200; // six rows
    static constexpr int kBoatWidth = 60;
    static constexpr int kBoatHeight = 24;

    struct Picture {
        int Left = 0;
        int Top = 0;
    };
    struct Outline {
        bool Visible = false;
        int Left = 0, Top = 0, Width = 0, Height = 0;
    };

    // Index = frame - 1, value = course - 1: always a permutation of 0..5.
    std::array<int, 6> EditCourse{0, 1, 2, 3, 4, 5};
    std::array<Picture, 6> imgBoat{}; // index = frame - 1
    Outline shpDrag;

    CourseEditor() { Load({}); }

    // Takes the entry of ExpectCourse (by frame, index 0 unused) and puts every picture at the
    // top of its row. Frames without a course of their own (0, out of range, or a course
    // another frame already holds) get the free courses in frame order, so the entry stays a
    // permutation.
    void Load(const std::array<int, 7>& expectCourse);
    // "進入固定": every frame in the course of its own number.
    void FixEntry();
    // Writes the entry: ExpectCourse[f] = course of f, ExpectWaku[course] = f.
    void Apply(std::array<int, 7>& expectCourse, std::array<int, 7>& expectWaku) const;

    // Top of course row `course0` (0..5) in pixels.
    static int RowTop(int course0);
    // The course (0..5) a picture whose top is at `top` pixels is dropped into: top x 15 / 500
    // rounded with halves to even, kept inside 0..5.
    static int CourseAt(int top);
    static int PictureLeft() { return (kPoolWidth - kBoatWidth) / 3; }

    // Drops frame 1..6 with its picture's top at `top`: when another frame holds the course
    // found there, the two exchange courses. Both pictures end at the tops of their rows (a
    // picture dropped into its own row goes back to its row's top).
    void Drop(int frame, int top);

    // Frame 1..6 whose picture contains the point, 0 for none.
    int BoatAt(int x, int y) const;

    // Mouse events in pixels of the editing area (left button only for the press).
    // Press on a picture: start dragging it, outline over it. True when a drag started.
    bool MouseDown(int x, int y);
    // While dragging: the picture and the outline follow the mouse vertically, kept inside the
    // editing area.
    void MouseMove(int x, int y);
    // End of the drag: outline hidden, picture dropped.
    void MouseUp(int x, int y);
    bool Dragging() const { return dragFrame_ != 0; }
    int DragFrame() const { return dragFrame_; }

private:
    void placeAll();
    int dragFrame_ = 0;
    int dragStartY_ = 0;
    int dragStartTop_ = 0;
};

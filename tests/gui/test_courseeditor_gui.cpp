// The entry course editor dialog on the demo race: dragging a boat with the mouse, "Ok" and
// "ｷｬﾝｾﾙ".
#include "resultcourse_support.h"
#include "views/qt/frmCourseEditer.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

void mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons held)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Drags the boat of `frame` from its row into course row `course` (1-based) with the mouse.
void dragBoat(frmCourseEditer& dlg, int frame, int course, bool release = true)
{
    const int x = CourseEditor::PictureLeft() + 8;
    const int from = dlg.editor().imgBoat[size_t(frame - 1)].Top + 8;
    const int to = CourseEditor::RowTop(course - 1) + 8;
    mouse(dlg.pool(), QEvent::MouseButtonPress, {x, from}, Qt::LeftButton);
    mouse(dlg.pool(), QEvent::MouseMove, {x, (from + to) / 2}, Qt::LeftButton);
    mouse(dlg.pool(), QEvent::MouseMove, {x, to}, Qt::LeftButton);
    if (release)
        mouse(dlg.pool(), QEvent::MouseButtonRelease, {x, to}, Qt::NoButton);
}

QPushButton* button(QWidget& w, const char* name)
{
    return w.findChild<QPushButton*>(QString::fromLatin1(name));
}

class CourseEditorDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(d.loaded);
        ASSERT_EQ(ChooseRace(d.app->engine, 1), 1);
        before = e().st.ExpectCourse;
        beforeWaku = e().st.ExpectWaku;
        for (int c = 1; c <= 6; ++c)
            courseTable << e().raceCard.flexCourse.CellValue(c, 1);
    }
    Engine& e() { return d.app->engine; }

    DemoDesk d;
    std::array<int, 7> before{}, beforeWaku{};
    QStringList courseTable;
};

TEST_F(CourseEditorDialog, ControlsAndCaptions)
{
    frmCourseEditer dlg(*d.app);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("進入コース エディタ"));
    const struct {
        const char* name;
        const char* text;
    } buttons[] = {{"cmdOk", "Ok"}, {"cmdCancel", "ｷｬﾝｾﾙ"}, {"cmdWakuNo", "進入固定"}, {"cmdReset", "やり直し"}, {"cmdSystem", "ｼｽﾃﾑ"}};
    for (const auto& b : buttons) {
        ASSERT_NE(button(dlg, b.name), nullptr) << b.name;
        EXPECT_EQ(button(dlg, b.name)->text(), QString::fromUtf8(b.text));
    }
    const QString digits = QStringLiteral("１２３４５６");
    for (int k = 1; k <= 6; ++k) {
        auto* label = dlg.findChild<QLabel*>(QStringLiteral("lblCourse%1").arg(k));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), digits.mid(k - 1, 1));
    }
    // The editor starts from the prediction.
    for (int f = 1; f <= 6; ++f)
        EXPECT_EQ(dlg.editor().EditCourse[size_t(f - 1)], before[size_t(f)] - 1);
}

TEST_F(CourseEditorDialog, DragBoatThreeIntoCourseOneAndOk)
{
    const int inside = beforeWaku[1];
    const int course3 = before[3];
    ASSERT_NE(inside, 3);

    frmCourseEditer dlg(*d.app);
    int applied = 0;
    QObject::connect(&dlg, &frmCourseEditer::entryApplied, [&](int raceNo) { applied = raceNo; });
    dlg.show();
    QCoreApplication::processEvents();

    dragBoat(dlg, 3, 1, false);
    EXPECT_TRUE(dlg.editor().shpDrag.Visible);
    EXPECT_EQ(dlg.editor().imgBoat[2].Left, CourseEditor::PictureLeft()); // vertical only
    d.shot(dlg, QStringLiteral("courseeditor_dragging"));
    mouse(dlg.pool(), QEvent::MouseButtonRelease, {CourseEditor::PictureLeft() + 8, 8}, Qt::NoButton);
    EXPECT_FALSE(dlg.editor().shpDrag.Visible);
    EXPECT_EQ(dlg.editor().imgBoat[2].Top, 0);
    EXPECT_EQ(dlg.editor().imgBoat[size_t(inside - 1)].Top, CourseEditor::RowTop(course3 - 1));
    d.shot(dlg, QStringLiteral("courseeditor_dropped"));
    EXPECT_EQ(e().st.ExpectCourse, before) << "nothing changes before Ok";

    button(dlg, "cmdOk")->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(e().st.ExpectCourse[3], 1);
    EXPECT_EQ(e().st.ExpectWaku[1], 3);
    EXPECT_EQ(e().st.ExpectCourse[size_t(inside)], course3);
    EXPECT_EQ(e().st.ExpectWaku[size_t(course3)], inside);
    const cGrid& table = e().raceCard.flexCourse;
    EXPECT_EQ(table.CellValue(1, 1), QStringLiteral("3"));
    EXPECT_EQ(table.CellValue(course3, 1), QString::number(inside));
    for (int c = 1; c <= 6; ++c)
        if (c != 1 && c != course3)
            EXPECT_EQ(table.CellValue(c, 1), courseTable[c - 1]) << c;
    EXPECT_TRUE(d.ui.messages.isEmpty());
}

TEST_F(CourseEditorDialog, CancelChangesNothing)
{
    frmCourseEditer dlg(*d.app);
    dlg.show();
    dragBoat(dlg, 3, 1);
    button(dlg, "cmdWakuNo")->click();
    dragBoat(dlg, 6, 2);
    button(dlg, "cmdSystem")->click();
    button(dlg, "cmdCancel")->click();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(e().st.ExpectCourse, before);
    EXPECT_EQ(e().st.ExpectWaku, beforeWaku);
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(e().raceCard.flexCourse.CellValue(c, 1), courseTable[c - 1]) << c;
}

TEST_F(CourseEditorDialog, FixedEntryAndStartAgain)
{
    frmCourseEditer dlg(*d.app);
    dlg.show();
    button(dlg, "cmdWakuNo")->click();
    for (int f = 1; f <= 6; ++f) {
        EXPECT_EQ(dlg.editor().EditCourse[size_t(f - 1)], f - 1);
        EXPECT_EQ(dlg.editor().imgBoat[size_t(f - 1)].Top, CourseEditor::RowTop(f - 1));
    }
    d.shot(dlg, QStringLiteral("courseeditor_fixed"));
    button(dlg, "cmdReset")->click();
    for (int f = 1; f <= 6; ++f)
        EXPECT_EQ(dlg.editor().EditCourse[size_t(f - 1)], before[size_t(f)] - 1);
}

} // namespace

#include "views/qt/frmCourseEditer.h"

#include "app/appcontext.h"
#include "app/courseedit.h"
#include "platform/qt/boatpicture.h"
#include "platform/qt/qtsurface.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

// The editing area: the course rows, the six boats and the drag outline of the editor state.
// Boats are drawn kPad lower than the editor's coordinates, so that a boat at the top of its
// row sits in the middle of the row's band (and of its course label).
class CoursePool : public QWidget {
public:
    static constexpr int kPad = (int(CourseEditor::kRowPitch) - CourseEditor::kBoatHeight) / 2;
    static constexpr int kHeight = CourseEditor::kPoolHeight + kPad;

    CoursePool(CourseEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor)
    {
        setObjectName(QStringLiteral("picPool"));
        setFixedSize(CourseEditor::kPoolWidth, kHeight);
        setCursor(Qt::OpenHandCursor);
        for (int f = 1; f <= 6; ++f)
            pictures_[f - 1] = BoatPicture(f, CourseEditor::kBoatWidth, CourseEditor::kBoatHeight);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(198, 226, 246));
        // Alternate course rows slightly, so the row a boat is dropped into is easy to see.
        for (int k = 0; k < 6; ++k) {
            const int top = CourseEditor::RowTop(k);
            const int bottom = k == 5 ? height() : CourseEditor::RowTop(k + 1);
            if (k % 2 == 1)
                p.fillRect(0, top, width(), bottom - top, QColor(182, 214, 240));
        }
        p.setPen(QPen(QColor(120, 150, 180), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        for (int f = 1; f <= 6; ++f) {
            const CourseEditor::Picture& pic = editor_.imgBoat[size_t(f - 1)];
            if (f != editor_.DragFrame())
                p.drawImage(pic.Left, pic.Top + kPad, pictures_[f - 1]);
        }
        // The boat being dragged is drawn last, above the others.
        if (const int f = editor_.DragFrame()) {
            const CourseEditor::Picture& pic = editor_.imgBoat[size_t(f - 1)];
            p.drawImage(pic.Left, pic.Top + kPad, pictures_[f - 1]);
        }
        if (editor_.shpDrag.Visible) {
            const CourseEditor::Outline& o = editor_.shpDrag;
            p.setPen(QPen(Qt::black, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(o.Left - 2, o.Top + kPad - 2, o.Width + 3, o.Height + 3);
        }
    }

    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton)
            return;
        const QPoint pt = e->position().toPoint();
        if (editor_.MouseDown(pt.x(), pt.y() - kPad)) {
            setCursor(Qt::ClosedHandCursor);
            update();
        }
    }

    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (!editor_.Dragging())
            return;
        const QPoint pt = e->position().toPoint();
        editor_.MouseMove(pt.x(), pt.y() - kPad);
        update();
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() != Qt::LeftButton || !editor_.Dragging())
            return;
        const QPoint pt = e->position().toPoint();
        editor_.MouseUp(pt.x(), pt.y() - kPad);
        setCursor(Qt::OpenHandCursor);
        update();
    }

private:
    CourseEditor& editor_;
    QImage pictures_[6];
};

namespace {

QPushButton* button(const QString& name, const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setMinimumWidth(84);
    return b;
}

} // namespace

frmCourseEditer::frmCourseEditer(AppContext& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(CourseEditor::kCaption);
    setModal(true);
    raceNo_ = app_.engine.SelectedRaceNo;
    editor_.Load(app_.engine.st.ExpectCourse);

    QFont font(MapFontFace(QString()));
    font.setPointSize(11);
    setFont(font);

    pool_ = new CoursePool(editor_, this);

    // Course labels beside the rows, each centred on its row.
    auto* labels = new QWidget(this);
    labels->setFixedSize(28, CoursePool::kHeight);
    const QString digits[6] = {QStringLiteral("１"), QStringLiteral("２"), QStringLiteral("３"),
                               QStringLiteral("４"), QStringLiteral("５"), QStringLiteral("６")};
    for (int k = 0; k < 6; ++k) {
        auto* l = new QLabel(digits[k], labels);
        l->setObjectName(QStringLiteral("lblCourse%1").arg(k + 1));
        l->setAlignment(Qt::AlignCenter);
        const int top = CourseEditor::RowTop(k);
        const int bottom = k == 5 ? CoursePool::kHeight : CourseEditor::RowTop(k + 1);
        l->setGeometry(0, top, labels->width(), bottom - top);
    }

    QPushButton* ok = button(QStringLiteral("cmdOk"), QStringLiteral("Ok"), this);
    QPushButton* cancel = button(QStringLiteral("cmdCancel"), QStringLiteral("ｷｬﾝｾﾙ"), this);
    QPushButton* fixed = button(QStringLiteral("cmdWakuNo"), QStringLiteral("進入固定"), this);
    QPushButton* reset = button(QStringLiteral("cmdReset"), QStringLiteral("やり直し"), this);
    QPushButton* system = button(QStringLiteral("cmdSystem"), QStringLiteral("ｼｽﾃﾑ"), this);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addSpacing(12);
    buttons->addWidget(fixed);
    buttons->addWidget(reset);
    buttons->addWidget(system);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(6);
    layout->addWidget(labels, 0, Qt::AlignTop);
    layout->addWidget(pool_, 0, Qt::AlignTop);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, [this] {
        ApplyEditedCourses(app_, editor_, raceNo_);
        Q_EMIT entryApplied(raceNo_);
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(fixed, &QPushButton::clicked, this, [this] {
        editor_.FixEntry();
        refresh();
    });
    connect(reset, &QPushButton::clicked, this, [this] {
        editor_.Load(app_.engine.st.ExpectCourse);
        refresh();
    });
    connect(system, &QPushButton::clicked, this, [this] {
        SystemCourses(app_.engine, editor_, raceNo_);
        refresh();
    });
}

QWidget* frmCourseEditer::pool() const
{
    return pool_;
}

void frmCourseEditer::refresh()
{
    pool_->update();
}

void frmCourseEditer::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    if (placed_)
        return;
    placed_ = true;
    // Centred across the screen, a quarter of the free height from the top.
    if (const QScreen* s = screen()) {
        const QRect free = s->availableGeometry();
        const QSize size = frameGeometry().size();
        move(free.left() + (free.width() - size.width()) / 2, free.top() + (free.height() - size.height()) / 4);
    }
}

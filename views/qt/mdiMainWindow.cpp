#include "views/qt/mdiMainWindow.h"

#include "app/appcontext.h"
#include "engine/racecard.h"
#include "engine/racetimer.h"
#include "platform/qt/qtsurface.h"
#include "views/qt/gridview.h"
#include "views/qt/mdiMainDiagram.h"
#include "views/qt/mdiMainPanels.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kGridMargin = 4;

QFont gothic(int pointSize, bool bold = false, bool proportional = false)
{
    QFont f(proportional ? QStringLiteral("IPAPGothic") : QStringLiteral("IPAGothic"));
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

QtGridSurface& qtSurface(GridSurface& s)
{
    return static_cast<QtGridSurface&>(s);
}

// A grid view sized to its grid and kept at that size.
GridView* makeGridView(GridSurface& surface, cGrid& grid, QWidget* parent)
{
    auto* v = new GridView(qtSurface(surface), &grid, parent);
    v->fitToGrid(kGridMargin);
    v->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return v;
}

// The race card grid sits lower in its picture than the others; the window shows the picture
// from just above the grid, so the grids line up under the title.
QWidget* cropTop(GridView* view, int crop, QWidget* parent)
{
    crop = qMax(0, crop);
    auto* frame = new QWidget(parent);
    const QSize size = view->sizeHint();
    view->setParent(frame);
    view->setGeometry(0, -crop, size.width(), size.height());
    frame->setFixedSize(size.width(), size.height() - crop);
    return frame;
}

QLabel* statusPanel(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setFont(gothic(10, false, true));
    l->setContentsMargins(4, 0, 4, 0);
    return l;
}

} // namespace

mdiMainWindow::mdiMainWindow(AppContext& app, QWidget* parent) : QWidget(parent), app_(app)
{
    mdiMainState& s = app_.engine.raceCard;
    setWindowTitle(mdiMainState::kCaption);
    if (!s.Loaded())
        s.Load(app_.display.DispStyle); // the grids are set up when the window loads

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* body = new QWidget(this);
    auto* col = new QVBoxLayout(body);
    col->setContentsMargins(6, 6, 6, 6);
    col->setSpacing(4);
    buildHeader(col);

    // The course grid is centred in its own picture: make the picture fit the grid first.
    cGrid& course = s.flexCourse;
    qtSurface(s.picCourse()).SetScaleSize(course.Width() + 2 * kGridMargin + 1, course.Height() + 2 * kGridMargin + 1);
    course.MoveCenter();

    picMain_ = makeGridView(s.picMain(), s.flexBangumi, body);
    picSensyu_ = makeGridView(s.picSensyu(), s.flexSensyu, body);
    picCourse_ = makeGridView(s.picCourse(), s.flexCourse, body);
    picMain_->setToolTip(QStringLiteral("展示ﾀｲﾑ: クリックで入力 / 早見: クリックでそのレースへ"));
    col->addWidget(cropTop(picMain_, s.flexBangumi.Top() - kGridMargin, body));
    col->addWidget(picSensyu_);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    bottom->addWidget(picCourse_, 0, Qt::AlignTop);
    picPool_ = new StartDiagramView(s.picPool, body);
    bottom->addWidget(picPool_, 0, Qt::AlignTop);
    picFunaken_ = new UserBetsPanel(body);
    bottom->addWidget(picFunaken_, 0, Qt::AlignTop);
    bottom->addStretch(1);
    col->addLayout(bottom);
    col->addStretch(1);
    outer->addWidget(body, 1);

    auto* bar = new QStatusBar(this);
    bar->setSizeGripEnabled(false);
    for (int p = 1; p <= 4; ++p) {
        sbStatusBar_[size_t(p)] = statusPanel(bar);
        bar->addWidget(sbStatusBar_[size_t(p)], p == 1 ? 3 : 2);
    }
    outer->addWidget(bar);

    connect(picMain_, &GridView::cellClicked, this, &mdiMainWindow::onRaceCardClicked);
    connect(picPool_, &StartDiagramView::clicked, this, &mdiMainWindow::courseEditorRequested);

    timTimer_ = new QTimer(this);
    timTimer_->setInterval(kRaceTimerIntervalMs);
    connect(timTimer_, &QTimer::timeout, this, &mdiMainWindow::timerTick);
    timTimer_->start();

    render();
    resize(sizeHint());
}

mdiMainWindow::~mdiMainWindow() = default;

void mdiMainWindow::buildHeader(QVBoxLayout* col)
{
    auto* head = new QHBoxLayout;
    head->setSpacing(12);

    lblRaceNoTitle_ = new QLabel(this);
    lblRaceNoTitle_->setFont(gothic(15, true, true));
    lblRaceNoTitle_->setMinimumWidth(300);
    head->addWidget(lblRaceNoTitle_, 0, Qt::AlignVCenter);

    lblTanpyo_ = new QLabel(this);
    lblTanpyo_->setFont(gothic(13, true, true));
    lblTanpyo_->setFrameShape(QFrame::StyledPanel); // the verdict apart from the title text
    lblTanpyo_->setContentsMargins(8, 2, 8, 2);
    head->addWidget(lblTanpyo_, 0, Qt::AlignVCenter);
    head->addStretch(1);

    auto* closing = new QFrame(this);
    closing->setFrameShape(QFrame::StyledPanel);
    auto* cl = new QHBoxLayout(closing);
    cl->setContentsMargins(8, 2, 8, 2);
    cl->setSpacing(8);
    lblClosingHour_[0] = new QLabel(closing);
    lblClosingHour_[0]->setFont(gothic(10, false, true));
    lblClosingHour_[1] = new QLabel(closing);
    lblClosingHour_[1]->setFont(gothic(15, true));
    cl->addWidget(lblClosingHour_[0], 0, Qt::AlignVCenter);
    cl->addWidget(lblClosingHour_[1], 0, Qt::AlignVCenter);
    head->addWidget(closing, 0, Qt::AlignVCenter);
    col->addLayout(head);
}

void mdiMainWindow::render()
{
    mdiMainState& s = app_.engine.raceCard;
    ApplyLabel(*lblRaceNoTitle_, s.lblRaceNoTitle);
    lblRaceNoTitle_->setAutoFillBackground(false); // the title sits on the window
    ApplyLabel(*lblClosingHour_[0], s.lblClosingHour[0]);
    ApplyLabel(*lblClosingHour_[1], s.lblClosingHour[1]);
    for (QLabel* l : lblClosingHour_)
        l->setAutoFillBackground(false);
    ApplyLabel(*lblTanpyo_, s.lblTanpyo);
    lblTanpyo_->setAutoFillBackground(false);
    lblTanpyo_->setVisible(s.lblTanpyo.Visible && !s.lblTanpyo.Caption.isEmpty());

    picFunaken_->render(s.lblFunakenTitle, s.userBets);
    picFunaken_->setVisible(s.picFunakenVisible);

    for (int p = 1; p <= 4; ++p)
        if (sbStatusBar_[size_t(p)]->text() != s.sbStatusBar[size_t(p)])
            sbStatusBar_[size_t(p)]->setText(s.sbStatusBar[size_t(p)]);

    picMain_->update();
    picSensyu_->update();
    picCourse_->update();
    picPool_->update();
}

void mdiMainWindow::timerTick()
{
    const bool due = RaceTimerTick(app_.engine);
    render();
    if (due)
        Q_EMIT networkPassDue();
}

void mdiMainWindow::onRaceCardClicked(int col, int row, const QString& value)
{
    if (row < 0)
        return; // below the grid
    if (RaceCardClickOpensExhibition(col)) {
        Q_EMIT exhibitionTimeRequested();
        return;
    }
    if (const int raceNo = RaceCardClickRaceNo(col, value); raceNo > 0)
        Q_EMIT hayamiRaceChosen(raceNo);
}

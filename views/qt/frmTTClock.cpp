#include "views/qt/frmTTClock.h"

#include "app/appcontext.h"
#include "engine/racecard.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

frmTTClock::frmTTClock(AppContext& app, QWidget* parent) : frmTTClock(app, SteadyMilliseconds, parent) {}

frmTTClock::frmTTClock(AppContext& app, MillisecondClock clock, QWidget* parent)
    : QDialog(parent), app_(app), clock_(std::move(clock))
{
    setWindowTitle(QStringLiteral("展示タイム時計"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    const QString hint = QStringLiteral("キー 1～6 で計測を開始し、もう一度押すと停止します");
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(6);
    for (int b = 1; b <= 6; ++b) {
        // The boxes only show the watches: the keys belong to the dialog.
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtTime%1").arg(b));
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAlignment(Qt::AlignRight);
        box->setToolTip(hint);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("計測中00")) + 12);
        auto* label = new QLabel(QStringLiteral("%1号艇：").arg(b), this);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        boxes->addWidget(label, b - 1, 0);
        boxes->addWidget(box, b - 1, 1);
        txt_[size_t(b)] = box;
        lbl_[size_t(b)] = label;
    }

    cmdClose_ = new QPushButton(QStringLiteral("閉じる"), this);
    cmdClose_->setAutoDefault(false);
    cmdClose_->setMinimumWidth(cmdClose_->sizeHint().width());
    connect(cmdClose_, &QPushButton::clicked, this, &frmTTClock::closeClicked);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdClose_);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(16);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    render();
}

QLineEdit* frmTTClock::txtTime(int boat) const
{
    return boat >= 1 && boat <= 6 ? txt_[size_t(boat)] : nullptr;
}

QLabel* frmTTClock::lblBoat(int boat) const
{
    return boat >= 1 && boat <= 6 ? lbl_[size_t(boat)] : nullptr;
}

void frmTTClock::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    adjustSize();
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(TenjiTimeDialogPos(screen->geometry(), frameGeometry().size()));
}

void frmTTClock::keyPressEvent(QKeyEvent* event)
{
    const int boat = TenjiTimeClock::BoatForKey(event->key());
    if (boat == 0) {
        QDialog::keyPressEvent(event);
        return;
    }
    // A held key repeats: only the press itself starts or stops a watch.
    if (!event->isAutoRepeat()) {
        clock_.Press(boat);
        render();
    }
    event->accept();
}

void frmTTClock::closeClicked()
{
    if (closing_)
        return;
    closing_ = true;
    stored_ = clock_.Close(app_.engine);
    done(stored_ ? Accepted : Rejected);
    closing_ = false;
}

void frmTTClock::reject()
{
    closeClicked();
}

void frmTTClock::render()
{
    for (int b = 1; b <= 6; ++b) {
        const QString text = clock_.Text(b);
        if (txt_[size_t(b)]->text() != text)
            txt_[size_t(b)]->setText(text);
    }
}

bool ShowTenjiTimeClock(AppContext& app, QWidget* parent, MillisecondClock clock)
{
    frmTTClock dialog(app, std::move(clock), parent);
    dialog.exec();
    if (!dialog.Stored())
        return false;
    const int raceNo = app.engine.SelectedRaceNo;
    if (raceNo >= 1 && raceNo <= 12)
        ExhibitionDisp(app.engine, raceNo);
    return true;
}

#include "views/qt/frmTenjiTime.h"

#include "app/appcontext.h"
#include "engine/racecard.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

frmTenjiTime::frmTenjiTime(AppContext& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(QStringLiteral("展示タイム入力"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(true);

    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(6);
    boxes->setVerticalSpacing(6);
    for (int i = 0; i < 6; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("txtTenjiTime%1").arg(i));
        box->setAlignment(Qt::AlignRight);
        // Only what the keys type gets in: no paste from menus, drops or input methods.
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        box->setDragEnabled(false);
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->setInputMethodHints(Qt::ImhPreferNumbers);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00000.00")) + 12);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textEdited, this, [this, i] { input_.SetBox(i, boxState(i)); });
        auto* label = new QLabel(QStringLiteral("&%1号艇：").arg(i + 1), this);
        label->setBuddy(box);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        boxes->addWidget(label, i, 0);
        boxes->addWidget(box, i, 1);
        txt_[size_t(i)] = box;
        lbl_[size_t(i)] = label;
    }

    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel_ = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    cmdOK_->setDefault(true);
    cmdOK_->setAutoDefault(false);
    cmdCancel_->setAutoDefault(false);
    const int buttonWidth = std::max(cmdOK_->sizeHint().width(), cmdCancel_->sizeHint().width());
    cmdOK_->setFixedWidth(buttonWidth);
    cmdCancel_->setFixedWidth(buttonWidth);
    connect(cmdOK_, &QPushButton::clicked, this, &frmTenjiTime::ok);
    connect(cmdCancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cmdCancel_);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(16);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (int i = 0; i < 5; ++i)
        setTabOrder(txt_[size_t(i)], txt_[size_t(i + 1)]);
    setTabOrder(txt_[5], cmdOK_);
    setTabOrder(cmdOK_, cmdCancel_);

    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, &frmTenjiTime::focusChanged);

    input_.Load(app_.engine);
    render();
}

frmTenjiTime::~frmTenjiTime()
{
    // The boxes lose the focus while the dialog is torn down: nothing to check then.
    disconnect(focusWatch_);
}

QLineEdit* frmTenjiTime::txtTenjiTime(int index) const
{
    return index >= 0 && index < 6 ? txt_[size_t(index)] : nullptr;
}

QLabel* frmTenjiTime::lblWaku(int index) const
{
    return index >= 0 && index < 6 ? lbl_[size_t(index)] : nullptr;
}

int frmTenjiTime::boxIndex(const QObject* object) const
{
    for (int i = 0; i < 6; ++i)
        if (txt_[size_t(i)] == object)
            return i;
    return -1;
}

int frmTenjiTime::focusIndex(const QWidget* widget) const
{
    if (widget == cmdOK_)
        return TenjiTimeInput::kOk;
    if (widget == cmdCancel_)
        return TenjiTimeInput::kCancel;
    return boxIndex(widget);
}

TenjiTimeBox frmTenjiTime::boxState(int index) const
{
    const QLineEdit* box = txt_[size_t(index)];
    TenjiTimeBox state;
    state.text = box->text();
    state.cursor = box->cursorPosition();
    if (box->hasSelectedText()) {
        state.selStart = box->selectionStart();
        state.selLength = box->selectionLength();
    } else {
        state.selStart = state.cursor;
    }
    return state;
}

void frmTenjiTime::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    adjustSize();
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(TenjiTimeDialogPos(screen->geometry(), frameGeometry().size()));
    render();
}

bool frmTenjiTime::eventFilter(QObject* watched, QEvent* event)
{
    const int index = boxIndex(watched);
    if (index < 0)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return boxKey(index, static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection of other programs.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

bool frmTenjiTime::boxKey(int index, QKeyEvent* key)
{
    // Pasting, cutting and undoing would bring in or take out text that was never typed.
    for (QKeySequence::StandardKey k : {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo})
        if (key->matches(k))
            return true;
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return false; // moves, the default button, cancel and delete work as in any box
    case Qt::Key_Backspace:
        input_.SetBox(index, boxState(index));
        input_.Type(QLatin1Char('\b'));
        render();
        return true;
    default:
        break;
    }
    const QString text = key->text();
    if (text.isEmpty())
        return false; // cursor keys and the like
    input_.SetBox(index, boxState(index));
    for (QChar c : text) {
        if (input_.Focus() != index)
            break;
        input_.Type(c);
    }
    render();
    return true;
}

void frmTenjiTime::focusChanged(QWidget* old, QWidget* now)
{
    if (rendering_ || !now || now->window() != this)
        return;
    const int target = focusIndex(now);
    const int from = boxIndex(old);
    if (target < 0 || target == input_.Focus())
        return;
    if (from >= 0)
        input_.SetBox(from, boxState(from));
    if (!input_.MoveFocus(target)) {
        // The box holds no time: the focus goes back to it (after the click that took it away).
        QTimer::singleShot(0, this, [this] { render(); });
        return;
    }
    render();
    // A click into a box places the cursor after the focus arrived; select the text after it.
    if (target < 6)
        QTimer::singleShot(0, this, [this, target] {
            if (input_.Focus() == target) {
                txt_[size_t(target)]->selectAll();
                input_.SetBox(target, boxState(target));
            }
        });
}

void frmTenjiTime::ok()
{
    const int focused = boxIndex(focusWidget());
    if (focused >= 0)
        input_.SetBox(focused, boxState(focused));
    if (!input_.Ok(app_.engine)) {
        render();
        return;
    }
    render();
    confirmed_ = true;
    accept();
}

void frmTenjiTime::render()
{
    rendering_ = true;
    for (int i = 0; i < 6; ++i) {
        const TenjiTimeBox& state = input_.Box(i);
        QLineEdit* box = txt_[size_t(i)];
        if (box->text() != state.text)
            box->setText(state.text);
        if (i == input_.Focus()) {
            if (state.selLength > 0)
                box->setSelection(state.selStart, state.selLength);
            else
                box->setCursorPosition(state.cursor);
        }
    }
    QWidget* focus = nullptr;
    const int f = input_.Focus();
    if (f >= 0 && f < 6)
        focus = txt_[size_t(f)];
    else if (f == TenjiTimeInput::kOk)
        focus = cmdOK_;
    else if (f == TenjiTimeInput::kCancel)
        focus = cmdCancel_;
    if (focus && focusWidget() != focus)
        focus->setFocus(Qt::OtherFocusReason);
    rendering_ = false;
}

bool ShowTenjiTimeDialog(AppContext& app, QWidget* parent)
{
    frmTenjiTime dialog(app, parent);
    dialog.exec();
    if (!dialog.Confirmed())
        return false;
    const int raceNo = app.engine.SelectedRaceNo;
    if (raceNo >= 1 && raceNo <= 12)
        ExhibitionDisp(app.engine, raceNo);
    return true;
}

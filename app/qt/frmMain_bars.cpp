// The main window's menus, bars and status bar, and how the model's state is shown on them.
#include "app/qt/frmMain.h"

#include "app/appcontext.h"
#include "app/qt/pictures.h"
#include "common/format.h"
#include "common/kyotei.h"
#include "platform/qt/qtsurface.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

// Status panel widths in pixels (panel 1 takes what is left).
constexpr std::array<int, 7> kPanelWidths{0, 0, 150, 150, 90, 50, 40};
// The user index menu opens this far above the status bar (1560 twips).
constexpr int kUserSisuMenuLift = 104;

QFont GothicFont(int pointSize, bool bold = false)
{
    QFont f(MapFontFace(QString()));
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

// Draws the race list entries as they are: the item views' own text layout drops the leading
// blank of " 1", and the race numbers would no longer line up.
class RaceListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
                                          opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(opt.rect.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(8, 6);
    }
};

} // namespace

QAction* frmMain::stadiumItem(int code) const
{
    return code >= 1 && code <= 24 ? mnuKyoteijyoCD_[code] : nullptr;
}

QToolButton* frmMain::stadiumButton(int code) const
{
    return code >= 1 && code <= 24 ? selectButtons_[code] : nullptr;
}

QAction* frmMain::userSisuItem(int index) const
{
    return index >= 0 && index <= 5 ? mnuUserSisuNo_[index] : nullptr;
}

QString frmMain::statusText(int panel) const
{
    return panel >= 1 && panel <= 6 && panels_[panel] ? panels_[panel]->text() : QString();
}

void frmMain::buildMenus()
{
    for (const MainMenuInfo& m : MainMenus()) {
        QMenu* menu = menuBar()->addMenu(m.caption);
        menu->setObjectName(m.name);
        menus_.insert(int(m.menu), menu);
    }
    for (const MainCommand& c : MainCommands()) {
        QMenu* menu = menus_.value(int(c.menu));
        if (c.separatorBefore) {
            QAction* sep = menu->addSeparator();
            if (c.name == QLatin1String("mnuSensyuFileUpdate"))
                sensyuUpdateSeparator_ = sep;
        }
        if (c.name == QLatin1String("mnuUserSisuSelect")) {
            mnuUserSisuSelect_ = menu->addMenu(c.caption);
            mnuUserSisuSelect_->setObjectName(c.name);
            actions_.insert(c.name, mnuUserSisuSelect_->menuAction());
            for (int i = 0; i <= 5; ++i) {
                QAction* a = mnuUserSisuSelect_->addAction(i == 0 ? kUserSisuNone : QString());
                a->setObjectName(QStringLiteral("mnuUserSisuNo%1").arg(i));
                a->setCheckable(true);
                connect(a, &QAction::triggered, this, [this, i] { model_.ChooseUserSisu(i); });
                mnuUserSisuNo_[i] = a;
            }
            continue;
        }
        QAction* a = menu->addAction(c.caption);
        a->setObjectName(c.name);
        // Only commands that do something carry a check mark the user can flip.
        static const QStringList checkable{QStringLiteral("mnuSinnyuFixation"), QStringLiteral("mnuToolBar"),
                                           QStringLiteral("mnuStatusBar"), QStringLiteral("mnuSelectBar")};
        a->setCheckable(checkable.contains(c.name));
        actions_.insert(c.name, a);
    }

    QMenu* select = menus_.value(int(MainMenu::Select));
    // Fixed pitch, so that "11#" stands under "01#".
    select->setFont(GothicFont(10));
    for (int code = 1; code <= 24; ++code) {
        QAction* a = select->addAction(model_.state.stadiums[code].caption);
        a->setObjectName(QStringLiteral("mnuKyoteijyoCD%1").arg(code - 1));
        connect(a, &QAction::triggered, this, [this, code] { model_.SelectStadium(code - 1); });
        mnuKyoteijyoCD_[code] = a;
    }

    QMenu* windows = menus_.value(int(MainMenu::Windows));
    connect(windows, &QMenu::aboutToShow, this, &frmMain::fillWindowsMenu);
}

void frmMain::fillWindowsMenu()
{
    QMenu* windows = menus_.value(int(MainMenu::Windows));
    windows->clear();
    const QList<QMdiSubWindow*> subs = mdiArea_->subWindowList();
    for (QMdiSubWindow* sub : subs) {
        if (!sub->isVisible())
            continue;
        QAction* a = windows->addAction(sub->windowTitle());
        a->setCheckable(true);
        a->setChecked(sub == mdiArea_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, sub] { mdiArea_->setActiveSubWindow(sub); });
    }
}

void frmMain::buildCommandBar()
{
    tbCommand_ = addToolBar(QStringLiteral("tbCommand"));
    tbCommand_->setObjectName(QStringLiteral("tbCommand"));
    tbCommand_->setIconSize(QSize(24, 24));
    tbCommand_->setMovable(false);
    for (const QString& key : CommandToolbarKeys()) {
        if (key.isEmpty()) {
            tbCommand_->addSeparator();
            continue;
        }
        const MainCommand* c = FindToolbarCommand(key);
        QAction* a = tbCommand_->addAction(CommandIcon(key), c ? c->tooltip : key);
        a->setObjectName(key);
        a->setToolTip(c ? c->tooltip : key);
        a->setCheckable(key == QLatin1String("SinnyuFixation"));
        toolButtons_.insert(key, a);
    }
}

void frmMain::buildNavigationBar()
{
    addToolBarBreak();
    tbToolbar_ = addToolBar(QStringLiteral("tbToolbar"));
    tbToolbar_->setObjectName(QStringLiteral("tbToolbar"));
    tbToolbar_->setMovable(false);

    lblKyoteijyo_ = new QLabel(tbToolbar_);
    lblKyoteijyo_->setObjectName(QStringLiteral("lblKyoteijyo"));
    lblKyoteijyo_->setFont(GothicFont(12, true));
    lblKyoteijyo_->setMinimumWidth(130);
    lblKyoteijyo_->setContentsMargins(6, 0, 10, 0);
    tbToolbar_->addWidget(lblKyoteijyo_);

    struct Nav {
        const char* key;
        QStyle::StandardPixmap icon;
        const char16_t* tip;
    };
    const Nav navs[] = {{"min", QStyle::SP_MediaSkipBackward, u"最初のレース"},
                        {"down", QStyle::SP_MediaSeekBackward, u"前のレース"},
                        {"up", QStyle::SP_MediaSeekForward, u"次のレース"},
                        {"max", QStyle::SP_MediaSkipForward, u"最後のレース"}};
    auto addNav = [this](const Nav& n) {
        const QString key = QString::fromLatin1(n.key);
        QAction* a = tbToolbar_->addAction(style()->standardIcon(n.icon), QString::fromUtf16(n.tip));
        a->setObjectName(key);
        connect(a, &QAction::triggered, this, [this, key] { model_.Navigate(key); });
        navButtons_.insert(key, a);
    };
    addNav(navs[0]);
    addNav(navs[1]);

    cboRaceNo_ = new QComboBox(tbToolbar_);
    cboRaceNo_->setObjectName(QStringLiteral("cboRaceNo"));
    cboRaceNo_->setFont(GothicFont(11));
    // The drop-down is a window of its own and does not inherit the font; the entries line up
    // only in the fixed-pitch face.
    cboRaceNo_->view()->setFont(GothicFont(11));
    cboRaceNo_->setItemDelegate(new RaceListDelegate(cboRaceNo_));
    cboRaceNo_->setMinimumWidth(230);
    cboRaceNo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(cboRaceNo_, &QComboBox::activated, this, [this](int index) { model_.SelectRace(index); });
    tbToolbar_->addWidget(cboRaceNo_);

    addNav(navs[2]);
    addNav(navs[3]);

    lblTotalDay_ = new QLabel(tbToolbar_);
    lblTotalDay_->setObjectName(QStringLiteral("lblTotalDay"));
    lblTotalDay_->setFont(GothicFont(11));
    lblTotalDay_->setContentsMargins(12, 0, 8, 0);
    tbToolbar_->addWidget(lblTotalDay_);

    lblDate_ = new QLabel(tbToolbar_);
    lblDate_->setObjectName(QStringLiteral("lblDate"));
    lblDate_->setFont(GothicFont(11));
    lblDate_->setContentsMargins(4, 0, 12, 0);
    tbToolbar_->addWidget(lblDate_);

    lblTitle_ = new QLabel(tbToolbar_);
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    lblTitle_->setFont(GothicFont(11, true));
    lblTitle_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    lblTitle_->setMinimumWidth(120);
    tbToolbar_->addWidget(lblTitle_);

    chkPreviousDay_ = new QCheckBox(QStringLiteral("前夜版"), tbToolbar_);
    chkPreviousDay_->setObjectName(QStringLiteral("chkPreviousDay"));
    connect(chkPreviousDay_, &QCheckBox::toggled, this, [this](bool on) { model_.SetPreviousDay(on); });
    tbToolbar_->addWidget(chkPreviousDay_);
}

void frmMain::buildSelectBar()
{
    addToolBarBreak();
    tbSelectBar_ = addToolBar(QStringLiteral("tbSelectBar"));
    tbSelectBar_->setObjectName(QStringLiteral("picSelect"));
    tbSelectBar_->setMovable(false);
    for (int code = 1; code <= 24; ++code) {
        auto* b = new QToolButton(tbSelectBar_);
        b->setObjectName(QStringLiteral("tbSelectBar%1").arg(code));
        b->setText(KyoteijyoName(code));
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setAutoRaise(true);
        b->setEnabled(false);
        connect(b, &QToolButton::clicked, this, [this, code] { model_.SelectStadium(code - 1); });
        tbSelectBar_->addWidget(b);
        selectButtons_[code] = b;
    }
}

void frmMain::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 1; i <= 6; ++i) {
        auto* l = new QLabel(bar);
        l->setObjectName(QStringLiteral("sbStatusBarPanel%1").arg(i));
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setContentsMargins(4, 0, 4, 0);
        if (i == 1) {
            bar->addWidget(l, 1);
        } else {
            l->setMinimumWidth(kPanelWidths[i]);
            if (i >= 4)
                l->setAlignment(Qt::AlignCenter);
            bar->addPermanentWidget(l);
        }
        panels_[i] = l;
    }
    panels_[2]->installEventFilter(this);
    panels_[2]->setCursor(Qt::PointingHandCursor);

    // Panels 4 and 5 keep the date and time themselves.
    clock_ = new QTimer(this);
    auto tick = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        panels_[4]->setText(FormatDate(now.date(), QStringLiteral("yyyy/mm/dd")));
        panels_[5]->setText(FormatTime(now.time(), QStringLiteral("hh:nn")));
    };
    connect(clock_, &QTimer::timeout, this, tick);
    tick();
    clock_->start(1000);
}

void frmMain::setStatusPanel(int panel, const QString& text)
{
    if (panel >= 1 && panel <= 6 && panels_[panel])
        panels_[panel]->setText(text);
}

void frmMain::popupUserSisuMenu()
{
    if (!mnuUserSisuSelect_ || !panels_[2])
        return;
    const QPoint at = statusBar()->mapToGlobal(QPoint(panels_[2]->x(), 0)) - QPoint(0, kUserSisuMenuLift);
    mnuUserSisuSelect_->popup(at);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == panels_[2] && event->type() == QEvent::MouseButtonRelease) {
        popupUserSisuMenu();
        return true;
    }
    // A right click on the frame's background (not on a child window) pops up the file menu,
    // which stays usable while the menu bar is greyed.
    if (mdiArea_ && watched == mdiArea_->viewport() && event->type() == QEvent::ContextMenu) {
        auto* e = static_cast<QContextMenuEvent*>(event);
        if (!mdiArea_->viewport()->childAt(e->pos())) {
            if (QMenu* file = menus_.value(int(MainMenu::File)))
                file->popup(e->globalPos());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::renderState()
{
    if (rendering_ || !cboRaceNo_)
        return;
    rendering_ = true;
    const MainWindowState& st = model_.state;

    for (auto it = menus_.cbegin(); it != menus_.cend(); ++it)
        it.value()->menuAction()->setEnabled(model_.MenuEnabled(MainMenu(it.key())));
    for (const MainCommand& c : MainCommands()) {
        QAction* a = actions_.value(c.name);
        if (!a)
            continue;
        a->setEnabled(model_.CommandEnabled(c.name));
        a->setVisible(model_.CommandVisible(c.name));
        if (a->isCheckable()) {
            const QSignalBlocker block(a);
            a->setChecked(model_.CommandChecked(c.name));
        }
    }
    if (sensyuUpdateSeparator_)
        sensyuUpdateSeparator_->setVisible(model_.SensyuUpdateEnabled);
    for (auto it = toolButtons_.cbegin(); it != toolButtons_.cend(); ++it) {
        QAction* b = it.value();
        b->setEnabled(model_.ToolButtonEnabled(it.key()));
        b->setVisible(model_.ToolButtonVisible(it.key()));
        if (b->isCheckable()) {
            const QSignalBlocker block(b);
            b->setChecked(model_.ToolButtonPressed(it.key()));
        }
    }

    for (QAction* a : std::as_const(navButtons_))
        a->setEnabled(model_.NavigationEnabled());
    cboRaceNo_->setEnabled(model_.NavigationEnabled());

    for (int code = 1; code <= 24; ++code) {
        const auto& item = st.stadiums[code];
        mnuKyoteijyoCD_[code]->setText(item.caption);
        mnuKyoteijyoCD_[code]->setEnabled(item.enabled);
        selectButtons_[code]->setEnabled(item.enabled);
        selectButtons_[code]->setToolTip(item.tooltip);
    }

    lblKyoteijyo_->setText(st.lblKyoteijyo);
    lblTitle_->setText(st.lblTitle);
    lblTitle_->setToolTip(st.lblTitle);
    lblTotalDay_->setText(st.lblTotalDay);
    lblDate_->setText(st.lblDate);
    {
        const QSignalBlocker block(cboRaceNo_);
        QStringList shown;
        for (int i = 0; i < cboRaceNo_->count(); ++i)
            shown << cboRaceNo_->itemText(i);
        if (shown != st.raceList) {
            cboRaceNo_->clear();
            cboRaceNo_->addItems(st.raceList);
        }
        cboRaceNo_->setCurrentIndex(st.raceIndex);
    }
    {
        const QSignalBlocker block(chkPreviousDay_);
        chkPreviousDay_->setChecked(st.previousDay);
    }

    for (int i = 0; i <= 5; ++i) {
        const auto& item = st.userSisuItems[i];
        QAction* a = mnuUserSisuNo_[i];
        a->setText(item.caption);
        a->setEnabled(item.enabled);
        a->setVisible(item.visible);
        const QSignalBlocker block(a);
        a->setChecked(item.checked);
    }

    tbCommand_->setVisible(st.toolBarVisible);
    statusBar()->setVisible(st.statusBarVisible);
    tbSelectBar_->setVisible(st.selectBarVisible);
    rendering_ = false;
}

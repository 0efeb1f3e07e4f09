#include "views/qt/mdiMainPanels.h"

#include "platform/qt/qtsurface.h"
#include "views/mdiMainState.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {

QLabel* makeLabel(QWidget* parent, Qt::Alignment align, const QFont& font)
{
    auto* l = new QLabel(parent);
    l->setAlignment(align);
    l->setFont(font);
    QSizePolicy sp = l->sizePolicy();
    sp.setRetainSizeWhenHidden(true); // the lines keep their columns when a part is hidden
    l->setSizePolicy(sp);
    return l;
}

QFont gothic(int pointSize, bool bold = false)
{
    QFont f(QStringLiteral("IPAGothic"));
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

} // namespace

void ApplyLabel(QLabel& label, const LabelState& state)
{
    if (label.text() != state.Caption)
        label.setText(state.Caption);
    QPalette pal = label.palette();
    const QColor fore = ToQColor(state.ForeColor), back = ToQColor(state.BackColor);
    if (pal.color(QPalette::WindowText) != fore || pal.color(QPalette::Window) != back) {
        pal.setColor(QPalette::WindowText, fore);
        pal.setColor(QPalette::Window, back);
        label.setPalette(pal);
    }
    label.setAutoFillBackground(true);
    label.setVisible(state.Visible);
}

UserBetsPanel::UserBetsPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* box = new QVBoxLayout(this);
    box->setContentsMargins(8, 6, 8, 8);
    box->setSpacing(6);
    title_ = makeLabel(this, Qt::AlignLeft | Qt::AlignVCenter, gothic(10, true));
    box->addWidget(title_);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    const QFont boat = gothic(11, true), text = gothic(11);
    for (int i = 0; i < 6; ++i) {
        Line& l = lines_[size_t(i)];
        l.first = makeLabel(this, Qt::AlignCenter, boat);
        l.sep = makeLabel(this, Qt::AlignCenter, text);
        l.second = makeLabel(this, Qt::AlignCenter, boat);
        l.odds = makeLabel(this, Qt::AlignRight | Qt::AlignVCenter, text);
        l.hit = makeLabel(this, Qt::AlignCenter, gothic(13, true));
        for (QLabel* boatLabel : {l.first, l.second}) {
            boatLabel->setFixedSize(24, 22);
            boatLabel->setFrameShape(QFrame::Box);
        }
        l.odds->setMinimumWidth(QFontMetrics(text).horizontalAdvance(QStringLiteral("000.0")) + 4);
        l.hit->setMinimumWidth(QFontMetrics(l.hit->font()).horizontalAdvance(QStringLiteral("○")) + 4);
        grid->addWidget(l.first, i, 0);
        grid->addWidget(l.sep, i, 1);
        grid->addWidget(l.second, i, 2);
        grid->addWidget(l.odds, i, 3);
        grid->addWidget(l.hit, i, 4);
    }
    box->addLayout(grid);
    box->addStretch(1);
}

void UserBetsPanel::render(const LabelState& title, const std::array<UserBetLine, 6>& lines)
{
    ApplyLabel(*title_, title);
    for (size_t i = 0; i < lines.size(); ++i) {
        const UserBetLine& s = lines[i];
        Line& l = lines_[i];
        ApplyLabel(*l.first, s.lblUserFunaken);
        ApplyLabel(*l.sep, s.lblSep1);
        ApplyLabel(*l.second, s.lblUserFunaken2);
        ApplyLabel(*l.odds, s.lblUserOdds);
        ApplyLabel(*l.hit, s.lblUserHit);
    }
}

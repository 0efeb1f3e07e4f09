#include "app/qt/frmSplash.h"

#include "app/mainwindowstate.h"
#include "app/qt/pictures.h"
#include "platform/qt/qtsurface.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kStep = 2; // pixels per step
}

SlideInPicture::SlideInPicture(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture), offset_(picture.width())
{
    setFixedSize(picture_.size());
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool SlideInPicture::Step()
{
    if (offset_ <= 0)
        return false;
    offset_ = qMax(0, offset_ - kStep);
    repaint(); // each step is seen at once
    return offset_ > 0;
}

void SlideInPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const int w = picture_.width();
    for (int y = 0; y < picture_.height(); ++y) {
        // Even rows come from the left edge, odd rows from the right.
        const int x = (y % 2 == 0) ? -offset_ : offset_;
        p.drawImage(QPoint(x, y), picture_, QRect(0, y, w, 1));
    }
}

frmSplash::frmSplash(SplashTimings timings, QWidget* parent) : QDialog(parent), t_(timings)
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    picture_ = new SlideInPicture(TitlePicture(), this);
    QFont font(MapFontFace(QString()));
    font.setPointSize(10);

    lblVersion_ = new QLabel(QStringLiteral("Version: ") + VersionText() + QLatin1Char('\n') + kMakerNotice, this);
    lblVersion_->setObjectName(QStringLiteral("lblVersion"));
    lblVersion_->setFont(font);
    lblVersion_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblVersion_->setMinimumHeight(lblVersion_->sizeHint().height());
    lblMessage_ = new QLabel(QStringLiteral("初期化中 ．．．"), this);
    lblMessage_->setObjectName(QStringLiteral("lblMessage"));
    lblMessage_->setFont(font);
    lblMessage_->setMinimumHeight(lblMessage_->sizeHint().height());

    // The labels keep their room while hidden, so nothing jumps when they appear.
    for (QLabel* l : {lblVersion_, lblMessage_}) {
        QSizePolicy sp = l->sizePolicy();
        sp.setRetainSizeWhenHidden(true);
        l->setSizePolicy(sp);
        l->hide();
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addWidget(picture_);
    layout->addWidget(lblVersion_);
    layout->addWidget(lblMessage_);
    setStyleSheet(QStringLiteral("frmSplash { border: 1px solid #7a8aa0; }"));

    stepTimer_ = new QTimer(this);
    stepTimer_->setInterval(t_.stepMs);
    connect(stepTimer_, &QTimer::timeout, this, &frmSplash::slide);
}

void frmSplash::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (started_)
        return;
    started_ = true;
    QTimer::singleShot(t_.startMs, this, [this] { stepTimer_->start(); });
}

void frmSplash::slide()
{
    if (picture_->Step())
        return;
    stepTimer_->stop();
    QTimer::singleShot(t_.versionMs, this, [this] {
        lblVersion_->show();
        QTimer::singleShot(t_.messageMs, this, [this] {
            lblMessage_->show();
            QTimer::singleShot(t_.checkMs, this, &frmSplash::checkDone);
        });
    });
}

void frmSplash::checkDone()
{
    // The stadium data file is taken as current here; its refresh runs elsewhere when stale.
    lblMessage_->setText(lblMessage_->text() + QStringLiteral("．Ok"));
    QTimer::singleShot(t_.doneMs, this, &QDialog::accept);
}

#include "views/qt/mdiResultWindow.h"

#include "app/appcontext.h"
#include "engine/resultdisp.h"
#include "platform/qt/boatpicture.h"
#include "platform/qt/qtsurface.h"
#include "views/qt/gridview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

// The six boats of the slit, drawn over the slit grid at the places the state gives, with the
// start line on the pool's right edge.
class SlitBoats : public QWidget {
public:
    SlitBoats(mdiResultState& state, QWidget* parent) : QWidget(parent), state_(state)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        for (int f = 1; f <= 6; ++f)
            pictures_[f - 1] = BoatPicture(f, mdiResultState::kBoatWidth, mdiResultState::kBoatHeight);
        // The hull ends short of the picture's right edge; shift the pictures so that the bow
        // itself is where the timing puts it.
        bowShift_ = pictures_[0].width() - 1 - bowColumn(pictures_[0]);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const SlitPool& pool = state_.picPool;
        const cGrid& g = state_.grdSlit;
        QPainter p(this);
        // Only the rows of the courses: nothing spills into the title row.
        const int rowsTop = g.Top() + g.RowHeight(0);
        p.setClipRect(QRect(0, rowsTop, width(), g.Top() + g.Height() - rowsTop));
        const int lineX = pool.Left + pool.L();
        p.setPen(QPen(QColor(220, 0, 0), 1, Qt::DashLine));
        p.drawLine(lineX, rowsTop, lineX, g.Top() + g.Height());
        for (int f = 1; f <= 6; ++f) {
            const SlitBoat& b = state_.imgBoat[size_t(f)];
            if (b.Visible)
                p.drawImage(pool.Left + b.Left + bowShift_, pool.Top + b.Top, pictures_[f - 1]);
        }
    }

private:
    // The rightmost column of the picture that is mostly opaque.
    static int bowColumn(const QImage& picture)
    {
        for (int x = picture.width() - 1; x > 0; --x)
            for (int y = 0; y < picture.height(); ++y)
                if (qAlpha(picture.pixel(x, y)) > 128)
                    return x;
        return picture.width() - 1;
    }

    mdiResultState& state_;
    QImage pictures_[6];
    int bowShift_ = 0;
};

namespace {

QtGridSurface& qtSurface(GridSurface& s)
{
    return static_cast<QtGridSurface&>(s);
}

// The window's wallpaper: a pale tile of water ripples.
QImage WallpaperTile()
{
    QImage tile(96, 48, QImage::Format_RGB32);
    tile.fill(QColor(226, 236, 246));
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(205, 220, 238), 1.5));
    for (int row = 0; row < 3; ++row) {
        const qreal y = 8 + row * 16;
        const qreal shift = (row % 2) * 24;
        QPainterPath wave;
        wave.moveTo(-48 + shift, y);
        for (int k = 0; k < 4; ++k) {
            const qreal x = -48 + shift + k * 48;
            wave.quadTo(x + 12, y - 4, x + 24, y);
            wave.quadTo(x + 36, y + 4, x + 48, y);
        }
        p.drawPath(wave);
    }
    return tile;
}

GridView* fixedView(GridSurface& surface, cGrid* grid, QWidget* parent)
{
    auto* view = new GridView(qtSurface(surface), grid, parent);
    view->setFixedSize(qtSurface(surface).image().size());
    return view;
}

} // namespace

mdiResultWindow::mdiResultWindow(AppContext& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setWindowTitle(mdiResultState::kCaption);
    mdiResultState& st = app_.engine.result;
    if (!st.Loaded())
        st.Load();

    heading_ = new QLabel(this);
    QFont headingFont(MapFontFace(QString()));
    headingFont.setPointSize(13);
    headingFont.setBold(true);
    heading_->setFont(headingFont);
    heading_->setTextFormat(Qt::PlainText);
    heading_->setAutoFillBackground(true);
    heading_->setStyleSheet(QStringLiteral("QLabel { background: #FFFFFF; border: 1px solid #8C8C8C; padding: 3px 8px; }"));

    result_ = fixedView(st.picName(), &st.grdResult, this);
    slit_ = fixedView(st.picSlitte(), &st.grdSlit, this);
    boats_ = new SlitBoats(st, slit_);
    boats_->setGeometry(slit_->rect());
    for (int i = 0; i < 2; ++i)
        haito_[i] = fixedView(st.picHaito(i), &st.grdHaito[size_t(i)], this);
    wave_ = fixedView(st.picWave(), &st.grdWave, this);

    notice_ = new QLabel(st.lblNotice.Caption, this);
    QFont noticeFont(MapFontFace(QString()));
    noticeFont.setPointSize(10);
    notice_->setFont(noticeFont);
    notice_->setAlignment(Qt::AlignCenter);
    notice_->setStyleSheet(QStringLiteral("QLabel { color: #202020; }"));

    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    top->addWidget(heading_, 1);
    top->addWidget(wave_, 0, Qt::AlignVCenter);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    middle->addWidget(result_, 0, Qt::AlignTop);
    middle->addWidget(slit_, 0, Qt::AlignTop);
    middle->addStretch(1);

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(8);
    bottom->addWidget(haito_[0], 0, Qt::AlignTop);
    bottom->addWidget(haito_[1], 0, Qt::AlignTop);
    bottom->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->setSpacing(8);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addLayout(bottom);
    layout->addWidget(notice_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    render();
}

mdiResultWindow::~mdiResultWindow() = default;

void mdiResultWindow::DispData(int raceNo)
{
    ::DispData(app_.engine, raceNo);
    render();
}

void mdiResultWindow::render()
{
    const mdiResultState& st = app_.engine.result;
    heading_->setText(st.lblRaceTitle.Caption.trimmed());
    notice_->setText(st.lblNotice.Caption);
    for (GridView* v : {result_, slit_, haito_[0], haito_[1], wave_})
        v->update();
    boats_->update();
}

void mdiResultWindow::paintEvent(QPaintEvent*)
{
    if (wallpaper_.isNull())
        wallpaper_ = QPixmap::fromImage(WallpaperTile());
    QPainter p(this);
    p.drawTiledPixmap(rect(), wallpaper_);
}

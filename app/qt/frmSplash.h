#pragma once
// The splash window of the start-up: the title picture slides in (even rows from the left, odd
// rows from the right, 2 pixels per step), then the version and "初期化中 ．．．"; when the
// start-up checks are done it says "．Ok" for a second and closes.
#include <QDialog>
#include <QImage>

class QLabel;
class QTimer;

struct SplashTimings {
    int startMs = 50;     // after the window is shown, until the picture starts to move
    int stepMs = 4;       // between two steps of the slide-in
    int versionMs = 500;  // after the picture is in place, until the version shows
    int messageMs = 500;  // then until the message shows
    int checkMs = 1500;   // then until the start-up checks run
    int doneMs = 1000;    // how long "．Ok" stays
};

// The picture that slides in: rows drawn at their current offsets on white.
class SlideInPicture : public QWidget {
    Q_OBJECT
public:
    explicit SlideInPicture(const QImage& picture, QWidget* parent = nullptr);
    QSize sizeHint() const override { return picture_.size(); }
    // One step (2 pixels); false when both halves are in place.
    bool Step();
    bool InPlace() const { return offset_ <= 0; }
    int Offset() const { return offset_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage picture_;
    int offset_; // how far the rows still are from their place
};

class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(SplashTimings timings = {}, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return lblVersion_; }
    QLabel* messageLabel() const { return lblMessage_; }
    SlideInPicture* picture() const { return picture_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void slide();
    void checkDone();
    SplashTimings t_;
    SlideInPicture* picture_;
    QLabel* lblVersion_;
    QLabel* lblMessage_;
    QTimer* stepTimer_;
    bool started_ = false;
};

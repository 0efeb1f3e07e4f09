#pragma once
// The race result window: result, slit, payouts, weather ("レース成績"). It renders
// e.result, which the engine's DispData fills.
#include <QPixmap>
#include <QWidget>

class AppContext;
class GridView;
class QLabel;
class SlitBoats;

class mdiResultWindow : public QWidget {
    Q_OBJECT
public:
    explicit mdiResultWindow(AppContext& app, QWidget* parent = nullptr);
    ~mdiResultWindow() override;

    // Fills the window with the result of race raceNo and shows it.
    void DispData(int raceNo);
    // Shows what the state holds now.
    void render();

    // For tests and the main window.
    QLabel* headingLabel() const { return heading_; }
    QLabel* noticeLabel() const { return notice_; }
    GridView* slitView() const { return slit_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    AppContext& app_;
    QLabel* heading_ = nullptr;
    QLabel* notice_ = nullptr;
    GridView* result_ = nullptr;
    GridView* slit_ = nullptr;
    GridView* haito_[2] = {nullptr, nullptr};
    GridView* wave_ = nullptr;
    SlitBoats* boats_ = nullptr;
    QPixmap wallpaper_;
};

#pragma once
// The race card window ("出走表"): the race title, closing time and race type, the race card
// grid, the racer table, the course table, the start-timing diagram, the user bets panel and
// the status bar, all rendered from the engine's window state (e.raceCard). Its timer keeps
// the clock part current every 3 seconds.
#include <QWidget>
#include <array>

class AppContext;
class GridView;
class QLabel;
class QTimer;
class QVBoxLayout;
class StartDiagramView;
class UserBetsPanel;

class mdiMainWindow : public QWidget {
    Q_OBJECT
public:
    explicit mdiMainWindow(AppContext& app, QWidget* parent = nullptr);
    ~mdiMainWindow() override;

    // Refreshes everything shown from the window state.
    void render();

    // The controls, for the main window and tests.
    GridView& picMain() { return *picMain_; }
    GridView& picSensyu() { return *picSensyu_; }
    GridView& picCourse() { return *picCourse_; }
    StartDiagramView& picPool() { return *picPool_; }
    UserBetsPanel& picFunaken() { return *picFunaken_; }
    QLabel& lblRaceNoTitle() { return *lblRaceNoTitle_; }
    QLabel& lblClosingHour(int index) { return *lblClosingHour_[size_t(index == 0 ? 0 : 1)]; }
    QLabel& lblTanpyo() { return *lblTanpyo_; }
    // Status bar panels 1..4.
    QLabel& sbStatusBar(int panel) { return *sbStatusBar_[size_t(panel < 1 || panel > 4 ? 1 : panel)]; }
    QTimer& timTimer() { return *timTimer_; }

public Q_SLOTS:
    // One tick of the 3-second timer: the clock part, then a render.
    void timerTick();

Q_SIGNALS:
    void hayamiRaceChosen(int raceNo);
    void exhibitionTimeRequested();
    void courseEditorRequested();
    // The timer's countdown ran out: the before-race page and the odds are due.
    void networkPassDue();

private:
    void onRaceCardClicked(int col, int row, const QString& value);
    void buildHeader(QVBoxLayout* col);

    AppContext& app_;
    GridView* picMain_ = nullptr;
    GridView* picSensyu_ = nullptr;
    GridView* picCourse_ = nullptr;
    StartDiagramView* picPool_ = nullptr;
    UserBetsPanel* picFunaken_ = nullptr;
    QLabel* lblRaceNoTitle_ = nullptr;
    std::array<QLabel*, 2> lblClosingHour_{};
    QLabel* lblTanpyo_ = nullptr;
    std::array<QLabel*, 5> sbStatusBar_{};
    QTimer* timTimer_ = nullptr;
};

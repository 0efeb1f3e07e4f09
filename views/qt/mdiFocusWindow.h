#pragma once
// The bets window ("推奨舟券"): the ordered bets (２連単 / ３連単) and the unordered bets
// (２連複 / ３連複) on two grids, the confidence text in the status bar; rendered from the
// engine's window state (e.focus).
#include <QWidget>

class AppContext;
class GridView;
class QLabel;

class mdiFocusWindow : public QWidget {
    Q_OBJECT
public:
    explicit mdiFocusWindow(AppContext& app, QWidget* parent = nullptr);

    // Refreshes everything shown from the window state.
    void render();

    GridView& picFocus(int index) { return index == 0 ? *picFocus0_ : *picFocus1_; }
    QLabel& sbStatus() { return *sbStatus_; }

private:
    AppContext& app_;
    GridView* picFocus0_ = nullptr;
    GridView* picFocus1_ = nullptr;
    QLabel* sbStatus_ = nullptr;
};

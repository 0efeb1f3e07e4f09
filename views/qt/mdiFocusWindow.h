#pragma once
// The bets window: the two bet grids and the confidence text ("推奨舟券").
#include <QWidget>

class AppContext;

class mdiFocusWindow : public QWidget {
    Q_OBJECT
public:
    explicit mdiFocusWindow(AppContext& app, QWidget* parent = nullptr);
    void render();

Q_SIGNALS:
    

private:
    AppContext& app_;
};

#pragma once
// The race card window: grids, labels, user bets panel, start diagram ("出走表").
#include <QWidget>

class AppContext;

class mdiMainWindow : public QWidget {
    Q_OBJECT
public:
    explicit mdiMainWindow(AppContext& app, QWidget* parent = nullptr);
    void render();

Q_SIGNALS:
    void hayamiRaceChosen(int raceNo);
    void exhibitionTimeRequested();
    void courseEditorRequested();

private:
    AppContext& app_;
};

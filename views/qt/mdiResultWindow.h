#pragma once
// The race result window: result, slit, payouts, weather ("レース成績").
#include <QWidget>

class AppContext;

class mdiResultWindow : public QWidget {
    Q_OBJECT
public:
    explicit mdiResultWindow(AppContext& app, QWidget* parent = nullptr);
    void DispData(int raceNo);

Q_SIGNALS:
    

private:
    AppContext& app_;
};

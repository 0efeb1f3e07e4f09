#pragma once
// The exhibition time clock ("展示タイム時計"), modal.
#include <QDialog>

class AppContext;

class frmTTClock : public QDialog {
    Q_OBJECT
public:
    explicit frmTTClock(AppContext& app, QWidget* parent = nullptr);

private:
    AppContext& app_;
};

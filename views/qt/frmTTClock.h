#pragma once
// The exhibition time clock ("展示タイム時計"), modal: the keys 1..6 (main keyboard or keypad)
// start and stop a stopwatch per boat; "閉じる" offers to store the six times. The watches live
// in TenjiTimeClock (engine/tenjitime.h); this window shows them and forwards the keys.
#include "engine/tenjitime.h"

#include <QDialog>
#include <array>

class AppContext;
class QLabel;
class QLineEdit;
class QPushButton;

class frmTTClock : public QDialog {
    Q_OBJECT
public:
    explicit frmTTClock(AppContext& app, QWidget* parent = nullptr);
    // With another millisecond clock (tests).
    frmTTClock(AppContext& app, MillisecondClock clock, QWidget* parent = nullptr);

    // True once "閉じる" stored the times (the caller then redraws the exhibition columns).
    bool Stored() const { return stored_; }

    QLineEdit* txtTime(int boat) const; // 1..6
    QLabel* lblBoat(int boat) const;
    QPushButton* cmdClose() const { return cmdClose_; }

    // Esc and the window's close box close the way "閉じる" does.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void closeClicked();
    void render();

    AppContext& app_;
    TenjiTimeClock clock_;
    std::array<QLineEdit*, 7> txt_{};
    std::array<QLabel*, 7> lbl_{};
    QPushButton* cmdClose_ = nullptr;
    bool stored_ = false;
    bool closing_ = false;
};

// Opens the clock modally on the selected race; when it stored times the race card's exhibition
// columns are redrawn (ExhibitionDisp). True when times were stored.
bool ShowTenjiTimeClock(AppContext& app, QWidget* parent, MillisecondClock clock = SteadyMilliseconds);

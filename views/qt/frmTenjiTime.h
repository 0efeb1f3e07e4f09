#pragma once
// The exhibition time dialog ("展示タイム入力"), modal: six boxes for the exhibition times the
// user types in for the selected race. The rules live in TenjiTimeInput (engine/tenjitime.h);
// this window shows its state and forwards keys and focus changes to it.
#include "engine/tenjitime.h"

#include <QDialog>
#include <array>

class AppContext;
class QLabel;
class QLineEdit;
class QPushButton;

class frmTenjiTime : public QDialog {
    Q_OBJECT
public:
    explicit frmTenjiTime(AppContext& app, QWidget* parent = nullptr);
    ~frmTenjiTime() override;

    // True once "OK" stored the boxes (the caller then redraws the exhibition columns).
    bool Confirmed() const { return confirmed_; }

    QLineEdit* txtTenjiTime(int index) const; // 0..5, frames 1..6
    QLabel* lblWaku(int index) const;
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdCancel() const { return cmdCancel_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int boxIndex(const QObject* object) const;
    int focusIndex(const QWidget* widget) const;
    TenjiTimeBox boxState(int index) const;
    bool boxKey(int index, QKeyEvent* key);
    void focusChanged(QWidget* old, QWidget* now);
    void ok();
    void render();

    AppContext& app_;
    TenjiTimeInput input_;
    std::array<QLineEdit*, 6> txt_{};
    std::array<QLabel*, 6> lbl_{};
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
    bool confirmed_ = false;
    bool rendering_ = false;
    QMetaObject::Connection focusWatch_;
};

// Opens the dialog modally on the selected race; after "OK" the race card's exhibition columns
// are redrawn (ExhibitionDisp). True when the user confirmed.
bool ShowTenjiTimeDialog(AppContext& app, QWidget* parent);

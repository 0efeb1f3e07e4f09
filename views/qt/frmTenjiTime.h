#pragma once
// The exhibition time dialog ("展示タイム"), modal.
#include <QDialog>

class AppContext;

class frmTenjiTime : public QDialog {
    Q_OBJECT
public:
    explicit frmTenjiTime(AppContext& app, QWidget* parent = nullptr);

private:
    AppContext& app_;
};

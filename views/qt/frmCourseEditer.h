#pragma once
// The entry course editor ("進入コース エディタ"), modal.
#include <QDialog>

class AppContext;

class frmCourseEditer : public QDialog {
    Q_OBJECT
public:
    explicit frmCourseEditer(AppContext& app, QWidget* parent = nullptr);

private:
    AppContext& app_;
};

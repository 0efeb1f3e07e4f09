#pragma once
// The entry course editor ("進入コース エディタ"), modal: the six boats are dragged into other
// course rows; "Ok" makes that the entry of the selected race and redoes what depends on it.
#include "views/courseeditor.h"

#include <QDialog>

class AppContext;
class CoursePool;
class QPushButton;

class frmCourseEditer : public QDialog {
    Q_OBJECT
public:
    explicit frmCourseEditer(AppContext& app, QWidget* parent = nullptr);

    const CourseEditor& editor() const { return editor_; }
    // The editing area (picPool), for tests.
    QWidget* pool() const;
    int raceNo() const { return raceNo_; }

Q_SIGNALS:
    // "Ok" applied the edited entry to race raceNo (the race card state is up to date).
    void entryApplied(int raceNo);

protected:
    void showEvent(QShowEvent*) override;

private:
    void refresh();

    AppContext& app_;
    CourseEditor editor_;
    int raceNo_ = 0;
    CoursePool* pool_ = nullptr;
    bool placed_ = false;
};

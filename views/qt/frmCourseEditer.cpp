#include "views/qt/frmCourseEditer.h"

// Placeholder until the dialog is built.
frmCourseEditer::frmCourseEditer(AppContext& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(QStringLiteral("進入コース エディタ"));
}

#include "views/qt/frmTenjiTime.h"

// Placeholder until the dialog is built.
frmTenjiTime::frmTenjiTime(AppContext& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(QStringLiteral("展示タイム"));
}

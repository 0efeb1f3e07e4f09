#include "views/qt/frmTTClock.h"

// Placeholder until the dialog is built.
frmTTClock::frmTTClock(AppContext& app, QWidget* parent) : QDialog(parent), app_(app)
{
    setWindowTitle(QStringLiteral("展示タイム時計"));
}

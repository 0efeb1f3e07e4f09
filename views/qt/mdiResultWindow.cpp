#include "views/qt/mdiResultWindow.h"

// Placeholder until the window is built.
mdiResultWindow::mdiResultWindow(AppContext& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setWindowTitle(QStringLiteral("レース成績"));
}

void mdiResultWindow::DispData(int) {}

#include "views/qt/mdiMainWindow.h"

// Placeholder until the window is built.
mdiMainWindow::mdiMainWindow(AppContext& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setWindowTitle(QStringLiteral("出走表"));
}

void mdiMainWindow::render() {}

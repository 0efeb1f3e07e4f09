#include "views/qt/mdiFocusWindow.h"

// Placeholder until the window is built.
mdiFocusWindow::mdiFocusWindow(AppContext& app, QWidget* parent) : QWidget(parent), app_(app)
{
    setWindowTitle(QStringLiteral("推奨舟券"));
}

void mdiFocusWindow::render() {}

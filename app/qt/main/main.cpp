// The desktop program.
#include "app/qt/frmMain.h"
#include "app/qt/startup.h"
#include "common/product.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(kProductName);
    QApplication::setDesktopFileName(QStringLiteral("quorvel"));
    auto session = StartQuorvel(StartupProgramFolder(), StartupSettingsPath());
    if (!session->window)
        return 1;
    return app.exec();
}

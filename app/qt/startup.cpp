#include "app/qt/startup.h"

#include "app/appcontext.h"
#include "app/qt/frmMain.h"
#include "app/qt/pictures.h"
#include "platform/programfolder.h"
#include "platform/qt/qtsurface.h"
#include "platform/qt/qtui.h"
#include "platform/settingsstore.h"

#include <QApplication>

QString StartupProgramFolder()
{
    const QString env = qEnvironmentVariable("QUORVEL_PROGRAM_FOLDER");
    return env.isEmpty() ? ProgramFolder::DefaultRoot() : env;
}

QString StartupSettingsPath()
{
    const QString env = qEnvironmentVariable("QUORVEL_SETTINGS");
    return env.isEmpty() ? SettingsStore::DefaultPath() : env;
}

QuorvelSession::QuorvelSession() = default;

QuorvelSession::~QuorvelSession()
{
    // The window goes before the context it shows.
    window.reset();
    app.reset();
}

std::unique_ptr<QuorvelSession> StartQuorvel(const QString& programFolder, const QString& settingsPath,
                                             const StartupOptions& options)
{
    QApplication::setWindowIcon(ProductIcon());
    auto s = std::make_unique<QuorvelSession>();
    if (options.splash) {
        frmSplash splash(options.splashTimings);
        splash.exec();
    }
    s->settings = std::make_unique<SettingsStore>(settingsPath);
    s->ui = std::make_unique<QtUi>();
    s->ui->scripted = options.scriptedUi;
    s->app = std::make_unique<AppContext>(programFolder, *s->ui, QtSurfaceFactory());
    s->app->Initialise(s->settings.get());
    try {
        s->window = std::make_unique<frmMain>(*s->app, *s->settings, *s->ui);
        s->window->Load();
    } catch (...) {
        s->window.reset();
    }
    return s;
}

#include "app/appcontext.h"

#include "engine/forecastdata.h"
#include "platform/settingsstore.h"

#include <QDir>
#include <QFileInfo>

AppContext::AppContext(const QString& programFolder, UserInterface& ui, SurfaceFactory surfaces)
    : folder(programFolder), engine(folder, ui, std::move(surfaces))
{
    engine.hooks = this;
    InitRankPairs(userSisu);
}

void AppContext::Initialise(const SettingsStore* settings)
{
    for (const char* name : {"Temp", "Print"}) {
        const QString path = folder.AppFilePath(QString::fromLatin1(name));
        if (!QFileInfo(path).isDir())
            QDir().mkpath(path);
    }
    engine.st.UserTenjiTime.Clear();
    InitRankPairs(userSisu);
    LoadUserSisuDefs(userSisu, folder.AppFilePath(QStringLiteral("Users.qvl")));
    display = settings ? ReadDisplaySettings(*settings) : DisplaySettings{};
    engine.st.ReportInProgress = false;
    engine.st.ForecastDataVersion = ForecastDataLoad(QString(), engine.st.ForecastData, folder, engine.ui);
}

void AppContext::ShowUserSisu(int raceNo)
{
    ::ShowUserSisu(engine, userSisu, raceNo);
}

void AppContext::CloseCommentWindow()
{
    if (windows)
        windows->CloseCommentWindow();
}

void AppContext::ShowCompanionWindows(int raceNo)
{
    if (windows)
        windows->ShowCompanionWindows(raceNo);
}

void AppContext::ShowResultWindow(int raceNo)
{
    if (windows)
        windows->ShowResultWindow(raceNo);
}

void AppContext::FocusWindowShown(bool visible)
{
    if (windows)
        windows->FocusWindowShown(visible);
}

DisplaySettings ReadDisplaySettings(const SettingsStore& s)
{
    DisplaySettings d;
    d.DispStyle = s.GetInt(QStringLiteral("Settings"), QStringLiteral("DispStyle"), 0);
    d.FocusPos = s.GetInt(QStringLiteral("Settings"), QStringLiteral("FocusPos"), 1);
    d.StartupLoad = s.GetBool(QStringLiteral("Startup"), QStringLiteral("Load"), true);
    d.DeletePrintDir = s.GetBool(QStringLiteral("Settings"), QStringLiteral("DeletePrintDir"), true);
    d.DeletePrintDirNoMessage = s.GetBool(QStringLiteral("Settings"), QStringLiteral("DeletePrintDirNoMessage"), false);
    return d;
}

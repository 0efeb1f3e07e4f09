#pragma once
// The main window over a copy of the demo program folder, with scripted message boxes, the
// settings in a temporary file, a fixed clock and counted beeps.
#include "app/appcontext.h"
#include "app/qt/frmMain.h"
#include "platform/qt/qtsurface.h"
#include "platform/qt/qtui.h"
#include "platform/settingsstore.h"
#include "guiapp.h"
#include "support/testsupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

// The source tree's demo folder copied into a temporary folder.
struct DemoFolder {
    DemoFolder()
    {
        const QDir demo(TestDataDir() + QStringLiteral("/../../demo"));
        for (const QString& name : demo.entryList(QDir::Files))
            QFile::copy(demo.filePath(name), tmp.filePath(name));
    }
    QString path() const { return tmp.path(); }
    QString file(const QString& name) const { return tmp.filePath(name); }
    QTemporaryDir tmp;
};

// Counts the refreshes (each full refresh first closes the comments window) and passes the
// calls on to the window.
struct CountingHooks : EngineHooks {
    explicit CountingHooks(EngineHooks* inner) : inner(inner) {}
    void ShowUserSisu(int raceNo) override { inner->ShowUserSisu(raceNo); }
    void CloseCommentWindow() override
    {
        ++refreshes;
        inner->CloseCommentWindow();
    }
    void ShowCompanionWindows(int raceNo) override { inner->ShowCompanionWindows(raceNo); }
    void ShowResultWindow(int raceNo) override { inner->ShowResultWindow(raceNo); }
    void FocusWindowShown(bool visible) override { inner->FocusWindowShown(visible); }
    EngineHooks* inner;
    int refreshes = 0;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
    {
        TestApplication();
        // Anything the clean-up moves to the trash stays in the temporary folder.
        qputenv("XDG_DATA_HOME", trashHome.path().toLocal8Bit());
        ui.scripted = true;
    }
    ~MainWindowTest() override
    {
        window.reset();
        app.reset();
    }

    // Builds the context and the window (not loaded yet); `today` is the clock's date.
    void Create(const QDate& today = QDate(2024, 1, 6))
    {
        app = std::make_unique<AppContext>(demo.path(), ui, QtSurfaceFactory());
        app->engine.now = [today] { return QDateTime(today, QTime(12, 0)); };
        app->Initialise(&settings);
        window = std::make_unique<frmMain>(*app, settings, ui);
        window->beep = [this] { ++beeps; };
        window->openAddress = [this](const QString& address) {
            addresses << address;
            return true;
        };
    }
    // Built and loaded: placement, bars, and the start-up reload when the settings ask for it.
    void CreateAndLoad(const QDate& today = QDate(2024, 1, 6))
    {
        Create(today);
        window->Load();
    }
    // Loaded with stadium 24 of the demo's program shown.
    void LoadDemoStadium()
    {
        settings.SetString(QStringLiteral("Startup"), QStringLiteral("KyoteijyoCode"), QStringLiteral("24"));
        CreateAndLoad();
        ASSERT_EQ(app->engine.Bangumi.KyoteijyoCode(), QStringLiteral("24"));
    }
    QStringList messageTitles() const
    {
        QStringList titles;
        for (const auto& m : ui.shown)
            titles << m.title;
        return titles;
    }

    DemoFolder demo;
    QTemporaryDir settingsDir;
    QTemporaryDir trashHome;
    SettingsStore settings{settingsDir.filePath(QStringLiteral("Quorvel6.ini"))};
    QtUi ui;
    std::unique_ptr<AppContext> app;
    std::unique_ptr<frmMain> window;
    int beeps = 0;
    QStringList addresses;
};

#pragma once
// Shared by the result window and course editor widget tests: the one QApplication of the test
// program and the demo program folder loaded as the desktop program loads it.
#include "app/appcontext.h"
#include "app/selection.h"
#include "platform/qt/qtsurface.h"
#include "support/testsupport.h"

#include "guiapp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

// The demo folder copied into a temporary program folder, stadium 24 loaded with Qt surfaces.
struct DemoDesk {
    DemoDesk()
    {
        const QDir demo(TestDataDir() + QStringLiteral("/../../demo"));
        for (const QString& name : demo.entryList(QDir::Files))
            QFile::copy(demo.filePath(name), tmp.filePath(name));
        app = std::make_unique<AppContext>(tmp.path(), ui, QtSurfaceFactory());
        app->Initialise(nullptr);
        app->engine.raceCard.Load(app->display.DispStyle);
        loaded = LoadStadium(app->engine, 24, tmp.path());
    }

    // Saves a picture of the widget into the temporary folder, or into the folder named by
    // QUORVEL_GUI_SHOTS when set (to look at it).
    QString shot(QWidget& w, const QString& name)
    {
        const QString dir = qEnvironmentVariableIsSet("QUORVEL_GUI_SHOTS") ? qEnvironmentVariable("QUORVEL_GUI_SHOTS")
                                                                          : tmp.path();
        const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
        w.grab().save(path);
        return path;
    }

    QTemporaryDir tmp;
    RecordingUi ui;
    std::unique_ptr<AppContext> app;
    bool loaded = false;
};

#pragma once
// Widget tests of the race card and bets windows: the test program's one QApplication, and the
// demo program folder loaded as the desktop program loads it (image-backed pictures, 大村 of
// 6 January 2024, the clock at 10:00 of that day so that no race has closed yet).
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
#include <gtest/gtest.h>
#include <memory>

struct DemoWindowsContext {
    explicit DemoWindowsContext(int raceNo = 1)
    {
        const QDir demo(TestDataDir() + QStringLiteral("/../../demo"));
        for (const QString& name : demo.entryList(QDir::Files))
            QFile::copy(demo.filePath(name), tmp.filePath(name));
        app = std::make_unique<AppContext>(tmp.path(), ui, QtSurfaceFactory());
        app->Initialise(nullptr);
        const QDateTime now(QDate(2024, 1, 6), QTime(10, 0));
        app->engine.now = [now] { return now; };
        app->engine.raceCard.Load(app->display.DispStyle);
        loaded = LoadStadium(app->engine, 24, tmp.path());
        if (loaded && raceNo > 0)
            ChooseRace(app->engine, raceNo);
    }

    Engine& engine() { return app->engine; }

    QTemporaryDir tmp;
    RecordingUi ui;
    std::unique_ptr<AppContext> app;
    bool loaded = false;
};

// Saves a window's picture into the folder named by QUORVEL_WINDOWS_PNG, when it is set, for a
// look at what the user sees.
inline void SaveWindowPicture(QWidget& w, const QString& name)
{
    const QString dir = qEnvironmentVariable("QUORVEL_WINDOWS_PNG");
    if (!dir.isEmpty())
        w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

#include "views/cGrid.h"

#include <QMouseEvent>
#include <QImage>

// A cell's rectangle in its picture's pixels (borders included).
inline QRect CellRect(const cGrid& g, int row, int col)
{
    int x = g.Left(), y = g.Top();
    for (int c = 0; c < col; ++c)
        x += g.ColWidth(c);
    for (int r = 0; r < row; ++r)
        y += g.RowHeight(r);
    return QRect(x, y, g.ColWidth(col), g.RowHeight(row));
}

// A left click (press and release) at a point of a widget.
inline void ClickAt(QWidget& w, QPoint at)
{
    const QPointF local(at), global(w.mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
    QApplication::sendEvent(&w, &release);
}

// The colour of a point of a widget as it is shown.
inline QColor PixelOf(QWidget& w, QPoint at)
{
    return w.grab().toImage().pixelColor(at);
}

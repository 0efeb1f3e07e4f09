#pragma once
// Plain state of the small controls the windows show (labels, status panels); the engine
// writes it, the Qt windows render it.
#include "views/gridsurface.h"

#include <QString>
#include <functional>
#include <memory>

struct LabelState {
    QString Caption;
    ColorRef ForeColor = 0x000000;
    ColorRef BackColor = 0xFFFFFF;
    bool Visible = true;
};

// Makes the drawing surface of a named picture box ("picMain", "picSensyu", ...). The default
// gives display-less surfaces; the Qt windows give image-backed ones.
using SurfaceFactory = std::function<std::unique_ptr<GridSurface>(const QString& name)>;
SurfaceFactory HeadlessSurfaceFactory();

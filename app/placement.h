#pragma once
// The main window's placement ("Startup"/"FormSize") and its saved position and size, which
// the settings keep in twips (15 twips per pixel).
#include <QRect>
#include <QSize>

class SettingsStore;

constexpr int kTwipsPerPixel = 15;

struct WindowPlacement {
    int FormSizeMode = 0; // 0 work area, 1 saved placement, 2 maximised (-1 and others end as 0)
    bool maximised = false;
    QRect rect;           // pixels; for a maximised window the size it returns to
};

// The placement of the window load. `workArea` is the desktop less its panels and `screen`
// the whole screen, both in pixels. Saved values that are not numbers, or a Top / Left outside
// the screen, give their defaults (0, 0, 9000, 12000 twips).
WindowPlacement ReadPlacement(const SettingsStore& settings, const QRect& workArea, const QSize& screen);

// Writes "Top", "Left", "Height", "Width" in twips (the exit in mode 1).
void SavePlacement(SettingsStore& settings, const QRect& rect);

#pragma once
#include <QString>

// Moves a file to the desktop's trash (freedesktop.org trash under $XDG_DATA_HOME/Trash).
bool MoveToTrash(const QString& path);

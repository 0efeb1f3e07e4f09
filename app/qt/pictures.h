#pragma once
// The program's own pictures, drawn rather than shipped: the toolbar icons, the window icon
// and the splash window's title picture.
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QString>

// A small square button picture: one or two characters in a rounded frame.
QIcon GlyphIcon(const QString& glyph, const QColor& color);
// The command toolbar picture of a button key ("New", "Print" ...).
QIcon CommandIcon(const QString& key);
// The window icon: a boat on a wave in a blue disc.
QIcon ProductIcon();
// The title picture of the splash window (white background).
QImage TitlePicture();

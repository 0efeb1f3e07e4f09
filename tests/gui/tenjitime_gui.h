#pragma once
// Helpers of the exhibition time dialog tests: key presses sent the way the window system
// delivers them.
#include "guiapp.h"

#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <gtest/gtest.h>

inline void TenjiTimeSendKey(QWidget* target, int key, const QString& text,
                             Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool autoRepeat = false)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(target, &release);
}

// The key code of a typed character: digits, ".", letters, backspace ("\b") and Tab ("\t").
inline int TenjiTimeKeyOf(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return Qt::Key_0 + (c.unicode() - '0');
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
        return Qt::Key_A + (c.unicode() - 'a');
    switch (c.unicode()) {
    case '.': return Qt::Key_Period;
    case '\b': return Qt::Key_Backspace;
    case '\t': return Qt::Key_Tab;
    case ' ': return Qt::Key_Space;
    case '-': return Qt::Key_Minus;
    default: return Qt::Key_unknown;
    }
}

// Types each character into whichever widget has the focus at that moment.
inline void TenjiTimeTypeKeys(const QString& keys)
{
    for (QChar c : keys) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            return;
        TenjiTimeSendKey(focus, TenjiTimeKeyOf(c), QString(c));
    }
}

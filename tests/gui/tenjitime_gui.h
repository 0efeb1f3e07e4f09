#pragma once
// Helpers of the exhibition time dialog tests: one QApplication for the program (an existing
// one is reused) and key presses sent the way the window system delivers them.
#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <gtest/gtest.h>

// Makes the QApplication before the first test unless one exists, and deletes the one it made
// after the last (a QApplication left to the exit handlers outlives parts of Qt).
class TenjiTimeAppEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        if (QCoreApplication::instance())
            return;
        static int argc = 1;
        static char name[] = "test_gui";
        static char* argv[] = {name, nullptr};
        owned_ = new QApplication(argc, argv);
    }
    void TearDown() override
    {
        delete owned_;
        owned_ = nullptr;
    }

private:
    QApplication* owned_ = nullptr;
};

inline ::testing::Environment* const kTenjiTimeAppEnvironment =
    ::testing::AddGlobalTestEnvironment(new TenjiTimeAppEnvironment);

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

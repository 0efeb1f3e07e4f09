#pragma once
// The two exhibition time dialogs without their windows: the input of the exhibition time
// dialog (frmTenjiTime: its typing rules, focus moves and what OK stores) and the exhibition
// time clock (frmTTClock: one stopwatch per boat on the keys 1..6). Both work on the selected
// race of the selected stadium and write UserTenjiTime; the windows only show the state kept
// here and forward keys and focus changes.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtCore/qnamespace.h>
#include <QString>
#include <array>
#include <functional>
#include <optional>

struct Engine;

// Both dialogs: centred horizontally, top at one third of the free height of the screen.
QPoint TenjiTimeDialogPos(const QRect& screen, const QSize& dialog);

// ---- exhibition time dialog -----------------------------------------------------------------

// The most characters a box takes by typing.
constexpr int kTenjiTimeMaxLength = 4;

// What a box holds: its text, the cursor and the selected range (selLength 0 = none).
struct TenjiTimeBox {
    QString text;
    int cursor = 0;
    int selStart = 0;
    int selLength = 0;
};

// One character typed into a box: the digits 0-9, "." and backspace (u'\b') are taken; a
// character that would make the text longer than four characters is refused, like every other
// character. The box after the key, or nothing when the key is refused.
std::optional<TenjiTimeBox> TenjiTimeType(const TenjiTimeBox& box, QChar key);

// The time a box's text stands for: empty text is 0 (no time); a number is taken as shown
// "0.00" (rounded to hundredths); anything else, and a number outside 0..9999.99 (the most
// four typed characters give), is no time at all.
std::optional<float> TenjiTimeValue(const QString& text);

// The dialog's six boxes and where the focus is.
class TenjiTimeInput {
public:
    // Focus positions after the six boxes (0..5).
    static constexpr int kOk = 6;
    static constexpr int kCancel = 7;

    // Each box shows UserTenjiTime of its frame for the selected race and stadium, "0.00"; the
    // focus is in the first box with its text selected.
    void Load(const Engine& e);

    const TenjiTimeBox& Box(int box) const; // 0..5; anything else gives an empty box
    // Takes over what the window's box holds now (the user may have moved the cursor).
    void SetBox(int box, const TenjiTimeBox& state);
    int Focus() const { return focus_; }

    // A character typed into the focused box. False when refused (or no box has the focus).
    // When a typed character fills the box to four characters the focus moves on to the next
    // box, after the sixth to "OK", provided the box may be left.
    bool Type(QChar key);

    // Moves the focus to a box, "OK" or "ｷｬﾝｾﾙ". Leaving a box whose text is a time shows it
    // "0.00"; any other text keeps the focus in the box (false). Going to "ｷｬﾝｾﾙ" never checks,
    // so the dialog can always be cancelled. Entering a box selects its whole text.
    bool MoveFocus(int target);

    // "OK": checks the focused box as leaving it does, then stores every box into UserTenjiTime
    // for its frame, the selected race and stadium. False, with nothing stored and the focus in
    // the first box that holds no time, when a box is not a time.
    bool Ok(Engine& e);

private:
    bool leave(int box);
    std::array<TenjiTimeBox, 6> boxes_;
    int focus_ = 0;
};

// ---- exhibition time clock ------------------------------------------------------------------

// Milliseconds of a clock that only moves forward (the system's monotonic clock).
using MillisecondClock = std::function<qint64()>;
qint64 SteadyMilliseconds();

class TenjiTimeClock {
public:
    explicit TenjiTimeClock(MillisecondClock clock = SteadyMilliseconds);

    // The boat of a key: Qt::Key_1..Qt::Key_6 (main keyboard and keypad alike), 0 for others.
    static int BoatForKey(int qtKey);

    // A press of a boat's key (1..6; others are ignored): the first starts its watch and shows
    // "計測中", the second stops it and shows the elapsed seconds "0.00"; the watch is then
    // reset, so the next press starts it again.
    void Press(int boat);
    QString Text(int boat) const; // "" before the first press
    bool Running(int boat) const;
    // All six boxes hold a time.
    bool AllNumeric() const;

    // "閉じる": when all six boxes hold a time, asks "展示タイムを更新しますか。" and on Yes stores
    // them into UserTenjiTime for the selected race and stadium. True when stored.
    bool Close(Engine& e);

private:
    MillisecondClock clock_;
    std::array<QString, 7> text_;
    std::array<std::optional<qint64>, 7> started_;
};

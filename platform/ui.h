#pragma once
// What the core needs from the user: message boxes, questions, input boxes, a moment for
// pending window events, and the main window's status text. The Qt layer implements it with
// real dialogs; tests use a recording fake and assert the exact titles and texts.
#include <QString>
#include <optional>

enum class MsgIcon { None, Information, Warning, Critical, Question };

class UserInterface {
public:
    virtual ~UserInterface() = default;

    // A message box with a single OK button. An empty title means the product name.
    virtual void ShowMessage(const QString& text, MsgIcon icon, const QString& title = {}) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool AskYesNo(const QString& text, const QString& title = {}) = 0;
    // An input box; no value when the user cancels.
    virtual std::optional<QString> AskText(const QString& prompt, const QString& title,
                                           const QString& defaultText) = 0;
    // Lets pending window events run (a no-op without a window system).
    virtual void ProcessEvents() {}
    // Text of a panel of the main window's status bar (1-based).
    virtual void SetStatusText(int panel, const QString& text) {}
};

// Answers nothing and shows nothing: for batch work where a file that does not load is simply
// left out (table building, benchmarks).
class SilentUi : public UserInterface {
public:
    void ShowMessage(const QString&, MsgIcon, const QString& = {}) override { ++messages; }
    bool AskYesNo(const QString&, const QString& = {}) override { return false; }
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override { return std::nullopt; }
    int messages = 0; // how many boxes would have been shown
};

// Prints message boxes to standard error as "title: text" and answers every question with
// No; used by the command-line front end.
class ConsoleUi : public UserInterface {
public:
    void ShowMessage(const QString& text, MsgIcon icon, const QString& title = {}) override;
    bool AskYesNo(const QString& text, const QString& title = {}) override;
    std::optional<QString> AskText(const QString& prompt, const QString& title, const QString& defaultText) override;
    int messageCount() const { return count_; }

private:
    int count_ = 0;
};

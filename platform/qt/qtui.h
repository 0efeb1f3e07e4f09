#pragma once
// The user-interface interface with Qt message boxes and input boxes. For widget tests it can
// be told the next answers in advance; it then records instead of showing anything.
#include "platform/ui.h"

#include <QStatusBar>
#include <QString>
#include <QVector>
#include <deque>
#include <functional>

class QWidget;

class QtUi : public UserInterface {
public:
    explicit QtUi(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }

    void ShowMessage(const QString& text, MsgIcon icon, const QString& title = {}) override;
    bool AskYesNo(const QString& text, const QString& title = {}) override;
    std::optional<QString> AskText(const QString& prompt, const QString& title, const QString& defaultText) override;
    void ProcessEvents() override;
    void SetStatusText(int panel, const QString& text) override;

    // Where status texts go (the main window's panels); panel 1..6.
    std::function<void(int, const QString&)> statusSink;

    // Test mode: no dialog is shown; messages are recorded and questions take these answers
    // (No / cancel when they run out).
    bool scripted = false;
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<QString>> textAnswers;
    struct Shown {
        QString kind, title, text;
    };
    QVector<Shown> shown;

private:
    QWidget* owner_;
};

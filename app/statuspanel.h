#pragma once
// Progress text in the first panel of the main window's status bar, cleared when the
// operation that showed it ends, on every path.
#include "platform/ui.h"

class StatusPanelText {
public:
    explicit StatusPanelText(UserInterface& ui) : ui_(ui) {}
    ~StatusPanelText()
    {
        if (shown_)
            ui_.SetStatusText(1, QString());
    }
    StatusPanelText(const StatusPanelText&) = delete;
    StatusPanelText& operator=(const StatusPanelText&) = delete;

    void Show(const QString& text)
    {
        ui_.SetStatusText(1, text);
        shown_ = true;
    }

private:
    UserInterface& ui_;
    bool shown_ = false;
};

#pragma once
// Shared test helpers: a recording user interface and the paths of the test data.
#include "platform/ui.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>
#include <deque>

struct RecordedMessage {
    QString kind;  // "message", "question", "input"
    QString title; // as given (empty means the product name)
    QString text;
    MsgIcon icon = MsgIcon::None;
};

class RecordingUi : public UserInterface {
public:
    void ShowMessage(const QString& text, MsgIcon icon, const QString& title = {}) override;
    bool AskYesNo(const QString& text, const QString& title = {}) override;
    std::optional<QString> AskText(const QString& prompt, const QString& title, const QString& defaultText) override;
    void ProcessEvents() override { ++processEvents; }
    void SetStatusText(int panel, const QString& text) override;

    QVector<RecordedMessage> messages;
    std::deque<bool> yesNoAnswers;                  // next answers; No when empty
    std::deque<std::optional<QString>> textAnswers; // next input box answers; cancel when empty
    QStringList statusTexts;                        // every status text written, "panel:text"
    int processEvents = 0;
};

// Folder of tests/data (the source tree's copy).
QString TestDataDir();
// A file below tests/data/real, e.g. RealData("program/B240101.TXT").
QString RealData(const QString& relative);
QByteArray ReadAll(const QString& path);
bool WriteAll(const QString& path, const QByteArray& data);

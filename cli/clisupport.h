#pragma once
// Shared pieces of the command-line front end.
#include "platform/ui.h"

#include <QJsonDocument>
#include <QString>
#include <QTemporaryDir>

// Message boxes go to standard error as "title: text"; the last text is kept so a failed
// load can be reported in the JSON.
class CliUi : public ConsoleUi {
public:
    void ShowMessage(const QString& text, MsgIcon icon, const QString& title = {}) override
    {
        lastText = text;
        ConsoleUi::ShowMessage(text, icon, title);
    }
    QString lastText;
};

// The path of the text to read: the file itself, or the member extracted from an .lzh archive
// into `scratch`. Empty when the archive cannot be extracted.
QString TextOrExtracted(const QString& path, const QTemporaryDir& scratch);

// Prints a JSON document as UTF-8 on standard output.
void PrintJson(const QJsonDocument& doc);

#include "platform/ui.h"

#include "common/product.h"

#include <cstdio>

void ConsoleUi::ShowMessage(const QString& text, MsgIcon, const QString& title)
{
    ++count_;
    const QString t = title.isEmpty() ? kProductName : title;
    QString oneLine = text;
    oneLine.replace(QLatin1String("\r\n"), QLatin1String(" "));
    std::fprintf(stderr, "%s: %s\n", t.toUtf8().constData(), oneLine.toUtf8().constData());
}

bool ConsoleUi::AskYesNo(const QString& text, const QString& title)
{
    ShowMessage(text, MsgIcon::Question, title);
    return false;
}

std::optional<QString> ConsoleUi::AskText(const QString&, const QString&, const QString&)
{
    return std::nullopt;
}

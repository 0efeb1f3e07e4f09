#include "platform/qt/qtui.h"

#include "common/product.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

void QtUi::ShowMessage(const QString& text, MsgIcon icon, const QString& title)
{
    const QString caption = title.isEmpty() ? kProductName : title;
    if (scripted) {
        shown.append({QStringLiteral("message"), caption, text});
        return;
    }
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
    case MsgIcon::Information: qicon = QMessageBox::Information; break;
    case MsgIcon::Warning: qicon = QMessageBox::Warning; break;
    case MsgIcon::Critical: qicon = QMessageBox::Critical; break;
    case MsgIcon::Question: qicon = QMessageBox::Question; break;
    case MsgIcon::None: break;
    }
    QMessageBox box(qicon, caption, text, QMessageBox::Ok, owner_);
    box.exec();
}

bool QtUi::AskYesNo(const QString& text, const QString& title)
{
    const QString caption = title.isEmpty() ? kProductName : title;
    if (scripted) {
        shown.append({QStringLiteral("question"), caption, text});
        if (yesNoAnswers.empty())
            return false;
        const bool a = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return a;
    }
    return QMessageBox::question(owner_, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

std::optional<QString> QtUi::AskText(const QString& prompt, const QString& title, const QString& defaultText)
{
    const QString caption = title.isEmpty() ? kProductName : title;
    if (scripted) {
        shown.append({QStringLiteral("input"), caption, prompt});
        if (textAnswers.empty())
            return std::nullopt;
        auto a = textAnswers.front();
        textAnswers.pop_front();
        return a;
    }
    bool ok = false;
    const QString text = QInputDialog::getText(owner_, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtUi::ProcessEvents()
{
    QApplication::processEvents();
}

void QtUi::SetStatusText(int panel, const QString& text)
{
    if (statusSink)
        statusSink(panel, text);
}

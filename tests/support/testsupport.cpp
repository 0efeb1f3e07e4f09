#include "testsupport.h"

#include <QFile>

void RecordingUi::ShowMessage(const QString& text, MsgIcon icon, const QString& title)
{
    messages.append({QStringLiteral("message"), title, text, icon});
}

bool RecordingUi::AskYesNo(const QString& text, const QString& title)
{
    messages.append({QStringLiteral("question"), title, text, MsgIcon::Question});
    if (yesNoAnswers.empty())
        return false;
    const bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
}

std::optional<QString> RecordingUi::AskText(const QString& prompt, const QString& title, const QString&)
{
    messages.append({QStringLiteral("input"), title, prompt, MsgIcon::None});
    if (textAnswers.empty())
        return std::nullopt;
    auto a = textAnswers.front();
    textAnswers.pop_front();
    return a;
}

void RecordingUi::SetStatusText(int panel, const QString& text)
{
    statusTexts.append(QString::number(panel) + QLatin1Char(':') + text);
}

QString TestDataDir()
{
    const QByteArray env = qgetenv("QUORVEL_TEST_DATA");
    if (!env.isEmpty())
        return QString::fromLocal8Bit(env);
    return QStringLiteral(QUORVEL_TEST_DATA_DIR);
}

QString RealData(const QString& relative)
{
    return TestDataDir() + QStringLiteral("/real/") + relative;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool WriteAll(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(data) == data.size();
}

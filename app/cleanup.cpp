#include "app/cleanup.h"

#include "platform/shell.h"
#include "platform/ui.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

QDate CleanupCutoff(const QDate& today)
{
    return QDate(today.year(), today.month(), 1).addMonths(-1).addDays(today.day() - 1);
}

bool IsCleanupDay(const QDate& today)
{
    return today.day() == 10 || today.day() == 20 || today.day() == 30;
}

void DeleteOldFiles(const QString& folder, const QString& pattern, bool noConfirmation, UserInterface& ui,
                    const QDate& today)
{
    if (pattern.isEmpty() || folder.isEmpty() || !QFileInfo(folder).isDir())
        return;
    ui.SetStatusText(1, folder + QStringLiteral(" 削除中 ..."));
    const QDateTime cutoff(CleanupCutoff(today), QTime(0, 0));
    // "*.*" means every file, as on the desktop it came from.
    const QStringList filters = (pattern == QLatin1String("*.*")) ? QStringList{QStringLiteral("*")} : QStringList{pattern};
    QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList(filters, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QFileInfo& fi : files) {
        if (!fi.isFile() || fi.isSymLink())
            continue;
        if (fi.lastModified() > cutoff)
            continue;
        if (noConfirmation
            || ui.AskYesNo(QStringLiteral("'%1' をごみ箱に移動しますか?").arg(fi.fileName()),
                           QStringLiteral("ファイルの削除")))
            MoveToTrash(fi.absoluteFilePath());
        ui.ProcessEvents();
    }
    ui.SetStatusText(1, QString());
}

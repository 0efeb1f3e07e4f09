#include "platform/shell.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

// The freedesktop.org home trash: files/ holds the file, info/ a .trashinfo with the original
// path and the deletion time, so the desktop's trash can restore it.
bool MoveToTrash(const QString& path)
{
    const QFileInfo source(path);
    if (!source.exists())
        return false;
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (dataHome.isEmpty())
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    const QString trash = dataHome + QStringLiteral("/Trash");
    if (!QDir().mkpath(trash + QStringLiteral("/files")) || !QDir().mkpath(trash + QStringLiteral("/info")))
        return false;

    const QString base = source.fileName();
    QString name = base;
    for (int n = 2;; ++n) {
        QFile info(trash + QStringLiteral("/info/") + name + QStringLiteral(".trashinfo"));
        if (!QFileInfo::exists(trash + QStringLiteral("/files/") + name) && info.open(QIODevice::NewOnly)) {
            const QByteArray text = "[Trash Info]\nPath="
                + QUrl::toPercentEncoding(source.absoluteFilePath(), "/") + "\nDeletionDate="
                + QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + "\n";
            const bool written = info.write(text) == text.size();
            info.close();
            const QString target = trash + QStringLiteral("/files/") + name;
            bool moved = written && QFile::rename(source.absoluteFilePath(), target);
            if (!moved && written && QFile::copy(source.absoluteFilePath(), target)) // another file system
                moved = QFile::remove(source.absoluteFilePath());
            if (!moved)
                QFile::remove(info.fileName());
            return moved;
        }
        if (n > 10000)
            return false;
        name = QFileInfo(base).completeBaseName() + QStringLiteral(".") + QString::number(n)
            + (QFileInfo(base).suffix().isEmpty() ? QString() : QStringLiteral(".") + QFileInfo(base).suffix());
    }
}

#include "platform/programfolder.h"

#include "common/product.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

ProgramFolder::ProgramFolder(QString root) : root_(std::move(root))
{
    while (root_.size() > 1 && root_.endsWith(QLatin1Char('/')))
        root_.chop(1);
}

QString ProgramFolder::DefaultRoot()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    QFileInfo info(exeDir);
    if (!exeDir.isEmpty() && info.isDir() && info.isWritable())
        return exeDir;
    const QString data = QDir::homePath() + QStringLiteral("/.local/share/") + kSettingsApplication;
    QDir().mkpath(data);
    return data;
}

QString ProgramFolder::AppFilePath(const QString& name) const
{
    return ResolveCaseInsensitive(root_, name);
}

QString ResolveCaseInsensitive(const QString& folder, const QString& name)
{
    QString rel = name;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = folder;
    bool exists = QFileInfo(path).isDir();
    for (const QString& part : parts) {
        QString next = path + QLatin1Char('/') + part;
        if (exists && !QFileInfo::exists(next)) {
            const QStringList entries = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    next = path + QLatin1Char('/') + e;
                    break;
                }
        }
        path = next;
        exists = exists && QFileInfo::exists(path);
    }
    if (parts.isEmpty() && !path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

#include "platform/fileio.h"

#include <QFile>
#include <QSaveFile>

bool ReadFileBytes(const QString& path, QByteArray* out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *out = f.readAll();
    const bool ok = f.error() == QFileDevice::NoError;
    f.close();
    return ok;
}

bool WriteFileAtomic(const QString& path, const QByteArray& data)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(data) != data.size()) {
        f.cancelWriting();
        f.commit();
        return false;
    }
    return f.commit();
}

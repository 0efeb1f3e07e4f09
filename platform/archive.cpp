#include "platform/archive.h"

#include "common/cp932.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <archive.h>
#include <archive_entry.h>

bool LzhAvailable()
{
    return true;
}

namespace {

struct ReaderDeleter {
    void operator()(archive* a) const
    {
        archive_read_free(a);
    }
};

QString baseName(const char* raw)
{
    if (!raw)
        return {};
    QString name = Cp932ToText(QByteArray(raw));
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        name = name.mid(slash + 1);
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    // Characters that cannot be part of a file name here.
    name.remove(QChar(0));
    return name;
}

} // namespace

int ExtractArchive(const QString& archivePath, const QString& targetFolder, const QString& mask)
{
    if (!QFileInfo(archivePath).isFile())
        return ArchiveCannotOpen;
    QDir target(targetFolder);
    if (!target.exists())
        return ArchiveWriteFailed;

    QRegularExpression pattern;
    const bool all = mask.isEmpty() || mask == QLatin1String("*.*") || mask == QLatin1String("*");
    if (!all)
        pattern = QRegularExpression(QRegularExpression::wildcardToRegularExpression(mask),
                                     QRegularExpression::CaseInsensitiveOption);

    std::unique_ptr<archive, ReaderDeleter> a(archive_read_new());
    archive_read_support_format_lha(a.get());
    archive_read_support_filter_none(a.get());
    const QByteArray path = QFile::encodeName(archivePath);
    if (archive_read_open_filename(a.get(), path.constData(), 64 * 1024) != ARCHIVE_OK)
        return ArchiveCannotOpen;

    int extracted = 0;
    bool sawHeader = false;
    for (;;) {
        archive_entry* entry = nullptr;
        const int r = archive_read_next_header(a.get(), &entry);
        if (r == ARCHIVE_EOF)
            break;
        if (r != ARCHIVE_OK && r != ARCHIVE_WARN)
            return sawHeader ? ArchiveCorrupt : ArchiveCannotOpen;
        sawHeader = true;
        if (archive_entry_filetype(entry) != AE_IFREG)
            continue;
        const QString name = baseName(archive_entry_pathname(entry));
        if (name.isEmpty())
            continue;
        if (!all && !pattern.match(name).hasMatch())
            continue;
        QSaveFile out(target.filePath(name));
        if (!out.open(QIODevice::WriteOnly))
            return ArchiveWriteFailed;
        char buf[64 * 1024];
        for (;;) {
            const la_ssize_t n = archive_read_data(a.get(), buf, sizeof buf);
            if (n == 0)
                break;
            if (n < 0) {
                out.cancelWriting();
                return ArchiveCorrupt;
            }
            if (out.write(buf, n) != n) {
                out.cancelWriting();
                return ArchiveWriteFailed;
            }
        }
        if (!out.commit())
            return ArchiveWriteFailed;
        ++extracted;
    }
    return extracted > 0 ? ArchiveOk : ArchiveNoMember;
}

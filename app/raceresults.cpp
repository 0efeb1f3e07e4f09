#include "app/raceresults.h"

#include "app/statuspanel.h"
#include "common/errors.h"
#include "common/format.h"
#include "engine/engine.h"
#include "platform/archive.h"
#include "platform/fileio.h"
#include "platform/programfolder.h"
#include "platform/ui.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>

QString FindResultsFile(const QString& base, const QString& folder)
{
    if (base.isEmpty() || folder.isEmpty())
        return {};
    for (const char* ext : {".txt", ".lzh"}) {
        const QString path = ResolveCaseInsensitive(folder, base + QLatin1String(ext));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

namespace {

const QString kKekkaFile = QStringLiteral("KEKKA.QVL");

void CopyFile(const QString& from, const QString& to)
{
    QByteArray bytes;
    if (!ReadFileBytes(from, &bytes) || !WriteFileAtomic(to, bytes))
        RaiseError(ErrFileAccess);
}

void MoveFile(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to) && !QFile::remove(to))
        RaiseError(ErrFileAccess);
    if (!QFile::rename(from, to))
        RaiseError(ErrFileAccess);
}

} // namespace

bool LoadRaceResults(Engine& e, int code, const QString& bangumiFolder)
{
    bool result = false;
    StatusPanelText status(e.ui);
    try {
        e.Kekka.DataClear();
        const QString raceDate = e.Bangumi.RaceDate();
        const QDate date = QDate::fromString(raceDate, QStringLiteral("yyyy/MM/dd"));
        if (!date.isValid())
            return false;
        status.Show(QStringLiteral("競走結果ファイル読み込み中 ..."));

        const QString codeText = QString::number(code);
        QString working = e.folder.AppFilePath(kKekkaFile);
        if (QFileInfo(working).isFile()) {
            bool loaded = false;
            bool readable = true;
            try {
                loaded = e.Kekka.FileLoad(codeText, working, true);
            } catch (const std::exception&) {
                // A working copy that cannot be read would block every later day; replace it
                // like one of another date.
                readable = false;
            }
            if (readable && e.Kekka.RaceDate() == raceDate)
                return loaded;
            e.Kekka.DataClear();
            if (!QFile::remove(working))
                RaiseError(ErrFileAccess);
            working = e.folder.AppFilePath(kKekkaFile);
        }

        const QString base = QStringLiteral("k") + FormatDate(date, QStringLiteral("yymmdd"));
        const QString source = FindResultsFile(base, bangumiFolder);
        const QString lower = source.toLower();
        if (lower.endsWith(QLatin1String(".txt"))) {
            CopyFile(source, working);
        } else if (lower.endsWith(QLatin1String(".lzh")) && LzhAvailable()) {
            if (ExtractArchive(source, QFileInfo(source).absolutePath()) != ArchiveOk)
                return false;
            // The member is the text of the same name, whatever its case; it is moved, not copied.
            const QString text = ResolveCaseInsensitive(QFileInfo(source).absolutePath(), base + QStringLiteral(".txt"));
            if (!QFileInfo(text).isFile())
                return false;
            MoveFile(text, working);
        } else {
            return false;
        }

        e.ui.ProcessEvents();
        result = e.Kekka.FileLoad(codeText, working, false);
        return result;
    } catch (const QvError& err) {
        e.ui.ShowMessage(err.description(), MsgIcon::Warning);
    } catch (const std::exception&) {
        e.ui.ShowMessage(ErrorDescription(0), MsgIcon::Warning);
    }
    return result;
}

#include "cli/commands.h"

#include "cli/clisupport.h"
#include "cli/json_bangumi.h"
#include "cli/json_calc.h"
#include "cli/json_kekka.h"
#include "app/appcontext.h"
#include "app/selection.h"
#include "app/tablebuilder.h"
#include "cli/json_meeting.h"
#include "cli/json_race.h"
#include "engine/engine.h"
#include "engine/forecastodds.h"
#include "cli/json_sensyu.h"
#include "common/errors.h"
#include "datafiles/bangumifile.h"
#include "datafiles/sensyufile.h"
#include "engine/forecastdata.h"
#include "platform/archive.h"
#include "platform/fileio.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>

QString TextOrExtracted(const QString& path, const QTemporaryDir& scratch)
{
    if (!path.endsWith(QLatin1String(".lzh"), Qt::CaseInsensitive))
        return path;
    const QString target = scratch.filePath(QStringLiteral("extract"));
    QDir().mkpath(target);
    if (ExtractArchive(path, target, QStringLiteral("*.*")) != 0) {
        std::fprintf(stderr, "%s: cannot extract the archive\n", qPrintable(path));
        return QString();
    }
    const QStringList files = QDir(target).entryList(QDir::Files, QDir::Name);
    return files.isEmpty() ? QString() : target + QLatin1Char('/') + files.first();
}

void PrintJson(const QJsonDocument& doc)
{
    const QByteArray out = doc.toJson(QJsonDocument::Compact);
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fputc('\n', stdout);
}

int CmdProgram(const QStringList& args)
{
    QTemporaryDir scratch;
    const QString text = TextOrExtracted(args.at(0), scratch);
    if (text.isEmpty())
        return 1;
    const QString wanted = args.size() > 1 ? args.at(1) : QString();
    // A fresh program folder: the conversion never touches a real working copy.
    const QString folderPath = scratch.filePath(QStringLiteral("program"));
    QDir().mkpath(folderPath);
    ProgramFolder folder(folderPath);
    CliUi ui;
    cBangumiFile b(folder, ui);
    if (!b.FileConv(text))
        return 1;
    KaisaiTable table;
    if (!b.KaisaiCheck(table))
        return 1;
    QJsonArray programs;
    for (int c = 1; c <= 24; ++c) {
        if (table[c].isEmpty())
            continue;
        const QString code = QStringLiteral("%1").arg(c, 2, 10, QLatin1Char('0'));
        if (!wanted.isEmpty() && wanted.toInt() != c)
            continue;
        ui.lastText.clear();
        if (b.FileLoad(code))
            programs.append(BangumiProgramJson(b));
        else
            programs.append(QJsonObject{{QStringLiteral("KyoteijyoCode"), code}, {QStringLiteral("error"), ui.lastText}});
    }
    QJsonObject out{{QStringLiteral("stadiums"), BangumiStadiumsJson(table)}, {QStringLiteral("programs"), programs}};
    PrintJson(QJsonDocument(out));
    return 0;
}

int CmdRacers(const QStringList& args)
{
    QStringList rest = args;
    QTemporaryDir scratch;
    const QString text = TextOrExtracted(rest.takeFirst(), scratch);
    if (text.isEmpty())
        return 1;
    int rev = 0;
    if (rest.removeAll(QStringLiteral("--old")) > 0)
        rev = 2;
    CliUi ui;
    cSensyuFile s(ui);
    bool ok;
    if (rest.isEmpty()) {
        ok = s.FileLoadAll(text, rev);
    } else {
        QStringList sorted = rest;
        std::sort(sorted.begin(), sorted.end());
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        ok = s.FileLoad(text, sorted, rev);
    }
    if (!ok)
        return 1;
    PrintJson(QJsonDocument(SensyuFileJson(s, rest)));
    return 0;
}

int CmdResults(const QStringList& args)
{
    QTemporaryDir scratch;
    const QString text = TextOrExtracted(args.at(0), scratch);
    if (text.isEmpty() || !QFileInfo(text).isFile()) {
        std::fprintf(stderr, "%s\n", qPrintable(QStringLiteral("ファイルが見つかりません。 ") + args.at(0)));
        return 1;
    }
    const QString code = args.size() > 1 ? args.at(1) : QString();
    PrintJson(QJsonDocument(QJsonObject{{QStringLiteral("results"), KekkaFileJson(text, code)}}));
    return 0;
}

int CmdVdata(const QStringList& args)
{
    CliUi ui;
    ProgramFolder folder(QFileInfo(args.at(0)).absolutePath());
    ForecastDataTable table;
    const int version = ForecastDataLoad(QFileInfo(args.at(0)).absoluteFilePath(), table, folder, ui);
    PrintJson(QJsonDocument(QJsonObject{{QStringLiteral("version"), version}}));
    return version >= 0 ? 0 : 1;
}

int CmdCalc(const QStringList& args)
{
    PrintJson(QJsonDocument(CalcJson(args.at(0))));
    return 0;
}

int CmdOpen(const QStringList& args)
{
    // Converts a race program (text or .lzh) into BANGUMI.QVL of a program folder, as opening
    // it in the program does.
    QTemporaryDir scratch;
    const QString text = TextOrExtracted(args.at(0), scratch);
    if (text.isEmpty())
        return 1;
    ProgramFolder folder(args.at(1));
    CliUi ui;
    cBangumiFile b(folder, ui);
    return b.FileConv(text) ? 0 : 1;
}

namespace {

QJsonObject statsJson(const TableBuildStats& st)
{
    return QJsonObject{{QStringLiteral("programFiles"), st.programFiles},
                       {QStringLiteral("resultFiles"), st.resultFiles},
                       {QStringLiteral("races"), st.races},
                       {QStringLiteral("stadiums"), st.stadiums}};
}

} // namespace

int CmdMakeVdata(const QStringList& args)
{
    bool ok = true;
    const int edition = args.size() > 2 ? args.at(2).toInt(&ok) : 1;
    if (!ok || edition < 0 || edition > 999) {
        std::fputs("edition must be a number 0..999\n", stderr);
        return 2;
    }
    ForecastDataTable table;
    TableBuildStats st;
    if (!BuildForecastData(args.at(0), table, &st)) {
        std::fprintf(stderr, "%s: no race with a result was found\n", qPrintable(args.at(0)));
        return 1;
    }
    if (!WriteFileAtomic(args.at(1), ForecastDataEncode(table, edition))) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(args.at(1)));
        return 1;
    }
    QJsonObject out = statsJson(st);
    out.insert(QStringLiteral("version"), edition);
    PrintJson(QJsonDocument(out));
    return 0;
}

int CmdMakeKdata(const QStringList& args)
{
    TableBuildStats st;
    if (!BuildStadiumData(args.at(0), args.at(1), &st)) {
        std::fprintf(stderr, "%s: no results were counted or %s cannot be written\n", qPrintable(args.at(0)),
                     qPrintable(args.at(1)));
        return 1;
    }
    PrintJson(QJsonDocument(statsJson(st)));
    return 0;
}

namespace {

// A program folder loaded as the main window would: global initialisation, then the stadium.
bool loadFolderStadium(AppContext& app, const QString& codeText)
{
    bool ok = false;
    const int code = codeText.toInt(&ok);
    if (!ok || code < 1 || code > 24) {
        std::fprintf(stderr, "%s: not a stadium code\n", qPrintable(codeText));
        return false;
    }
    app.Initialise(nullptr);
    Engine& e = app.engine;
    e.raceCard.Load(app.display.DispStyle);
    e.focus.EnsureGrids();
    if (!LoadStadium(e, code, app.folder.root())) {
        std::fprintf(stderr, "stadium %s: the race program does not load\n", qPrintable(codeText));
        return false;
    }
    return true;
}

} // namespace

int CmdRace(const QStringList& args)
{
    QStringList rest = args;
    const bool fixed = rest.removeAll(QStringLiteral("--fixed")) > 0;
    if (rest.size() != 3)
        return 2;
    bool ok = false;
    const int race = rest.at(2).toInt(&ok);
    CliUi ui;
    AppContext app(QFileInfo(rest.at(0)).absoluteFilePath(), ui);
    Engine& e = app.engine;
    if (!loadFolderStadium(app, rest.at(1)))
        return 1;
    if (!ok || race < 1 || race > e.Bangumi.RaceNumbers()) {
        std::fprintf(stderr, "%s: no such race\n", qPrintable(rest.at(2)));
        return 1;
    }
    ChooseRace(e, race, fixed);
    try {
        ForecastOddsCalc(e, race);
    } catch (const QvError& err) {
        ui.ShowMessage(err.description(), MsgIcon::Warning);
    }
    PrintJson(QJsonDocument(RaceJson(e)));
    return 0;
}

int CmdMeeting(const QStringList& args)
{
    CliUi ui;
    AppContext app(QFileInfo(args.at(0)).absoluteFilePath(), ui);
    if (!loadFolderStadium(app, args.at(1)))
        return 1;
    PrintJson(QJsonDocument(MeetingJson(app.engine)));
    return 0;
}

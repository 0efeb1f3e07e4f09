// quorvel-cli: the core of Quorvel without windows; every command prints UTF-8 JSON whose keys
// are the property names of the models.
#include "cli/clisupport.h"
#include "cli/commands.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage:\n"
               "  quorvel-cli program FILE [CODE]          race program text or .lzh\n"
               "  quorvel-cli racers FILE [--old] [NO ...]  racer file (fan handbook)\n"
               "  quorvel-cli results FILE [CODE]          results text or .lzh\n"
               "  quorvel-cli vdata FILE                   forecast data file edition\n"
               "  quorvel-cli calc \"FORMULA\"               expression evaluator\n"
               "  quorvel-cli race FOLDER CODE RACE [--fixed]  what the race card shows\n"
               "  quorvel-cli meeting FOLDER CODE          results of the earlier days of the meeting\n"
               "  quorvel-cli make-vdata FOLDER OUT [EDITION]  forecast data table from programs and results\n"
               "  quorvel-cli make-kdata FOLDER OUT        stadium course figures from results\n"
               "  quorvel-cli open FILE FOLDER             convert a race program into FOLDER/BANGUMI.QVL\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString command = args.takeFirst();
    if (command == QLatin1String("program") && !args.isEmpty())
        return CmdProgram(args);
    if (command == QLatin1String("racers") && !args.isEmpty())
        return CmdRacers(args);
    if (command == QLatin1String("results") && !args.isEmpty())
        return CmdResults(args);
    if (command == QLatin1String("vdata") && args.size() == 1)
        return CmdVdata(args);
    if (command == QLatin1String("race") && args.size() >= 3)
        return CmdRace(args);
    if (command == QLatin1String("meeting") && args.size() == 2)
        return CmdMeeting(args);
    if (command == QLatin1String("make-vdata") && (args.size() == 2 || args.size() == 3))
        return CmdMakeVdata(args);
    if (command == QLatin1String("make-kdata") && args.size() == 2)
        return CmdMakeKdata(args);
    if (command == QLatin1String("open") && args.size() == 2)
        return CmdOpen(args);
    if (command == QLatin1String("calc") && args.size() == 1)
        return CmdCalc(args);
    return usage();
}

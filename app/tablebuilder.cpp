#include "app/tablebuilder.h"

#include "common/cp932.h"
#include "common/errors.h"
#include "common/format.h"
#include "datafiles/bangumifile.h"
#include "datafiles/kekkafile.h"
#include "platform/archive.h"
#include "platform/fileio.h"
#include "platform/programfolder.h"
#include "platform/ui.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <array>

namespace {

// Official files of the folder by day: "yymmdd" -> path, the text preferred over the archive.
QMap<QString, QString> filesOf(const QString& folder, QChar letter)
{
    QMap<QString, QString> out;
    const QRegularExpression re(QStringLiteral("^%1(\\d{6})\\.(txt|lzh)$").arg(letter),
                                QRegularExpression::CaseInsensitiveOption);
    for (const QFileInfo& fi : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
        const auto m = re.match(fi.fileName());
        if (!m.hasMatch())
            continue;
        const QString day = m.captured(1);
        const bool text = m.captured(2).compare(QLatin1String("txt"), Qt::CaseInsensitive) == 0;
        if (!out.contains(day) || text)
            out[day] = fi.absoluteFilePath();
    }
    return out;
}

// The text of an official file: itself, or its member extracted into `scratch`.
QString textOf(const QString& path, const QString& scratch)
{
    if (!path.endsWith(QLatin1String(".lzh"), Qt::CaseInsensitive))
        return path;
    const QString target = scratch + QLatin1Char('/') + QFileInfo(path).completeBaseName();
    QDir().mkpath(target);
    if (ExtractArchive(path, target, QStringLiteral("*.*")) != 0)
        return QString();
    const QStringList files = QDir(target).entryList(QDir::Files, QDir::Name);
    return files.isEmpty() ? QString() : target + QLatin1Char('/') + files.first();
}

QString dayText(const QString& yymmdd) // "240106" -> "2024/01/06"
{
    return QStringLiteral("20%1/%2/%3").arg(yymmdd.left(2), yymmdd.mid(2, 2), yymmdd.mid(4, 2));
}

QStringList stadiumCodes()
{
    QStringList codes;
    for (int c = 1; c <= 24; ++c)
        codes << QStringLiteral("%1").arg(c, 2, 10, QLatin1Char('0'));
    return codes;
}

} // namespace

bool BuildForecastData(const QString& folder, ForecastDataTable& table, TableBuildStats* stats)
{
    TableBuildStats st;
    QTemporaryDir scratch;
    SilentUi ui; // a file that does not load is simply not counted
    // boats[s][f][d] counted, wins[s][f][d] of them won.
    static constexpr int S = 25, F = 7, D = 50;
    std::vector<double> boats(S * F * D, 0.0), wins(S * F * D, 0.0);
    auto at = [](int s, int f, int d) { return (s * F + f) * D + d; };
    std::array<bool, S> seen{};

    const QMap<QString, QString> programs = filesOf(folder, QLatin1Char('b'));
    const QMap<QString, QString> results = filesOf(folder, QLatin1Char('k'));
    for (auto it = programs.cbegin(); it != programs.cend(); ++it) {
        if (!results.contains(it.key()))
            continue;
        const QString programText = textOf(it.value(), scratch.path());
        const QString resultsText = textOf(results.value(it.key()), scratch.path());
        if (programText.isEmpty() || resultsText.isEmpty())
            continue;
        const QString work = scratch.filePath(QStringLiteral("work"));
        QDir().mkpath(work);
        ProgramFolder pf(work);
        cBangumiFile b(pf, ui);
        if (!b.FileConv(programText))
            continue;
        ++st.programFiles;
        ++st.resultFiles;
        KaisaiTable kaisai;
        if (!b.KaisaiCheck(kaisai))
            continue;
        cKekkaFile k(ui);
        for (int s = 1; s <= 24; ++s) {
            if (kaisai[s].isEmpty())
                continue;
            const QString code = stadiumCodes().at(s - 1);
            try {
                if (!b.FileLoad(code) || !k.FileLoad(code, resultsText, true))
                    continue;
                for (int r = 1; r <= qMin(b.RaceNumbers(), k.RaceNumbers()); ++r) {
                    const int winner = k.ResultToWaku(r, 1);
                    if (winner < 1 || winner > 6)
                        continue;
                    std::array<float, 7> w{};
                    std::array<int, 7> d{};
                    for (int f = 1; f <= 6; ++f)
                        w[f] = b.SensyuZenkokuSyoritu(r, f);
                    if (!StrengthClasses(w, d))
                        continue;
                    bool counted = false;
                    for (int f = 1; f <= 6; ++f) {
                        if (d[f] < 0 || d[f] >= D)
                            continue;
                        boats[at(s, f, d[f])] += 1;
                        if (winner == f)
                            wins[at(s, f, d[f])] += 1;
                        counted = true;
                    }
                    if (counted) {
                        ++st.races;
                        seen[s] = true;
                    }
                }
            } catch (const QvError&) {
                continue; // a block that does not read is left out
            }
        }
    }

    // Frame win shares: per stadium, and over every stadium for stadiums without races.
    std::array<std::array<double, F>, S> base{};
    std::array<double, F> allBoats{}, allWins{};
    for (int s = 1; s <= 24; ++s)
        for (int f = 1; f <= 6; ++f) {
            double n = 0, w = 0;
            for (int d = 0; d < D; ++d) {
                n += boats[at(s, f, d)];
                w += wins[at(s, f, d)];
            }
            allBoats[f] += n;
            allWins[f] += w;
            base[s][f] = n > 0 ? w / n : -1.0;
        }
    table.Resize();
    for (int s = 1; s <= 24; ++s) {
        st.stadiums += seen[s] ? 1 : 0;
        for (int f = 1; f <= 6; ++f) {
            const double fallback = allBoats[f] > 0 ? allWins[f] / allBoats[f] : 0.0;
            const double prior = base[s][f] >= 0 ? base[s][f] : fallback;
            for (int d = 0; d < D; ++d) {
                const double n = boats[at(s, f, d)], w = wins[at(s, f, d)];
                const double share = (w + kPriorBoats * prior) / (n + kPriorBoats);
                table.Set(f, d, s, float(share * 100.0));
            }
        }
    }
    if (stats)
        *stats = st;
    return st.races > 0;
}

bool BuildStadiumData(const QString& folder, const QString& out, TableBuildStats* stats)
{
    TableBuildStats st;
    QTemporaryDir scratch;
    SilentUi ui; // a file that does not load is simply not counted
    // starts[s][c], places[s][c][p]
    std::array<std::array<double, 7>, 25> starts{};
    std::array<std::array<std::array<double, 7>, 7>, 25> places{};
    std::array<bool, 25> seen{};
    const QMap<QString, QString> results = filesOf(folder, QLatin1Char('k'));
    QString firstDay, lastDay;
    for (auto it = results.cbegin(); it != results.cend(); ++it) {
        const QString text = textOf(it.value(), scratch.path());
        if (text.isEmpty())
            continue;
        ++st.resultFiles;
        if (firstDay.isEmpty())
            firstDay = it.key();
        lastDay = it.key();
        cKekkaFile k(ui);
        for (int s = 1; s <= 24; ++s) {
            try {
                if (!k.FileLoad(stadiumCodes().at(s - 1), text, true))
                    continue;
                for (int r = 1; r <= k.RaceNumbers(); ++r) {
                    if (k.ResultToWaku(r, 1) < 1)
                        continue; // cancelled or void
                    bool counted = false;
                    for (int f = 1; f <= 6; ++f) {
                        const int c = k.Course(r, f);
                        if (c < 1 || c > 6)
                            continue;
                        starts[s][c] += 1;
                        counted = true;
                        bool ok = false;
                        const int p = k.Order(r, f).trimmed().toInt(&ok);
                        if (ok && p >= 1 && p <= 6)
                            places[s][c][p] += 1;
                    }
                    if (counted) {
                        ++st.races;
                        seen[s] = true;
                    }
                }
            } catch (const QvError&) {
                continue;
            }
        }
    }
    QStringList lines;
    const QString today = FormatDate(QDate::currentDate(), QStringLiteral("yyyy/mm/dd"));
    for (int s = 1; s <= 24; ++s) {
        if (!seen[s])
            continue;
        ++st.stadiums;
        lines << QStringLiteral("[%1#]").arg(s, 2, 10, QLatin1Char('0'));
        for (int p = 1; p <= 6; ++p)
            for (int c = 1; c <= 6; ++c) {
                const double rate = starts[s][c] > 0 ? places[s][c][p] / starts[s][c] * 100.0 : 0.0;
                lines << QStringLiteral("%1-%2=%3").arg(p).arg(c).arg(Format(rate, QStringLiteral("0.0")));
            }
        lines << QStringLiteral("Period=") + dayText(firstDay) + QStringLiteral("～") + dayText(lastDay);
        lines << QStringLiteral("LastUpdate=") + today;
    }
    if (stats)
        *stats = st;
    if (st.races == 0)
        return false;
    return WriteFileAtomic(out, EncodeLines(lines));
}

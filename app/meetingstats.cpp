#include "app/meetingstats.h"

#include "app/raceresults.h"
#include "app/statuspanel.h"
#include "common/format.h"
#include "common/strutil.h"
#include "datafiles/kekkafile.h"
#include "engine/engine.h"
#include "platform/archive.h"
#include "platform/fileio.h"
#include "platform/programfolder.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <exception>
#include <vector>

namespace {

// Every step is allowed to fail on its own: a missing file, a file of another layout or an
// index outside a table skips that step only.
template <typename F>
void Try(F&& step)
{
    try {
        step();
    } catch (const std::exception&) {
    }
}

// Puts the results file of one earlier day into the "Temp" folder unless it is already there,
// and returns its path there.
QString LocalResultsFile(const QString& tempFolder, const QString& name, const QString& bangumiFolder)
{
    const QString fileName = name + QStringLiteral(".txt");
    QString local = ResolveCaseInsensitive(tempFolder, fileName);
    if (QFileInfo(local).isFile())
        return local;
    const QString source = FindResultsFile(name, bangumiFolder);
    const QString lower = source.toLower();
    if (lower.endsWith(QLatin1String(".lzh"))) {
        if (LzhAvailable())
            ExtractArchive(source, tempFolder); // a failure leaves the day empty
    } else if (lower.endsWith(QLatin1String(".txt"))) {
        QByteArray bytes;
        if (ReadFileBytes(source, &bytes))
            WriteFileAtomic(local, bytes);
    }
    return ResolveCaseInsensitive(tempFolder, fileName);
}

// Meeting day whose column a loaded day file fills, 0 to leave the file out. The walk goes
// back one calendar day at a time, but the file itself says which day of the meeting it is,
// so a postponed day does not shift the earlier days into the wrong columns. Going back n
// calendar days goes back at most n meeting days, so a file must claim a day between the
// walk's day and the last earlier day; anything else (a file of another date, a day of
// another meeting, a second file for a day already read) would mix foreign results into the
// records. A block without a date line is taken for the day the walk expects.
int DayColumn(const cKekkaFile& results, const QString& expectedDate, int walkDay, int days,
              const std::vector<bool>& filled)
{
    if (!results.RaceDate().isEmpty() && results.RaceDate() != expectedDate)
        return 0;
    const int day = results.TotalDay() != 0 ? results.TotalDay() : walkDay;
    if (day < walkDay || day > days || filled[size_t(day)])
        return 0;
    return day;
}

void StoreRace(MeetingRecord& rec, const cKekkaFile& results, int raceNo, int wakuNo)
{
    const QString order = results.Order(raceNo, wakuNo);
    const int course = results.Course(raceNo, wakuNo);
    const float start = results.StartTiming(raceNo, wakuNo);
    const float exhibition = results.ExhibitionTime(raceNo, wakuNo);
    // A third race on the same day takes the place of the second.
    if (rec.Order1.isEmpty()) {
        rec.Order1 = order;
        rec.Course1 = course;
        rec.StartTiming1 = start;
        rec.ExhibitionTime1 = exhibition;
    } else {
        rec.Order2 = order;
        rec.Course2 = course;
        rec.StartTiming2 = start;
        rec.ExhibitionTime2 = exhibition;
    }
}

void AddRace(MeetingAverage& avg, int& starts, int& courses, const QString& order, float start, int course)
{
    // Flying, late and disqualified starts and impossible timings say nothing about the
    // racer's usual start; the course taken still counts.
    if (IsNumeric(order) && start > 0.0f && start < 1.0f) {
        avg.StartTiming += start;
        ++starts;
    }
    if (course > 0) {
        avg.Course += float(course);
        ++courses;
    }
}

} // namespace

void CollectMeetingStats(Engine& e, int code, const QString& bangumiFolder)
{
    const cBangumiFile& program = e.Bangumi;
    const int racers = qMax(0, program.ParticipationNumbers());
    const int days = qMax(0, program.TotalDay() - 1);
    e.Meeting.Reset(racers, days);

    StatusPanelText status(e.ui);
    status.Show(QStringLiteral("今節の成績結果を取得しています ..."));

    // Racer index by registration number; the first of equal numbers wins.
    QHash<QString, int> indexOf;
    for (int j = 1; j <= racers; ++j) {
        Try([&] {
            const QString no = program.ParticipationSenyuNo(j);
            for (int k = 1; k <= days; ++k)
                e.Meeting.Record(j, k)->SensyuNo = no;
            if (!no.isEmpty() && !indexOf.contains(no))
                indexOf.insert(no, j);
        });
    }

    QDate date = QDate::fromString(program.RaceDate(), QStringLiteral("yyyy/MM/dd"));
    if (days > 0 && date.isValid()) {
        QString tempFolder = e.folder.AppFilePath(QStringLiteral("Temp"));
        if (!QFileInfo(tempFolder).isDir())
            QDir().mkpath(tempFolder);
        tempFolder = e.folder.AppFilePath(QStringLiteral("Temp"));

        cKekkaFile results(e.ui);
        const QString codeText = QString::number(code);
        std::vector<bool> filled(size_t(days) + 1, false);
        for (int d = days; d >= 1; --d) {
            date = date.addDays(-1);
            Try([&] {
                const QString name = QStringLiteral("k") + FormatDate(date, QStringLiteral("yymmdd"));
                const QString local = LocalResultsFile(tempFolder, name, bangumiFolder);
                bool loaded = false;
                Try([&] { loaded = results.FileLoad(codeText, local, true); });
                if (!loaded)
                    return;
                const int day = DayColumn(results, FormatDate(date, QStringLiteral("yyyy/mm/dd")), d, days, filled);
                if (day == 0)
                    return;
                filled[size_t(day)] = true;
                const int races = qMin(program.RaceNumbers(), int(cKekkaFile::kMaxRace));
                for (int r = 1; r <= races; ++r) {
                    for (int f = 1; f <= cKekkaFile::kWakuCount; ++f) {
                        Try([&] {
                            const int j = indexOf.value(results.SensyuNo(r, f), 0);
                            if (j == 0)
                                return;
                            if (MeetingRecord* rec = e.Meeting.Record(j, day))
                                StoreRace(*rec, results, r, f);
                        });
                    }
                }
            });
        }
    }

    for (int j = 1; j <= racers; ++j) {
        MeetingAverage* avg = e.Meeting.Average(j);
        if (!avg)
            continue;
        int starts = 0;
        int courses = 0;
        for (int k = 1; k <= days; ++k) {
            const MeetingRecord* rec = e.Meeting.Record(j, k);
            if (!rec)
                continue;
            AddRace(*avg, starts, courses, rec->Order1, rec->StartTiming1, rec->Course1);
            AddRace(*avg, starts, courses, rec->Order2, rec->StartTiming2, rec->Course2);
        }
        if (starts > 0)
            avg->StartTiming /= float(starts);
        if (courses > 0)
            avg->Course /= float(courses);
    }
}

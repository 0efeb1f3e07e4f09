#include "cli/json_meeting.h"

#include "common/format.h"
#include "engine/engine.h"

#include <QJsonArray>
#include <QJsonValue>

namespace {

QJsonValue Real(float x)
{
    return QJsonValue(FloatText(x).toDouble());
}

QJsonObject RecordJson(const MeetingRecord& r)
{
    QJsonObject o;
    o.insert(QStringLiteral("Order1"), r.Order1);
    o.insert(QStringLiteral("Order2"), r.Order2);
    o.insert(QStringLiteral("StartTiming1"), Real(r.StartTiming1));
    o.insert(QStringLiteral("StartTiming2"), Real(r.StartTiming2));
    o.insert(QStringLiteral("Course1"), r.Course1);
    o.insert(QStringLiteral("Course2"), r.Course2);
    o.insert(QStringLiteral("ExhibitionTime1"), Real(r.ExhibitionTime1));
    o.insert(QStringLiteral("ExhibitionTime2"), Real(r.ExhibitionTime2));
    return o;
}

} // namespace

QJsonObject MeetingJson(const Engine& e)
{
    const MeetingData& m = e.Meeting;
    QJsonArray racers;
    for (int j = 1; j <= m.Racers(); ++j) {
        QJsonObject racer;
        QString no;
        try {
            no = e.Bangumi.ParticipationSenyuNo(j);
        } catch (const std::exception&) {
            no = m.MeetingRecords(j, 1).SensyuNo; // program reloaded since the collection
        }
        racer.insert(QStringLiteral("SensyuNo"), no);
        QJsonArray records;
        for (int k = 1; k <= m.Days(); ++k)
            records.append(RecordJson(m.MeetingRecords(j, k)));
        racer.insert(QStringLiteral("records"), records);
        const MeetingAverage a = m.MeetingAverages(j);
        racer.insert(QStringLiteral("averages"),
                     QJsonObject{{QStringLiteral("StartTiming"), Real(a.StartTiming)},
                                 {QStringLiteral("Course"), Real(a.Course)}});
        racers.append(racer);
    }
    QJsonObject o;
    o.insert(QStringLiteral("Days"), m.Days());
    o.insert(QStringLiteral("racers"), racers);
    return o;
}

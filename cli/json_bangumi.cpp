#include "cli/json_bangumi.h"

#include "common/format.h"

#include <QJsonArray>
#include <QJsonValue>

#include <algorithm>

namespace {

// A real that reads back to the same single-precision value.
QJsonValue real(float x)
{
    return QJsonValue(FloatText(x).toDouble());
}

QJsonObject entryJson(const cBangumiFile& b, int r, int w)
{
    QJsonObject e;
    e.insert(QStringLiteral("SensyuNo"), b.SensyuNo(r, w));
    e.insert(QStringLiteral("SensyuName"), b.SensyuName(r, w));
    e.insert(QStringLiteral("SensyuAge"), b.SensyuAge(r, w));
    e.insert(QStringLiteral("SensyuBirthplace"), b.SensyuBirthplace(r, w));
    e.insert(QStringLiteral("SensyuWeight"), b.SensyuWeight(r, w));
    e.insert(QStringLiteral("SensyuClass"), b.SensyuClass(r, w));
    e.insert(QStringLiteral("SensyuZenkokuSyoritu"), real(b.SensyuZenkokuSyoritu(r, w)));
    e.insert(QStringLiteral("SensyuZenkokuFSyoritu"), real(b.SensyuZenkokuFSyoritu(r, w)));
    e.insert(QStringLiteral("SensyuTochiSyoritu"), real(b.SensyuTochiSyoritu(r, w)));
    e.insert(QStringLiteral("SensyuTochiFSyoritu"), real(b.SensyuTochiFSyoritu(r, w)));
    e.insert(QStringLiteral("MotorNo"), b.MotorNo(r, w));
    e.insert(QStringLiteral("MotorFSyoritu"), real(b.MotorFSyoritu(r, w)));
    e.insert(QStringLiteral("BoatNo"), b.BoatNo(r, w));
    e.insert(QStringLiteral("BoatFSyoritu"), real(b.BoatFSyoritu(r, w)));
    e.insert(QStringLiteral("Seiseki"), b.Seiseki(r, w));
    e.insert(QStringLiteral("Hayami"), b.Hayami(r, w));
    e.insert(QStringLiteral("Tokutenritu"), real(b.Tokutenritu(r, w)));
    e.insert(QStringLiteral("TokutenrituOrder"), b.TokutenrituOrder(r, w));
    e.insert(QStringLiteral("Tansyoritu"), real(b.Tansyoritu(r, w)));
    return e;
}

} // namespace

QJsonObject BangumiProgramJson(const cBangumiFile& b)
{
    QJsonObject o;
    o.insert(QStringLiteral("KyoteijyoCode"), b.KyoteijyoCode());
    o.insert(QStringLiteral("Title"), b.Title());
    o.insert(QStringLiteral("TitleLong"), b.TitleLong());
    o.insert(QStringLiteral("Grade"), b.Grade());
    o.insert(QStringLiteral("RaceDate"), b.RaceDate());
    o.insert(QStringLiteral("TotalDay"), b.TotalDay());
    o.insert(QStringLiteral("RaceNumbers"), b.RaceNumbers());
    o.insert(QStringLiteral("ParticipationNumbers"), b.ParticipationNumbers());
    o.insert(QStringLiteral("Participants"), QJsonArray::fromStringList(b.ParticipationSensyuNoAllGet()));

    QJsonArray races;
    const int count = std::min(b.RaceNumbers(), int(cBangumiFile::kMaxRaces));
    for (int r = 1; r <= count; ++r) {
        QJsonObject race;
        race.insert(QStringLiteral("RaceTitle"), b.RaceTitle(r));
        race.insert(QStringLiteral("ClosingHour"), b.ClosingHour(r));
        race.insert(QStringLiteral("VoteType"), b.VoteType(r));
        race.insert(QStringLiteral("CourseFix"), b.CourseFix(r));
        QJsonArray entries;
        for (int w = 1; w <= cBangumiFile::kFrames; ++w)
            entries.append(entryJson(b, r, w));
        race.insert(QStringLiteral("entries"), entries);
        races.append(race);
    }
    o.insert(QStringLiteral("races"), races);
    return o;
}

QJsonObject BangumiStadiumsJson(const KaisaiTable& table)
{
    QJsonObject o;
    for (int c = 1; c <= 24; ++c)
        if (!table[size_t(c)].isEmpty())
            o.insert(QString::number(c).rightJustified(2, QLatin1Char('0')), table[size_t(c)]);
    return o;
}

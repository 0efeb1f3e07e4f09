#include "cli/json_kekka.h"

#include "common/cp932.h"
#include "common/errors.h"
#include "common/format.h"
#include "common/strutil.h"
#include "datafiles/kekkafile.h"
#include "platform/fileio.h"
#include "platform/ui.h"

#include <QJsonValue>

#include <algorithm>
#include <cmath>

namespace {

QJsonValue Real(float x)
{
    return QJsonValue(FloatText(x).toDouble());
}

// Keeps the last message the load would have shown, for the JSON error entry.
class CaptureUi : public UserInterface {
public:
    void ShowMessage(const QString& text, MsgIcon, const QString&) override { last = text; }
    bool AskYesNo(const QString&, const QString&) override { return false; }
    std::optional<QString> AskText(const QString&, const QString&, const QString&) override { return std::nullopt; }
    QString last;
};

} // namespace

QJsonObject KekkaJson(const cKekkaFile& k)
{
    QJsonObject o;
    o.insert(QStringLiteral("KyoteijyoCode"), k.KyoteijyoCode());
    o.insert(QStringLiteral("RaceNumbers"), k.RaceNumbers());
    o.insert(QStringLiteral("RaceDate"), k.RaceDate());
    o.insert(QStringLiteral("TotalDay"), k.TotalDay());
    QJsonArray races;
    const int count = std::min(k.RaceNumbers(), int(cKekkaFile::kMaxRace));
    for (int r = 1; r <= count; ++r) {
        QJsonObject race;
        race.insert(QStringLiteral("RaceNoTitle"), k.RaceNoTitle(r));
        race.insert(QStringLiteral("Finish"), k.Finish(r));
        race.insert(QStringLiteral("SinnyuStyle"), k.SinnyuStyle(r));
        race.insert(QStringLiteral("DividendTansyo"), k.DividendTansyo(r));
        race.insert(QStringLiteral("DividendFukusyo"), QJsonArray{k.DividendFukusyo(r, 0), k.DividendFukusyo(r, 1)});
        race.insert(QStringLiteral("DividendRensyoTansiki"), k.DividendRensyoTansiki(r));
        race.insert(QStringLiteral("DividendRensyoFukusiki"), k.DividendRensyoFukusiki(r));
        race.insert(QStringLiteral("Dividend3RenTan"), k.Dividend3RenTan(r));
        race.insert(QStringLiteral("Dividend3Renfuku"), k.Dividend3Renfuku(r));
        race.insert(QStringLiteral("DividendKakuRenFuku"),
                    QJsonArray{k.DividendKakuRenFuku(r, 0), k.DividendKakuRenFuku(r, 1), k.DividendKakuRenFuku(r, 2)});
        race.insert(QStringLiteral("Dividend2RentanOrder"), k.Dividend2RentanOrder(r));
        race.insert(QStringLiteral("Dividend2RenfukuOrder"), k.Dividend2RenfukuOrder(r));
        race.insert(QStringLiteral("Dividend3RentanOrder"), k.Dividend3RentanOrder(r));
        race.insert(QStringLiteral("Dividend3RenfukuOrder"), k.Dividend3RenfukuOrder(r));
        race.insert(QStringLiteral("DividendKakuRenFukuOrder"),
                    QJsonArray{k.DividendKakuRenFukuOrder(r, 0), k.DividendKakuRenFukuOrder(r, 1),
                               k.DividendKakuRenFukuOrder(r, 2)});
        QJsonArray courseToWaku, resultToWaku, entries;
        for (int i = 1; i <= cKekkaFile::kWakuCount; ++i) {
            courseToWaku.append(k.CourseToWaku(r, i));
            resultToWaku.append(k.ResultToWaku(r, i));
            QJsonObject e;
            e.insert(QStringLiteral("SensyuNo"), k.SensyuNo(r, i));
            e.insert(QStringLiteral("Order"), k.Order(r, i));
            e.insert(QStringLiteral("RaceTime"), k.RaceTime(r, i));
            e.insert(QStringLiteral("ExhibitionTime"), Real(k.ExhibitionTime(r, i)));
            e.insert(QStringLiteral("StartTiming"), Real(k.StartTiming(r, i)));
            e.insert(QStringLiteral("Course"), k.Course(r, i));
            e.insert(QStringLiteral("StartTimingOrder"), k.StartTimingOrder(r, i));
            e.insert(QStringLiteral("ExhibitionTimeOrder"), k.ExhibitionTimeOrder(r, i));
            entries.append(e);
        }
        race.insert(QStringLiteral("CourseToWaku"), courseToWaku);
        race.insert(QStringLiteral("ResultToWaku"), resultToWaku);
        race.insert(QStringLiteral("entries"), entries);
        races.append(race);
    }
    o.insert(QStringLiteral("races"), races);
    return o;
}

bool KekkaBlockCodes(const QString& path, QStringList* codes)
{
    codes->clear();
    QByteArray bytes;
    if (!ReadFileBytes(path, &bytes))
        return false;
    for (const QByteArray& raw : SplitLines(bytes)) {
        qsizetype b = 0, e = raw.size();
        while (b < e && raw.at(b) == ' ')
            ++b;
        while (e > b && raw.at(e - 1) == ' ')
            --e;
        const QByteArray line = raw.mid(b, e - b);
        if (line.size() == 6 && line.endsWith("KBGN") && line.at(0) >= '0' && line.at(0) <= '9' && line.at(1) >= '0'
            && line.at(1) <= '9') {
            const QString code = QString::fromLatin1(line.left(2));
            if (!codes->contains(code))
                codes->append(code);
        }
    }
    return true;
}

QJsonArray KekkaFileJson(const QString& path, const QString& code)
{
    QJsonArray out;
    QStringList codes;
    if (!KekkaBlockCodes(path, &codes))
        return out;
    // "5" asks for the block 05KBGN, as the load itself does.
    QString wanted = code;
    if (IsNumeric(code) && std::fabs(CDbl(code)) < 1e9)
        wanted = Format(CDbl(code), QStringLiteral("00"));
    for (const QString& c : codes) {
        if (!wanted.isEmpty() && c != wanted)
            continue;
        CaptureUi ui;
        cKekkaFile k(ui);
        QString error;
        try {
            if (k.FileLoad(c, path, false)) {
                out.append(KekkaJson(k));
                continue;
            }
            error = ui.last;
        } catch (const QvError& e) {
            error = e.description() + QStringLiteral("(Error code:") + QString::number(e.number()) + QLatin1Char(')');
        }
        QJsonObject o;
        o.insert(QStringLiteral("KyoteijyoCode"), c);
        o.insert(QStringLiteral("error"), error);
        out.append(o);
    }
    return out;
}

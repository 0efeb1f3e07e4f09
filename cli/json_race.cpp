#include "cli/json_race.h"

#include "common/format.h"
#include "engine/engine.h"

namespace {

QJsonValue real(float v)
{
    return QJsonValue(FloatText(v).toDouble());
}

template <typename T, typename F>
QJsonArray oneBased(const T& arr, F conv)
{
    QJsonArray a;
    for (size_t i = 1; i < arr.size(); ++i)
        a.append(conv(arr[i]));
    return a;
}

} // namespace

QJsonArray GridJson(const cGrid& g)
{
    QJsonArray rows;
    for (int r = 0; r < g.Rows(); ++r) {
        QJsonArray row;
        for (int c = 0; c < g.Cols(); ++c)
            row.append(g.CellValue(r, c));
        rows.append(row);
    }
    return rows;
}

QJsonObject RaceJson(const Engine& e)
{
    const EngineState& st = e.st;
    QJsonObject o;
    o.insert(QStringLiteral("flexBangumi"), GridJson(e.raceCard.flexBangumi));
    o.insert(QStringLiteral("flexSensyu"), GridJson(e.raceCard.flexSensyu));
    o.insert(QStringLiteral("flexCourse"), GridJson(e.raceCard.flexCourse));
    o.insert(QStringLiteral("lblRaceNoTitle"), e.raceCard.lblRaceNoTitle.Caption);
    o.insert(QStringLiteral("lblClosingHour"), e.raceCard.lblClosingHour[1].Caption);
    o.insert(QStringLiteral("lblTanpyo"), e.raceCard.lblTanpyo.Caption);
    o.insert(QStringLiteral("ExpectCourse"), oneBased(st.ExpectCourse, [](int v) { return QJsonValue(v); }));
    o.insert(QStringLiteral("ExpectWaku"), oneBased(st.ExpectWaku, [](int v) { return QJsonValue(v); }));
    o.insert(QStringLiteral("ExpectTactics"), oneBased(st.ExpectTactics, [](const QString& v) { return QJsonValue(v); }));
    o.insert(QStringLiteral("RecommendOrder"), oneBased(st.RecommendOrder, [](int v) { return QJsonValue(v); }));
    o.insert(QStringLiteral("RecommendProb"), oneBased(st.RecommendProb, [](float v) { return real(v); }));
    o.insert(QStringLiteral("grdFocus"), GridJson(e.focus.grdFocus));
    o.insert(QStringLiteral("grdFocus2"), GridJson(e.focus.grdFocus2));
    o.insert(QStringLiteral("sbStatus"), e.focus.sbStatus);
    QJsonArray panels;
    for (int p = 1; p <= 4; ++p)
        panels.append(e.raceCard.sbStatusBar[p]);
    o.insert(QStringLiteral("raceCardPanels"), panels);
    // The user bets panel: the visible lines as "first-second", with the hit mark.
    QJsonArray userBets;
    for (const UserBetLine& line : e.raceCard.userBets) {
        if (!line.lblUserFunaken.Visible)
            continue;
        userBets.append(QJsonObject{{QStringLiteral("bet"), line.lblUserFunaken.Caption + QLatin1Char('-') + line.lblUserFunaken2.Caption},
                                    {QStringLiteral("hit"), line.lblUserHit.Visible}});
    }
    o.insert(QStringLiteral("userBets"), userBets);
    QJsonArray odds;
    for (int h = 1; h <= 6; ++h)
        odds.append(oneBased(st.ForecastOdds[h], [](float v) { return real(v); }));
    o.insert(QStringLiteral("ForecastOdds"), odds);
    return o;
}

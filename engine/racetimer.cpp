#include "engine/racetimer.h"

#include "common/format.h"
#include "engine/engine.h"
#include "engine/racecard.h"

#include <QTime>

namespace {

// "10:25:00" as "10:25"; a text that is not a time is shown as it is.
QString closingLabel(const QString& closingHour)
{
    const QTime t = QTime::fromString(closingHour, QStringLiteral("H:mm:ss"));
    return t.isValid() ? FormatTime(t, QStringLiteral("hh:nn")) : closingHour;
}

} // namespace

bool RaceTimerTick(Engine& e)
{
    mdiMainState& w = e.raceCard;
    try {
        const QString code = e.Bangumi.KyoteijyoCode();
        const int raceNo = e.SelectedRaceNo;
        if (code != w.RefreshKyoteijyoCode || raceNo != w.RefreshRaceNo) {
            w.RefreshKyoteijyoCode = code;
            w.RefreshRaceNo = raceNo;
            w.RefreshCountdown = 0;
        }

        const QString closing = e.Bangumi.ClosingHour(raceNo); // error 9 without a race
        if (!closing.isEmpty()) {
            LabelState& time = w.lblClosingHour[1];
            if (time.Caption + QStringLiteral(":00") != closing)
                time.Caption = closingLabel(closing);
            const ColorRef color = RaceTitleColor(RaceDateOf(e.Bangumi.RaceDate()), closing, e.now());
            if (w.lblRaceNoTitle.ForeColor != color)
                w.lblRaceNoTitle.ForeColor = color;
        }

        if (w.RefreshCountdown >= 1) {
            --w.RefreshCountdown;
            return false;
        }
        w.RefreshCountdown = kRaceTimerCountdown;
        return true;
    } catch (...) {
        return false;
    }
}

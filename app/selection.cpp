#include "app/selection.h"

#include "app/meetingstats.h"
#include "app/raceresults.h"
#include "common/errors.h"
#include "common/kyotei.h"
#include "engine/engine.h"
#include "engine/racecard.h"
#include "engine/racedisp.h"
#include "platform/programfolder.h"
#include "platform/ui.h"

bool LoadStadium(Engine& e, int code, const QString& bangumiFolder)
{
    if (code < 1 || code > 24)
        return false;
    e.ui.SetStatusText(1, QStringLiteral("番組ファイル読み込み中 ... （ボートレース") + KyoteijyoName(code) + QStringLiteral("）"));
    e.st.ExhibitionLoaded = false;
    e.st.StartExhibitionLoaded = false;
    e.KekkaLoaded = false;
    e.SelectedRaceNo = 0;
    if (!e.Bangumi.FileLoad(QStringLiteral("%1").arg(code, 2, 10, QLatin1Char('0')))) {
        e.ui.SetStatusText(1, QString());
        return false;
    }
    e.SensyuLoaded = e.Sensyu.FileLoad(e.folder.AppFilePath(QStringLiteral("SENSYU.QVL")),
                                       e.Bangumi.ParticipationSensyuNoAllGet(), 0);
    e.ui.SetStatusText(3, e.SensyuLoaded ? QStringLiteral("選手ﾃﾞｰﾀ : ") + e.Sensyu.GetSensyuFileVersion()
                                         : QStringLiteral("選手ﾃﾞｰﾀ : なし"));
    KDataLoad(e, code);
    e.KekkaLoaded = LoadRaceResults(e, code, bangumiFolder);
    CollectMeetingStats(e, code, bangumiFolder);
    e.ui.SetStatusText(1, QString());
    return true;
}

int ChooseRace(Engine& e, int raceNo, bool forceFixed)
{
    if (raceNo < 1 || raceNo > e.Bangumi.RaceNumbers())
        return 0;
    e.SelectedRaceNo = raceNo;
    bool fixed = false;
    try {
        fixed = e.Bangumi.CourseFix(raceNo);
    } catch (const QvError&) {
    }
    e.SinnyuFixation = fixed || forceFixed;
    RaceDisp(e, raceNo);
    return raceNo;
}

QString RaceListEntry(int raceNo, const QString& raceTitle)
{
    const qsizetype r = raceTitle.indexOf(QStringLiteral("Ｒ"));
    const QString rest = r >= 0 ? raceTitle.mid(r + 1) : raceTitle;
    return QStringLiteral("%1").arg(raceNo, 2) + QStringLiteral("   ") + rest;
}

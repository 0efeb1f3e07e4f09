#include "engine/racedisp.h"

#include "common/errors.h"
#include "engine/engine.h"
#include "engine/marks.h"
#include "engine/mMermaid2.h"
#include "engine/racecard.h"
#include "engine/recommend.h"
#include "platform/ui.h"

#include <exception>

void RaceDisp(Engine& e, int raceNo)
{
    e.hooks->CloseCommentWindow();
    e.ui.ProcessEvents();
    if (raceNo < 1)
        return;
    try {
        e.st.ExhibitionLoaded = false;
        e.st.StartExhibitionLoaded = false;
        RaceCardDisp(e, raceNo);
        ExhibitionDisp(e, raceNo);
        SensyuDataDisp(e, raceNo);
        EntryCourseExpect(e, raceNo, e.SinnyuFixation);
        CourseDataDisp(e, raceNo);
        StartChartDisp(e, raceNo);
        MarkDisp(e, raceNo);
        // Here the bets come before the user index; the periodic refresh has them the other way.
        RecommendDisp(e, raceNo);
        e.hooks->ShowUserSisu(raceNo);
        StartExhibitionDisp(e, raceNo);
        e.hooks->ShowCompanionWindows(raceNo);
        if (!e.st.ReportInProgress && e.KekkaLoaded && e.Kekka.RaceDate() == e.Bangumi.RaceDate())
            e.hooks->ShowResultWindow(raceNo);
    } catch (const QvError& err) {
        ShowEngineError(e, err.description());
    } catch (const std::exception&) {
        ShowEngineError(e, ErrorDescription(0));
    }
}

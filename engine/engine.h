#pragma once
// The forecast engine's context: the three models, the engine-wide state, the window state it
// writes (race card and bets windows), the meeting tables and the few main-window facts the
// refresh reads. Every engine operation takes it by reference; nothing is global.
#include "datafiles/bangumifile.h"
#include "datafiles/kekkafile.h"
#include "datafiles/sensyufile.h"
#include "engine/enginestate.h"
#include "engine/meetingdata.h"
#include "views/mdiFocusState.h"
#include "views/mdiMainState.h"
#include "views/mdiResultState.h"

#include <QDateTime>
#include <functional>

class ProgramFolder;
class UserInterface;

// What the refresh asks of the rest of the program: the user index display, the companion
// windows and the result window. The defaults do nothing (no windows).
class EngineHooks {
public:
    virtual ~EngineHooks() = default;
    virtual void ShowUserSisu(int raceNo) {}
    virtual void CloseCommentWindow() {}
    virtual void ShowCompanionWindows(int raceNo) {} // records, odds, course records as checked
    virtual void ShowResultWindow(int raceNo) {}
    virtual void FocusWindowShown(bool visible) {}   // the bets window was shown or hidden
};

struct Engine {
    Engine(const ProgramFolder& folder, UserInterface& ui, SurfaceFactory surfaces = HeadlessSurfaceFactory());

    const ProgramFolder& folder;
    UserInterface& ui;

    cBangumiFile Bangumi;
    cSensyuFile Sensyu;
    cKekkaFile Kekka;
    EngineState st;
    MeetingData Meeting;

    mdiMainState raceCard; // mdiMain
    mdiFocusState focus;   // mdiFocus
    mdiResultState result; // mdiResult

    // Main-window facts read by the refresh.
    bool SinnyuFixation = false; // "進入固定" checked
    bool PreviousDay = false;    // "前夜版" checked
    bool KekkaLoaded = false;
    bool SensyuLoaded = false;
    int SelectedRaceNo = 0;

    EngineHooks* hooks = &noHooks;

    // The clock; tests set a fixed time.
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

    int StadiumNumber() const; // the program's KyoteijyoCode as a number (0 when none)

private:
    EngineHooks noHooks;
};

// Shows a run-time error the way engine operations do: a warning box with the description and
// the operation's title (empty title = product name).
void ShowEngineError(Engine& e, const QString& description, const QString& title = QString());

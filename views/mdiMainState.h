#pragma once
// The race card window ("出走表") as state: its three grids, labels, user bets panel, status
// bar panels and the start-timing diagram. The engine fills it; the Qt window renders it.
#include "views/cGrid.h"
#include "views/windowstate.h"

#include <QVector>
#include <array>

struct UserBetLine {
    LabelState lblUserFunaken;              // first boat
    LabelState lblSep1{QStringLiteral("－")};
    LabelState lblUserFunaken2;             // second boat
    LabelState lblUserOdds{QStringLiteral("000.0")};
    LabelState lblUserHit{QStringLiteral("○")};
};

// The start-timing diagram in its own coordinates: x in hundredths of a second (0 = start line,
// negative = later), y counting courses downward.
struct StartDiagram {
    struct Line {
        double x = 0, y1 = 0, y2 = 0;
        bool dotted = false;
    };
    struct Text {
        double x = 0, y = 0;
        QString text;
    };
    struct Boat {
        double Left = 0, Top = 0; // bow at -timing: Left = -(timing + ImageWidth)
        bool Visible = false;
    };
    static constexpr double ImageWidth = 12.0; // boat picture width in hundredths of a second
    static constexpr double Bottom = 7.0;      // y of the picture's bottom edge
    bool Visible = true;
    QVector<Line> lines;
    QVector<Text> texts;
    std::array<Boat, 7> imgBoat{}; // 1..6
    bool shpSinnyuKotei = false;   // entry-fixed marker
    void Clear()
    {
        lines.clear();
        texts.clear();
    }
};

class mdiMainState {
public:
    static constexpr int kBangumiCols = 23, kSensyuCols = 26, kCourseCols = 12, kRows = 7;
    static inline const QString kCaption = QStringLiteral("出走表");
    static inline const QString kNotice = QStringLiteral("－内容については主催者発行のものと照合して下さい－");

    explicit mdiMainState(SurfaceFactory factory = HeadlessSurfaceFactory());

    // The window load: grids set up, display style applied, status text.
    void Load(int dispStyle);
    bool Loaded() const { return loaded_; }
    // Applies a display style (0..3) to the race card grid and the racer table.
    void DispStyleChange(int dispStyle);

    GridSurface& picMain() { return *picMain_; }
    GridSurface& picSensyu() { return *picSensyu_; }
    GridSurface& picCourse() { return *picCourse_; }

    cGrid flexBangumi;
    cGrid flexSensyu;
    cGrid flexCourse;

    LabelState lblRaceNoTitle;
    std::array<LabelState, 2> lblClosingHour{LabelState{QStringLiteral("場外締切予定時刻")},
                                             LabelState{QStringLiteral("００：００")}};
    LabelState lblTanpyo;
    LabelState lblFunakenTitle{QStringLiteral("★ユーザー舟券")};
    std::array<UserBetLine, 6> userBets;
    bool picFunakenVisible = true;
    // Status bar panels 1..4 (index 0 unused).
    std::array<QString, 5> sbStatusBar{};

    StartDiagram picPool;

    // The periodic refresh's memory of what it saw last.
    int RefreshCountdown = 0;
    QString RefreshKyoteijyoCode;
    int RefreshRaceNo = 0;

private:
    std::unique_ptr<GridSurface> picMain_, picSensyu_, picCourse_;
    bool loaded_ = false;
};

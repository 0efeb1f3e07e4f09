#pragma once
// The race result window ("レース成績") as state: the finishing order, the start slit with the
// six boats, the payouts, the weather, the race heading and the notice. DispData (engine)
// fills it from the results model; the Qt window renders it.
#include "views/cGrid.h"
#include "views/windowstate.h"

#include <array>

// Where a boat picture of the slit stands, in pixels relative to the pool's top left corner.
struct SlitBoat {
    int Left = 0;
    int Top = 0;
    bool Visible = false;
};

// The pool area the slit boats stand in, in pixels of the slit grid's surface. Its right edge
// (ScaleLeft + ScaleWidth) is the reference L of the boat placement.
struct SlitPool {
    int Left = 0;
    int Top = 0;
    int ScaleLeft = 0;
    int ScaleWidth = 0;
    int ScaleHeight = 0;
    int L() const { return ScaleLeft + ScaleWidth; }
};

class mdiResultState {
public:
    static inline const QString kCaption = QStringLiteral("レース成績");
    static inline const QString kNotice = QStringLiteral("内容については主催者発行のものと照合して下さい");
    static inline const QString kCancelled = QStringLiteral("       中　　止");

    static constexpr ColorRef kResultBackColor = 0xC1DDFF;
    static constexpr ColorRef kSlitBackColor = 0xFBCCE6;
    static constexpr ColorRef kSlitTitleBackColor = 0xF36BB6;
    static constexpr ColorRef kHaitoBackColor = 0xCAFDD6;
    static constexpr ColorRef kHaitoLabelBackColor = 0x09DF38;
    static constexpr ColorRef kWaveBackColor = 0xC1FFFF;
    static constexpr ColorRef kWaveTitleBackColor = 0x80E0FF;

    // Boat pictures of the slit: their bow stands at Left + kBoatWidth, so a start timing of 0
    // puts the bow on the pool's right edge (the start line).
    static constexpr int kBoatWidth = 40;
    static constexpr int kBoatHeight = 18;
    // Slit rows are the surface height shared among the seven rows.
    static constexpr int kSlitRowHeight = 26;
    // The slit column holds the pool: room right of the start line for flying boats (so they
    // do not cover the timing texts), and behind the boat's length for late ones (0.70 s).
    static constexpr int kSlitFlyingRoom = 20;
    static constexpr int kSlitLateRoom = 70;

    explicit mdiResultState(SurfaceFactory factory = HeadlessSurfaceFactory());

    // The window load: the five grids created, coloured and sized, the payout labels written.
    void Load();
    bool Loaded() const { return loaded_; }

    GridSurface& picName() { return *picName_; }
    GridSurface& picSlitte() { return *picSlitte_; }
    GridSurface& picHaito(int index) { return index == 0 ? *picHaito0_ : *picHaito1_; }
    GridSurface& picWave() { return *picWave_; }

    cGrid grdResult;                // picName: 4 x 7, rows 1-6 by finishing position
    cGrid grdSlit;                  // picSlitte: 4 x 7, rows 1-6 by course, no grid lines
    std::array<cGrid, 2> grdHaito;  // picHaito(0), picHaito(1): 4 x 5 payouts
    cGrid grdWave;                  // picWave: 3 x 2, weather / wind / waves

    LabelState lblRaceTitle;               // race heading
    LabelState lblNotice{kNotice};
    SlitPool picPool;
    std::array<SlitBoat, 7> imgBoat{};     // by frame 1..6

    // Background and text colour of the frame-number cell of frames 1..6.
    static ColorRef FrameBackColor(int frame);
    static ColorRef FrameForeColor(int frame);

private:
    std::unique_ptr<GridSurface> picName_, picSlitte_, picHaito0_, picHaito1_, picWave_;
    bool loaded_ = false;
};

// "#,###円": 1230 -> "1,230円".
QString ResultAmountText(qint64 amount);

// The race line of the results split into heading, weather, wind and waves (indices 0..3).
// The heading runs to one character past the first "00m" (the end of the distance); the
// weather lies between it and "風", the wind between "風" and "波", the waves after "波",
// each with the blanks around it (half- and full-width) removed. A part that cannot be found is empty; a line without a
// distance is all heading.
std::array<QString, 4> SplitRaceNoTitle(const QString& raceNoTitle);

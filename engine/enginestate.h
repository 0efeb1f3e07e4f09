#pragma once
// Engine-wide state of the forecast: the predicted entry, before-race records, stadium course
// figures, forecast data, recommendation and forecast odds. One instance per application
// context; every window reads it.
#include "engine/forecastdata.h"

#include <QString>
#include <array>

struct ExhibitionRecord {
    int WakuNo = 0;
    QString SensyuNo;
    float Weight = 0;
    float ExhibitionTime = 0; // 9999 when the page showed no number
    float Tilt = 0;           // 9999 when the page showed no number
};

struct StartExhibitionRecord {
    int BoatNo = 0;
    int Course = 0;  // 0 = not seen
    QString Timing;  // as the page shows it: ".05", "F.01"
};

// Exhibition times typed in by the user: [frame 1..6][race 1..12][stadium 1..24], 0 = none.
class UserTenjiTimeTable {
public:
    float Get(int frame, int race, int stadium) const;
    void Set(int frame, int race, int stadium, float value); // ignored outside the table
    void Clear() { values_.fill(0.0f); }

private:
    static int index(int frame, int race, int stadium);
    std::array<float, 6 * 12 * 24> values_{};
};

struct EngineState {
    // Predicted entry (1-based; index 0 unused).
    std::array<int, 7> ExpectCourse{};  // by frame
    std::array<int, 7> ExpectWaku{};    // by course
    std::array<QString, 7> ExpectTactics; // by course

    // Working arrays of the entry prediction, kept between calls.
    std::array<float, 7> CourseTarget{};
    std::array<float, 7> CourseScore{};
    std::array<int, 7> CoursePower{};
    std::array<float, 7> InSisuNet{};

    // Before-race information of the selected race.
    bool ExhibitionLoaded = false;
    bool StartExhibitionLoaded = false;
    std::array<ExhibitionRecord, 7> ExhibitionRec{};          // by frame
    std::array<StartExhibitionRecord, 7> StartExhibitionRec{}; // by boat number
    UserTenjiTimeTable UserTenjiTime;

    // Stadium course figures [course 1..6][kind 1..3]: 1st/2nd/3rd place rates.
    std::array<std::array<float, 4>, 7> KDataCourse{};

    ForecastDataTable ForecastData;
    int ForecastDataVersion = -1;

    // Recommendation.
    std::array<int, 7> RecommendOrder{};   // frame at each rank
    std::array<float, 7> RecommendProb{};  // forecast data value by frame
    std::array<float, 7> RaceStrength{};

    // Forecast odds [first frame][second frame].
    std::array<std::array<float, 7>, 7> ForecastOdds{};

    bool ReportInProgress = false;
};

#pragma once
// The day's race results file (競走成績): one stadium's block at a time, with the finishing
// order, start timings, exhibition times, entry courses, the deciding move and the payouts
// of every race, plus the derived entry formation and timing ranks.
#include <QString>

#include <array>

class UserInterface;

class cKekkaFile {
public:
    static constexpr int kMaxRace = 12;
    static constexpr int kWakuCount = 6;

    explicit cKekkaFile(UserInterface& ui);

    // Loads the block of one stadium from a results file ("KEKKA.QVL"). The code may lack its
    // leading zero ("5" finds 05KBGN). True when the block was read.
    // False, with a message box unless blnNoMessage: the file is missing, the meeting was
    // cancelled, or the block holds more than 12 races. False without a message: the file
    // has no block for the stadium (no results yet).
    // Any other failure (an unreadable file, a popularity rank that is not a number, a
    // result line past position 6, ...) raises QvError; the model keeps what was read.
    bool FileLoad(const QString& kyoteijyo_code, const QString& filename, bool blnNoMessage = false);
    void DataClear();

    QString KyoteijyoCode() const { return kyoteijyoCode_; }
    int RaceNumbers() const { return raceNumbers_; }
    QString RaceDate() const { return raceDate_; }
    int TotalDay() const { return totalDay_; }

    // Per race and frame. Races 1-12, frames, courses and positions 1-6, payout indices from 0;
    // an index outside its range raises QvError 9.
    QString RaceNoTitle(int intRaceNo) const;
    QString Finish(int intRaceNo) const;
    QString Order(int intRaceNo, int intWakuNo) const;
    QString RaceTime(int intRaceNo, int intWakuNo) const;
    QString SensyuNo(int intRaceNo, int intWakuNo) const;
    float StartTiming(int intRaceNo, int intWakuNo) const;
    float ExhibitionTime(int intRaceNo, int intWakuNo) const;
    int Course(int intRaceNo, int intWakuNo) const;
    int StartTimingOrder(int intRaceNo, int intWakuNo) const;
    int ExhibitionTimeOrder(int intRaceNo, int intWakuNo) const;
    int CourseToWaku(int intRaceNo, int intCourse) const;
    int ResultToWaku(int intRaceNo, int order_no) const;

    int DividendTansyo(int intRaceNo) const;
    int DividendFukusyo(int intRaceNo, int index) const; // index 0-1
    int DividendRensyoTansiki(int intRaceNo) const;
    int DividendRensyoFukusiki(int intRaceNo) const;
    int Dividend3RenTan(int intRaceNo) const;
    int Dividend3Renfuku(int intRaceNo) const;
    int DividendKakuRenFuku(int intRaceNo, int index) const; // index 0-2
    int Dividend2RentanOrder(int intRaceNo) const;
    int Dividend2RenfukuOrder(int intRaceNo) const;
    int Dividend3RentanOrder(int intRaceNo) const;
    int Dividend3RenfukuOrder(int intRaceNo) const;
    int DividendKakuRenFukuOrder(int intRaceNo, int intIndex) const; // index 0-2

    // Frames that took courses 1 to 6 as six digits ("123465"); empty when a course was not taken.
    QString SinnyuStyle(int intRaceNo) const;

private:
    struct Entry {
        QString order, sensyuNo, raceTime;
        float exhibitionTime = 0.0f;
        float startTiming = 0.0f;
        bool exhibitionRead = false; // the column held a number
        bool startRead = false;
        int course = 0;
        int startTimingOrder = 0;
        int exhibitionTimeOrder = 0;
    };
    struct Race {
        QString title, finish;
        std::array<Entry, kWakuCount> entry;
        std::array<int, kWakuCount> courseToWaku{};
        std::array<int, kWakuCount> resultToWaku{};
        int tansyo = 0, rentan = 0, renfuku = 0, sanrentan = 0, sanrenfuku = 0;
        std::array<int, 2> fukusyo{};
        std::array<int, 3> kakuRenFuku{};
        int rentanOrder = 0, renfukuOrder = 0, sanrentanOrder = 0, sanrenfukuOrder = 0;
        std::array<int, 3> kakuRenFukuOrder{};
    };

    const Race& race(int intRaceNo) const;
    const Entry& entry(int intRaceNo, int intWakuNo) const;
    void rankTimings();

    UserInterface& ui_;
    QString kyoteijyoCode_;
    int raceNumbers_ = 0;
    QString raceDate_;
    int totalDay_ = 0;
    std::array<Race, kMaxRace> races_;
};

#pragma once
// The race program (番組表): conversion of the official day file into the working copy
// "BANGUMI.QVL", the list of racing stadiums, and the race card of one stadium.
#include <QString>
#include <QStringList>
#include <array>

class ProgramFolder;
class UserInterface;

// Meeting title per stadium, indexed by stadium number 1-24 ([0] is not used). An empty
// entry means the stadium does not race that day.
using KaisaiTable = std::array<QString, 25>;

class cBangumiFile {
public:
    static constexpr int kMaxRaces = 12;
    static constexpr int kFrames = 6;

    cBangumiFile(const ProgramFolder& folder, UserInterface& ui);

    // Copies the official text file into "BANGUMI.QVL" without its decoration lines. The old
    // working copy is replaced only when the new one is complete.
    bool FileConv(const QString& strFileName);

    // Fills the meeting title of every stadium that has a block in the file. An empty
    // strFileName means the working copy; its full path is written back.
    bool KaisaiCheck(KaisaiTable& strKyoteijyoTable, QString& strFileName);
    bool KaisaiCheck(KaisaiTable& strKyoteijyoTable);

    // Loads the block of one stadium ("01".."24"). An empty strFileName means the working
    // copy; its full path is written back.
    bool FileLoad(const QString& kyoteijyo_code, QString& strFileName);
    bool FileLoad(const QString& kyoteijyo_code);

    // Empties the model (as after construction).
    void Clear();

    // Meeting values.
    QString KyoteijyoCode() const { return kyoteijyoCode_; }
    QString Title() const { return title_; }
    QString TitleLong() const { return titleLong_; }
    QString Grade() const { return grade_; }
    QString RaceDate() const { return raceDate_; }
    int TotalDay() const { return totalDay_; }
    int RaceNumbers() const { return raceNumbers_; }
    int ParticipationNumbers() const { return participationNumbers_; }

    // Distinct racers of the day, registration numbers ascending. Element 0 of the copy is
    // list entry 1.
    QStringList ParticipationSensyuNoAllGet() const { return participants_; }
    // Position (1-based) in the distinct list, 0 when absent.
    int SensyuNoToIndex(const QString& strSensyuNo) const;
    QString ParticipationSenyuNo(int index) const;
    // Values of the first entry (race 1 frame 1, frame 2 ...) of the racer at a list position.
    QString IndexToSenyuName(int intIndex) const;
    QString IndexToSenyuClass(int intIndex) const;
    float IndexToSenyuZenkokuSyoritu(int intIndex) const;
    float IndexToSenyuZenkokuFSyoritu(int intIndex) const;
    float IndexToTokutenritu(int intIndex) const;

    // Per race (1-12); races above RaceNumbers read as empty.
    QString RaceTitle(int intRaceNo) const;
    QString ClosingHour(int intRaceNo) const;
    void ClosingHour(int intRaceNo, const QString& Value);
    int VoteType(int intRaceNo) const;
    bool CourseFix(int intRaceNo) const;

    // Per entry (race 1-12, frame 1-6).
    QString SensyuNo(int intRaceNo, int intWakuNo) const;
    QString SensyuName(int intRaceNo, int intWakuNo) const;
    int SensyuAge(int intRaceNo, int intWakuNo) const;
    QString SensyuBirthplace(int intRaceNo, int intWakuNo) const;
    int SensyuWeight(int intRaceNo, int intWakuNo) const;
    QString SensyuClass(int intRaceNo, int intWakuNo) const;
    float SensyuZenkokuSyoritu(int intRaceNo, int intWakuNo) const;
    float SensyuZenkokuFSyoritu(int intRaceNo, int intWakuNo) const;
    float SensyuTochiSyoritu(int intRaceNo, int intWakuNo) const;
    float SensyuTochiFSyoritu(int intRaceNo, int intWakuNo) const;
    QString MotorNo(int intRaceNo, int intWakuNo) const;
    float MotorFSyoritu(int intRaceNo, int intWakuNo) const;
    QString BoatNo(int intRaceNo, int intWakuNo) const;
    float BoatFSyoritu(int intRaceNo, int intWakuNo) const;
    QString Seiseki(int intRaceNo, int intWakuNo) const;
    int Hayami(int intRaceNo, int intWakuNo) const;
    float Tokutenritu(int intRaceNo, int intWakuNo) const;
    int TokutenrituOrder(int intRaceNo, int intWakuNo) const;
    float Tansyoritu(int intRaceNo, int intWakuNo) const;

    // An index outside race 1-12, frame 1-6 or list 1..ParticipationNumbers raises QvError 9
    // from the getters above: the calling operation catches it like any run-time error.

    // Grade ("SG", "G1", "G2", "G3", "OTHER") of a long meeting title.
    static QString GradeOf(const QString& titleLong);
    // Score of the results so far: mean points of the recognised characters, 0 if none.
    static float TokutenrituOf(const QString& seiseki);

private:
    struct Entry {
        QString sensyuNo, sensyuName, sensyuBirthplace, sensyuClass, motorNo, boatNo, seiseki;
        int sensyuAge = 0, sensyuWeight = 0, hayami = 0, tokutenrituOrder = 0;
        float zenkokuSyoritu = 0, zenkokuFSyoritu = 0, tochiSyoritu = 0, tochiFSyoritu = 0;
        float motorFSyoritu = 0, boatFSyoritu = 0, tokutenritu = 0, tansyoritu = 0;
    };
    struct Race {
        QString raceTitle, closingHour;
        int voteType = 0;
        bool courseFix = false;
    };

    // False after a message that leaves the model as it is (stadium missing, race overflow).
    bool readBlock(const QByteArray& bytes, const QString& code);
    void readEntry(const QString& line);
    void computeDerived();
    const Entry& entry(int intRaceNo, int intWakuNo) const;
    const Race& race(int intRaceNo) const;
    const Entry* firstEntryOf(int intIndex) const;

    const ProgramFolder& folder_;
    UserInterface& ui_;

    QString kyoteijyoCode_, title_, titleLong_, grade_, raceDate_;
    int totalDay_ = 0, raceNumbers_ = 0, participationNumbers_ = 0;
    QStringList participants_;
    std::array<Race, kMaxRaces> races_;
    std::array<std::array<Entry, kFrames>, kMaxRaces> entries_;
};

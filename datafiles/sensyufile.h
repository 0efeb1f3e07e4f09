#pragma once
// The racer file ("SENSYU.QVL", a copy of the fan handbook text): one fixed-width CP932
// record per racer, cut by byte positions. The model holds one slot per requested racer and
// answers every per-racer figure by registration number.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

class UserInterface;

class cSensyuFile {
public:
    explicit cSensyuFile(UserInterface& ui);

    // Loads the records of the listed racers: one slot per entry, in list order (the list may
    // be in any order and repeat a number); a racer missing from the file keeps an empty slot.
    // intRev 0 reads the current layout, any other value the older 403-byte layout. A record
    // whose numeric field is not a number keeps the fields before it. A missing, unreadable or
    // empty file shows "選手ファイル読み取りエラー", leaves one empty slot and gives false.
    // An empty list loads no slot.
    bool FileLoad(const QString& strFileName, const QStringList& vntSensyuNo, int intRev = 0);
    // FileLoad with the older layout.
    bool FileLoadOld2(const QString& strFileName, const QStringList& vntSensyuNo);
    // Loads every record of the file, one slot per non-blank line in file order (racer lists).
    bool FileLoadAll(const QString& strFileName, int intRev = 0);

    // "2023年後期": the year and half-year of the statistics period.
    QString GetSensyuFileVersion() const;

    // Slots: 1..SensyuCount(). SensyuNo is empty for a slot whose racer was not found and for
    // an index out of range.
    int SensyuCount() const { return int(slots_.size()); }
    QString SensyuNo(int index) const;
    // Slot holding the registration number (1-based), 0 when no slot holds it.
    int SensyuIndex(const QString& strSensyuNo) const;

    // File-level values (set by the records loaded; the last one wins).
    int Nen() const { return nen_; }
    int Ki() const { return ki_; }
    QString YmdStart() const { return ymdStart_; }
    QString YmdEnd() const { return ymdEnd_; }
    // Training class of the file's last record, the most recently registered racer.
    int LastYoseiKi() const { return lastYoseiKi_; }

    // Stored fields. A racer not in the model reads 0 or empty text. Course numbers outside
    // 1-6 raise error 9 (QvError).
    QString NameKanji(const QString& strSensyuNo) const;
    QString NameKana(const QString& strSensyuNo) const;
    QString Birthplace(const QString& strSensyuNo) const;
    QString Class(const QString& strSensyuNo) const;
    QString Birth(const QString& strSensyuNo) const;
    QString Blood(const QString& strSensyuNo) const;
    QString ClassOld1(const QString& strSensyuNo) const;
    QString ClassOld2(const QString& strSensyuNo) const;
    QString ClassOld3(const QString& strSensyuNo) const;
    int Sex(const QString& strSensyuNo) const;
    int Age(const QString& strSensyuNo) const;
    int Height(const QString& strSensyuNo) const;
    int Weight(const QString& strSensyuNo) const;
    int OneFinishTimes(const QString& strSensyuNo) const;
    int TwoFinishTimes(const QString& strSensyuNo) const;
    int SyussoTimes(const QString& strSensyuNo) const;
    int YusyutuTimes(const QString& strSensyuNo) const;
    int YusyoTimes(const QString& strSensyuNo) const;
    float Syoritu(const QString& strSensyuNo) const;
    float FSyoritu(const QString& strSensyuNo) const;
    float StartTiming(const QString& strSensyuNo) const;
    int Ability(const QString& strSensyuNo) const;
    int AbilityOld(const QString& strSensyuNo) const;
    int YoseiKi(const QString& strSensyuNo) const;
    int OutsideCourseL0Times(const QString& strSensyuNo) const;
    int OutsideCourseL1Times(const QString& strSensyuNo) const;
    int OutsideCourseK0Times(const QString& strSensyuNo) const;
    int OutsideCourseK1Times(const QString& strSensyuNo) const;

    int CourseSyussoTimes(const QString& strSensyuNo, int intCourseNo) const;
    float CourseFSyoritu(const QString& strSensyuNo, int intCourseNo) const;
    float CourseStartTiming(const QString& strSensyuNo, int intCourseNo) const;
    float CourseStartHatujyun(const QString& strSensyuNo, int intCourseNo) const;
    int Course1FinishTimes(const QString& strSensyuNo, int intCourseNo) const;
    int Course2FinishTimes(const QString& strSensyuNo, int intCourseNo) const;
    int Course3FinishTimes(const QString& strSensyuNo, int intCourseNo) const;
    int Course4FinishTimes(const QString& strSensyuNo, int intCourseNo) const;
    int Course5FinishTimes(const QString& strSensyuNo, int intCourseNo) const;
    int Course6FinishTimes(const QString& strSensyuNo, int intCourseNo) const;
    int CourseF0Times(const QString& strSensyuNo, int intCourseNo) const;
    int CourseL0Times(const QString& strSensyuNo, int intCourseNo) const;
    int CourseL1Times(const QString& strSensyuNo, int intCourseNo) const;
    int CourseK0Times(const QString& strSensyuNo, int intCourseNo) const;
    int CourseK1Times(const QString& strSensyuNo, int intCourseNo) const;
    int CourseS0Times(const QString& strSensyuNo, int intCourseNo) const;
    int CourseS1Times(const QString& strSensyuNo, int intCourseNo) const;
    int CourseS2Times(const QString& strSensyuNo, int intCourseNo) const;

    // Computed statistics (single precision; rates in %). 0 for a racer not in the model.
    float StratHatujyun(const QString& strSensyuNo) const;   // mean start order over courses 1-6
    float InSisu(const QString& strSensyuNo) const;          // 100 = always course 1
    int FTimes(const QString& strSensyuNo) const;            // flying starts
    int LTimes(const QString& strSensyuNo) const;            // late starts
    float Rentairitu1(const QString& strSensyuNo) const;     // first places
    float Rentairitu2(const QString& strSensyuNo) const;     // top two
    float Rentairitu3(const QString& strSensyuNo) const;     // top three
    float CourseRentairitu3(const QString& strSensyuNo, int intCourseNo) const;
    // intChaku 1-6: share of that placing; any other value: share of F, L, K and S results.
    float Nyuchakuritu(const QString& strSensyuNo, int intChaku) const;

private:
    // Counts are 16-bit in the file's definition; they are kept that way.
    struct CourseData {
        qint16 syusso = 0;
        std::array<qint16, 6> finish{}; // 1st..6th places
        qint16 f0 = 0, l0 = 0, l1 = 0, k0 = 0, k1 = 0, s0 = 0, s1 = 0, s2 = 0;
        float fsyoritu = 0, startTiming = 0, startHatujyun = 0;
    };
    // A slot. Text fields stay as bytes of the loaded file and are decoded when asked for.
    struct Racer {
        qsizetype offset = -1; // the record in bytes_; -1 for an empty slot
        int length = 0;        // record bytes (the part the layout reads)
        int textEnd = 0;       // text fields starting before this byte were reached by the parse
        qint16 sex = 0, age = 0, height = 0, weight = 0;
        qint16 oneFinish = 0, twoFinish = 0, syusso = 0, yusyutu = 0, yusyo = 0;
        qint16 abilityOld = 0, ability = 0, nen = 0, ki = 0, yoseiKi = 0;
        qint16 outsideL0 = 0, outsideL1 = 0, outsideK0 = 0, outsideK1 = 0;
        float syoritu = 0, fsyoritu = 0, startTiming = 0;
        std::array<CourseData, 6> course{};
    };
    struct FileLevel; // file-wide values a parse updates

    bool load(const QString& fileName, const QStringList* numbers, int rev);
    void reset(int slotCount);
    void buildIndex();
    const Racer* find(const QString& no) const;
    QString text(const Racer* r, int start, int width) const;
    static const CourseData& courseOf(const Racer& r, int courseNo);
    static void parseRecord(const char* line, int length, int rev, Racer& r, FileLevel* fileLevel);

    UserInterface& ui_;
    QByteArray bytes_;           // the loaded file
    std::vector<Racer> slots_;
    std::vector<int> index_;     // slots holding a racer, by registration number, first slot first
    int nen_ = 0, ki_ = 0, lastYoseiKi_ = 0;
    QString ymdStart_, ymdEnd_;
};

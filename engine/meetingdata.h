#pragma once
// Results of the earlier days of the meeting, per racer of the day's program. Filled by the
// meeting statistics collection when a stadium is loaded; read by the figures, the entry
// prediction, the user indices and the records windows.
#include <QString>
#include <QVector>

struct MeetingRecord {
    QString SensyuNo;
    QString Order1, Order2;
    float StartTiming1 = 0, StartTiming2 = 0;
    int Course1 = 0, Course2 = 0;
    float ExhibitionTime1 = 0, ExhibitionTime2 = 0;
};

struct MeetingAverage {
    float StartTiming = 0; // mean start timing in this meeting; 0 when no start counted
    float Course = 0;      // mean entry course; 0 when none counted
};

class MeetingData {
public:
    // Sizes the tables to `racers` x `days` (days = TotalDay - 1), every field empty or 0.
    void Reset(int racers, int days);
    int Racers() const { return int(averages_.size()); }
    int Days() const { return days_; }

    // 1-based; an index outside the tables reads as an empty record / zero average.
    MeetingRecord MeetingRecords(int racerIndex, int day) const;
    MeetingAverage MeetingAverages(int racerIndex) const;
    // Writable access for the collection; nullptr outside the tables.
    MeetingRecord* Record(int racerIndex, int day);
    MeetingAverage* Average(int racerIndex);

private:
    int days_ = 0;
    QVector<MeetingRecord> records_; // racer-major: (racer - 1) * days + (day - 1)
    QVector<MeetingAverage> averages_;
};

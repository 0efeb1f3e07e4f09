#include "engine/meetingdata.h"

void MeetingData::Reset(int racers, int days)
{
    racers = qMax(0, racers);
    days_ = qMax(0, days);
    records_ = QVector<MeetingRecord>(qsizetype(racers) * days_);
    averages_ = QVector<MeetingAverage>(racers);
}

MeetingRecord* MeetingData::Record(int racerIndex, int day)
{
    if (racerIndex < 1 || racerIndex > Racers() || day < 1 || day > days_)
        return nullptr;
    return &records_[qsizetype(racerIndex - 1) * days_ + (day - 1)];
}

MeetingAverage* MeetingData::Average(int racerIndex)
{
    if (racerIndex < 1 || racerIndex > Racers())
        return nullptr;
    return &averages_[racerIndex - 1];
}

MeetingRecord MeetingData::MeetingRecords(int racerIndex, int day) const
{
    const MeetingRecord* r = const_cast<MeetingData*>(this)->Record(racerIndex, day);
    return r ? *r : MeetingRecord{};
}

MeetingAverage MeetingData::MeetingAverages(int racerIndex) const
{
    const MeetingAverage* a = const_cast<MeetingData*>(this)->Average(racerIndex);
    return a ? *a : MeetingAverage{};
}

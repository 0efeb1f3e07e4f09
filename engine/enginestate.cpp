#include "engine/enginestate.h"

int UserTenjiTimeTable::index(int frame, int race, int stadium)
{
    if (frame < 1 || frame > 6 || race < 1 || race > 12 || stadium < 1 || stadium > 24)
        return -1;
    return ((stadium - 1) * 12 + (race - 1)) * 6 + (frame - 1);
}

float UserTenjiTimeTable::Get(int frame, int race, int stadium) const
{
    const int i = index(frame, race, stadium);
    return i < 0 ? 0.0f : values_[i];
}

void UserTenjiTimeTable::Set(int frame, int race, int stadium, float value)
{
    const int i = index(frame, race, stadium);
    if (i >= 0)
        values_[i] = value;
}

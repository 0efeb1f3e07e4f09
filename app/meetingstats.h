#pragma once
// Results of the earlier days of the meeting for every racer of the loaded program day.
#include <QString>

struct Engine;

// Rebuilds e.Meeting for stadium `code` (1-24): per racer of the day's program and per
// earlier day, up to two races (order, course, start timing, exhibition time), and the mean
// start timing and entry course over them. The results file of each earlier day is taken
// from the "Temp" folder ("k" + yymmdd + ".txt"), or else copied or extracted there from the
// text or archive found in `bangumiFolder`. A day without a usable file stays empty; nothing
// is ever reported to the user.
void CollectMeetingStats(Engine& e, int code, const QString& bangumiFolder);

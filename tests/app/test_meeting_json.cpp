// The meeting tables as the command-line front end prints them.
#include "meeting_fixture.h"

#include "app/meetingstats.h"
#include "cli/json_meeting.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

using MeetingJsonTest = MeetingFixture;

TEST_F(MeetingJsonTest, EveryRacerWithHisDaysAndAverages)
{
    ASSERT_TRUE(LoadProgram(QStringLiteral("B240106.TXT")));
    for (int d = 1; d <= 5; ++d)
        ASSERT_TRUE(CopyReal(QStringLiteral("results/K24010%1.TXT").arg(d), TempFile(QStringLiteral("k24010%1.txt").arg(d))));
    CollectMeetingStats(*e, 24, files);

    // Through text and back, as the front end prints it.
    const QJsonObject o = QJsonDocument::fromJson(QJsonDocument(MeetingJson(*e)).toJson()).object();
    EXPECT_EQ(o.value(QStringLiteral("Days")).toInt(), 5);
    const QJsonArray racers = o.value(QStringLiteral("racers")).toArray();
    ASSERT_EQ(racers.size(), e->Bangumi.ParticipationNumbers());

    const int y = e->Bangumi.SensyuNoToIndex(QStringLiteral("3944"));
    const QJsonObject racer = racers.at(y - 1).toObject();
    EXPECT_EQ(racer.value(QStringLiteral("SensyuNo")).toString(), QStringLiteral("3944"));
    const QJsonArray records = racer.value(QStringLiteral("records")).toArray();
    ASSERT_EQ(records.size(), 5);
    const QJsonObject day1 = records.at(0).toObject();
    EXPECT_EQ(day1.keys(), QStringList({"Course1", "Course2", "ExhibitionTime1", "ExhibitionTime2", "Order1", "Order2",
                                        "StartTiming1", "StartTiming2"}));
    EXPECT_EQ(day1.value(QStringLiteral("Order1")).toString(), QStringLiteral("01"));
    EXPECT_EQ(day1.value(QStringLiteral("Course1")).toInt(), 3);
    // Reals print as their shortest text: 0.08, not 0.07999999821186066.
    EXPECT_EQ(day1.value(QStringLiteral("StartTiming1")).toDouble(), 0.08);
    EXPECT_EQ(day1.value(QStringLiteral("ExhibitionTime2")).toDouble(), 6.82);
    EXPECT_EQ(records.at(3).toObject().value(QStringLiteral("Order2")).toString(), QString());
    const QJsonObject averages = racer.value(QStringLiteral("averages")).toObject();
    EXPECT_EQ(averages.value(QStringLiteral("Course")).toDouble(), 4.125);
    EXPECT_NEAR(averages.value(QStringLiteral("StartTiming")).toDouble(), 1.0 / 7, 1e-6);
}

TEST_F(MeetingJsonTest, OpeningDayHasNoRecords)
{
    ASSERT_TRUE(LoadProgram(QStringLiteral("B240101.TXT")));
    CollectMeetingStats(*e, 24, files);
    const QJsonObject o = MeetingJson(*e);
    EXPECT_EQ(o.value(QStringLiteral("Days")).toInt(), 0);
    const QJsonArray racers = o.value(QStringLiteral("racers")).toArray();
    ASSERT_FALSE(racers.isEmpty());
    EXPECT_TRUE(racers.at(0).toObject().value(QStringLiteral("records")).toArray().isEmpty());
    EXPECT_EQ(racers.at(0).toObject().value(QStringLiteral("SensyuNo")).toString(), e->Bangumi.ParticipationSenyuNo(1));
}

} // namespace

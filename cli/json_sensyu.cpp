#include "cli/json_sensyu.h"

#include "common/format.h"
#include "datafiles/sensyufile.h"

#include <QJsonArray>

namespace {

QJsonValue Real(float x)
{
    return QJsonValue(FloatText(x).toDouble());
}

QJsonObject CourseJson(const cSensyuFile& s, const QString& no, int c)
{
    QJsonObject o;
    o.insert(QStringLiteral("CourseSyussoTimes"), s.CourseSyussoTimes(no, c));
    o.insert(QStringLiteral("CourseFSyoritu"), Real(s.CourseFSyoritu(no, c)));
    o.insert(QStringLiteral("CourseStartTiming"), Real(s.CourseStartTiming(no, c)));
    o.insert(QStringLiteral("CourseStartHatujyun"), Real(s.CourseStartHatujyun(no, c)));
    o.insert(QStringLiteral("Course1FinishTimes"), s.Course1FinishTimes(no, c));
    o.insert(QStringLiteral("Course2FinishTimes"), s.Course2FinishTimes(no, c));
    o.insert(QStringLiteral("Course3FinishTimes"), s.Course3FinishTimes(no, c));
    o.insert(QStringLiteral("Course4FinishTimes"), s.Course4FinishTimes(no, c));
    o.insert(QStringLiteral("Course5FinishTimes"), s.Course5FinishTimes(no, c));
    o.insert(QStringLiteral("Course6FinishTimes"), s.Course6FinishTimes(no, c));
    o.insert(QStringLiteral("CourseF0Times"), s.CourseF0Times(no, c));
    o.insert(QStringLiteral("CourseL0Times"), s.CourseL0Times(no, c));
    o.insert(QStringLiteral("CourseL1Times"), s.CourseL1Times(no, c));
    o.insert(QStringLiteral("CourseK0Times"), s.CourseK0Times(no, c));
    o.insert(QStringLiteral("CourseK1Times"), s.CourseK1Times(no, c));
    o.insert(QStringLiteral("CourseS0Times"), s.CourseS0Times(no, c));
    o.insert(QStringLiteral("CourseS1Times"), s.CourseS1Times(no, c));
    o.insert(QStringLiteral("CourseS2Times"), s.CourseS2Times(no, c));
    return o;
}

QJsonObject RacerJson(const cSensyuFile& s, const QString& no)
{
    QJsonObject o;
    o.insert(QStringLiteral("SensyuNo"), no);
    o.insert(QStringLiteral("NameKanji"), s.NameKanji(no));
    o.insert(QStringLiteral("NameKana"), s.NameKana(no));
    o.insert(QStringLiteral("Birthplace"), s.Birthplace(no));
    o.insert(QStringLiteral("Class"), s.Class(no));
    o.insert(QStringLiteral("Birth"), s.Birth(no));
    o.insert(QStringLiteral("Sex"), s.Sex(no));
    o.insert(QStringLiteral("Age"), s.Age(no));
    o.insert(QStringLiteral("Height"), s.Height(no));
    o.insert(QStringLiteral("Weight"), s.Weight(no));
    o.insert(QStringLiteral("Blood"), s.Blood(no));
    o.insert(QStringLiteral("Syoritu"), Real(s.Syoritu(no)));
    o.insert(QStringLiteral("FSyoritu"), Real(s.FSyoritu(no)));
    o.insert(QStringLiteral("OneFinishTimes"), s.OneFinishTimes(no));
    o.insert(QStringLiteral("TwoFinishTimes"), s.TwoFinishTimes(no));
    o.insert(QStringLiteral("SyussoTimes"), s.SyussoTimes(no));
    o.insert(QStringLiteral("YusyutuTimes"), s.YusyutuTimes(no));
    o.insert(QStringLiteral("YusyoTimes"), s.YusyoTimes(no));
    o.insert(QStringLiteral("StartTiming"), Real(s.StartTiming(no)));
    o.insert(QStringLiteral("ClassOld1"), s.ClassOld1(no));
    o.insert(QStringLiteral("ClassOld2"), s.ClassOld2(no));
    o.insert(QStringLiteral("ClassOld3"), s.ClassOld3(no));
    o.insert(QStringLiteral("AbilityOld"), s.AbilityOld(no));
    o.insert(QStringLiteral("Ability"), s.Ability(no));
    o.insert(QStringLiteral("YoseiKi"), s.YoseiKi(no));
    o.insert(QStringLiteral("OutsideCourseL0Times"), s.OutsideCourseL0Times(no));
    o.insert(QStringLiteral("OutsideCourseL1Times"), s.OutsideCourseL1Times(no));
    o.insert(QStringLiteral("OutsideCourseK0Times"), s.OutsideCourseK0Times(no));
    o.insert(QStringLiteral("OutsideCourseK1Times"), s.OutsideCourseK1Times(no));

    QJsonArray courses, courseRate3;
    for (int c = 1; c <= 6; ++c) {
        courses.append(CourseJson(s, no, c));
        courseRate3.append(Real(s.CourseRentairitu3(no, c)));
    }
    o.insert(QStringLiteral("courses"), courses);

    o.insert(QStringLiteral("StratHatujyun"), Real(s.StratHatujyun(no)));
    o.insert(QStringLiteral("InSisu"), Real(s.InSisu(no)));
    o.insert(QStringLiteral("FTimes"), s.FTimes(no));
    o.insert(QStringLiteral("LTimes"), s.LTimes(no));
    o.insert(QStringLiteral("Rentairitu1"), Real(s.Rentairitu1(no)));
    o.insert(QStringLiteral("Rentairitu2"), Real(s.Rentairitu2(no)));
    o.insert(QStringLiteral("Rentairitu3"), Real(s.Rentairitu3(no)));
    o.insert(QStringLiteral("CourseRentairitu3"), courseRate3);
    QJsonArray placing; // 0: accident results, 1..6: placings
    for (int chaku = 0; chaku <= 6; ++chaku)
        placing.append(Real(s.Nyuchakuritu(no, chaku)));
    o.insert(QStringLiteral("Nyuchakuritu"), placing);
    return o;
}

} // namespace

QJsonObject SensyuFileJson(const cSensyuFile& s, const QStringList& numbers)
{
    QJsonObject root;
    root.insert(QStringLiteral("version"), s.GetSensyuFileVersion());
    root.insert(QStringLiteral("Nen"), s.Nen());
    root.insert(QStringLiteral("Ki"), s.Ki());
    root.insert(QStringLiteral("YmdStart"), s.YmdStart());
    root.insert(QStringLiteral("YmdEnd"), s.YmdEnd());
    root.insert(QStringLiteral("LastYoseiKi"), s.LastYoseiKi());

    QStringList listed = numbers;
    if (listed.isEmpty())
        for (int i = 1; i <= s.SensyuCount(); ++i)
            listed.append(s.SensyuNo(i));
    QJsonArray racers;
    for (const QString& no : listed)
        if (s.SensyuIndex(no) > 0)
            racers.append(RacerJson(s, no));
    root.insert(QStringLiteral("racers"), racers);
    return root;
}

#include "engine/mMermaid2.h"

#include "common/errors.h"
#include "common/strutil.h"
#include "engine/engine.h"
#include "engine/mermaid_rules.h"

#include <algorithm>
#include <exception>

namespace {

constexpr int kFrames = 6;

bool validFrame(int frame) { return frame >= 1 && frame <= kFrames; }

// The racer of a frame; a frame number outside 1-6 (a course no prediction has filled yet)
// has no racer and reads as zero figures. A bad race number still raises error 9.
QString racerOf(Engine& e, int raceNo, int frame)
{
    return validFrame(frame) ? e.Bangumi.SensyuNo(raceNo, frame) : QString();
}

void showError(Engine& e, const QvError& err, const QString& title) { ShowEngineError(e, err.description(), title); }

void showError(Engine& e, const std::exception& err, const QString& title)
{
    ShowEngineError(e, QString::fromLocal8Bit(err.what()), title);
}

// Power, inside index net of this meeting's mean course, and the racer's course type.
int readRacer(Engine& e, int frame, const QString& racer)
{
    EngineState& st = e.st;
    const float meetingCourse = e.Meeting.MeetingAverages(e.Bangumi.SensyuNoToIndex(racer)).Course;
    st.InSisuNet[frame] = e.Sensyu.InSisu(racer) - meetingCourse;
    st.CoursePower[frame] = CoursePowerOf(e.Sensyu.Ability(racer), e.Sensyu.Sex(racer));
    return TokuiCourseTypeGet(e, racer);
}

// Stores a value computed in double the way the single-precision arrays keep it.
float single(double v) { return float(v); }

} // namespace

QString EntryCourseExpect(Engine& e, int raceNo, bool fixed)
{
    QString entry;
    try {
        if (fixed) {
            for (int f = 1; f <= kFrames; ++f) {
                e.st.ExpectCourse[f] = f;
                e.st.ExpectWaku[f] = f;
            }
            entry = QStringLiteral("123456");
        } else if (e.st.StartExhibitionLoaded) {
            entry = ExhibitionEntry(e, raceNo);
        } else if (e.Bangumi.KyoteijyoCode() == QLatin1String("03")) {
            entry = EntryCourseExpect03(e, raceNo);
        } else {
            entry = EntryCourseExpectStandard(e, raceNo);
        }
        TacticsGet(e, raceNo);
    } catch (const QvError& err) {
        showError(e, err, QStringLiteral("EntryCourseExpectErr"));
    } catch (const std::exception& err) {
        showError(e, err, QStringLiteral("EntryCourseExpectErr"));
    }
    return entry;
}

QString ExhibitionEntry(Engine& e, int raceNo)
{
    Q_UNUSED(raceNo);
    QString entry;
    for (int c = 1; c <= kFrames; ++c) {
        for (int f = 1; f <= kFrames; ++f) {
            if (e.st.StartExhibitionRec[f].Course == c) {
                e.st.ExpectCourse[f] = c;
                e.st.ExpectWaku[c] = f;
                entry += QString::number(f);
                break;
            }
        }
        // A course nobody took keeps the frame it had.
    }
    return entry;
}

QString EntryCourseExpectStandard(Engine& e, int raceNo)
{
    try {
        EngineState& st = e.st;
        auto& target = st.CourseTarget;
        const auto& net = st.InSisuNet;
        std::array<int, kFrames + 1> startsIn1{};
        int innerMinded = 0, free = 0;
        for (int f = 1; f <= kFrames; ++f) {
            const QString racer = e.Bangumi.SensyuNo(raceNo, f);
            const int type = readRacer(e, f, racer);
            target[f] = float(type);
            startsIn1[f] = e.Sensyu.CourseSyussoTimes(racer, 1);
            if (type >= 1 && type <= 3)
                ++innerMinded;
            else if (type == 0)
                ++free;
        }

        // Nobody wants the inside: racers who usually take it go for course 2.
        if (innerMinded == 0) {
            if (free == kFrames) {
                for (int f = 1; f <= kFrames; ++f)
                    target[f] = net[f] >= 70 ? 2.0f : float(f + 2);
            } else {
                for (int f = 1; f <= kFrames; ++f)
                    if (net[f] >= 60)
                        target[f] = 2.0f;
            }
        }
        if (target[1] == 0.0f || target[1] == 3.0f || (target[1] == 5.0f && net[1] >= 60))
            target[1] = 2.0f;
        for (int f = 1; f <= kFrames; ++f)
            if (target[f] == 0.0f)
                target[f] = single(f + (net[f] >= 70 ? 1.8 : 2.2));

        for (int f = 1; f <= kFrames; ++f) {
            float score = single(double(target[f]) - double(net[f]) / 100.0);
            const QString cls = e.Bangumi.SensyuClass(raceNo, f);
            if (cls == QLatin1String("A1"))
                score = single(double(score) - 0.2);
            else if (cls == QLatin1String("A2"))
                score = single(double(score) - 0.1);
            if (f <= 4)
                score = single(double(score) + f / 10.0);
            else if (f == 5)
                score = single(double(score) + 0.35);
            else
                score = single(double(score) + 0.3);
            if (startsIn1[f] >= 50)
                score = single(double(score) - 0.4);
            else if (startsIn1[f] >= 30)
                score = single(double(score) - 0.2);
            st.CourseScore[f] = score;
        }
        return ChooseCourse(e);
    } catch (const QvError& err) {
        showError(e, err, QStringLiteral("EntryCourseExpectStandardErr"));
    } catch (const std::exception& err) {
        showError(e, err, QStringLiteral("EntryCourseExpectStandardErr"));
    }
    return QString();
}

QString EntryCourseExpect03(Engine& e, int raceNo)
{
    try {
        EngineState& st = e.st;
        for (int f = 1; f <= kFrames; ++f) {
            const QString racer = e.Bangumi.SensyuNo(raceNo, f);
            // The power of this race's racers, so that the conflict rule never sees the figures
            // of a race shown earlier.
            const int type = readRacer(e, f, racer);
            st.CourseTarget[f] = (type == 1 || type == 9 || type == 10) ? float(type) : 4.0f;
            st.CourseScore[f] = st.CourseTarget[f];
        }
        return ChooseCourse(e);
    } catch (const QvError& err) {
        showError(e, err, QStringLiteral("EntryCourseExpect03Err"));
    } catch (const std::exception& err) {
        showError(e, err, QStringLiteral("EntryCourseExpect03Err"));
    }
    return QString();
}

QString ChooseCourse(Engine& e)
{
    QString entry;
    try {
        EngineState& st = e.st;
        auto& target = st.CourseTarget;
        const auto& score = st.CourseScore;
        const auto& power = st.CoursePower;

        // Settle every contested course from the inside out; a loser moves one course out and
        // meets the boats aiming there on a later round.
        for (int a = 1; a <= 115; ++a) {
            for (int b = 1; b <= kFrames - 1; ++b) {
                if (RoundHalfEven(target[b]) != a)
                    continue;
                for (int j = b + 1; j <= kFrames; ++j) {
                    if (RoundHalfEven(target[j]) != a)
                        continue;
                    if (score[b] > score[j] && power[b] < RoundHalfEven(power[j] * 0.85)) {
                        target[b] += 1;
                        break;
                    }
                    target[j] += 1;
                }
            }
        }

        std::array<float, kFrames + 1> kept{};
        std::array<float, kFrames> sorted{};
        for (int f = 1; f <= kFrames; ++f) {
            target[f] = single(double(target[f]) + f / 1000.0); // equal targets: the lower frame first
            kept[f] = target[f];
            sorted[size_t(f - 1)] = target[f];
        }
        for (int pass = 0; pass < kFrames - 1; ++pass)
            for (int i = 0; i < kFrames - 1; ++i)
                if (sorted[size_t(i)] > sorted[size_t(i + 1)])
                    std::swap(sorted[size_t(i)], sorted[size_t(i + 1)]);

        // Each frame takes one course even if two values were ever equal.
        std::array<bool, kFrames + 1> placed{};
        for (int k = 1; k <= kFrames; ++k) {
            for (int f = 1; f <= kFrames; ++f) {
                if (!placed[f] && kept[f] == sorted[size_t(k - 1)]) {
                    placed[f] = true;
                    st.ExpectCourse[f] = k;
                    st.ExpectWaku[k] = f;
                    entry += QString::number(f);
                    break;
                }
            }
        }
    } catch (const QvError& err) {
        showError(e, err, QStringLiteral("ChooseCourseErr"));
    } catch (const std::exception& err) {
        showError(e, err, QStringLiteral("ChooseCourseErr"));
    }
    return entry;
}

void TacticsGet(Engine& e, int raceNo)
{
    try {
        EngineState& st = e.st;
        auto& tactics = st.ExpectTactics;
        const cSensyuFile& s = e.Sensyu;
        tactics[1] = TacticNige();
        for (int c = 2; c <= kFrames; ++c) {
            const int innerFrame = st.ExpectWaku[c - 1];
            const int outerFrame = st.ExpectWaku[c];
            const QString inner = racerOf(e, raceNo, innerFrame);
            const QString outer = racerOf(e, raceNo, outerFrame);
            TacticFigures fig;
            fig.innerStart = s.CourseStartTiming(inner, c - 1);
            fig.outerStart = s.CourseStartTiming(outer, c);
            fig.innerOrder = s.CourseStartHatujyun(inner, c - 1);
            fig.outerOrder = s.CourseStartHatujyun(outer, c);
            fig.innerAbility = s.Ability(inner);
            fig.outerAbility = s.Ability(outer);
            fig.outerMotor = validFrame(outerFrame) ? e.Bangumi.MotorFSyoritu(raceNo, outerFrame) : 0.0f;
            tactics[c] = TacticWord(c, fig, tactics[c - 1]);
        }
        // No record from the course: nothing to say about the tactic there.
        for (int c = 1; c <= kFrames; ++c)
            if (s.CourseSyussoTimes(racerOf(e, raceNo, st.ExpectWaku[c]), c) == 0)
                tactics[c] = TacticBlank();
    } catch (const QvError& err) {
        showError(e, err, QStringLiteral("TacticsGetErr"));
    } catch (const std::exception& err) {
        showError(e, err, QStringLiteral("TacticsGetErr"));
    }
}

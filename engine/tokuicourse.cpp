#include "common/errors.h"
#include "engine/engine.h"
#include "engine/mMermaid2.h"

QString TokuiCourseTypeName(int code)
{
    static const char16_t* const words[] = {u"自在", u"イン", u"内",   u"内中", u"センタ", u"中",
                                            u"休明け", u"中外", u"外", u"アウト", u"新人"};
    if (code < 0 || code > 10)
        return QString();
    return QString::fromUtf16(words[code]);
}

int TokuiCourseTypeGet(Engine& e, const QString& r)
{
    try {
        const cSensyuFile& s = e.Sensyu;
        const int n = s.SyussoTimes(r);
        if (n == 0) {
            const int ki = s.YoseiKi(r);
            return (ki != 0 && ki < s.LastYoseiKi()) ? 6 : 10;
        }
        float k[7];
        for (int c = 1; c <= 6; ++c)
            k[c] = float(s.CourseSyussoTimes(r, c));
        const float N = float(n);
        // Ratios in single precision against single-precision constants.
        auto ratio = [N](float v) { return float(v / N); };
        if (ratio(k[1] + k[2]) >= 0.85f)
            return 1;
        if (ratio(k[3] + k[4]) >= 0.55f && ratio(k[2] + k[5]) >= 0.25f)
            return 4;
        if (ratio(k[6]) >= 0.7f)
            return 9;
        if (ratio(k[1] + k[2] + k[3]) >= 0.8f)
            return 2;
        if (ratio(k[2] + k[3] + k[4] + k[5]) >= 0.8f)
            return 5;
        if (ratio(k[4] + k[5] + k[6]) >= 0.8f)
            return 8;
        if (ratio(k[5] + k[6]) < 0.2f)
            return 3;
        if (ratio(k[1] + k[2]) < 0.2f)
            return 7;
        if (s.CourseFSyoritu(r, 4) < 20.0f)
            return 2;
        if (s.CourseFSyoritu(r, 5) >= 20.0f || s.CourseFSyoritu(r, 6) >= 20.0f)
            return 0;
        return 3;
    } catch (const QvError& err) {
        ShowEngineError(e, err.description(), QStringLiteral("TokuiCourseTypeGetErr"));
        return 0;
    }
}

#include "engine/marks.h"

#include "common/checkedmath.h"

#include "common/errors.h"
#include "engine/engine.h"

#include <cfloat>
#include <cmath>

void RankSort(std::span<const float> values, int lo, int hi, bool ascending, std::vector<int>& rank,
              std::vector<int>& item)
{
    const auto size = qsizetype(values.size());
    if (lo < 0 || hi < lo || hi >= size) {
        rank.assign(values.size(), 0);
        item.assign(values.size(), 0);
        return;
    }
    rank.assign(size_t(hi) + 1, 0);
    item.assign(size_t(hi) + 1, 0);

    std::vector<float> sorted(values.begin(), values.begin() + hi + 1);
    for (int e = lo; e < hi; ++e)
        for (int i = e + 1; i <= hi; ++i) {
            const bool swap = ascending ? sorted[size_t(e)] > sorted[size_t(i)] : sorted[size_t(e)] < sorted[size_t(i)];
            if (swap)
                std::swap(sorted[size_t(e)], sorted[size_t(i)]);
        }
    // Matching every position against every item is what gives ties their shared rank.
    for (int k = lo; k <= hi; ++k)
        for (int i = lo; i <= hi; ++i)
            if (values[size_t(i)] == sorted[size_t(k)]) {
                rank[size_t(i)] = k;
                item[size_t(k)] = i;
            }
}

void RankSort(const FrameValues& values, bool ascending, FrameRanks& rank, FrameRanks& item)
{
    std::vector<int> r, it;
    RankSort(std::span<const float>(values), 1, 6, ascending, r, it);
    rank.fill(0);
    item.fill(0);
    for (int f = 1; f <= 6; ++f) {
        rank[size_t(f)] = r[size_t(f)];
        item[size_t(f)] = it[size_t(f)];
    }
}

QString MarkText(int rank)
{
    switch (rank) {
    case 1: return QStringLiteral("◎");
    case 2: return QStringLiteral("○");
    case 3: return QStringLiteral("△");
    case 4: return QStringLiteral("×");
    default: return QString();
    }
}

namespace {

int checkedCourse(int course)
{
    if (course < 1 || course > 6)
        RaiseError(ErrIndexOutOfRange);
    return course;
}


FrameRanks ranks(const FrameValues& values, bool ascending)
{
    FrameRanks rank{}, item{};
    RankSort(values, ascending, rank, item);
    return rank;
}

} // namespace

FrameValues NamiheiValues(Engine& e, int raceNo)
{
    FrameValues v{};
    for (int f = 1; f <= 6; ++f) {
        const QString no = e.Bangumi.SensyuNo(raceNo, f);
        const cBangumiFile& b = e.Bangumi;
        v[size_t(f)] = ToSingle(10.0 * b.SensyuZenkokuSyoritu(raceNo, f) + b.SensyuZenkokuFSyoritu(raceNo, f)
                                + b.MotorFSyoritu(raceNo, f) + (50.0 - 100.0 * e.Sensyu.StartTiming(no)) - f / 100.0);
    }
    return v;
}

FrameValues FunakichiValues(Engine& e, int raceNo)
{
    FrameValues v{};
    for (int f = 1; f <= 6; ++f) {
        const int c = checkedCourse(e.st.ExpectCourse[size_t(f)]);
        const auto& k = e.st.KDataCourse[size_t(c)];
        v[size_t(f)] = ToSingle(0.33 * e.Bangumi.SensyuZenkokuFSyoritu(raceNo, f) + e.Bangumi.Tansyoritu(raceNo, f)
                                + 0.01 * e.Bangumi.MotorFSyoritu(raceNo, f) + 0.33 * (double(k[1]) + k[2])
                                - f / 1000.0);
    }
    return v;
}

FrameValues YosukeValues(Engine& e, int raceNo)
{
    FrameValues v{};
    for (int f = 1; f <= 6; ++f) {
        float score = 0;
        // A step that fails for any reason (no such racer or course, division by zero,
        // overflow) leaves 40 and the next step works on that.
        auto step = [&](auto compute) {
            try {
                score = ToSingle(compute(double(score)));
            } catch (...) {
                score = 40.0f;
            }
        };
        QString no;
        int c = 0;
        try {
            no = e.Bangumi.SensyuNo(raceNo, f);
            c = e.st.ExpectCourse[size_t(f)];
        } catch (...) {
        }
        step([&](double) { return double(e.Sensyu.CourseStartHatujyun(no, c)); });
        step([&](double s) { return s * e.Bangumi.SensyuZenkokuFSyoritu(raceNo, f); });
        step([&](double s) { return CheckedDivide(s, e.Sensyu.CourseFSyoritu(no, c)); });
        step([&](double s) { return CheckedDivide(s, e.Bangumi.SensyuZenkokuSyoritu(raceNo, f)); });
        step([&](double s) { return s - f / 1000.0; });
        v[size_t(f)] = score;
    }
    return v;
}

FrameRanks NamiheiScore(Engine& e, int raceNo) { return ranks(NamiheiValues(e, raceNo), false); }
FrameRanks FunakichiScore(Engine& e, int raceNo) { return ranks(FunakichiValues(e, raceNo), false); }
FrameRanks YosukeScore(Engine& e, int raceNo) { return ranks(YosukeValues(e, raceNo), true); }

void MarkDisp(Engine& e, int raceNo)
{
    const FrameRanks namihei = NamiheiScore(e, raceNo);
    const FrameRanks funakichi = FunakichiScore(e, raceNo);
    const FrameRanks yosuke = YosukeScore(e, raceNo);
    cGrid& g = e.raceCard.flexSensyu;
    for (int f = 1; f <= 6; ++f) {
        g.CellValue(f, 23, MarkText(namihei[size_t(f)]));
        g.CellValue(f, 24, MarkText(funakichi[size_t(f)]));
        g.CellValue(f, 25, MarkText(yosuke[size_t(f)]));
    }
    g.Refresh(false);
}

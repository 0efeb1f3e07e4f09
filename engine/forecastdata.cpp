#include "engine/forecastdata.h"

#include "common/errors.h"
#include "common/format.h"
#include "common/strutil.h"
#include "platform/fileio.h"
#include "platform/programfolder.h"
#include "platform/ui.h"

#include <QFileInfo>
#include <cmath>

namespace {

int index(int frame, int cls, int stadium)
{
    if (frame < 1 || frame > ForecastDataTable::kFrames || cls < 0 || cls >= ForecastDataTable::kClasses
        || stadium < 1 || stadium > ForecastDataTable::kStadiums)
        RaiseError(ErrIndexOutOfRange);
    return ((stadium - 1) * ForecastDataTable::kClasses + cls) * ForecastDataTable::kFrames + (frame - 1);
}

QString resolve(const QString& path, const ProgramFolder& folder)
{
    return path.isEmpty() ? folder.AppFilePath(QStringLiteral("VDATA.QVL")) : path;
}

// Walks the file as the reader does: 24 x 50 records of 12 bytes, then the edition.
// `store` receives every value; throws error 62 when the file ends early and 13 when the
// edition is not a number.
template <typename Store>
int walk(const QByteArray& bytes, Store store)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype pos = 0;
    int s = 1, cls = 0;
    while (pos < size && s < 25) {
        if (pos + 12 > size)
            RaiseError(ErrPastEndOfFile);
        for (int k = 1; k <= 6; ++k) {
            const int i = p[pos + 2 * k - 2];
            const int f = p[pos + 2 * k - 1];
            store(k, cls, s, float(i + double(f - s) / 100.0));
        }
        pos += 12;
        if (++cls > 49) {
            ++s;
            cls = 0;
        }
    }
    if (pos + 3 > size)
        RaiseError(ErrPastEndOfFile);
    const QString edition = QString::fromLatin1(reinterpret_cast<const char*>(p + pos), 3);
    return CInt(CDbl(edition));
}

} // namespace

float ForecastDataTable::Value(int frame, int cls, int stadium) const
{
    if (!sized_)
        RaiseError(ErrIndexOutOfRange);
    return values_[index(frame, cls, stadium)];
}

void ForecastDataTable::Set(int frame, int cls, int stadium, float value)
{
    values_[index(frame, cls, stadium)] = value;
}

void ForecastDataTable::Resize()
{
    values_.fill(0.0f);
    sized_ = true;
}

int ForecastDataLoad(const QString& path, ForecastDataTable& table, const ProgramFolder& folder, UserInterface& ui)
{
    const QString file = resolve(path, folder);
    if (!QFileInfo(file).isFile())
        return -1;
    table.Resize();
    try {
        QByteArray bytes;
        if (!ReadFileBytes(file, &bytes))
            RaiseError(ErrFileAccess);
        return walk(bytes, [&](int k, int cls, int s, float v) { table.Set(k, cls, s, v); });
    } catch (const QvError& e) {
        ui.ShowMessage(e.description(), MsgIcon::Warning);
        return -1;
    }
}

int ForecastDataCheck(const QString& path, const ProgramFolder& folder)
{
    const QString file = resolve(path, folder);
    if (!QFileInfo(file).isFile())
        return -1;
    try {
        QByteArray bytes;
        if (!ReadFileBytes(file, &bytes))
            return -1;
        return walk(bytes, [](int, int, int, float) {});
    } catch (const QvError&) {
        return -1;
    }
}

bool StrengthClasses(const std::array<float, 7>& w, std::array<int, 7>& d)
{
    // In double: six singles add up exactly, so six equal rates give a mean equal to each of
    // them and an sd of exactly 0. In single precision the mean misses by one unit for about
    // a third of the rates (3.94 among them) and six equal boats all become class 33 or 13.
    double sum = 0;
    for (int f = 1; f <= 6; ++f) {
        if (!std::isfinite(w[f]))
            return false;
        sum += w[f];
    }
    const double mean = sum / 6.0;
    double sq = 0;
    for (int f = 1; f <= 6; ++f)
        sq += (w[f] - mean) * (w[f] - mean);
    const double sd = std::sqrt(sq / 6.0);
    if (!(sd > 0.0))
        return false;
    // |z| is at most sqrt(5) for six values, so the classes stay near 0..45.
    for (int f = 1; f <= 6; ++f)
        d[f] = int(RoundHalfEven((w[f] - mean) / sd * 10.0 + 72.0)) - 49;
    return true;
}

QByteArray ForecastDataEncode(const ForecastDataTable& table, int edition)
{
    QByteArray out;
    out.reserve(ForecastDataTable::kFileBytes);
    for (int s = 1; s <= ForecastDataTable::kStadiums; ++s)
        for (int cls = 0; cls < ForecastDataTable::kClasses; ++cls)
            for (int k = 1; k <= 6; ++k) {
                const float v = table.sized() ? table.Value(k, cls, s) : 0.0f;
                long hundredths = std::lround(double(v) * 100.0);
                if (hundredths < 0)
                    hundredths = 0;
                int i = int(hundredths / 100);
                int f = int(hundredths % 100);
                if (i > 0x80) { // keep every byte below the CP932 lead bytes
                    i = 0x80;
                    f = 0;
                }
                f += s;
                if (f > 0x80) { // cannot happen for f <= 99 and s <= 24; guard anyway
                    f = 0x80;
                }
                out.append(char(i));
                out.append(char(f));
            }
    out.append(Format(double(edition < 0 ? 0 : edition % 1000), QStringLiteral("000")).toLatin1());
    return out;
}

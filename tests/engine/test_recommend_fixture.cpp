#include "test_recommend_fixture.h"

#include "common/cp932.h"
#include "common/strutil.h"
#include "engine/forecastdata.h"

namespace rectest {

namespace {

QString wideNumber(int n, int width)
{
    return StrWide(QString::number(n).rightJustified(width, QLatin1Char(' ')));
}

QString fixed(float v, int width)
{
    return QString::asprintf("%*.2f", width, double(v));
}

QString entryLine(int frame, const EntrySpec& s)
{
    const QString name = QStringLiteral("選手") + StrWide(s.no.right(2));
    QString line = QString::number(frame) + QLatin1Char(' ') + s.no.left(4).leftJustified(4) + name.left(4)
                   + QStringLiteral("30長崎52") + s.cls.left(2).leftJustified(2) + fixed(s.zen, 5)
                   + fixed(s.zenF, 6) + fixed(s.tochi, 5) + fixed(s.tochiF, 6) + QStringLiteral(" 11")
                   + fixed(s.motorF, 6) + QStringLiteral(" 22") + fixed(s.boatF, 6);
    if (s.seiseki.isNull())
        return line; // the line ends before the results column
    return line + QLatin1Char(' ') + s.seiseki.left(12).leftJustified(12) + QStringLiteral("  ");
}

} // namespace

QByteArray ProgramText(const ProgramSpec& spec)
{
    QStringList lines;
    lines << QStringLiteral("STARTB");
    lines << spec.code + QStringLiteral("BBGN");
    lines << QStringLiteral("ボートレース大　村   　１月　６日  テスト大村カップ  第　") + wideNumber(spec.totalDay, 1)
                 + QStringLiteral("日");
    lines << QStringLiteral("          ") + spec.longTitle;
    lines << QStringLiteral("   第") + wideNumber(spec.totalDay, 2) + QStringLiteral("日          ")
                 + wideNumber(spec.year, 4) + QStringLiteral("年") + wideNumber(spec.month, 2) + QStringLiteral("月")
                 + wideNumber(spec.day, 2) + QStringLiteral("日                  ボートレース大　村");
    for (int r = 0; r < spec.races.size(); ++r) {
        lines << QStringLiteral("　") + wideNumber(r + 1, 1).right(1) + QStringLiteral("Ｒ") + spec.raceTail;
        for (int f = 0; f < spec.races[r].size(); ++f)
            lines << entryLine(f + 1, spec.races[r][f]);
    }
    lines << spec.code + QStringLiteral("BEND");
    lines << QStringLiteral("FINALB");
    return EncodeLines(lines);
}

TestEngine::TestEngine() : folder(tmp.path()), engine(std::make_unique<Engine>(folder, ui))
{
    engine->raceCard.Load(0);
}

bool TestEngine::LoadProgram(const QString& programPath, const QString& code)
{
    Engine& en = e();
    if (!en.Bangumi.FileConv(programPath) || !en.Bangumi.FileLoad(code))
        return false;
    return en.Sensyu.FileLoad(RealData(QStringLiteral("fan/fan2004.txt")), en.Bangumi.ParticipationSensyuNoAllGet());
}

bool TestEngine::LoadHandMade(const ProgramSpec& spec)
{
    const QString path = tmp.filePath(QStringLiteral("B_HAND.TXT"));
    if (!WriteAll(path, ProgramText(spec)))
        return false;
    return LoadProgram(path, spec.code);
}

bool TestEngine::LoadResults(const QString& code, const QString& resultsPath)
{
    return e().Kekka.FileLoad(code, resultsPath);
}

void FramesInOwnCourses(Engine& e)
{
    for (int f = 1; f <= 6; ++f) {
        e.st.ExpectCourse[size_t(f)] = f;
        e.st.ExpectWaku[size_t(f)] = f;
    }
}

void FillForecastData(Engine& e, int stadium)
{
    e.st.ForecastData.Resize();
    for (int f = 1; f <= 6; ++f)
        for (int cls = 0; cls < ForecastDataTable::kClasses; ++cls)
            e.st.ForecastData.Set(f, cls, stadium, float(cls) / 2.0f + float(7 - f));
}

} // namespace rectest

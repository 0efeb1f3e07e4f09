#pragma once
// Small race program texts in the official layout, for the cBangumiFile tests.
#include "common/cp932.h"
#include "common/strutil.h"
#include "datafiles/bangumifile.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bangumi_fixture {

// One entry line, columns as the organizer prints them.
struct EntryFields {
    int frame = 1;
    QString no = QStringLiteral("4000");
    QString name = QStringLiteral("山田太郎");
    QString age = QStringLiteral("30");
    QString birthplace = QStringLiteral("大阪");
    QString weight = QStringLiteral("52");
    QString cls = QStringLiteral("A1");
    QString zenkoku = QStringLiteral("6.00");  // 5 wide
    QString zenkokuF = QStringLiteral("40.00"); // 6 wide
    QString tochi = QStringLiteral("5.50");
    QString tochiF = QStringLiteral("35.00");
    QString motor = QStringLiteral("10");       // right-aligned in 3
    QString motorF = QStringLiteral("30.00");
    QString boat = QStringLiteral("20");
    QString boatF = QStringLiteral("25.00");
    QString seiseki;                            // 12 wide
    QString hayami;                             // 2 wide, right-aligned

    QString line() const
    {
        return QString::number(frame) + QLatin1Char(' ') + no + name + age + birthplace + weight + cls
            + zenkoku.rightJustified(5) + zenkokuF.rightJustified(6) + tochi.rightJustified(5)
            + tochiF.rightJustified(6) + motor.rightJustified(3) + motorF.rightJustified(6)
            + boat.rightJustified(3) + boatF.rightJustified(6) + QLatin1Char(' ') + seiseki.leftJustified(12)
            + hayami.rightJustified(2);
    }
};

// "　１Ｒ  予選 ... 電話投票締切予定hh：mm " with full-width digits.
inline QString RaceLine(int raceNo, const QString& extra = QStringLiteral("予選　　　　 "),
                        const QString& closing = QStringLiteral("１７：４１"))
{
    const QString no = StrWide(QString::number(raceNo)).rightJustified(2, QChar(0x3000));
    return no + QStringLiteral("Ｒ  ") + extra + QStringLiteral("         Ｈ１８００ｍ  電話投票締切予定") + closing
        + QLatin1Char(' ');
}

// Six entries 4001..4006 (or from `firstNo`) without other races.
inline QStringList SixEntries(int firstNo = 4001)
{
    QStringList lines;
    for (int w = 1; w <= 6; ++w) {
        EntryFields e;
        e.frame = w;
        e.no = QString::number(firstNo + w - 1);
        lines << e.line();
    }
    return lines;
}

// A whole block: marks, title line, long title, date line, then `body`.
inline QStringList Block(const QString& code, const QStringList& body,
                         const QString& title = QStringLiteral("テスト記念競走"),
                         const QString& longTitle = QStringLiteral("          ＧⅢテスト記念競走　　　"),
                         const QString& day = QStringLiteral("　３"),
                         const QString& date = QStringLiteral("２０２４年　３月　９日"))
{
    QStringList lines;
    lines << code + QStringLiteral("BBGN");
    lines << QStringLiteral("ボートレース大　村   　３月　９日  ") + title;
    lines << longTitle;
    lines << QStringLiteral("   第") + day + QStringLiteral("日          ") + date
            + QStringLiteral("                  ボートレース大　村");
    lines << body;
    lines << code + QStringLiteral("BEND");
    return lines;
}

inline QByteArray Bytes(const QStringList& lines) { return EncodeLines(lines); }

// A temporary program folder with a model and a recording user interface.
class BangumiTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    RecordingUi ui;
    cBangumiFile bangumi{folder, ui};

    QString path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
    QString working() const { return path(QStringLiteral("BANGUMI.QVL")); }

    // Writes the lines as the working copy.
    void writeWorking(const QStringList& lines) { ASSERT_TRUE(WriteAll(working(), Bytes(lines))); }

    // Loads a block from the working copy and expects no message.
    bool load(const QString& code)
    {
        QString name;
        return bangumi.FileLoad(code, name);
    }
};

} // namespace bangumi_fixture

#pragma once
// A program folder with its "Temp" folder, a separate program file folder, an engine with a
// stadium of a real race program loaded, and hand-made results files for the cases the real
// files cannot show.
#include "common/cp932.h"
#include "engine/engine.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

// One boat of a hand-made result table.
struct ResultRun {
    int race = 1;
    int frame = 1;
    QString sensyuNo;
    QString order = QStringLiteral("01"); // two characters, as in the file
    QString start = QStringLiteral("0.15"); // four characters at 44-47
    QString course = QStringLiteral("1");
    QString flag = QStringLiteral(" "); // character 43: F, L, K or blank
    QString exhibition = QStringLiteral("6.80");
};

// A result line laid out as the organizer writes it (58 characters).
inline QString ResultLine(const ResultRun& r)
{
    return QStringLiteral("  ") + r.order.leftJustified(2, QLatin1Char(' '), true) + QStringLiteral("  ")
           + QString::number(r.frame) + QLatin1Char(' ') + r.sensyuNo.leftJustified(4, QLatin1Char(' '), true)
           + QStringLiteral(" 選　手　　名　前 57   25  ") + r.exhibition.leftJustified(4, QLatin1Char(' '), true)
           + QStringLiteral("   ") + r.course.leftJustified(1, QLatin1Char(' '), true) + QStringLiteral("   ")
           + r.flag.leftJustified(1, QLatin1Char(' '), true) + r.start.leftJustified(4, QLatin1Char(' '), true)
           + QStringLiteral("      .  . ");
}

// A results file with one stadium block; `day` 0 leaves the day out of the date line and an
// invalid date leaves the date line out. A race without a winner gets one (racer "0000") so
// that the positions stay in range.
inline QByteArray ResultsFile(const QString& code, const QDate& date, int day, const std::vector<ResultRun>& runs)
{
    QStringList lines;
    lines << code + QStringLiteral("KBGN");
    if (date.isValid())
        lines << QStringLiteral("   第%1日          %2/%3/%4                             ボートレース大　村")
                     .arg(day > 0 ? QString::number(day).rightJustified(2) : QStringLiteral("  "))
                     .arg(date.year())
                     .arg(date.month(), 2)
                     .arg(date.day(), 2);
    std::map<int, std::vector<ResultRun>> byRace;
    for (const ResultRun& r : runs)
        byRace[r.race].push_back(r);
    for (auto& [race, entries] : byRace) {
        lines << QStringLiteral("%1R       予選　　　　                 H1800m  晴　  風  北　　 3m  波　  2cm").arg(race, 4);
        lines << QStringLiteral("  着 艇 登番 　選　手　名　　ﾓｰﾀｰ ﾎﾞｰﾄ 展示 進入 ｽﾀｰﾄﾀｲﾐﾝｸ ﾚｰｽﾀｲﾑ 逃げ");
        bool winner = false;
        std::vector<bool> used(7, false);
        for (const ResultRun& r : entries) {
            winner = winner || r.order == QStringLiteral("01");
            used[size_t(r.frame)] = true;
        }
        if (!winner) {
            int free = 1;
            while (free < 6 && used[size_t(free)])
                ++free;
            ResultRun filler;
            filler.race = race;
            filler.frame = free;
            filler.sensyuNo = QStringLiteral("0000");
            lines << ResultLine(filler);
        }
        for (const ResultRun& r : entries)
            lines << ResultLine(r);
    }
    lines << code + QStringLiteral("KEND");
    return EncodeLines(lines);
}

class MeetingFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tmp.isValid());
        root = tmp.path() + QStringLiteral("/prog");
        files = tmp.path() + QStringLiteral("/files");
        ASSERT_TRUE(QDir().mkpath(root + QStringLiteral("/Temp")));
        ASSERT_TRUE(QDir().mkpath(files));
        folder = std::make_unique<ProgramFolder>(root);
        e = std::make_unique<Engine>(*folder, ui);
    }

    // Converts a real program file (e.g. "B240106.TXT") and loads one stadium of it.
    bool LoadProgram(const QString& name, const QString& code = QStringLiteral("24"))
    {
        const QString path = tmp.path() + QLatin1Char('/') + name;
        if (!QFile::exists(path) && !QFile::copy(RealData(QStringLiteral("program/") + name), path))
            return false;
        return e->Bangumi.FileConv(path) && e->Bangumi.FileLoad(code);
    }

    static bool CopyReal(const QString& relative, const QString& target)
    {
        QFile::remove(target);
        return QFile::copy(RealData(relative), target);
    }

    QString TempFile(const QString& name) const { return root + QStringLiteral("/Temp/") + name; }
    QString FilesFile(const QString& name) const { return files + QLatin1Char('/') + name; }
    QString Kekka() const { return root + QStringLiteral("/KEKKA.QVL"); }

    QStringList TempNames() const
    {
        return QDir(root + QStringLiteral("/Temp")).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir tmp;
    QString root;  // program folder
    QString files; // program file folder
    std::unique_ptr<ProgramFolder> folder;
    RecordingUi ui;
    std::unique_ptr<Engine> e;
};

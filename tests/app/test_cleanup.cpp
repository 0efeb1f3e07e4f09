#include "app/cleanup.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Cleanup, CutoffIsTheSameDayOfThePreviousMonth)
{
    EXPECT_EQ(CleanupCutoff(QDate(2024, 3, 15)), QDate(2024, 2, 15));
    EXPECT_EQ(CleanupCutoff(QDate(2024, 1, 10)), QDate(2023, 12, 10));
    EXPECT_EQ(CleanupCutoff(QDate(2024, 3, 31)), QDate(2024, 3, 2));
    EXPECT_EQ(CleanupCutoff(QDate(2023, 3, 30)), QDate(2023, 3, 2));
    EXPECT_TRUE(IsCleanupDay(QDate(2024, 3, 20)));
    EXPECT_FALSE(IsCleanupDay(QDate(2024, 3, 21)));
}

TEST(Cleanup, OldMatchingFilesGoToTheTrash)
{
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("xdg")).toLocal8Bit());
    const QString print = dir.filePath(QStringLiteral("Print"));
    QDir().mkpath(print);
    const QDate today(2024, 3, 20);
    auto make = [&](const QString& name, const QDateTime& when) {
        const QString p = print + QLatin1Char('/') + name;
        WriteAll(p, "x");
        QFile f(p);
        f.open(QIODevice::ReadWrite);
        f.setFileTime(when, QFileDevice::FileModificationTime);
    };
    make(QStringLiteral("old.TXT"), QDateTime(QDate(2024, 2, 19), QTime(12, 0)));
    make(QStringLiteral("edge.txt"), QDateTime(QDate(2024, 2, 20), QTime(0, 0)));
    make(QStringLiteral("newer.TXT"), QDateTime(QDate(2024, 2, 20), QTime(9, 0)));
    make(QStringLiteral("yesterday.TXT"), QDateTime(QDate(2024, 3, 19), QTime(9, 0)));
    make(QStringLiteral("old.doc"), QDateTime(QDate(2023, 1, 1), QTime(9, 0)));

    RecordingUi ui;
    ui.yesNoAnswers = {true, false};
    DeleteOldFiles(print, QStringLiteral("*.TXT"), false, ui, today);
    // Two candidates, two questions: the first confirmed, the second declined.
    int questions = 0;
    for (const auto& m : ui.messages)
        questions += m.kind == QLatin1String("question");
    EXPECT_EQ(questions, 2);
    QStringList left = QDir(print).entryList(QDir::Files);
    EXPECT_EQ(left.size(), 4);
    EXPECT_TRUE(left.contains(QStringLiteral("newer.TXT")));
    EXPECT_TRUE(left.contains(QStringLiteral("yesterday.TXT")));
    EXPECT_TRUE(left.contains(QStringLiteral("old.doc")));
    ASSERT_GE(ui.statusTexts.size(), 2);
    EXPECT_EQ(ui.statusTexts.first(), QStringLiteral("1:") + print + QStringLiteral(" 削除中 ..."));
    EXPECT_EQ(ui.statusTexts.last(), QStringLiteral("1:"));

    DeleteOldFiles(print, QStringLiteral("*.*"), true, ui, today);
    left = QDir(print).entryList(QDir::Files);
    EXPECT_EQ(left, (QStringList{QStringLiteral("newer.TXT"), QStringLiteral("yesterday.TXT")}));
    // The trashed files are in the trash, not gone.
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("xdg/Trash/files"))).entryList(QDir::Files).size(), 3);

    // Empty pattern or missing folder: nothing at all.
    RecordingUi quiet;
    DeleteOldFiles(print, QString(), false, quiet, today);
    DeleteOldFiles(dir.filePath(QStringLiteral("nope")), QStringLiteral("*.*"), false, quiet, today);
    EXPECT_TRUE(quiet.statusTexts.isEmpty());
}

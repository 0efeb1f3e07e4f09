#include "common/errors.h"
#include "engine/forecastdata.h"
#include "platform/programfolder.h"
#include "support/testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray fileWithPair(int stadium, int cls, int frame, unsigned char i, unsigned char f, const char* edition)
{
    QByteArray b(ForecastDataTable::kDataBytes, '\0');
    for (int s = 1; s <= 24; ++s)
        for (int c = 0; c < 50; ++c)
            for (int k = 1; k <= 6; ++k)
                b[((s - 1) * 50 + c) * 12 + (k - 1) * 2 + 1] = char(s); // every value 0.00
    const int at = ((stadium - 1) * 50 + cls) * 12 + (frame - 1) * 2;
    b[at] = char(i);
    b[at + 1] = char(f);
    return b + QByteArray(edition);
}

} // namespace

TEST(ForecastData, LoadsValuesAndEdition)
{
    QTemporaryDir dir;
    ProgramFolder folder(dir.path());
    RecordingUi ui;
    WriteAll(dir.filePath(QStringLiteral("vdata.qvl")), fileWithPair(7, 10, 3, 12, 57, "012"));
    ForecastDataTable t;
    EXPECT_EQ(ForecastDataLoad(QString(), t, folder, ui), 12);
    EXPECT_FLOAT_EQ(t.Value(3, 10, 7), 12.50f); // (12, 57) in the block of stadium 7
    EXPECT_FLOAT_EQ(t.Value(1, 0, 1), 0.0f);
    EXPECT_EQ(ForecastDataCheck(QString(), folder), 12);
    EXPECT_TRUE(ui.messages.isEmpty());

    WriteAll(dir.filePath(QStringLiteral("last.qvl")), fileWithPair(24, 49, 6, 3, 24 + 5, "005"));
    EXPECT_EQ(ForecastDataLoad(dir.filePath(QStringLiteral("last.qvl")), t, folder, ui), 5);
    EXPECT_FLOAT_EQ(t.Value(6, 49, 24), 3.05f);
    EXPECT_THROW(t.Value(7, 0, 1), QvError);
    EXPECT_THROW(t.Value(1, 50, 1), QvError);
}

TEST(ForecastData, MissingShortAndBadFiles)
{
    QTemporaryDir dir;
    ProgramFolder folder(dir.path());
    RecordingUi ui;
    ForecastDataTable t;
    EXPECT_EQ(ForecastDataLoad(QString(), t, folder, ui), -1); // missing: no message, no table
    EXPECT_FALSE(t.sized());
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_EQ(ForecastDataCheck(QString(), folder), -1);

    WriteAll(dir.filePath(QStringLiteral("ten.qvl")), QByteArray(10, '\x01'));
    EXPECT_EQ(ForecastDataCheck(dir.filePath(QStringLiteral("ten.qvl")), folder), -1);

    // Shorter than the full layout: values so far kept, -1, the error shown once.
    QByteArray shortFile = fileWithPair(1, 0, 1, 9, 1 + 25, "").left(700);
    WriteAll(dir.filePath(QStringLiteral("short.qvl")), shortFile);
    EXPECT_EQ(ForecastDataLoad(dir.filePath(QStringLiteral("short.qvl")), t, folder, ui), -1);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("ファイルにこれ以上データがありません。"));
    EXPECT_FLOAT_EQ(t.Value(1, 0, 1), 9.25f);

    // An edition that is not a number.
    WriteAll(dir.filePath(QStringLiteral("bad.qvl")), fileWithPair(1, 0, 1, 1, 1, "x2y"));
    EXPECT_EQ(ForecastDataCheck(dir.filePath(QStringLiteral("bad.qvl")), folder), -1);
}

TEST(ForecastData, EncodeRoundTripsBelowLeadBytes)
{
    ForecastDataTable t;
    t.Resize();
    t.Set(1, 23, 24, 99.99f);
    t.Set(6, 0, 1, 12.5f);
    t.Set(3, 49, 12, 0.01f);
    const QByteArray bytes = ForecastDataEncode(t, 7);
    ASSERT_EQ(bytes.size(), ForecastDataTable::kFileBytes);
    for (int i = 0; i < ForecastDataTable::kDataBytes; ++i)
        ASSERT_LT(static_cast<unsigned char>(bytes[i]), 0x81) << i;
    QTemporaryDir dir;
    ProgramFolder folder(dir.path());
    RecordingUi ui;
    WriteAll(dir.filePath(QStringLiteral("VDATA.QVL")), bytes);
    ForecastDataTable back;
    EXPECT_EQ(ForecastDataLoad(QString(), back, folder, ui), 7);
    EXPECT_FLOAT_EQ(back.Value(1, 23, 24), 99.99f);
    EXPECT_FLOAT_EQ(back.Value(6, 0, 1), 12.5f);
    EXPECT_FLOAT_EQ(back.Value(3, 49, 12), 0.01f);
}

#pragma once
// Hand-made racer file records for the racer file tests.
#include "common/cp932.h"
#include "datafiles/sensyufile.h"
#include "support/testsupport.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A fan handbook record (current layout): 410 bytes of fields and the 6-byte home prefecture.
// Every count starts at zero; tests put the bytes they need at 1-based byte positions.
class SensyuRecord {
public:
    explicit SensyuRecord(const QByteArray& no)
    {
        b_ = no.leftJustified(4, ' ', true);
        b_ += TextToCp932(QStringLiteral("試　験　　太　郎"));
        b_ += TextToCp932(QStringLiteral("ｼｹﾝ ﾀﾛｳ")).leftJustified(15, ' ');
        b_ += TextToCp932(QStringLiteral("東京"));
        b_ += QByteArray("A1") + "S600330" + "1" + "35" + "171" + "52" + "B "; // class .. blood
        b_ += "0650" "0520" "030" "025" "100" "03" "01" "015";
        b_ += QByteArray(78, '0');             // course block A
        b_ += "A1A2B1" "5950" "6050";           // classes of earlier periods, ability indexes
        b_ += "2020" "2" "20191101" "20200430" "095";
        b_ += QByteArray(204, '0');            // course block B
        b_ += QByteArray(8, '0');              // results without a course
        b_ += TextToCp932(QStringLiteral("東　京"));
        EXPECT_EQ(b_.size(), 416);
    }
    SensyuRecord& put(int position, const QByteArray& bytes)
    {
        b_.replace(position - 1, bytes.size(), bytes);
        return *this;
    }
    // Course block A of course c (1-6): starts, top-two rate ×10, start timing ×100, start order ×100.
    SensyuRecord& courseA(int c, const char* starts, const char* rate = "0000", const char* st = "000",
                          const char* order = "000")
    {
        const int b = 83 + 13 * (c - 1);
        return put(b, starts).put(b + 3, rate).put(b + 7, st).put(b + 10, order);
    }
    // Course block B of course c: six placings (3 bytes each) then F L0 L1 K0 K1 S0 S1 S2 (2 bytes each).
    SensyuRecord& courseB(int c, const QByteArray& counts34)
    {
        return put(199 + 34 * (c - 1), counts34);
    }
    QByteArray bytes() const { return b_; }

private:
    QByteArray b_;
};

// Joins records into a file body with CR LF line ends.
inline QByteArray SensyuFileBytes(const QVector<QByteArray>& records)
{
    QByteArray out;
    for (const QByteArray& r : records)
        out += r + "\r\n";
    return out;
}

class SensyuFileTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes, const QString& name = QStringLiteral("SENSYU.QVL"))
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(WriteAll(path, bytes));
        return path;
    }

    QTemporaryDir dir;
    RecordingUi ui;
    cSensyuFile s{ui};
};

#include "common/cp932.h"
#include "common/errors.h"
#include "common/format.h"
#include "common/strutil.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

TEST(Format, NumberPatterns)
{
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {0.0, "#", ""},
        {0.0, "##", ""},
        {7.0, "#", "7"},
        {-3.0, "#", "-3"},
        {5.0, "00", "05"},
        {12.0, "00", "12"},
        {123.0, "00", "123"},
        {5.0, "000", "005"},
        {6.4567, "0.00", "6.46"},
        {0.125, "0.00", "0.13"},   // half away from zero on the decimal value
        {2.675, "0.00", "2.68"},
        {-0.004, "0.00", "0.00"},  // no minus sign on a value that prints as zero
        {-1.25, "0.0", "-1.3"},
        {3.0, "##0.00", "3.00"},
        {0.5, "##0.00", "0.50"},
        {100.0, "##0.00", "100.00"},
        {0.0, "#0.00", "0.00"},
        {12.34, "###0.0", "12.3"},
        {1234567.0, "#,##0", "1,234,567"},
        {999.0, "#,##0", "999"},
        {0.0, "0.", "0."},
        {9.99, "0.0", "10.0"},
        {7.0, "#  ", "7  "},
        {1.0, "0.0000", "1.0000"},
        {2.5, "0", "3"},
        {1.0 / 0.0, "0.00", "Infinity"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected))
            << c.value << " " << c.pattern;
}

TEST(Format, TextAndDates)
{
    EXPECT_EQ(FormatText(QStringLiteral("ab"), QStringLiteral("@@@@")), QStringLiteral("  ab"));
    EXPECT_EQ(FormatText(QStringLiteral("abcdef"), QStringLiteral("@@")), QStringLiteral("abcdef"));
    EXPECT_EQ(Format(3, QStringLiteral("(@@)")), QStringLiteral("( 3)")); // literals kept around the field
    EXPECT_EQ(Format(12, QStringLiteral("(@@)")), QStringLiteral("(12)"));
    EXPECT_EQ(Format(123, QStringLiteral("(@@)")), QStringLiteral("(123)"));
    const QDateTime dt(QDate(2024, 1, 6), QTime(17, 5, 9));
    EXPECT_EQ(FormatDate(dt.date(), QStringLiteral("yymmdd")), QStringLiteral("240106"));
    EXPECT_EQ(FormatDate(dt.date(), QStringLiteral("yyyymmdd")), QStringLiteral("20240106"));
    EXPECT_EQ(FormatDate(dt.date(), QStringLiteral("yyyymm")), QStringLiteral("202401"));
    EXPECT_EQ(FormatDate(dt.date(), QStringLiteral("yyyy/mm/dd")), QStringLiteral("2024/01/06"));
    EXPECT_EQ(FormatDateTime(dt, QStringLiteral("hh:nn")), QStringLiteral("17:05"));
    EXPECT_EQ(FormatDateTime(dt, QStringLiteral("hh:nn:ss")), QStringLiteral("17:05:09"));
}

TEST(Numbers, NumericTextAndVal)
{
    EXPECT_TRUE(IsNumeric(QStringLiteral(" 12.5 ")));
    EXPECT_TRUE(IsNumeric(QStringLiteral("-3")));
    EXPECT_TRUE(IsNumeric(QStringLiteral("1e3")));
    EXPECT_FALSE(IsNumeric(QStringLiteral("")));
    EXPECT_FALSE(IsNumeric(QStringLiteral("  ")));
    EXPECT_FALSE(IsNumeric(QStringLiteral("1.2.3")));
    EXPECT_FALSE(IsNumeric(QStringLiteral("12a")));
    EXPECT_FALSE(IsNumeric(QStringLiteral("K .")));
    EXPECT_DOUBLE_EQ(Val(QStringLiteral(" 6.5abc")), 6.5);
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("1 2")), 12.0);
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("abc")), 0.0);
    EXPECT_DOUBLE_EQ(Val(QStringLiteral("-.5")), -0.5);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.51), 3);
    EXPECT_THROW(CInt(40000.0), QvError);
    EXPECT_THROW(CDbl(QStringLiteral("x")), QvError);
    try {
        CDbl(QStringLiteral("x"));
    } catch (const QvError& e) {
        EXPECT_EQ(e.number(), 13);
    }
}

TEST(Text, NarrowAndWide)
{
    EXPECT_EQ(StrNarrow(QStringLiteral("１５：１７　ＧⅠ")), QStringLiteral("15:17 GⅠ"));
    EXPECT_EQ(StrNarrow(QStringLiteral("ガンバ　パ")), QStringLiteral("ｶﾞﾝﾊﾞ ﾊﾟ"));
    EXPECT_EQ(StrWide(QStringLiteral("ｶﾞﾝﾊﾞ ﾊﾟ12")), QStringLiteral("ガンバ　パ１２"));
    EXPECT_EQ(StrWide(StrNarrow(QStringLiteral("ヴォート"))), QStringLiteral("ヴォート"));
}

TEST(Cp932, DecodeEncodeAndLength)
{
    // 峰 竜太 in CP932 with the ideographic blank, a half-width kana and a ～.
    const QString text = QStringLiteral("峰　竜太ｱ～①－");
    const QByteArray bytes = TextToCp932(text);
    EXPECT_EQ(Cp932ToText(bytes), text);
    EXPECT_EQ(Cp932ByteLength(text), 15);
    EXPECT_EQ(bytes.size(), 15);
    EXPECT_EQ(Cp932ToText(QByteArray("\x81\x7c", 2)), QString(QChar(0xFF0D)));
    // A lone lead byte at the end and an invalid pair decode to replacement characters.
    EXPECT_EQ(Cp932ToText(QByteArray("a\x81", 2)), QStringLiteral("a\uFFFD"));
    EXPECT_EQ(TextToCp932(QStringLiteral("😀")), QByteArray("?"));
}

TEST(Cp932, SplitLines)
{
    const auto lines = SplitLines(QByteArray("a\r\nb\nc\r\n\r\nd"));
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[2], "c");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "d");
    EXPECT_EQ(SplitLines(QByteArray("x\r\n")).size(), 1);
}

TEST(Format, FloatTextReadsBack)
{
    for (float f : {0.0f, 6.45f, 12.5f, 100.0f, 0.1f, 39.47f, -3.25f, 1e-7f, 123456.79f}) {
        const QString t = FloatText(f);
        EXPECT_EQ(t.toFloat(), f) << t.toStdString();
    }
    EXPECT_EQ(FloatText(6.45f), QStringLiteral("6.45"));
}

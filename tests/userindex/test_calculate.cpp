#include "userindex/mDirectCalculate.h"

#include "common/errors.h"
#include "common/strutil.h"

#include <gtest/gtest.h>

#include <random>

using namespace mDirectCalculate;

namespace {

struct CalcCase {
    const char* formula;
    int code;
    const char* result; // "0" whenever code is not 0
};

void PrintTo(const CalcCase& c, std::ostream* os)
{
    *os << "\"" << c.formula << "\"";
}

class CalculateTable : public testing::TestWithParam<CalcCase> {};

TEST_P(CalculateTable, CodeAndResult)
{
    const CalcCase& c = GetParam();
    QString result = QStringLiteral("stale");
    EXPECT_EQ(Calculate(QString::fromUtf8(c.formula), result), c.code);
    EXPECT_EQ(result, QString::fromUtf8(c.result));
}

// Operator order, signs, whole-number operators and the text every value passes through.
INSTANTIATE_TEST_SUITE_P(Values, CalculateTable, testing::Values(
    CalcCase{"( 6.52 + 31.5 ) * 2", 0, "76.04"},
    CalcCase{"2 ^ 3 ^ 2", 0, "64"},                    // ^ from the left
    CalcCase{"6 * 2 / 4", 0, "3"},                     // / before *
    CalcCase{"7 \\ 2 / 2", 0, "7"},                    // / before \ .
    CalcCase{"12 % 5 * 2", 0, "4"},                    // % before *: 2 * 2, not 12 % 10
    CalcCase{"2 * 3 ^ 2", 0, "18"},
    CalcCase{"1 - 2 + 3", 0, "2"},                     // + and - equal, from the left
    CalcCase{"10 - 2 - 3", 0, "5"},
    CalcCase{"1 + 2 * 3", 0, "7"},
    CalcCase{"7 % 3", 0, "1"},
    CalcCase{"-7 % 3", 0, "-1"},                       // sign of the left operand
    CalcCase{"7 % -3", 0, "1"},
    CalcCase{"7 \\ 2", 0, "3"},
    CalcCase{"-7 \\ 2", 0, "-3"},                      // truncated toward zero
    CalcCase{"2.5 \\ 1", 0, "2"},                      // operands rounded halves to even
    CalcCase{"3.5 \\ 1", 0, "4"},
    CalcCase{"7.5 % 2", 0, "0"},                       // 8 % 2
    CalcCase{"-2147483648 % -1", 0, "0"},
    CalcCase{"- 5 + 3", 0, "-2"},                      // leading sign becomes -1 *
    CalcCase{"+ 4 * 2", 0, "8"},
    CalcCase{"( - 3 ) * 2", 0, "-6"},                  // sign at the start of a group
    CalcCase{"2 * ( + 3 )", 0, "6"},
    CalcCase{"- ( 1 + 2 )", 0, "-3"},
    CalcCase{"1 - -3", 0, "4"},
    CalcCase{"( ( 1 + 2 ) * ( 3 + 4 ) )", 0, "21"},
    CalcCase{"( ( ( 2 ) ) )", 0, "2"},
    CalcCase{"1 + ( 2 )", 0, "3"},
    CalcCase{"  1    +   2  ", 0, "3"},
    CalcCase{"3.50", 0, "3.50"},                       // a lone number keeps its text
    CalcCase{"( 007 )", 0, "007"},
    CalcCase{"-0.5", 0, "-0.5"},
    CalcCase{"-1 * 0", 0, "0"},                        // no "-0"
    // Decimal text of every pass: 15 significant digits, exponent form outside 1E-04..1E+15.
    CalcCase{"1 / 3 * 3", 0, "0.999999999999999"},
    CalcCase{"2 / 3", 0, "0.666666666666667"},
    CalcCase{"0.1 + 0.2", 0, "0.3"},
    CalcCase{"2 ^ 0.5", 0, "1.4142135623731"},
    CalcCase{"1 / 10000", 0, "0.0001"},
    CalcCase{"1 / 100000", 0, "1E-05"},
    CalcCase{"999999999999999 + 0", 0, "999999999999999"},
    CalcCase{"10 ^ 15", 0, "1E+15"},
    CalcCase{"1E+15 + 1 - 1E+15", 0, "0"},             // 1000000000000001 prints as 1E+15
    CalcCase{"1.5E+300 * 1", 0, "1.5E+300"},
    CalcCase{"1E-300 * 1E-300", 0, "0"},               // underflow is zero, not an error
    CalcCase{"123456789012345678 * 1", 0, "1.23456789012346E+17"},
    CalcCase{"1 / 3 + 1 / 3 + 1 / 3", 0, "0.999999999999999"}));

// Empty input, syntax faults that reach the evaluation, and run-time errors.
INSTANTIATE_TEST_SUITE_P(Errors, CalculateTable, testing::Values(
    CalcCase{"", -1, "0"},
    CalcCase{"     ", -1, "0"},
    CalcCase{"1 / 0", 11, "0"},
    CalcCase{"0 / 0", 11, "0"},
    CalcCase{"1 / -0", 11, "0"},
    CalcCase{"5 \\ 0", 11, "0"},
    CalcCase{"5 % 0.4", 11, "0"},                      // divisor rounds to 0
    CalcCase{"1 2", 13, "0"},                          // no operator between two values
    CalcCase{"2 ( 3 )", 13, "0"},
    CalcCase{"( 1 + 2", 13, "0"},
    CalcCase{"1 + 2 )", 13, "0"},
    CalcCase{"( )", 13, "0"},
    CalcCase{"1 + ( )", 13, "0"},
    CalcCase{") 1 + 2 (", 13, "0"},
    CalcCase{"abc", 13, "0"},
    CalcCase{"1 + A", 13, "0"},
    CalcCase{"1 $ 2", 13, "0"},                        // unknown token
    CalcCase{"1 & 2", 13, "0"},
    CalcCase{"1+2", 13, "0"},                          // tokens must be separated
    CalcCase{"1\t+ 2", 13, "0"},                       // only the blank separates
    CalcCase{"+", 13, "0"},
    CalcCase{"-", 13, "0"},
    CalcCase{"- -", 13, "0"},
    CalcCase{"1 * + 2", 13, "0"},
    CalcCase{"* 3", 9, "0"},                           // no left operand
    CalcCase{"3 *", 9, "0"},                           // no right operand
    CalcCase{"1 + 2 -", 9, "0"},
    CalcCase{"10 ^ 400", 6, "0"},                      // huge exponent
    CalcCase{"1E+308 * 10", 6, "0"},
    CalcCase{"1E+308 + 1E+308", 6, "0"},
    CalcCase{"-1E+308 - 1E+308", 6, "0"},
    CalcCase{"1E+300 / 1E-300", 6, "0"},
    CalcCase{"1E999", 6, "0"},                         // a number no double holds
    CalcCase{"1E999 + 1", 6, "0"},
    CalcCase{"3000000000 \\ 1", 6, "0"},               // whole-number operators are 32-bit
    CalcCase{"1 % -3000000000", 6, "0"},
    CalcCase{"-2147483648 \\ -1", 6, "0"},
    CalcCase{"-8 ^ 0.5", 5, "0"},                      // negative base, fractional power
    CalcCase{"0 ^ -1", 5, "0"},
    // The first failing step decides the code.
    CalcCase{"1 / 0 * x", 11, "0"},
    CalcCase{"x * 1 / 0", 11, "0"},                    // / comes before *
    CalcCase{"1 / 0 + 2 ^ x", 13, "0"},                // ^ comes before /
    CalcCase{"( 1 / 0 ) + ( 2 * x )", 13, "0"},        // the right-hand group is reduced first
    CalcCase{"( 2 * x ) + ( 1 / 0 )", 11, "0"}));

TEST(Calculate, ResultIsResetOnFailure)
{
    QString result = QStringLiteral("42");
    EXPECT_EQ(Calculate(QStringLiteral("1 / 0"), result), 11);
    EXPECT_EQ(result, QStringLiteral("0"));
    result = QStringLiteral("42");
    EXPECT_EQ(Calculate(QString(), result), -1);
    EXPECT_EQ(result, QStringLiteral("0"));
}

TEST(SplitFormula, Tokens)
{
    struct Case {
        const char* formula;
        bool ok;
        QStringList tokens;
    } cases[] = {
        {"  1   +  2 ", true, {"1", "+", "2"}},
        {"( A + C ) * 2", true, {"(", "A", "+", "C", ")", "*", "2"}},
        {"- A + B", true, {"-1", "*", "A", "+", "B"}},
        {"+   3", true, {"1", "*", "3"}},
        {"-3 + 1", true, {"-3", "+", "1"}},
        {"-", true, {"-"}},
        {"1\t+ 2", true, {"1\t+", "2"}},
        {"", false, {}},
        {"    ", false, {}},
    };
    for (const Case& c : cases) {
        QStringList tokens{QStringLiteral("left over")};
        EXPECT_EQ(SplitFormula(QString::fromUtf8(c.formula), tokens), c.ok) << c.formula;
        EXPECT_EQ(tokens, c.tokens) << c.formula;
    }
}

TEST(CheckFormula, Codes)
{
    struct Case {
        const char* formula;
        int code;
    } cases[] = {
        {"", -1},
        {"   ", -1},
        {"()", -11},
        {"1+()", -11},
        {"( )", -11},                 // blanks are removed before the check
        {"1 + (", -11},
        {") 1", -11},
        {"(1))", -12},
        {"( 1 + 2", -12},
        {"1+", -13},
        {"1*+2", -13},
        {"-", -13},
        {"*3+", -13},
        {"1 * - A", -13},             // only a digit may follow the minus sign
        {"1*-2", 0},
        {"1 - -2", 0},
        {"-5+3", 0},
        {"- 5 + 3", 0},
        {"* 3", 0},                   // passes, fails in Calculate with 9
        {"2 ( 3 )", 0},               // passes, fails in Calculate with 13
        {"( A + C ) * 2 - G / 10", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CheckFormula(QString::fromUtf8(c.formula)), c.code) << c.formula;
}

TEST(CalcErrorText, Messages)
{
    EXPECT_EQ(CalcErrorText(0), QString());
    EXPECT_EQ(CalcErrorText(-1), QStringLiteral("空の数式が指定されました。"));
    EXPECT_EQ(CalcErrorText(-11), QStringLiteral("括弧の使い方が不正です。"));
    EXPECT_EQ(CalcErrorText(-12), QStringLiteral("括弧の数が不正です。"));
    EXPECT_EQ(CalcErrorText(-13), QStringLiteral("演算子の使い方が不正です。"));
    for (int code : {-2, -3, -99, -32768})
        EXPECT_EQ(CalcErrorText(code), QStringLiteral("予期しないエラーが発生しました。")) << code;
    EXPECT_EQ(CalcErrorText(11), QStringLiteral("0 で除算しました。"));
    EXPECT_EQ(CalcErrorText(13), QStringLiteral("型が一致しません。"));
    for (int code : {5, 6, 9, 11, 13})
        EXPECT_EQ(CalcErrorText(code), ErrorDescription(code)) << code;
}

TEST(NumberText, SignificantDigitsAndExponent)
{
    EXPECT_EQ(NumberText(1.0 / 3.0), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(NumberText(-2.5), QStringLiteral("-2.5"));
    EXPECT_EQ(NumberText(-0.0), QStringLiteral("0"));
    EXPECT_EQ(NumberText(1e-5), QStringLiteral("1E-05"));
    EXPECT_EQ(NumberText(0.00012), QStringLiteral("0.00012"));
    EXPECT_EQ(NumberText(1e15), QStringLiteral("1E+15"));
    EXPECT_EQ(NumberText(123456789012345.0), QStringLiteral("123456789012345"));
    EXPECT_EQ(NumberText(2e-300), QStringLiteral("2E-300"));
}

// Long formulas finish and give the right value: each step must cost about the same however
// long the formula is (a step that rescans or rebuilds the whole text makes this hang).
TEST(Calculate, LongFormulas)
{
    auto sum = [](int terms) {
        QStringList parts;
        for (int i = 0; i < terms; ++i)
            parts << QStringLiteral("1");
        return parts.join(QStringLiteral(" + "));
    };
    QString result;
    // 1,001 tokens.
    EXPECT_EQ(Calculate(sum(501), result), 0);
    EXPECT_EQ(result, QStringLiteral("501"));
    EXPECT_EQ(CheckFormula(sum(501)), 0);

    // 200,001 tokens, mixed operators: 2 * 3 - 5 = 1 per group of terms.
    QStringList parts;
    for (int i = 0; i < 40000; ++i)
        parts << QStringLiteral("2 * 3 - 5");
    const QString mixed = parts.join(QStringLiteral(" + "));
    EXPECT_EQ(Calculate(mixed, result), 0);
    EXPECT_EQ(result, QStringLiteral("40000"));

    // Deep nesting: one group reduced per step, no recursion per level.
    const int depth = 50000;
    QString nested = QStringLiteral("( ").repeated(depth) + QStringLiteral("1") + QStringLiteral(" ) + 1").repeated(depth);
    EXPECT_EQ(Calculate(nested, result), 0);
    EXPECT_EQ(result, QString::number(depth + 1));
    EXPECT_EQ(CheckFormula(nested), 0);

    // Unbalanced: many "(" with nothing to close them.
    const QString opens = QStringLiteral("( ").repeated(100000) + QStringLiteral("1");
    EXPECT_EQ(Calculate(opens, result), 13);
    EXPECT_EQ(CheckFormula(opens), -12);
}

// A literal text-rewriting evaluator: split, reduce one group or apply one operator, join,
// repeat. The evaluator under test must agree with it on every formula, codes included.
int RewritingCalculate(const QString& formula, QString& result)
{
    result = QStringLiteral("0");
    QString s = formula.trimmed();
    if (s.isEmpty())
        return -1;
    for (;;) {
        QStringList t;
        if (!SplitFormula(s, t))
            return -2;
        if (t.size() == 1) {
            if (!IsNumeric(t[0]))
                return 13;
            if (!std::isfinite(CDbl(t[0])))
                return 6;
            result = t[0];
            return 0;
        }
        const qsizetype open = t.lastIndexOf(QStringLiteral("("));
        const qsizetype close = open >= 0 ? t.indexOf(QStringLiteral(")"), open + 1) : -1;
        if (open >= 0 && close > open + 1) {
            QString inner;
            const int code = RewritingCalculate(t.mid(open + 1, close - open - 1).join(QLatin1Char(' ')), inner);
            if (code != 0)
                return code;
            t[open] = inner;
            for (qsizetype k = open + 1; k <= close; ++k)
                t[k].clear();
        } else {
            qsizetype i = -1;
            for (const char* op : {"^", "/", "\\", "%", "*"}) {
                i = t.indexOf(QString::fromLatin1(op));
                if (i >= 0)
                    break;
            }
            if (i < 0) {
                for (qsizetype k = 0; k < t.size() && i < 0; ++k)
                    if (t[k] == QLatin1String("+") || t[k] == QLatin1String("-"))
                        i = k;
            }
            if (i < 0)
                return 13;
            if (i == 0 || i + 1 >= t.size())
                return 9;
            for (const QString& operand : {t[i - 1], t[i + 1]}) {
                if (!IsNumeric(operand))
                    return 13;
                if (!std::isfinite(CDbl(operand)))
                    return 6;
            }
            // One operation on two plain numbers.
            QString value;
            const int code = Calculate(t[i - 1] + QLatin1Char(' ') + t[i] + QLatin1Char(' ') + t[i + 1], value);
            if (code != 0)
                return code;
            t[i - 1] = value;
            t[i].clear();
            t[i + 1].clear();
        }
        t.removeAll(QString());
        s = t.join(QLatin1Char(' '));
    }
}

TEST(Calculate, AgreesWithTextRewriting)
{
    const QStringList vocabulary = {"0", "1", "2", "3", "-2", "0.5", "7", "1E+15", "1E-05", "x",
                                    "+", "-", "*", "/", "^", "\\", "%", "(", ")", "(", ")", "+", "-"};
    std::mt19937 random(20240101);
    std::uniform_int_distribution<int> length(1, 14);
    std::uniform_int_distribution<int> pick(0, int(vocabulary.size()) - 1);
    int successes = 0;
    for (int n = 0; n < 20000; ++n) {
        QStringList tokens;
        const int count = length(random);
        for (int k = 0; k < count; ++k)
            tokens << vocabulary[pick(random)];
        const QString formula = tokens.join(QLatin1Char(' '));
        QString expected, actual;
        const int expectedCode = RewritingCalculate(formula, expected);
        ASSERT_EQ(Calculate(formula, actual), expectedCode) << qPrintable(formula);
        ASSERT_EQ(actual, expected) << qPrintable(formula);
        if (expectedCode == 0)
            ++successes;
        const int check = CheckFormula(formula);
        ASSERT_TRUE(check == 0 || check == -11 || check == -12 || check == -13) << qPrintable(formula);
    }
    EXPECT_GT(successes, 500); // the comparison covered real values, not only errors
}

// Arbitrary characters: a code, never a crash.
TEST(Calculate, ArbitraryText)
{
    const QString alphabet = QStringLiteral("0123456789+-*/^\\%().eE  \tAZ$\u3000\u00e9");
    std::mt19937 random(7);
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
    for (int n = 0; n < 5000; ++n) {
        QString formula;
        const int count = length(random);
        for (int k = 0; k < count; ++k)
            formula += alphabet.at(pick(random));
        QString result;
        const int code = Calculate(formula, result);
        if (code == 0)
            EXPECT_TRUE(IsNumeric(result)) << qPrintable(formula);
        else
            EXPECT_EQ(result, QStringLiteral("0")) << qPrintable(formula);
        EXPECT_FALSE(CalcErrorText(code).isEmpty() && code != 0);
        const int check = CheckFormula(formula);
        EXPECT_TRUE(check == 0 || check == -1 || check == -11 || check == -12 || check == -13) << qPrintable(formula);
    }
}

} // namespace

#include "userindex/mDirectCalculate.h"

#include "common/errors.h"
#include "common/strutil.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <set>
#include <vector>

namespace mDirectCalculate {

namespace {

const QString kOperators = QStringLiteral("+-*/^\\%");

// Only the plain blank separates tokens; a tab or an ideographic space belongs to its token.
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ');
}

QString trimBlanks(const QString& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && isBlank(text.at(first)))
        ++first;
    while (last > first && isBlank(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

// "- X ..." and "+ X ..." at the start of a formula or a group: the sign becomes a factor.
void applyLeadingSign(QStringList& tokens)
{
    if (tokens.size() < 2)
        return;
    if (tokens.at(0) == QLatin1String("-"))
        tokens[0] = QStringLiteral("-1");
    else if (tokens.at(0) == QLatin1String("+"))
        tokens[0] = QStringLiteral("1");
    else
        return;
    tokens.insert(1, QStringLiteral("*"));
}

// A token read as an operand: 13 when it is not a number, 6 when it does not fit a double.
double operand(const QString& text)
{
    const double v = CDbl(text);
    if (!std::isfinite(v))
        RaiseError(ErrOverflow);
    return v;
}

double checkedResult(double v)
{
    if (std::isnan(v))
        RaiseError(ErrInvalidArgument);
    if (std::isinf(v))
        RaiseError(ErrOverflow);
    return v;
}

double applyOperator(QChar op, const QString& leftText, const QString& rightText)
{
    const double x = operand(leftText);
    const double y = operand(rightText);
    switch (op.unicode()) {
    case '^':
        if (x == 0.0 && y < 0.0)
            RaiseError(ErrInvalidArgument);
        return checkedResult(std::pow(x, y)); // negative base, fractional power: NaN -> 5
    case '/':
        if (y == 0.0)
            RaiseError(ErrDivisionByZero);
        return checkedResult(x / y);
    case '\\':
    case '%': {
        // Whole-number operators work on 32-bit values; 64-bit arithmetic keeps
        // -2147483648 \ -1 from overflowing before the range check.
        const qint64 a = CLng(x);
        const qint64 b = CLng(y);
        if (b == 0)
            RaiseError(ErrDivisionByZero);
        const qint64 r = op == QLatin1Char('\\') ? a / b : a % b;
        if (r > std::numeric_limits<int>::max() || r < std::numeric_limits<int>::min())
            RaiseError(ErrOverflow);
        return double(r);
    }
    case '*':
        return checkedResult(x * y);
    case '+':
        return checkedResult(x + y);
    default: // '-'
        return checkedResult(x - y);
    }
}

// The value of a list that is down to one token: its own text when it is a number.
int finalToken(const QString& text, QString& value)
{
    if (!IsNumeric(text))
        return ErrTypeMismatch;
    if (!std::isfinite(CDbl(text)))
        return ErrOverflow; // "1E999" is no usable value
    value = text;
    return CalcOk;
}

// Tokens in a doubly linked list, so that a step removes tokens in constant time.
struct TokenList {
    explicit TokenList(const QStringList& tokens)
        : text(tokens.begin(), tokens.end()), prev(text.size()), next(text.size()), count(int(text.size()))
    {
        for (int i = 0; i < count; ++i) {
            prev[i] = i - 1;
            next[i] = i + 1 < count ? i + 1 : -1;
        }
        head = count > 0 ? 0 : -1;
    }

    void remove(int i)
    {
        if (prev[i] >= 0)
            next[prev[i]] = next[i];
        else
            head = next[i];
        if (next[i] >= 0)
            prev[next[i]] = prev[i];
        --count;
    }

    QStringList alive() const
    {
        QStringList out;
        out.reserve(count);
        for (int i = head; i >= 0; i = next[i])
            out.append(text[i]);
        return out;
    }

    std::vector<QString> text;
    std::vector<int> prev, next;
    int head = -1;
    int count = 0;
};

// Evaluates a list with no group left to reduce, one operator per step. Each step takes the
// leftmost operator of the first kind present in the order ^ / \ % * (+ -). A step only ever
// turns three tokens into one number, so the operators of one kind are met in their original
// left-to-right order and each kind is finished before the next: one walk per kind suffices.
int evaluateOperators(QStringList tokens, QString& value)
{
    applyLeadingSign(tokens);
    TokenList list(tokens);
    if (list.count == 0)
        return CalcNoTokens;

    static const std::array<QString, 6> kinds = {QStringLiteral("^"), QStringLiteral("/"), QStringLiteral("\\"),
                                                 QStringLiteral("%"), QStringLiteral("*"), QStringLiteral("+-")};
    std::array<std::vector<int>, 6> positions;
    for (int i = 0; i < list.count; ++i) {
        const QString& t = list.text[i];
        if (t.size() != 1)
            continue;
        for (size_t k = 0; k < kinds.size(); ++k) {
            if (kinds[k].contains(t.at(0))) {
                positions[k].push_back(i);
                break;
            }
        }
    }

    for (const auto& kind : positions) {
        for (const int i : kind) {
            if (list.count == 1)
                return finalToken(list.text[list.head], value);
            const int left = list.prev[i];
            const int right = list.next[i];
            if (left < 0 || right < 0)
                RaiseError(ErrIndexOutOfRange);
            list.text[left] = NumberText(applyOperator(list.text[i].at(0), list.text[left], list.text[right]));
            list.remove(i);
            list.remove(right);
        }
    }
    if (list.count == 1)
        return finalToken(list.text[list.head], value);
    return ErrTypeMismatch; // two values with no operator between them
}

// The whole formula: reduce the innermost group (the last "(" and the first ")" after it) as
// long as there is one with something inside, then the operators. A group's content has no
// parentheses, so reducing it never recurses further. Reductions never remove a "(" other than
// the one reduced, so the candidates are the "(" tokens from right to left.
int evaluate(const QStringList& tokens, QString& value)
{
    TokenList list(tokens);
    std::vector<int> opens;
    std::set<int> closes;
    for (int i = 0; i < list.count; ++i) {
        if (list.text[i] == QLatin1String("("))
            opens.push_back(i);
        else if (list.text[i] == QLatin1String(")"))
            closes.insert(i);
    }

    while (!opens.empty()) {
        if (list.count == 1)
            return finalToken(list.text[list.head], value);
        const int open = opens.back();
        const auto close = closes.upper_bound(open);
        if (close == closes.end() || list.next[open] == *close)
            break; // from here on only operators apply, over the whole list
        QStringList inner;
        for (int i = list.next[open]; i != *close;) {
            inner.append(list.text[i]);
            const int after = list.next[i];
            list.remove(i);
            i = after;
        }
        list.remove(*close);
        closes.erase(close);
        opens.pop_back();
        QString groupValue;
        const int code = evaluateOperators(inner, groupValue);
        if (code != CalcOk)
            return code;
        list.text[open] = groupValue;
    }
    return evaluateOperators(list.alive(), value);
}

bool isOperator(QChar c)
{
    return kOperators.contains(c);
}

} // namespace

bool SplitFormula(const QString& formula, QStringList& tokens)
{
    tokens.clear();
    const QString s = trimBlanks(formula);
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n) {
        qsizetype end = i;
        while (end < n && !isBlank(s.at(end)))
            ++end;
        tokens.append(s.mid(i, end - i));
        i = end;
        while (i < n && isBlank(s.at(i)))
            ++i;
    }
    applyLeadingSign(tokens);
    return !tokens.isEmpty();
}

int Calculate(const QString& formula, QString& result)
{
    result = QStringLiteral("0");
    if (trimBlanks(formula).isEmpty())
        return CalcEmptyFormula;
    QStringList tokens;
    if (!SplitFormula(formula, tokens))
        return CalcNoTokens;
    try {
        QString value;
        const int code = evaluate(tokens, value);
        if (code == CalcOk)
            result = value;
        return code;
    } catch (const QvError& e) {
        return e.number();
    }
}

int CheckFormula(const QString& formula)
{
    QString s = trimBlanks(formula);
    if (s.isEmpty())
        return CalcEmptyFormula;
    s.remove(QLatin1Char(' '));
    const qsizetype n = s.size();

    if (s.endsWith(QLatin1Char('(')) || s.startsWith(QLatin1Char(')')))
        return CalcParenUsage;
    if (s.contains(QLatin1String("()")))
        return CalcParenUsage;
    if (s.count(QLatin1Char('(')) != s.count(QLatin1Char(')')))
        return CalcParenCount;
    if (isOperator(s.at(n - 1)) && QStringLiteral("*/^\\%").contains(s.at(0)))
        return CalcOperatorUsage;
    for (qsizetype m = 0; m < n; ++m) {
        if (!isOperator(s.at(m)))
            continue;
        const bool nextIsOperator = m + 1 >= n || isOperator(s.at(m + 1));
        if (!nextIsOperator)
            continue;
        // Only a negative number may follow an operator.
        const bool negativeNumber = m + 2 < n && s.at(m + 1) == QLatin1Char('-') && s.at(m + 2) >= QLatin1Char('0')
                                    && s.at(m + 2) <= QLatin1Char('9');
        if (!negativeNumber)
            return CalcOperatorUsage;
    }
    return CalcOk;
}

QString CalcErrorText(int code)
{
    switch (code) {
    case CalcOk: return QString();
    case CalcEmptyFormula: return QStringLiteral("空の数式が指定されました。");
    case CalcParenUsage: return QStringLiteral("括弧の使い方が不正です。");
    case CalcParenCount: return QStringLiteral("括弧の数が不正です。");
    case CalcOperatorUsage: return QStringLiteral("演算子の使い方が不正です。");
    default:
        if (code < 0)
            return QStringLiteral("予期しないエラーが発生しました。");
        return ErrorDescription(code);
    }
}

QString NumberText(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0"); // also turns -0 into "0"; non-finite values never get here
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, r.ptr - buffer);
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    return text;
}

} // namespace mDirectCalculate

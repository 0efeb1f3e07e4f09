#include "cli/json_calc.h"

#include "userindex/mDirectCalculate.h"

QJsonObject CalcJson(const QString& formula)
{
    using namespace mDirectCalculate;

    QString result;
    const int calcCode = Calculate(formula, result);
    QJsonObject calc;
    calc.insert(QStringLiteral("code"), calcCode);
    calc.insert(QStringLiteral("message"), CalcErrorText(calcCode));
    calc.insert(QStringLiteral("result"), result);

    const int checkCode = CheckFormula(formula);
    QJsonObject check;
    check.insert(QStringLiteral("code"), checkCode);
    check.insert(QStringLiteral("message"), CalcErrorText(checkCode));

    QJsonObject out;
    out.insert(QStringLiteral("Calculate"), calc);
    out.insert(QStringLiteral("CheckFormula"), check);
    return out;
}

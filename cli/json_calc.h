#pragma once
// The "calc" command of the command-line tool: one formula through the evaluator.
#include <QJsonObject>
#include <QString>

// {"Calculate": {"code", "message", "result"}, "CheckFormula": {"code", "message"}}:
// the code of each operation, its message text (empty for 0) and the result text of Calculate
// ("0" on failure).
QJsonObject CalcJson(const QString& formula);

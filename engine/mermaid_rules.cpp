#include "engine/mermaid_rules.h"

#include "common/strutil.h"

QString TacticNige() { return QStringLiteral("　　逃げ"); }
QString TacticJizai() { return QStringLiteral("　自在　"); }
QString TacticMakuri() { return QStringLiteral("　まくり"); }
QString TacticSashi() { return QStringLiteral("差し　　"); }
QString TacticMarkSashi() { return QStringLiteral("ﾏｰｸ差し "); }
QString TacticTenkaiMachi() { return QStringLiteral("展開待ち"); }
QString TacticBlank() { return QStringLiteral("　　　　"); }

QString TacticWord(int course, const TacticFigures& f, const QString& innerTactic)
{
    // A fast motor or a clearly better racer lets the outer boat go round the inner one.
    auto strong = [&f](int margin) { return f.outerMotor > 49 || f.innerAbility < f.outerAbility - margin; };
    // The sums are kept in single precision like the figures they are compared with: 3.20 + 0.3
    // must equal 3.50, not exceed it.
    const float startPlus = float(double(f.outerStart) + 0.01);
    const float orderPlus = float(double(f.outerOrder) + 0.3);

    if (startPlus < f.innerStart) { // the outer boat starts clearly faster
        if (orderPlus > f.innerOrder) {
            const bool innerGoesOut = innerTactic == TacticJizai() || innerTactic == TacticNige()
                || innerTactic == TacticMakuri();
            return innerGoesOut ? TacticMarkSashi() : TacticSashi();
        }
        return strong(5) ? TacticJizai() : TacticMakuri();
    }
    if (f.outerStart <= f.innerStart) {
        if (orderPlus > f.innerOrder) {
            if (f.outerOrder > f.innerOrder)
                return TacticSashi();
            return strong(5) ? TacticJizai() : TacticSashi();
        }
        return strong(5) ? TacticJizai() : TacticMakuri();
    }
    // The outer boat starts slower.
    if (orderPlus > f.innerOrder)
        return (f.outerOrder > f.innerOrder || course == 2) ? TacticTenkaiMachi() : innerTactic;
    return strong(7) ? TacticJizai() : TacticSashi();
}

int CoursePowerOf(int ability, int sex)
{
    return int(RoundHalfEven(double(ability) * (sex == 1 ? 1.0 : 0.8)));
}

#pragma once
// Arithmetic of the figures with the classic run-time errors: a result that does not fit a
// single is error 6 (overflow), a division by zero is error 11 (0 / 0 is error 6).
#include "common/errors.h"

#include <cfloat>
#include <cmath>

inline float ToSingle(double v)
{
    if (!std::isfinite(v) || std::fabs(v) > double(FLT_MAX))
        RaiseError(ErrOverflow);
    return float(v);
}

inline double CheckedDivide(double a, double b)
{
    if (b == 0.0)
        RaiseError(a == 0.0 ? ErrOverflow : ErrDivisionByZero);
    return a / b;
}

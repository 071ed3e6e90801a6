// Arithmetic, powers and roots, exponentials and logarithms, logic,
// rounding, range and random instructions.

#include "core/processor/Arithmetic.h"

#include <utility>

#include "core/processor/Cycle.h"

namespace zek::compute {
namespace {

bool IsInteger(double v) { return std::isfinite(v) && std::floor(v) == v; }

// For an integral v.
bool IsOdd(double v) { return std::fmod(v, 2.0) != 0; }

// ln(x) / lnBase, the logarithm of x to the base whose logarithm is lnBase.
Outcome Logarithm(double x, double lnBase) {
    if (x > 0) return {std::log(x) / lnBase};
    if (x == 0) return {-ValueLimit, errors::LogOfZero};
    return {-ValueLimit, errors::LogOfNegative};
}

void Order(double& low, double& high) {
    if (low > high) std::swap(low, high);
}

}  // namespace

Outcome Mul(double x, double y) {
    if (std::fabs(x) <= ValueLimit && std::fabs(y) <= ValueLimit) return {x * y};
    return {Sgn(x) * Sgn(y) * ValueLimit, errors::Overflow};
}

Outcome Div(double x, double y) {
    if (y == 0) return {Sgn(x) * Tiny, errors::DivisionByZero};
    return {x / y};
}

Outcome Power(double x, double y) {
    double base = x;
    double e = y;
    const bool invert = e < 0;
    if (invert) e = -e;

    bool ok = true;
    double sign = 1;
    if (base < 0) {
        ok = false;
        sign = -1;
        if (IsInteger(e)) {
            ok = true;
            sign = IsOdd(e) ? -1 : 1;
        } else if (const double r = 1 / e; IsInteger(r) && IsOdd(r)) {
            ok = true;
        }
    }

    std::uint8_t error = 0;
    if (base == 0 && e == 0) {
        base = 1;
        error = errors::ZeroToThePowerZero;
    }
    if (!ok) error = errors::PowerOfNegative;

    double result;
    if (std::log(std::fabs(base) + 1E-11) * e > 700) {
        result = ValueLimit;  // the sign is not applied
        error = errors::Overflow;
    } else {
        result = sign * std::pow(std::fabs(base), e);
    }
    if (invert && result != 0) result = 1 / result;
    return {result, error};
}

Outcome Root(double x, double y) {
    const double base = x;
    double e = y;
    const bool invert = e < 0;
    if (invert) e = -e;

    bool ok = true;
    double sign = 1;
    if (base < 0) {
        ok = false;
        sign = -1;
        if (IsInteger(e)) {
            ok = IsOdd(e);
        } else if (const double r = 1 / e; IsInteger(r)) {
            ok = true;
            sign = IsOdd(r) ? -1 : 1;
        }
    }

    std::uint8_t error = ok ? errors::None : errors::RootOfNegative;
    if (e == 0) return {Sgn(x) * ValueLimit, errors::RootExponentZero};
    if (base == 0) return {0};

    e = 1 / e;
    double result;
    if (std::log(std::fabs(base) + 1E-9) * e > 300) {
        result = ValueLimit;
        error = errors::Overflow;
    } else {
        result = sign * std::pow(std::fabs(base), e);
    }
    if (invert && result != 0) result = 1 / result;
    return {result, error};
}

Outcome Exp(double x) {
    if (x > 700) return {ValueLimit, errors::Overflow};
    return {std::pow(EulerValue, x)};
}

Outcome Exp10(double x) {
    if (x > 300) return {ValueLimit, errors::Overflow};
    return {std::pow(10.0, x)};
}

Outcome Exp2(double x) {
    if (x > 900) return {ValueLimit, errors::Overflow};
    return {std::pow(2.0, x)};
}

// a := b to the power a.
Outcome Expx(double x, double y) {
    if (y < 0) return {0, errors::PowerOfNegative};
    if (y == 0) return {0, x == 0 ? errors::ZeroToThePowerZero : errors::None};
    if (y == 1) return {x};
    if (std::log(y) * x > 700) return {ValueLimit, errors::Overflow};
    return {std::pow(y, x)};
}

Outcome Log(double x) { return Logarithm(x, 1.0); }
Outcome Log10(double x) { return Logarithm(x, std::log(10.0)); }
Outcome Log2(double x) { return Logarithm(x, std::log(2.0)); }

Outcome Logx(double x, double y) {
    if (y < 0) return {0, errors::LogBaseNegative};
    if (y == 0) return {0, errors::LogBaseZero};
    if (y == 1) return {ValueLimit, errors::LogBaseOne};
    return Logarithm(x, std::log(y));
}

double Bin(double x) { return x != 0 ? 1 : 0; }
double Not(double x) { return x == 0 ? 1 : 0; }
double And(double x, double y) { return x == 0 || y == 0 ? 0 : 1; }
double Or(double x, double y) { return x == 0 && y == 0 ? 0 : 1; }

// An integral x becomes x + 1: ceil of 2 is 3.
double Ceil(double x) { return Int(x + 1); }

double Frac(double x) { return std::fabs(x) - std::fabs(Fix(x)); }

double Clip(double x, double& y, double& z) {
    Order(y, z);
    if (x < y) return y;
    if (x > z) return z;
    return x;
}

// Folds x into [low, high) like a sawtooth.
Outcome Cmod(double x, double& y, double& z) {
    Order(y, z);
    if (y == z) return {0, errors::DivisionByZero};
    const double w = z - y;
    const double d = x - y;
    return {d - Int(d / w) * w + y};
}

double Random(RandomGenerator& random) {
    const double r1 = random.Next();
    const double r2 = random.Next();
    const double r3 = random.Next();
    const double r4 = random.Next();
    return r1 + r2 / 10000 + r3 / 1E8 + r4 / 1E13;
}

}  // namespace zek::compute

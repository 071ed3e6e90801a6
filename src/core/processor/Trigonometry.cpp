// Circular and arc functions.

#include "core/processor/Arithmetic.h"

namespace zek::compute {
namespace {

// An angle beyond 1E18 has no digits of its place within the circle left:
// it counts as 0, with error 101.
Outcome Angle(double x) {
    if (std::fabs(x) > 1E18) return {0, errors::Overflow};
    return {x};
}

// For cot, sec and csc an angle of 0 becomes Tiny.
Outcome NonZeroAngle(double x, std::uint8_t errorForZero) {
    Outcome angle = Angle(x);
    if (angle.value == 0) {
        angle.value = Tiny;
        if (errorForZero != 0) angle.error = errorForZero;
    }
    return angle;
}

// The argument of asin and acos pulled inside -1 .. 1; only a value at or
// beyond OneLimit counts as undefined.
Outcome UnitArgument(double x) {
    Outcome v{x};
    if (v.value >= 1) {
        v.value = NearOne;
        if (x >= OneLimit) v.error = errors::Undefined;
    }
    if (v.value <= -1) {
        v.value = -NearOne;
        if (x <= -OneLimit) v.error = errors::Undefined;
    }
    return v;
}

double ArcSine(double v) { return std::atan(v / std::sqrt(1 - v * v)); }

// The other half of a sine-like branch: r and the angle that shares its sine.
double OtherSineBranch(double r) { return r > 0 ? PiValue - r : -r - PiValue; }

}  // namespace

Outcome Sin(double x) {
    const Outcome angle = Angle(x);
    return {std::sin(angle.value), angle.error};
}

Outcome Cos(double x) {
    const Outcome angle = Angle(x);
    return {std::cos(angle.value), angle.error};
}

Outcome Tan(double x) {
    const Outcome angle = Angle(x);
    return {std::tan(angle.value), angle.error};
}

Outcome Cot(double x) {
    const Outcome angle = NonZeroAngle(x, errors::Undefined);
    return {1 / std::tan(angle.value), angle.error};
}

Outcome Sec(double x) {
    const Outcome angle = NonZeroAngle(x, 0);
    return {1 / std::cos(angle.value), angle.error};
}

Outcome Csc(double x) {
    const Outcome angle = NonZeroAngle(x, 0);
    return {1 / std::sin(angle.value), angle.error};
}

Outcome Asin(double x, double y) {
    const Outcome v = UnitArgument(x);
    double r = ArcSine(v.value);
    if (y < 0) r = OtherSineBranch(r);
    return {r, v.error};
}

Outcome Acos(double x, double y) {
    const Outcome v = UnitArgument(x);
    double r = HalfPi - ArcSine(v.value);
    if (y < 0) r = -r;
    return {r, v.error};
}

Outcome Atan(double x, double y) {
    double r = std::atan(x);
    if (y < 0) r = r > 0 ? r - PiValue : r + PiValue;
    return {r};
}

// acot of 0 is undefined here (112); it stores the natural angle pi/2,
// which the branch operand turns into -pi/2.
Outcome Acot(double x, double y) {
    Outcome r{HalfPi, errors::Undefined};
    if (x != 0) {
        r = {std::atan(1 / x)};
        if (r.value < 0) r.value += PiValue;
    }
    if (y < 0) r.value -= PiValue;
    return r;
}

Outcome Asec(double x, double y) {
    Outcome r{0};
    if (std::fabs(x) > 1) {
        r.value = HalfPi - ArcSine(1 / x);
    } else if (x == -1) {
        r.value = PiValue;
    } else if (x != 1) {
        r.error = errors::Undefined;
    }
    if (y < 0) r.value = -r.value;
    return r;
}

Outcome Acsc(double x, double y) {
    Outcome r{0};
    if (std::fabs(x) > 1) {
        r.value = ArcSine(1 / x);
    } else if (x == 1) {
        r.value = HalfPi;
    } else if (x == -1) {
        r.value = -HalfPi;
    } else {
        r.error = errors::Undefined;
    }
    if (y < 0) r.value = OtherSineBranch(r.value);
    return r;
}

}  // namespace zek::compute

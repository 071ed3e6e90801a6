// Hyperbolic and area functions.

#include "core/processor/Arithmetic.h"
#include "core/processor/Cycle.h"

namespace zek::compute {
namespace {

struct Exponentials {
    double plus;   // exp(x)
    double minus;  // exp(-x)
};

Exponentials ExponentialsOf(double x) { return {std::exp(x), std::exp(-x)}; }

}  // namespace

Outcome Sinh(double x) {
    if (std::fabs(x) > 225) return {Sgn(x) * ValueLimit, errors::Overflow};
    const auto [plus, minus] = ExponentialsOf(x);
    return {(plus - minus) / 2};
}

Outcome Cosh(double x) {
    if (std::fabs(x) > 225) return {ValueLimit, errors::Overflow};
    const auto [plus, minus] = ExponentialsOf(x);
    return {(plus + minus) / 2};
}

Outcome Tanh(double x) {
    if (std::fabs(x) > 700) return {Sgn(x)};
    const auto [plus, minus] = ExponentialsOf(x);
    return {(plus - minus) / (plus + minus)};
}

Outcome Coth(double x) {
    if (std::fabs(x) > 700) return {Sgn(x)};
    const auto [plus, minus] = ExponentialsOf(x);
    if (plus - minus == 0) return {ValueLimit, errors::Undefined};
    return {(plus + minus) / (plus - minus)};
}

Outcome Sech(double x) {
    if (std::fabs(x) > 700) return {0};
    const auto [plus, minus] = ExponentialsOf(x);
    return {2 / (plus + minus)};
}

Outcome Csch(double x) {
    if (std::fabs(x) > 700) return {0};
    const auto [plus, minus] = ExponentialsOf(x);
    if (plus - minus == 0) return {ValueLimit, errors::Undefined};
    return {2 / (plus - minus)};
}

Outcome Asinh(double x) {
    if (x >= 0) return {std::log(std::sqrt(x * x + 1) + x)};
    return {-std::log(std::sqrt(x * x + 1) - x)};
}

Outcome Acosh(double x) {
    if (x >= 1) return {std::log(std::sqrt(x - 1) * std::sqrt(x + 1) + x)};
    return {ValueLimit, errors::Undefined};
}

Outcome Atanh(double x) {
    if (std::fabs(x) >= 1) return {ValueLimit, errors::Undefined};
    return {(std::log(1 + x) - std::log(1 - x)) / 2};
}

Outcome Acoth(double x) {
    if (std::fabs(x) <= 1) return {ValueLimit, errors::Undefined};
    const double v = 1 / x;
    return {(std::log(1 + v) - std::log(1 - v)) / 2};
}

Outcome Asech(double x) {
    if (x <= 0) return {ValueLimit, errors::Undefined};
    if (x == 1) return {0};
    if (x > 1) return {0, errors::Undefined};
    const double v = 1 / x;
    return {std::log(std::sqrt(v - 1) * std::sqrt(v + 1) + v)};
}

// The same formula for negative x.
Outcome Acsch(double x) {
    if (x == 0) return {ValueLimit, errors::Undefined};
    const double v = 1 / x;
    return {std::log(std::sqrt(v * v + 1) + v)};
}

}  // namespace zek::compute

// The computing instructions one by one: stored value and error code for
// the normal, boundary and undefined cases.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "core/processor/Arithmetic.h"
#include "core/processor/Cycle.h"

namespace zek {
namespace {

struct Case {
    std::string label;
    std::function<Outcome(double, double)> function;
    double x;
    double y;
    double expected;
    int error;
};

#define UNARY(name) [](double x, double) { return compute::name(x); }
#define BINARY(name) [](double x, double y) { return compute::name(x, y); }

const double Pi = PiValue;
const double ArcOfNearOne = std::atan(NearOne / std::sqrt(1 - NearOne * NearOne));

std::vector<Case> Cases() {
    return {
        {"mul", BINARY(Mul), 3, -4, -12, 0},
        {"mul beyond the limit is left to the range check", BINARY(Mul), 1E60, 1E60, 1E120, 0},
        {"mul of an operand beyond the limit", BINARY(Mul), -2E100, 3, -ValueLimit, 101},
        {"mul of a zero and an operand beyond the limit", BINARY(Mul), 0, 2E100, 0, 101},
        {"div", BINARY(Div), 7, 2, 3.5, 0},
        {"div by 0 of a negative number", BINARY(Div), -5, 0, -1E-99, 102},
        {"div by 0 of 0", BINARY(Div), 0, 0, 0, 102},

        {"power", BINARY(Power), 2, 10, 1024, 0},
        {"power odd root of a negative base", BINARY(Power), -8, 1.0 / 3, -2, 0},
        {"power even root of a negative base", BINARY(Power), -4, 0.5, -2, 104},
        {"power odd integer of a negative base", BINARY(Power), -2, 3, -8, 0},
        {"power even integer of a negative base", BINARY(Power), -2, 2, 4, 0},
        {"power 0 to the 0", BINARY(Power), 0, 0, 1, 103},
        {"power 0 to a negative exponent", BINARY(Power), 0, -2, 0, 0},
        {"power negative exponent", BINARY(Power), 2, -2, 0.25, 0},
        {"power overflow", BINARY(Power), 10, 400, ValueLimit, 101},
        {"power underflow", BINARY(Power), 10, -400, 1 / ValueLimit, 101},
        {"power overflow ignores the sign", BINARY(Power), -10, 401, ValueLimit, 101},

        {"root", BINARY(Root), 27, 3, 3, 0},
        {"root odd of a negative number", BINARY(Root), -8, 3, -2, 0},
        {"root even of a negative number", BINARY(Root), -4, 2, -2, 105},
        {"root 0.5 of a negative number", BINARY(Root), -3, 0.5, 9, 0},
        {"root exponent 0", BINARY(Root), -5, 0, -ValueLimit, 106},
        {"root of 0", BINARY(Root), 0, -2, 0, 0},
        {"root negative exponent", BINARY(Root), 4, -2, 0.5, 0},
        {"root overflow", BINARY(Root), 1E200, 0.5, ValueLimit, 101},

        {"exp uses the machine's e", UNARY(Exp), 2, 0, std::pow(EulerValue, 2), 0},
        {"exp at 700", UNARY(Exp), 700, 0, std::pow(EulerValue, 700), 0},
        {"exp beyond 700", UNARY(Exp), 700.5, 0, ValueLimit, 101},
        {"exp10", UNARY(Exp10), 3, 0, 1000, 0},
        {"exp10 beyond 300", UNARY(Exp10), 301, 0, ValueLimit, 101},
        {"exp10 below 300 is left to the range check", UNARY(Exp10), 250, 0, 1E250, 0},
        {"exp2", UNARY(Exp2), -1, 0, 0.5, 0},
        {"exp2 beyond 900", UNARY(Exp2), 901, 0, ValueLimit, 101},
        {"expx", BINARY(Expx), 3, 2, 8, 0},
        {"expx base 1 keeps a", BINARY(Expx), 123.5, 1, 123.5, 0},
        {"expx base 0", BINARY(Expx), 2, 0, 0, 0},
        {"expx 0 to the 0", BINARY(Expx), 0, 0, 0, 103},
        {"expx negative base", BINARY(Expx), 2, -3, 0, 104},
        {"expx overflow", BINARY(Expx), 1000, 10, ValueLimit, 101},

        {"log", UNARY(Log), std::exp(1.0), 0, 1, 0},
        {"log of 0", UNARY(Log), 0, 0, -ValueLimit, 108},
        {"log of a negative number", UNARY(Log), -1, 0, -ValueLimit, 107},
        {"log10 by its formula", UNARY(Log10), 1000, 0, std::log(1000.0) / std::log(10.0), 0},
        {"log10 of 0", UNARY(Log10), 0, 0, -ValueLimit, 108},
        {"log2", UNARY(Log2), 8, 0, std::log(8.0) / std::log(2.0), 0},
        {"log2 of a negative number", UNARY(Log2), -8, 0, -ValueLimit, 107},
        {"logx", BINARY(Logx), 81, 3, std::log(81.0) / std::log(3.0), 0},
        {"logx negative base", BINARY(Logx), 81, -3, 0, 109},
        {"logx base 0", BINARY(Logx), 81, 0, 0, 110},
        {"logx base 1", BINARY(Logx), 81, 1, ValueLimit, 111},
        {"logx of 0", BINARY(Logx), 0, 2, -ValueLimit, 108},
        {"logx of a negative number", BINARY(Logx), -4, 2, -ValueLimit, 107},
        {"logx base test comes first", BINARY(Logx), -4, 1, ValueLimit, 111},

        {"sin", UNARY(Sin), 0.5, 0, std::sin(0.5), 0},
        {"sin beyond 1E18", UNARY(Sin), 1E19, 0, 0, 101},
        {"cos beyond 1E18", UNARY(Cos), -1E19, 0, 1, 101},
        {"tan", UNARY(Tan), 1, 0, std::tan(1.0), 0},
        {"cot", UNARY(Cot), 1, 0, 1 / std::tan(1.0), 0},
        {"cot of 0", UNARY(Cot), 0, 0, 1E99, 112},
        {"sec of 0", UNARY(Sec), 0, 0, 1, 0},
        {"sec", UNARY(Sec), 1, 0, 1 / std::cos(1.0), 0},
        {"csc of 0", UNARY(Csc), 0, 0, 1E99, 0},

        {"asin", BINARY(Asin), 0.5, 0, std::asin(0.5), 0},
        {"asin just above 1 but below OneLimit", BINARY(Asin), 1.00000000000001, 0, ArcOfNearOne, 0},
        {"asin of 2", BINARY(Asin), 2, 0, ArcOfNearOne, 112},
        {"asin of -2", BINARY(Asin), -2, 0, -ArcOfNearOne, 112},
        {"asin other branch", BINARY(Asin), 0.5, -1, Pi - std::asin(0.5), 0},
        {"asin other branch of a negative value", BINARY(Asin), -0.5, -1, std::asin(0.5) - Pi, 0},
        {"acos", BINARY(Acos), 0.5, 0, HalfPi - std::asin(0.5), 0},
        {"acos other branch", BINARY(Acos), 0.5, -1, -(HalfPi - std::asin(0.5)), 0},
        {"acos of 2", BINARY(Acos), 2, 0, HalfPi - ArcOfNearOne, 112},
        {"atan", BINARY(Atan), 1, 0, std::atan(1.0), 0},
        {"atan other branch", BINARY(Atan), 1, -1, std::atan(1.0) - Pi, 0},
        {"atan other branch of a negative value", BINARY(Atan), -1, -1, -std::atan(1.0) + Pi, 0},
        {"acot", BINARY(Acot), 1, 0, std::atan(1.0), 0},
        {"acot of a negative value", BINARY(Acot), -1, 0, -std::atan(1.0) + Pi, 0},
        {"acot other branch", BINARY(Acot), 1, -1, std::atan(1.0) - Pi, 0},
        {"acot of 0", BINARY(Acot), 0, 0, HalfPi, 112},
        {"asec", BINARY(Asec), 2, 0, HalfPi - std::atan(0.5 / std::sqrt(0.75)), 0},
        {"asec of 1", BINARY(Asec), 1, 0, 0, 0},
        {"asec of -1", BINARY(Asec), -1, 0, Pi, 0},
        {"asec inside -1..1", BINARY(Asec), 0.5, 0, 0, 112},
        {"asec other branch", BINARY(Asec), -1, -1, -Pi, 0},
        {"acsc", BINARY(Acsc), 2, 0, std::atan(0.5 / std::sqrt(0.75)), 0},
        {"acsc of 1", BINARY(Acsc), 1, 0, HalfPi, 0},
        {"acsc of -1", BINARY(Acsc), -1, 0, -HalfPi, 0},
        {"acsc inside -1..1", BINARY(Acsc), 0.5, 0, 0, 112},
        {"acsc other branch", BINARY(Acsc), 1, -1, Pi - HalfPi, 0},

        {"sinh", UNARY(Sinh), 1, 0, (std::exp(1.0) - std::exp(-1.0)) / 2, 0},
        {"sinh beyond 225", UNARY(Sinh), -226, 0, -ValueLimit, 101},
        {"cosh beyond 225", UNARY(Cosh), -226, 0, ValueLimit, 101},
        {"cosh", UNARY(Cosh), 0, 0, 1, 0},
        {"tanh", UNARY(Tanh), 0.5, 0, std::tanh(0.5), 0},
        {"tanh beyond 700", UNARY(Tanh), -701, 0, -1, 0},
        {"coth", UNARY(Coth), 0.5, 0, 1 / std::tanh(0.5), 0},
        {"coth of 0", UNARY(Coth), 0, 0, ValueLimit, 112},
        {"coth beyond 700", UNARY(Coth), 701, 0, 1, 0},
        {"sech", UNARY(Sech), 0, 0, 1, 0},
        {"sech beyond 700", UNARY(Sech), 800, 0, 0, 0},
        {"csch of 0", UNARY(Csch), 0, 0, ValueLimit, 112},
        {"csch", UNARY(Csch), 1, 0, 2 / (std::exp(1.0) - std::exp(-1.0)), 0},

        {"asinh", UNARY(Asinh), 2, 0, std::log(std::sqrt(5.0) + 2), 0},
        {"asinh of a negative value", UNARY(Asinh), -2, 0, -std::log(std::sqrt(5.0) + 2), 0},
        {"acosh", UNARY(Acosh), 2, 0, std::log(std::sqrt(3.0) + 2), 0},
        {"acosh of 1", UNARY(Acosh), 1, 0, 0, 0},
        {"acosh below 1", UNARY(Acosh), 0.5, 0, ValueLimit, 112},
        {"atanh", UNARY(Atanh), 0.5, 0, (std::log(1.5) - std::log(0.5)) / 2, 0},
        {"atanh of 1", UNARY(Atanh), 1, 0, ValueLimit, 112},
        {"acoth", UNARY(Acoth), 2, 0, (std::log(1.5) - std::log(0.5)) / 2, 0},
        {"acoth of 1", UNARY(Acoth), -1, 0, ValueLimit, 112},
        {"asech", UNARY(Asech), 0.5, 0, std::log(std::sqrt(3.0) + 2), 0},
        {"asech of 1", UNARY(Asech), 1, 0, 0, 0},
        {"asech above 1", UNARY(Asech), 2, 0, 0, 112},
        {"asech of 0", UNARY(Asech), 0, 0, ValueLimit, 112},
        {"acsch", UNARY(Acsch), 0.5, 0, std::log(std::sqrt(5.0) + 2), 0},
        {"acsch of a negative value", UNARY(Acsch), -0.5, 0, std::log(std::sqrt(5.0) - 2), 0},
        {"acsch of 0", UNARY(Acsch), 0, 0, ValueLimit, 112},
    };
}

TEST(ComputingInstructions, StoreTheirValueOrTheirSubstitute) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.label);
        const Outcome result = c.function(c.x, c.y);
        EXPECT_DOUBLE_EQ(result.value, c.expected);
        EXPECT_EQ(result.error, c.error);
    }
}

TEST(ComputingInstructions, PowerOfTenToMinus400IsExactlyTheReciprocalOfTheLimit) {
    EXPECT_EQ(compute::Power(10, -400).value, 1 / ValueLimit);
}

TEST(LogicAndRounding, GiveTheirValues) {
    struct Row {
        const char* label;
        double (*function)(double);
        double x;
        double expected;
    };
    const Row rows[] = {
        {"bin of -3", compute::Bin, -3, 1},       {"bin of 0", compute::Bin, 0, 0},
        {"not of 0", compute::Not, 0, 1},         {"not of 0.1", compute::Not, 0.1, 0},
        {"sgn of -7", compute::Sgn, -7, -1},      {"sgn of 0", compute::Sgn, 0, 0},
        {"round 2.5", compute::Round, 2.5, 2},    {"round 3.5", compute::Round, 3.5, 4},
        {"round -2.5", compute::Round, -2.5, -2}, {"round 2.6", compute::Round, 2.6, 3},
        {"ceil 2", compute::Ceil, 2, 3},          {"ceil 2.1", compute::Ceil, 2.1, 3},
        {"ceil -2.5", compute::Ceil, -2.5, -2},   {"floor -2.7", compute::Int, -2.7, -3},
        {"fix -2.7", compute::Fix, -2.7, -2},     {"frac -2.25", compute::Frac, -2.25, 0.25},
        {"frac -2.5", compute::Frac, -2.5, 0.5},  {"frac 3", compute::Frac, 3, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_DOUBLE_EQ(row.function(row.x), row.expected);
    }
    EXPECT_EQ(compute::And(2, 0), 0);
    EXPECT_EQ(compute::And(2, -1), 1);
    EXPECT_EQ(compute::Or(0, 0), 0);
    EXPECT_EQ(compute::Or(0, 0.5), 1);
}

TEST(ClipAndCmod, PutTheirBoundsInOrder) {
    double low = 10;
    double high = 0;
    EXPECT_EQ(compute::Clip(12, low, high), 10);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 10);
    low = 0;
    high = 10;
    EXPECT_EQ(compute::Clip(-1, low, high), 0);
    EXPECT_EQ(compute::Clip(5, low, high), 5);

    struct Row {
        double x, y, z, expected;
        int error;
    };
    const Row rows[] = {
        {370, 0, 360, 10, 0}, {-10, 0, 360, 350, 0}, {360, 0, 360, 0, 0}, {370, 360, 0, 10, 0}, {7, 5, 5, 0, 102},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.x);
        double y = row.y;
        double z = row.z;
        const Outcome result = compute::Cmod(row.x, y, z);
        EXPECT_DOUBLE_EQ(result.value, row.expected);
        EXPECT_EQ(result.error, row.error);
        EXPECT_LE(y, z);
    }
}

TEST(Random, CombinesFourDrawsOfTheGenerator) {
    RandomGenerator random;
    RandomGenerator same;
    const double r1 = same.Next(), r2 = same.Next(), r3 = same.Next(), r4 = same.Next();
    EXPECT_EQ(compute::Random(random), r1 + r2 / 10000 + r3 / 1E8 + r4 / 1E13);
    for (int i = 0; i < 1000; ++i) {
        const double r = compute::Random(random);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, 1.0002);
    }
}

}  // namespace
}  // namespace zek

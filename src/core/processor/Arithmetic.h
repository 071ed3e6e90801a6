#pragma once
// The computing instructions: each takes the operand values before the
// instruction (x, y, z) and gives the value for operand 1. None of them
// fails: an undefined or too large case gives a substitute value and an
// error code.

#include <cmath>
#include <cstdint>

#include "core/base/ErrorCodes.h"
#include "core/base/MachineConstants.h"
#include "core/store/RandomGenerator.h"

namespace zek {

// Further constants of the computing instructions (these decimal values).
inline constexpr double HalfPi = 1.570796326794895;
inline constexpr double NearOne = 0.999999999999;
inline constexpr double OneLimit = 1.0000000000001;

// The value stored into operand 1 and the error code (0 none).
struct Outcome {
    double value;
    std::uint8_t error = 0;
};

namespace compute {

inline double Sgn(double x) { return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0); }
// Halves go to the even neighbour (2.5 -> 2, 3.5 -> 4) under the default
// rounding mode, which nothing in ZEK changes.
inline double Round(double x) { return std::nearbyint(x); }
inline double Int(double x) { return std::floor(x); }
inline double Fix(double x) { return std::trunc(x); }

Outcome Mul(double x, double y);
Outcome Div(double x, double y);
Outcome Power(double x, double y);
Outcome Root(double x, double y);

Outcome Exp(double x);
Outcome Exp10(double x);
Outcome Exp2(double x);
Outcome Expx(double x, double y);
Outcome Log(double x);
Outcome Log10(double x);
Outcome Log2(double x);
Outcome Logx(double x, double y);

Outcome Sin(double x);
Outcome Cos(double x);
Outcome Tan(double x);
Outcome Cot(double x);
Outcome Sec(double x);
Outcome Csc(double x);

// y selects the branch: y < 0 gives the other half of the full angle.
Outcome Asin(double x, double y);
Outcome Acos(double x, double y);
Outcome Atan(double x, double y);
Outcome Acot(double x, double y);
Outcome Asec(double x, double y);
Outcome Acsc(double x, double y);

Outcome Sinh(double x);
Outcome Cosh(double x);
Outcome Tanh(double x);
Outcome Coth(double x);
Outcome Sech(double x);
Outcome Csch(double x);

Outcome Asinh(double x);
Outcome Acosh(double x);
Outcome Atanh(double x);
Outcome Acoth(double x);
Outcome Asech(double x);
Outcome Acsch(double x);

double Bin(double x);
double Not(double x);
double And(double x, double y);
double Or(double x, double y);
double Ceil(double x);
double Frac(double x);

// clip and cmod put the bounds in order in y and z themselves, so that the
// trace shows them swapped.
double Clip(double x, double& y, double& z);
Outcome Cmod(double x, double& y, double& z);

double Random(RandomGenerator& random);

}  // namespace compute
}  // namespace zek

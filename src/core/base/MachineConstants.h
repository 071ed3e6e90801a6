#pragma once
// The machine's own constants: these decimal values, not the library's
// full-precision ones. The predefined symbols and the instructions share them.

namespace zek {

inline constexpr double PiValue = 3.14159265358979;
inline constexpr double EulerValue = 2.71828182845906;
inline constexpr double Tiny = 1E-99;                    // "eps"
inline constexpr double ValueLimit = 9.999999999999E99;  // "max": the largest magnitude a symbol keeps

// The description of an overflow fault, for ErrorText.
inline constexpr char OverflowDescription[] =
    "\xDC"
    "berlauf";

}  // namespace zek

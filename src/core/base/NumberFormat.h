#pragma once
// The one picture formatter and the one general number format of ZEK. Both
// write "." as the decimal separator whatever the locale.

#include <string>
#include <string_view>

namespace zek {

// Formats `value` with a picture pattern: "0" a digit always shown, "#" a
// digit shown only when significant, "." the decimal separator, "E+00" /
// "E-00" an exponent with sign and at least as many digits as zeros; a "-"
// precedes negative values. Rounds to the decimals the pattern shows.
// Examples: "######0", "####0.0", "#.0E+00", "###0.0###############",
// "#.0000##########E+00", "0000", "000000", "###########0".
std::string FormatPicture(double value, std::string_view pattern);

// The general conversion of a double to text: up to 15 significant digits,
// no trailing zeros, exponent form "1E+20", "1.5E-07" for very large and
// very small magnitudes.
std::string GeneralNumber(double value);

// Pads `text` with blanks on the right and cuts it to exactly `width` characters.
std::string PadRight(std::string_view text, std::size_t width);

// Pads `text` with blanks on the left and keeps its rightmost `width` characters.
std::string PadLeftKeepRight(std::string_view text, std::size_t width);

}  // namespace zek

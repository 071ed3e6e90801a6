#pragma once
// Reading texts as numbers: names, data-file lines and typed input.

#include <string_view>

namespace zek {

// The guarded, locale-independent numeric reading of a text; never fails.
// Only a text with three or more exponent markers can overflow: then the
// result is 0 and `*overflow` (when given) is set.
double NumberFromText(std::string_view text, bool* overflow = nullptr);

// A number as the user types it for `input`: "," or "." as the decimal
// separator, read by NumberFromText and kept within +-ValueLimit, the limits
// of a symbol's value.
double TypedNumber(std::string_view text);

// The leading-number reading: blanks, tabs and line feeds are skipped
// anywhere; sign, digits, "." and digits, an exponent with "E" or "D";
// reading stops at the first character that does not fit; no number gives 0.
// Sets `*overflow` when the number lies beyond the range of a double.
double LeadingNumber(std::string_view text, bool* overflow = nullptr);

}  // namespace zek

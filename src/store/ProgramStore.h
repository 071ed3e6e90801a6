#pragma once
// Resetting the two tables, entering symbols and reading names as numbers.

#include <cstdint>
#include <string>
#include <string_view>

#include "store/ZekState.h"

namespace zek {

constexpr std::int32_t PredefinedSymbolCount = 36;
constexpr std::size_t MaxSymbolNameLength = 1024;

// Replaces the CodeTable by the `init` line and the SymbolTable by the 36
// predefined symbols; R, f, Cx, Cy, Cx', Cy', kx, kx' become their values.
void ResetTables(ZekState& state, double R, double f, double Cx, double Cy,
                 double CxTarget, double CyTarget, double kx, double kxTarget);

// The blank tables of a freshly loaded main window: code addresses 0 and 1
// and symbol address 0, all entries empty.
void ResetToBlankTables(ZekState& state);

// Finds or enters a symbol and returns its address. `name` is normalised in
// place (empty -> ".", blank -> "~", CR LF -> "/"); a negative `count` is set
// to 0. Sets ErrorCode to 118, 119 or 120 on failure, never clears it. An
// overflow while reading the name as a number is recorded with RecordFault.
std::int32_t EnterSymbol(ZekState& state, std::string& name, std::int32_t& count, std::string_view type);

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

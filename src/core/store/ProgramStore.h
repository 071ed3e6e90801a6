#pragma once
// Resetting the two tables and entering symbols.

#include <cstdint>
#include <string>

#include "core/store/ZekState.h"

namespace zek {

constexpr std::int32_t PredefinedSymbolCount = 36;
constexpr std::size_t MaxSymbolNameLength = 1024;

// True for the name of one of the 36 predefined symbols.
bool IsPredefinedSymbolName(std::string_view name);

// True for a name that gets its initial value by reading it as a number
// (it begins with a digit, a sign or ".").
bool ReadsAsNumber(std::string_view name);

// Replaces the CodeTable by the `init` line and the SymbolTable by the 36
// predefined symbols; R, f, Cx, Cy, Cx', Cy', kx, kx' become their values.
// The line map of the source assembled before goes with the tables.
void ResetTables(ZekState& state, double R, double f, double Cx, double Cy, double CxTarget, double CyTarget, double kx,
                 double kxTarget);

// The blank tables of a freshly loaded main window: code addresses 0 and 1
// and symbol address 0, all entries empty.
void ResetToBlankTables(ZekState& state);

// Finds or enters a symbol and returns its address. `name` is normalised in
// place (empty -> ".", blank -> "~", CR LF -> "/"); a negative `count` is set
// to 0. Sets ErrorCode to 118, 119 or 120 on failure, never clears it. An
// overflow while reading the name as a number is recorded with RecordFault.
std::int32_t EnterSymbol(ZekState& state, std::string& name, std::int32_t& count, SymbolType type);

}  // namespace zek

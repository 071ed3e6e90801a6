#pragma once
// Pieces the fixed-width reports share: the line end, the hyphen rules and
// the symbol an operand names.

#include <cstdint>
#include <string>
#include <string_view>

#include "store/SymbolTable.h"

namespace zek::report {

inline constexpr std::string_view LineEnd = "\r\n";

// A rule of `width` hyphens with its line end.
inline std::string Rule(std::size_t width) {
    return std::string(width, '-') + std::string(LineEnd);
}

// The symbol at an operand address. An address outside the table (which the
// Assembler never stores) reads as a blank symbol instead of stray memory.
inline const Symbol& OperandSymbol(const SymbolTable& symbols, std::int32_t address) {
    static const Symbol blank;
    return symbols.IsAddress(address) ? symbols[address] : blank;
}

}  // namespace zek::report

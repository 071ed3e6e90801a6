#pragma once
// Pieces the fixed-width reports share: the line end, the hyphen rules, the
// symbol an operand names and the columns that name an instruction.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/base/NumberFormat.h"
#include "core/store/CodeTable.h"
#include "core/store/SymbolTable.h"

namespace zek::report {

inline constexpr std::string_view LineEnd = "\r\n";

// A rule of `width` hyphens with its line end.
inline std::string Rule(std::size_t width) { return std::string(width, '-') + std::string(LineEnd); }

// The symbol at an operand address. An address outside the table (which the
// Assembler never stores) reads as a blank symbol instead of stray memory.
inline const Symbol& OperandSymbol(const SymbolTable& symbols, std::int32_t address) {
    static const Symbol blank;
    return symbols.IsAddress(address) ? symbols[address] : blank;
}

// The columns LINE, INSTR and SYMBOL1 to SYMBOL3 that begin the rows of the
// code table and of the execution protocol, without a blank after SYMBOL3.
inline std::string InstructionColumns(const SymbolTable& symbols, std::size_t line, const Instruction& instruction) {
    std::string row = FormatPicture(static_cast<double>(line), "0000") + " ";
    row += PadRight(instruction.mnemonic, 7);
    row += PadRight(OperandSymbol(symbols, instruction.operand1).name, 8) + " ";
    row += PadRight(OperandSymbol(symbols, instruction.operand2).name, 8) + " ";
    row += PadRight(OperandSymbol(symbols, instruction.operand3).name, 8);
    return row;
}

}  // namespace zek::report

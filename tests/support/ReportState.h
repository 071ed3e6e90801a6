#pragma once
// A small hand-built program store for the report tests.

#include <string>

#include "core/store/ZekState.h"

namespace zek::testing {

inline Instruction MakeInstruction(std::string mnemonic, std::int32_t a, std::int32_t b, std::int32_t c) {
    Instruction instruction;
    instruction.mnemonic = std::move(mnemonic);
    instruction.operand1 = a;
    instruction.operand2 = b;
    instruction.operand3 = c;
    return instruction;
}

// Symbols: . .. x 5 SehrLangerName and an array a(0..1); code: init, an
// errcode, an add, a blank last entry.
inline ZekState SmallProgram() {
    ZekState state;
    state.Symbols.Append(".", 0, SymbolType::Predefined);
    state.Symbols.Append("..", 0, SymbolType::Predefined);
    state.Symbols.Append("x", 3.14159, SymbolType::Plain);
    state.Symbols.Append("5", 5, SymbolType::Plain);
    state.Symbols.Append("SehrLangerName", -1e100, SymbolType::Plain);
    state.Symbols.Append("a", 6, SymbolType::ArrayPointer);
    state.Symbols.Append("a(0)", 0, SymbolType::ArrayElement);
    state.Symbols.Append("a(1)", 2.5, SymbolType::ArrayElement);
    state.Symbols.Append(
        "Gr\xF6\xDF"
        "e_fuenfundzwanzig_Zei",
        1e20, SymbolType::Plain);
    state.Symbols.Append("klein", -1.5e-7, SymbolType::Plain);
    state.Code.push_back(MakeInstruction("init", 0, 0, 0));
    state.Code.push_back(MakeInstruction("errcode", 2, 3, 0));
    state.Code.push_back(MakeInstruction("add", 4, 2, 3));
    state.Code.push_back(MakeInstruction("", 0, 0, 0));
    return state;
}

}  // namespace zek::testing

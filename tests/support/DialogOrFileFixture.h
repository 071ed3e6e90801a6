#pragma once
// A small program store and one cycle for running single group-6
// instructions directly.

#include <gtest/gtest.h>

#include <string>

#include "core/processor/DialogOrFileInstructions.h"
#include "support/ScriptedWindowSystem.h"

namespace zek::testing {

class DialogOrFileTest : public ::testing::Test {
protected:
    static constexpr std::int32_t ProgramLine = 5;

    DialogOrFileTest() {
        state.Symbols.Append(".", 0, SymbolType::Predefined);
        state.Symbols.Append("..", 0, SymbolType::Predefined);
    }

    std::int32_t Symbol(std::string name, double value = 0) {
        return state.Symbols.Append(std::move(name), value, SymbolType::Plain);
    }
    double& ValueOf(std::int32_t address) { return state.Symbols[address].value; }

    // Runs one instruction as the cycle does: operand values read before,
    // ErrorCode cleared; NextIP starts at IP, so that a test sees the
    // instruction set it.
    void Execute(DialogOrFileInstruction& execute, std::int32_t a, std::int32_t b = 0, std::int32_t c = 0) {
        Instruction instruction;
        instruction.operand1 = a;
        instruction.operand2 = b;
        instruction.operand3 = c;
        instruction.group = 6;
        cycle = Cycle{};
        cycle.IP = ProgramLine;
        cycle.NextIP = ProgramLine;
        cycle.ValueA = ValueOf(a);
        cycle.ValueB = ValueOf(b);
        cycle.ValueC = ValueOf(c);
        state.ErrorCode = 0;
        execute(state, windows, instruction, cycle);
    }

    ZekState state;
    ScriptedWindowSystem windows{state};
    Cycle cycle;
};

}  // namespace zek::testing

#pragma once
// Assembles a small program and runs it under a scripted window system.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/assembler/Assembler.h"
#include "core/processor/Processor.h"
#include "support/ScriptedWindowSystem.h"

namespace zek::testing {

class RunTest : public ::testing::Test {
protected:
    // Source lines, joined with CR LF; the assembly must succeed.
    void Load(std::initializer_list<std::string_view> lines) {
        std::string source;
        for (std::string_view line : lines) source.append(line).append("\r\n");
        Assemble(state, windows, source);
        ASSERT_EQ(state.ErrorCode, 0) << state.InstructionProtocol;
    }

    void RunProgram(int mode = 0) {
        state.RunMode = static_cast<RunMode>(mode);
        zek::Run(state, windows);
    }

    double ValueOf(std::string_view name) const {
        const std::int32_t address = state.Symbols.Find(name);
        EXPECT_GE(address, 0) << name;
        return address < 0 ? 0 : state.Symbols[address].value;
    }

    const Instruction& Line(std::size_t address) const { return state.Code.at(address); }

    ZekState state;
    ScriptedWindowSystem windows{state};
};

}  // namespace zek::testing

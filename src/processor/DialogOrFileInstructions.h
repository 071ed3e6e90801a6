#pragma once
// Internal to the group-6 instructions: the file instructions that the
// dispatch in DialogInstructions.cpp hands on, and their common fault rule.

#include <string>

#include "processor/Cycle.h"

namespace zek {

// write a b, read a b (b from the cycle's ValueB) and save s.
void ExecuteWrite(ZekState& state, const Instruction& instruction, const Cycle& cycle);
void ExecuteRead(ZekState& state, const Instruction& instruction, const Cycle& cycle);
void ExecuteSave(ZekState& state, const Instruction& instruction);

// An unexpected failure inside an instruction: code 100 with the fault's
// description for ErrorText; the instruction carries on with its next step,
// and a later code of the same instruction overwrites the 100.
inline void InstructionFault(ZekState& state, std::string description) {
    state.ErrorCode = 100;
    state.FaultDescription = std::move(description);
}

}  // namespace zek

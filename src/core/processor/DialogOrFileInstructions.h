#pragma once
// Internal to the group-6 instructions: the file instructions that the
// dispatch in DialogInstructions.cpp hands on.

#include "core/processor/Cycle.h"

namespace zek {

// write a b, read a b (b from the cycle's ValueB) and save s.
void ExecuteWrite(ZekState& state, const Instruction& instruction, const Cycle& cycle);
void ExecuteRead(ZekState& state, const Instruction& instruction, const Cycle& cycle);
void ExecuteSave(ZekState& state, const Instruction& instruction);

}  // namespace zek

#pragma once
#include <cstdint>
#include <string>

#include "core/store/ZekState.h"

namespace zek {

// The effect of the instruction just executed, for the halt dialog. Reads
// state.Trace for the operand values before the instruction; stores the
// text into InstructionProtocol and returns it.
std::string InstructionTrace(ZekState& state, std::int32_t IP, std::int32_t NextIP, std::int32_t IC);

}  // namespace zek

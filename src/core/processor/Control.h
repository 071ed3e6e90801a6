#pragma once
// Jump targets, pointer and system instructions. The rare ones take the
// cycle's registers and leave their error in the state's ErrorCode, like
// every instruction family outside the loop.

#include <cstdint>

#include "core/processor/Cycle.h"

namespace zek {

// Int(value) (the largest integer not above it) as a 32-bit integer, for a
// code or symbol address or a run mode; false when it lies beyond that
// range or is not a number. Written without floor() so that a jump costs
// no library call. The correction for a negative fraction is rare and must
// stay a branch: a jump target feeds the next instruction's fetch, and the
// compiler's branch-free form (compare, set, subtract) would lengthen that
// chain in every jump of the loop.
inline bool IntToInt32(double value, std::int32_t& result) {
    if (!(value >= -2147483648.0 && value < 2147483648.0)) return false;
    auto truncated = static_cast<std::int64_t>(value);
    if (__builtin_expect_with_probability(static_cast<double>(truncated) > value, 0, 0.001)) --truncated;
    result = static_cast<std::int32_t>(truncated);
    return true;
}

// An overflow inside an instruction (an address beyond the 32-bit range, a
// result beyond the range of a double): records the platform's wording of
// the fault for ErrorText and gives the code 100.
std::uint8_t OverflowFault(ZekState& state);

// get a p q, put p q a.
void ExecuteGet(ZekState& state, const Instruction& instruction, Cycle& cycle);
void ExecutePut(ZekState& state, const Instruction& instruction, Cycle& cycle);

// mode a: RunMode := Int(x), kept within 0 .. 2.
void ExecuteMode(ZekState& state, const Instruction& instruction, Cycle& cycle);

// err a m, errjump m, errcode a: they see the error code of the
// instruction before them.
void ExecuteErr(ZekState& state, const Instruction& instruction, Cycle& cycle);
void ExecuteErrjump(ZekState& state, const Instruction& instruction, Cycle& cycle);
void ExecuteErrcode(ZekState& state, const Instruction& instruction, Cycle& cycle);

}  // namespace zek

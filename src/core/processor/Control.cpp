// Pointer instructions, mode and the error handling instructions.

#include "core/processor/Control.h"

#include "core/processor/Arithmetic.h"

namespace zek {

std::uint8_t OverflowFault(ZekState& state) {
    state.FaultDescription = OverflowDescription;
    return errors::RuntimeFault;
}

void ExecuteGet(ZekState& state, const Instruction& instruction, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    const double sum = compute::Int(cycle.ValueB) + compute::Int(cycle.ValueC);
    std::int32_t address = 0;
    double value = state.Symbols[0].value;
    if (!IntToInt32(sum, address))
        state.ErrorCode = OverflowFault(state);
    else if (state.Symbols.IsAddress(address))
        value = state.Symbols[address].value;
    else
        state.ErrorCode = errors::NoSuchSymbolAddress;
    state.Symbols[instruction.operand1].value = value;
    cycle.PutAddress = instruction.operand1;
}

// A put that cannot reach its symbol writes into the empty symbol, which
// the next instruction resets.
void ExecutePut(ZekState& state, const Instruction&, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t address = 0;
    if (!IntToInt32(cycle.ValueA, x) || !IntToInt32(cycle.ValueB, y) ||
        !IntToInt32(static_cast<double>(std::int64_t{x} + y), address)) {
        state.ErrorCode = OverflowFault(state);
        address = 0;
    } else if (!state.Symbols.IsAddress(address)) {
        state.ErrorCode = errors::NoSuchSymbolAddress;
        address = 0;
    }
    state.Symbols[address].value = cycle.ValueC;
    cycle.PutAddress = address;
}

void ExecuteMode(ZekState& state, const Instruction&, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    std::int32_t mode = 0;
    if (IntToInt32(cycle.ValueA, mode))
        state.RunMode = RunModeOf(mode);
    else
        state.ErrorCode = OverflowFault(state);
}

// err a m: the pending code into a, and a jump to m when m is not 0.
void ExecuteErr(ZekState& state, const Instruction& instruction, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    const std::uint8_t pending = state.ErrorCode;
    state.Symbols[instruction.operand1].value = pending;
    if (pending == 0) return;
    state.ErrorCode = 0;
    const double target = state.Symbols[instruction.operand2].value;  // after the write into a
    if (target != 0 && !IntToInt32(target, cycle.NextIP)) state.ErrorCode = OverflowFault(state);
}

// errjump m: takes a pending error over and jumps to its handler.
void ExecuteErrjump(ZekState& state, const Instruction& instruction, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    const std::uint8_t pending = state.ErrorCode;
    if (pending == 0) return;
    state.Symbols[0].value = 0;
    cycle.ErrorHandled = true;
    state.SavedErrorCode = pending;
    state.ErrorCode = 0;
    if (!IntToInt32(state.Symbols[instruction.operand1].value, cycle.NextIP)) state.ErrorCode = OverflowFault(state);
}

// errcode a: the pending code, else the one errjump took over (once), else 0.
void ExecuteErrcode(ZekState& state, const Instruction& instruction, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    double& a = state.Symbols[instruction.operand1].value;
    if (state.ErrorCode != 0) {
        a = state.ErrorCode;
        cycle.ErrorHandled = true;
        state.ErrorCode = 0;
    } else if (state.SavedErrorCode != 0) {
        a = state.SavedErrorCode;
        state.SavedErrorCode = 0;
    } else {
        a = 0;
    }
}

}  // namespace zek

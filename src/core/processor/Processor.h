#pragma once
#include "core/store/WindowSystem.h"
#include "core/store/ZekState.h"

namespace zek {

// Executes the current CodeTable from code address 0 under RunMode and the
// signals. Leaves the run's result code in ErrorCode, the values in the
// SymbolTable, the statistics in the CodeTable.
void Run(ZekState& state, WindowSystem& windows);

// The same run with an upper bound on the number of instructions: after
// `maxSteps` instructions the run is aborted as by the abort signal
// (result 90). A bound of 0 or less means none.
void Run(ZekState& state, WindowSystem& windows, std::int64_t maxSteps);

// The start command keeps no result: once it has reported its assembly and
// run, ErrorCode reads 0 again. (A start refused during a run keeps the
// active run's code.)
void DiscardResult(ZekState& state);

}  // namespace zek

#pragma once
// The halt dialog as the execution loop calls it. It has a file of its own:
// compiled into the loop's file, the handling of the dialog's answer changes
// how the compiler keeps the loop's registers, and every cycle gets slower.

#include <string>

#include "core/store/WindowSystem.h"
#include "core/store/ZekState.h"

namespace zek {

// Shows the halt dialog with the instruction trace and acts on its answer:
// the mode chosen becomes RunMode, a confirmed abort the abort signal.
void AskHaltDialog(ZekState& state, WindowSystem& windows, const std::string& trace, HaltLocation where);

}  // namespace zek

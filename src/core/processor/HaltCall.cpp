#include "core/processor/HaltCall.h"

namespace zek {

void AskHaltDialog(ZekState& state, WindowSystem& windows, const std::string& trace, HaltLocation where) {
    ApplyHaltAnswer(state, windows.ShowHaltDialog("ZE-Maschine: Halt", trace, where));
}

}  // namespace zek

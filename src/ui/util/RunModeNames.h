#pragma once
// The names of the test modes as the main window and the halt dialog show
// them.

#include "core/store/RunMode.h"

namespace zek::ui {

// "Ohne Halt", "Fehlerhalt", "Schrittweise"; nullptr for a value outside
// the three modes.
inline const char* RunModeName(RunMode mode) {
    switch (mode) {
        case RunMode::OhneHalt: return "Ohne Halt";
        case RunMode::Fehlerhalt: return "Fehlerhalt";
        case RunMode::Schrittweise: return "Schrittweise";
    }
    return nullptr;
}

}  // namespace zek::ui

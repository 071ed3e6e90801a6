#pragma once
// The names of the test modes, by RunMode (0, 1, 2), as the main window and
// the halt dialog show them.

namespace zek::ui {

inline constexpr const char* RunModeNames[] = {"Ohne Halt", "Fehlerhalt", "Schrittweise"};

}  // namespace zek::ui

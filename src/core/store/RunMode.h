#pragma once
// The run modes of the Processor, named as the windows show them.

#include <cstdint>

namespace zek {

enum class RunMode : std::int32_t { OhneHalt = 0, Fehlerhalt = 1, Schrittweise = 2 };

// A mode given as a number (the mode instruction, a command line, a value
// left out of range): below 0 is 'Ohne Halt', above 2 'Schrittweise'.
constexpr RunMode RunModeOf(std::int32_t number) {
    if (number < 0) return RunMode::OhneHalt;
    if (number > 2) return RunMode::Schrittweise;
    return static_cast<RunMode>(number);
}

}  // namespace zek

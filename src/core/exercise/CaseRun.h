#pragma once
// Running the cases of an exercise: the program is assembled once, as the
// main window's start command would, and every case runs on a copy of that
// state, in an empty private directory. Nothing else is shared, so cases
// may run on several threads at once, each with a directory of its own.

#include <atomic>
#include <string_view>

#include "core/exercise/CaseDirectory.h"
#include "core/exercise/CaseResult.h"
#include "core/exercise/Exercise.h"
#include "core/store/ZekState.h"

namespace zek {

// A fresh state with the program `source` (Windows-1252, CR LF lines)
// assembled with the main window's presets. Assembly errors that the
// assembler only lists leave the program to run with its faulty lines, as
// after "Fortsetzen"; a failed assembly leaves ErrorCode 90 or 107.
ZekState AssembleForExercise(std::string_view source);

// Runs case `c` on a copy of `assembled` in `directory`, which it empties
// first, and checks what it expects. Reaching the case's step limit fails
// it, whatever else it expects. While `cancelled` is set, a run is aborted
// at its next yield.
CaseResult RunCase(const ZekState& assembled, const ExerciseCase& c, const CaseDirectory& directory,
                   const std::atomic<bool>& cancelled);

}  // namespace zek

#pragma once
// Comparing a finished run with what its case expects.

#include <optional>
#include <string_view>
#include <vector>

#include "core/exercise/CaseDirectory.h"
#include "core/exercise/CaseResult.h"
#include "core/exercise/Exercise.h"
#include "core/store/ZekState.h"

namespace zek {

// The first line in which `got` differs from `expected` (both with LF line
// ends); nothing when they are equal.
std::optional<LineDifference> FirstDifference(std::string_view expected, std::string_view got);

// Every expectation of `c` that the run left in `state` and in the case's
// directory misses, in the order result, output, texts, symbols, files.
std::vector<Mismatch> CheckExpectations(const ExerciseCase& c, const ZekState& state, const CaseDirectory& directory);

}  // namespace zek

#pragma once
// The outcome of one checked case: every expectation it missed, as typed
// values that the runner and the window format alike (ExerciseReport.h).
// Texts are Windows-1252.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zek {

// The first line (from 1) in which two texts differ. A side without that
// line has ended; two equal lines differ in whether a line break ends them.
struct LineDifference {
    std::int64_t line = 0;
    std::optional<std::string> expected;
    std::optional<std::string> got;
    bool expectedBreak = false;
    bool gotBreak = false;
};

// The program could not be assembled (90 or 107); errorLines is the
// assembler's error list (CR LF lines), possibly empty.
struct AssemblyFailed {
    std::uint8_t code = 0;
    std::string errorLines;
};

struct StepLimitReached {
    std::int64_t limit = 0;
};

struct WrongResult {
    std::uint8_t expected = 0;
    std::uint8_t got = 0;
};

struct OutputDiffers {
    LineDifference difference;
};

// A text of the expected sequence that the output lacks after `previous`
// (the text before it in the sequence, empty for the first); `elsewhere`
// when it occurs only before that place.
struct TextMissing {
    std::string text;
    std::string previous;
    bool elsewhere = false;
};

// A symbol with the wrong value; `got` is empty when the table lacks it.
struct WrongSymbol {
    std::string name;
    double expected = 0;
    std::optional<double> got;
};

struct FileMissing {
    std::string name;
};

struct FileDiffers {
    std::string name;
    LineDifference difference;
};

// The case could not be set up (its directory or a file could not be
// written); it did not run.
struct SetupFailed {
    std::string description;
};

using Mismatch = std::variant<AssemblyFailed, StepLimitReached, WrongResult, OutputDiffers, TextMissing, WrongSymbol,
                              FileMissing, FileDiffers, SetupFailed>;

struct CaseResult {
    std::string name;
    std::vector<Mismatch> mismatches;  // empty: the case passed
    std::uint8_t resultCode = 0;
    std::int64_t steps = 0;       // instructions executed
    bool inputExhausted = false;  // the run was aborted at the end of the input
    std::size_t inputLinesRead = 0;

    bool Passed() const { return mismatches.empty(); }
};

}  // namespace zek

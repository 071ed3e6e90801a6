#include "core/exercise/CaseRun.h"

#include "core/assembler/Assembler.h"
#include "core/exercise/CaseCheck.h"
#include "core/exercise/CaseWindowSystem.h"
#include "core/processor/Processor.h"

namespace zek {
namespace {

std::int64_t ExecutedInstructions(const ZekState& state) {
    double sum = 0;
    for (const Instruction& line : state.Code) sum += line.executions;
    return static_cast<std::int64_t>(sum);
}

// Empties the directory and places the case's files; false with the reason
// in `result` when that fails.
bool PrepareDirectory(const ExerciseCase& c, const CaseDirectory& directory, CaseResult& result) {
    if (!directory.Created()) {
        result.mismatches.push_back(SetupFailed{"Arbeitsverzeichnis nicht angelegt"});
        return false;
    }
    std::string failure;
    bool prepared = directory.Clear(failure);
    for (std::size_t i = 0; prepared && i < c.files.size(); ++i) prepared = directory.Place(c.files[i], failure);
    if (!prepared) result.mismatches.push_back(SetupFailed{failure});
    return prepared;
}

}  // namespace

ZekState AssembleForExercise(std::string_view source) {
    ZekState state;
    const std::vector<std::string> noInput;
    const std::atomic<bool> notCancelled{false};
    CaseWindowSystem windows(state, noInput, notCancelled);
    Assemble(state, windows, source, AssemblerPresets{});
    return state;
}

CaseResult RunCase(const ZekState& assembled, const ExerciseCase& c, const CaseDirectory& directory,
                   const std::atomic<bool>& cancelled) {
    CaseResult result;
    result.name = c.name;
    if (assembled.ErrorCode != 0) {
        result.resultCode = assembled.ErrorCode;
        result.mismatches.push_back(AssemblyFailed{assembled.ErrorCode, assembled.InstructionProtocol});
        return result;
    }
    if (!PrepareDirectory(c, directory, result)) return result;

    ZekState state = assembled;
    state.DataDirectory = directory.Path().string();
    state.RunMode = RunModeOf(c.mode);
    CaseWindowSystem windows(state, c.input, cancelled);
    // One instruction beyond the limit tells a run that needs exactly
    // maxSteps instructions from one that would go on.
    Run(state, windows, c.maxSteps + 1);

    result.resultCode = state.ErrorCode;
    result.steps = ExecutedInstructions(state);
    result.inputExhausted = windows.InputExhausted();
    result.inputLinesRead = windows.LinesRead();
    if (result.steps > c.maxSteps)
        result.mismatches.push_back(StepLimitReached{c.maxSteps});
    else
        result.mismatches = CheckExpectations(c, state, directory);
    return result;
}

}  // namespace zek

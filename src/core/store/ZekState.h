#pragma once
// The process-wide state of ZEK in one object: the program store, the run
// state, the shared texts. The application owns one; tests make fresh ones.

#include <cstdint>
#include <set>
#include <string>

#include "core/store/CodeTable.h"
#include "core/store/RandomGenerator.h"
#include "core/store/RunMode.h"
#include "core/store/SourceMap.h"
#include "core/store/SymbolTable.h"
#include "core/store/WindowSystem.h"

namespace zek {

// Values of the current instruction's operands before it ran, as the
// Processor hands them to the instruction trace at a halt.
struct TraceValues {
    double ValueA = 0;
    double ValueB = 0;
    double ValueC = 0;
};

struct ZekState {
    SymbolTable Symbols;
    CodeTable Code;

    std::uint8_t ErrorCode = 0;

    // Run state; every flag is set (true) or clear (false).
    bool ProcessorActive = false;
    zek::RunMode RunMode = zek::RunMode::OhneHalt;
    bool HaltSignal = false;
    bool AbortSignal = false;
    bool ExitSignal = false;
    std::uint8_t SavedErrorCode = 0;  // survives from one run into the next

    std::string OutputText;           // lives for the whole process; only cls clears it
    std::string InstructionProtocol;  // assembly error list or the last trace
    std::string ProgramName = "Anwenderprogramm";

    // Description of the most recent internal fault, for ErrorText. A core
    // routine that meets a platform fault (an overflow while reading a
    // number, a failing file operation) records it here and sets
    // InternalFault; the Assembler turns the flag into 107, the Processor
    // into 100.
    std::string FaultDescription;
    bool InternalFault = false;

    TraceValues Trace;
    RandomGenerator Random;

    // Directory of the data and output-text files; empty means the
    // current working directory.
    std::string DataDirectory;

    // The lines of the source last assembled: line numbers, code addresses
    // and the lines of its error list.
    SourceMap LineMap;
    // Breakpoints by line number (as LineMap counts); a run halts before the
    // instruction of such a line.
    std::set<std::int32_t> BreakpointLines;
};

// Records an internal fault: its description for ErrorText and the flag.
inline void RecordFault(ZekState& state, std::string description) {
    state.FaultDescription = std::move(description);
    state.InternalFault = true;
}

// Acts on the halt dialog's answer: the mode chosen in it becomes RunMode,
// a confirmed abort the abort signal.
inline void ApplyHaltAnswer(ZekState& state, const HaltAnswer& answer) {
    if (answer.runMode) state.RunMode = *answer.runMode;
    if (answer.outcome == HaltOutcome::Abort) state.AbortSignal = true;
}

}  // namespace zek

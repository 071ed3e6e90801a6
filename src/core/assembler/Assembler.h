#pragma once
#include <cstdint>
#include <string_view>

#include "core/store/WindowSystem.h"
#include "core/store/ZekState.h"

namespace zek {

// The preset numbers that the main window passes to Assemble.
struct AssemblerPresets {
    double R = 6370004.2029572;
    double f = 0;
    double Cx = 0;
    double Cy = 0;
    double CxTarget = 0;  // Cx'
    double CyTarget = 0;  // Cy'
    double kx = 1000;
    double kxTarget = 1000;  // kx'
};

// How an assembly ended. The first three leave their code in ErrorCode: 0,
// 90 (failed, or aborted in the halt dialog that lists the errors) and 107.
// A call while an assembly or a run is active is refused with a message and
// changes nothing, not even ErrorCode, which belongs to the active run.
enum class AssemblyOutcome { Ready, Aborted, InternalFault, Refused };

// Translates a source text (Windows-1252, lines separated by CR LF) into the
// CodeTable and the SymbolTable of `state`. Besides the outcome it leaves the
// error list in InstructionProtocol and ProgramName in the state.
AssemblyOutcome Assemble(ZekState& state, WindowSystem& windows, std::string_view source,
                         const AssemblerPresets& presets = {});

// True for the keyword of a pseudo-instruction (_dim, _var, _lab, _name,
// _config, _end), in any case.
bool IsPseudoInstruction(std::string_view keyword);

// True when the pass stores an instruction for this SourceLines entry: a
// known mnemonic that is no pseudo-instruction.
bool YieldsInstruction(std::string_view sourceLine);

}  // namespace zek

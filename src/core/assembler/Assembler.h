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

// Translates a source text (Windows-1252, lines separated by CR LF) into the
// CodeTable and the SymbolTable of `state`. The outcome is left in the state:
// ErrorCode 0 (run), 90 (failed or aborted) or 107 (internal fault), the
// error list in InstructionProtocol, ProgramName.
void Assemble(ZekState& state, WindowSystem& windows, std::string_view source, const AssemblerPresets& presets = {});

// True for the keyword of a pseudo-instruction (_dim, _var, _lab, _name,
// _config, _end), in any case.
bool IsPseudoInstruction(std::string_view keyword);

// True when the pass stores an instruction for this SourceLines entry: a
// known mnemonic that is no pseudo-instruction.
bool YieldsInstruction(std::string_view sourceLine);

}  // namespace zek

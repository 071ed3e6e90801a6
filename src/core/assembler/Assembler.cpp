#include "core/assembler/Assembler.h"
#include "core/base/NumberReading.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/assembler/SourceReader.h"
#include "core/base/ErrorCodes.h"
#include "core/base/ErrorText.h"
#include "core/base/NameCoding.h"
#include "core/base/NumberFormat.h"
#include "core/base/Text1252.h"
#include "core/store/OpcodeTable.h"
#include "core/store/ProgramStore.h"

namespace zek {
namespace {

// A fault of the platform during the pass (a number beyond the range of a
// double or of a 32-bit integer); Assemble turns it into code 107.
struct InternalFault {};

enum class LineKind { Dim, Var, Lab, Name, Ignored, Instruction };

LineKind KindOf(std::string_view lowerKeyword) {
    if (lowerKeyword == "_dim") return LineKind::Dim;
    if (lowerKeyword == "_var") return LineKind::Var;
    if (lowerKeyword == "_lab") return LineKind::Lab;
    if (lowerKeyword == "_name") return LineKind::Name;
    if (lowerKeyword == "_config" || lowerKeyword == "_end") return LineKind::Ignored;
    return LineKind::Instruction;
}

// One assembly of one source text into the program store of `state`.
class AssemblerPass {
public:
    AssemblerPass(ZekState& state, WindowSystem& windows) : state_(state), windows_(windows) {}

    void Run(std::string_view source, const AssemblerPresets& presets) {
        state_.InternalFault = false;  // only faults of this pass count
        ResetTables(state_, presets.R, presets.f, presets.Cx, presets.Cy, presets.CxTarget, presets.CyTarget,
                    presets.kx, presets.kxTarget);
        state_.ProgramName = "Anwenderprogramm";
        lines_ = ReadSourceLines(source, state_.LineMap);
        windows_.SetText2("ZEK: Assemblerpass ...");
        state_.InstructionProtocol.clear();
        state_.ErrorCode = 0;

        if (AssembleLines()) ShowErrorList();

        if (state_.ErrorCode != errors::None) {
            windows_.SetText2("Assembler abgebrochen");
            state_.ErrorCode = errors::AbortDuringOperation;
        } else {
            state_.Random.Reset();  // every run of a fresh program sees the same sequence
        }
    }

private:
    // Returns false when a `_var` or `_lab` failed and the pass stopped early.
    bool AssembleLines() {
        nextCodeAddress_ = 1;
        for (std::size_t k = 0; k < lines_.size(); ++k) {
            if (lines_[k].empty()) continue;
            OpenCodeEntry();
            SplitTokens(lines_[k]);
            state_.ErrorCode = 0;
            switch (KindOf(keyword_)) {
                case LineKind::Dim: DimLine(k); break;
                case LineKind::Var: Enter(tokens_[1], 0, SymbolType::Plain); break;
                case LineKind::Lab: LabLine(); break;
                case LineKind::Name: state_.ProgramName = TextOf(tokens_[1], ProgramNameLineBreak); break;
                case LineKind::Ignored: break;
                case LineKind::Instruction: InstructionLine(k); break;
            }
            if (state_.ErrorCode != 0) return false;
        }
        return true;
    }

    // Every non-empty line first makes the entry at the next code address
    // blank; a line without an instruction leaves it for the next one.
    void OpenCodeEntry() {
        state_.Code.resize(static_cast<std::size_t>(nextCodeAddress_) + 1);
        state_.Code[static_cast<std::size_t>(nextCodeAddress_)] = Instruction{};
    }

    // Exactly four tokens: surplus ones dropped, missing ones empty. The
    // token strings are reused from line to line.
    void SplitTokens(std::string_view line) {
        for (std::string& token : tokens_) {
            const std::size_t blank = line.find(' ');
            token.assign(line.substr(0, blank));
            line = blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
        }
        keyword_.assign(tokens_[0]);
        for (char& c : keyword_) c = ToLower1252(c);
    }

    std::int32_t Enter(std::string& name, std::int32_t count, SymbolType type) {
        const std::int32_t address = EnterSymbol(state_, name, count, type);
        if (state_.InternalFault) throw InternalFault{};
        return address;
    }

    void DimLine(std::size_t k) {
        Enter(tokens_[1], ArrayCount(tokens_[2]), SymbolType::ArrayPointer);
        if (state_.ErrorCode != 0) AppendErrorLine(k, "");
        state_.ErrorCode = 0;
    }

    // The leading number of the token, rounded half to even.
    static std::int32_t ArrayCount(std::string_view token) {
        bool overflow = false;
        const double rounded = std::nearbyint(LeadingNumber(token, &overflow));
        if (overflow || !(rounded >= std::numeric_limits<std::int32_t>::min() &&
                          rounded <= std::numeric_limits<std::int32_t>::max()))
            throw InternalFault{};
        return static_cast<std::int32_t>(rounded);
    }

    void LabLine() {
        const std::int32_t address = Enter(tokens_[1], 0, SymbolType::Plain);
        // A failed entry returns the empty symbol, which must keep reading 0.
        if (state_.ErrorCode == 0) state_.Symbols[address].value = nextCodeAddress_;
    }

    void InstructionLine(std::size_t k) {
        const std::int16_t group = LookupOpcode(tokens_[0]);
        if (group == UnknownGroup) {
            state_.ErrorCode = errors::UnknownInstruction;
            AppendErrorLine(k, tokens_[0]);
            return;
        }
        Instruction entry;
        entry.mnemonic = tokens_[0] == "end" ? std::string("nop") : keyword_;
        entry.operand1 = EnterOperand(k, tokens_[1]);
        entry.operand2 = EnterOperand(k, tokens_[2]);
        entry.operand3 = EnterOperand(k, tokens_[3]);
        entry.group = group;
        state_.Code[static_cast<std::size_t>(nextCodeAddress_)] = std::move(entry);
        state_.LineMap.SetCodeAddress(LineNumber(k), nextCodeAddress_);
        ++nextCodeAddress_;
    }

    // A failed operand is listed and keeps the address EnterSymbol returned.
    std::int32_t EnterOperand(std::size_t k, std::string& token) {
        const std::int32_t address = Enter(token, 0, SymbolType::Plain);
        if (state_.ErrorCode != 0) AppendErrorLine(k, "");
        return address;
    }

    static std::int32_t LineNumber(std::size_t k) { return static_cast<std::int32_t>(k) + 1; }

    // Lists the current ErrorCode for line k, then clears it.
    void AppendErrorLine(std::size_t k, std::string_view name) {
        std::string line = "Zeile ";
        line += FormatPicture(static_cast<double>(k) + 1, "0000");
        line += ": ";
        line += PadRight(lines_[k], 32);
        line += " Fehlercode ";
        line += std::to_string(state_.ErrorCode);
        line += " (";
        line += ErrorText(state_.ErrorCode, state_.FaultDescription);
        if (!name.empty()) {
            line += ' ';
            line += name;
        }
        line += ')';
        state_.InstructionProtocol += line;
        state_.InstructionProtocol += "\r\n";
        state_.LineMap.AddError(LineNumber(k), std::move(line));
        state_.ErrorCode = 0;
    }

    // The error list goes into the halt dialog; its abort cancels the start.
    void ShowErrorList() {
        if (state_.InstructionProtocol.empty()) return;
        windows_.CloseTextWindow();
        ApplyHaltAnswer(state_, windows_.ShowHaltDialog("Assemblerfehler", state_.InstructionProtocol, {}));
        if (state_.AbortSignal) {
            state_.AbortSignal = false;
            state_.ErrorCode = errors::AbortDuringOperation;
        }
    }

    ZekState& state_;
    WindowSystem& windows_;
    std::vector<std::string> lines_;  // SourceLines
    std::array<std::string, 4> tokens_;
    std::string keyword_;  // the first token in lower case
    std::int32_t nextCodeAddress_ = 1;
};

void RefuseReentry(WindowSystem& windows) {
    try {
        windows.MessageBox("Prozessorruf bei aktivem Prozessor. Assemblieren wird abgelehnt.", "ZE-Assembler",
                           MessageButtons::YesNoCancel);
    } catch (...) {
        // The answer is ignored anyway; a failing box must not disturb the active run.
    }
}

}  // namespace

bool IsPseudoInstruction(std::string_view keyword) { return KindOf(ToLower1252(keyword)) != LineKind::Instruction; }

bool YieldsInstruction(std::string_view sourceLine) {
    const std::string_view keyword = sourceLine.substr(0, sourceLine.find(' '));
    return !keyword.empty() && !IsPseudoInstruction(keyword) && LookupOpcode(keyword) != UnknownGroup;
}

AssemblyOutcome Assemble(ZekState& state, WindowSystem& windows, std::string_view source,
                         const AssemblerPresets& presets) {
    if (state.ProcessorActive) {
        RefuseReentry(windows);
        return AssemblyOutcome::Refused;
    }
    state.ProcessorActive = true;
    try {
        AssemblerPass(state, windows).Run(source, presets);
    } catch (...) {
        // Internal fault (overflow, exhausted memory, a failing window
        // operation): the tables stay as far as they got, nothing is shown.
        state.InternalFault = false;
        state.ErrorCode = errors::AssemblerFault;
    }
    state.ProcessorActive = false;
    if (state.ErrorCode == errors::None) return AssemblyOutcome::Ready;
    return state.ErrorCode == errors::AbortDuringOperation ? AssemblyOutcome::Aborted : AssemblyOutcome::InternalFault;
}

}  // namespace zek

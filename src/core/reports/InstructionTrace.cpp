// The instruction trace: the effect of the instruction just executed, as
// the halt dialog shows it.

#include "core/reports/InstructionTrace.h"

#include <cmath>
#include <string_view>

#include "core/base/ErrorText.h"
#include "core/base/NumberFormat.h"
#include "core/base/Text1252.h"
#include "core/reports/ReportLayout.h"

namespace zek {
namespace {

constexpr std::size_t Column = 21;
constexpr std::string_view Indent = "        ";
constexpr std::string_view ExponentPattern = "#.0000##########E+00";

// The pattern by magnitude: 0 as 0.0000, fixed strictly between 0.001 and
// 10000, the exponent form otherwise.
std::string TraceNumber(double value) {
    const double magnitude = std::fabs(value);
    if (value == 0) return FormatPicture(value, "###0.0000############");
    if (magnitude > 0.001 && magnitude < 10000) return FormatPicture(value, "###0.0###############");
    return FormatPicture(value, ExponentPattern);
}

std::string Field(double value) { return PadRight(TraceNumber(value), Column); }

std::string Flag(bool set) { return set ? "True" : "False"; }

struct Access {
    std::string_view kind;  // "Get", "Put" or empty
    double address = 0;     // rounded, halves to the even neighbour
};

Access AccessOf(std::string_view mnemonic, const TraceValues& values) {
    const std::string name = ToLower1252(mnemonic);
    // + 0.0 turns a rounded -0 into 0.
    if (name == "get") return {"Get", std::nearbyint(values.ValueB + values.ValueC) + 0.0};
    if (name == "put") return {"Put", std::nearbyint(values.ValueA + values.ValueB) + 0.0};
    return {};
}

std::string AccessLines(const ZekState& state, const Access& access) {
    if (access.kind.empty()) return "No get/put ...\r\nNo get/put ...\r\n";
    std::string lines = std::string(access.kind) + " Address    :" + std::string(Indent) +
                        PadRight(GeneralNumber(access.address), Column) + "\r\n";
    std::string value = "***";
    if (access.address >= 0 && access.address <= state.Symbols.HighestAddress()) {
        const double reached = state.Symbols[static_cast<std::int32_t>(access.address)].value;
        value = state.ErrorCode == 0 ? TraceNumber(reached) : FormatPicture(reached, ExponentPattern);
    }
    lines += std::string(access.kind) + " Value Post :" + std::string(Indent) + PadRight(value, Column) + "\r\n";
    return lines;
}

}  // namespace

std::string InstructionTrace(ZekState& state, std::int32_t IP, std::int32_t NextIP, std::int32_t IC) {
    static const Instruction blankLine;
    const Instruction& line = IP >= 0 && static_cast<std::size_t>(IP) < state.Code.size()
                                  ? state.Code[static_cast<std::size_t>(IP)]
                                  : blankLine;
    const Symbol& first = report::OperandSymbol(state.Symbols, line.operand1);
    const Symbol& second = report::OperandSymbol(state.Symbols, line.operand2);
    const Symbol& third = report::OperandSymbol(state.Symbols, line.operand3);
    const TraceValues& pre = state.Trace;

    std::string text;
    text += "IC             :" + std::to_string(IC) + "\r\n";
    text += "IP             :" + FormatPicture(IP, "0000") + "\r\n";
    text += "\r\n";
    text += "Instruction    :" + PadRight(line.mnemonic, 7) + " " + PadRight(first.name, Column) + " " +
            PadRight(second.name, Column) + " " + PadRight(third.name, Column) + "\r\n";
    const std::string addressGap(15, ' ');
    text += "Op Address     :" + std::string(Indent) + FormatPicture(line.operand1, "000000") + addressGap + " " +
            FormatPicture(line.operand2, "000000") + addressGap + " " + FormatPicture(line.operand3, "000000") +
            addressGap + "\r\n";
    text += "Op Value Pre   :" + std::string(Indent) + Field(pre.ValueA) + " " + Field(pre.ValueB) + " " +
            Field(pre.ValueC) + "\r\n";
    text += "Op Value Post  :" + std::string(Indent) + Field(first.value) + "\r\n";
    text += AccessLines(state, AccessOf(line.mnemonic, pre));
    text += "\r\n";
    text += "Error Code     : " + std::to_string(state.ErrorCode) + " (" +
            ErrorText(state.ErrorCode, state.FaultDescription) + ")\r\n";
    text += "Exit Signal    : " + Flag(state.ExitSignal) + "\r\n";
    text += "Halt Signal    : " + Flag(state.HaltSignal) + "\r\n";
    text += "Next IP        : " + FormatPicture(NextIP, "0000") + "\r\n";

    state.InstructionProtocol = text;
    return text;
}

}  // namespace zek

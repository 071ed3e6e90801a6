#include "core/base/ErrorText.h"
#include "core/base/NumberFormat.h"
#include "core/reports/ReportLayout.h"
#include "core/reports/Reports.h"

namespace zek {

namespace {

std::string ProtocolRow(const ZekState& state, std::size_t line, const Instruction& instruction) {
    std::string row = report::InstructionColumns(state.Symbols, line, instruction);
    row += PadLeftKeepRight(FormatPicture(instruction.executions, "###########0"), 12);
    row += PadLeftKeepRight(FormatPicture(instruction.errors, "###########0"), 12);
    row += PadLeftKeepRight(FormatPicture(instruction.lastErrorCode, "###0"), 4) + " ";
    if (instruction.lastErrorCode != 0) {
        const std::string text = ErrorText(instruction.lastErrorCode, state.FaultDescription);
        if (!text.empty()) row += "(" + text + ")";
    }
    return row.append(report::LineEnd);
}

}  // namespace

std::string ExecutionProtocol(const ZekState& state) {
    std::string text =
        "\r\nEXECUTION PROTOCOL\r\n==================\r\n\r\n"
        "LINE INSTR  SYMBOL1  SYMBOL2  SYMBOL3   EXECUTIONS      ERRORS LAST ERROR CODE\r\n";
    text += report::Rule(96);
    for (std::size_t line = 0; line < state.Code.size(); ++line) {
        if (!state.Code[line].mnemonic.empty()) text += ProtocolRow(state, line, state.Code[line]);
    }
    text += report::Rule(96);
    return text;
}

}  // namespace zek

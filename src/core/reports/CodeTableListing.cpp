#include "core/base/NumberFormat.h"
#include "core/reports/ReportLayout.h"
#include "core/reports/Reports.h"
#include "core/reports/TableNumberFormat.h"

namespace zek {

namespace {

std::string ListingRow(const SymbolTable& symbols, std::size_t line, const Instruction& instruction) {
    const Symbol& symbol1 = report::OperandSymbol(symbols, instruction.operand1);
    const Symbol& symbol2 = report::OperandSymbol(symbols, instruction.operand2);
    const Symbol& symbol3 = report::OperandSymbol(symbols, instruction.operand3);
    std::string row = report::InstructionColumns(symbols, line, instruction) + " ";
    row += FormatPicture(instruction.operand1, "000000") + " ";
    row += FormatPicture(instruction.operand2, "000000") + " ";
    row += FormatPicture(instruction.operand3, "000000") + " ";
    row += FormatTableValue(symbol1.value) + " ";
    row += FormatTableValue(symbol2.value) + " ";
    row += FormatTableValue(symbol3.value) + " ";
    return row.append(report::LineEnd);
}

}  // namespace

std::string CodeTableListing(const ZekState& state) {
    std::string text =
        "\r\nCODE TABLE\r\n==========\r\n\r\n"
        "LINE INSTR  SYMBOL1  SYMBOL2  SYMBOL3  ADDR1  ADDR2  ADDR3   VALUE1  VALUE2  VALUE3\r\n";
    text += report::Rule(84);
    for (std::size_t line = 0; line < state.Code.size(); ++line) {
        if (!state.Code[line].mnemonic.empty()) text += ListingRow(state.Symbols, line, state.Code[line]);
    }
    text += report::Rule(84);
    return text;
}

}  // namespace zek

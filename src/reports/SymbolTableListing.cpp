#include <vector>

#include "reports/NumberFormat.h"
#include "reports/ReportLayout.h"
#include "reports/Reports.h"

namespace zek {

namespace {

constexpr std::int32_t kBlock = 1000;

// "000000" for an address; the table never exceeds six digits, a larger
// address simply takes more.
std::string AddressField(std::int32_t address) {
    std::string digits = std::to_string(address);
    return digits.size() >= 6 ? digits : std::string(6 - digits.size(), '0') + digits;
}

std::string SymbolRow(std::int32_t address, const Symbol& symbol) {
    std::string row;
    row.reserve(59);
    row += AddressField(address);
    row += ' ';
    row += symbol.type.empty() ? ' ' : symbol.type[0];
    row += ' ';
    row += PadRight(symbol.name, 24);
    row += ' ';
    row += PadRight(GeneralNumber(symbol.value), 22);
    row += ' ';
    row += report::LineEnd;
    return row;
}

std::string Progress(std::int32_t address, std::int32_t highest, const char* phase) {
    return "Symbol " + std::to_string(address) + "/" + std::to_string(highest) + " " + phase;
}

}  // namespace

std::string SymbolTableListing(const ZekState& state, WindowSystem& windows, bool full) {
    const SymbolTable& symbols = state.Symbols;
    const std::int32_t highest = symbols.HighestAddress();

    // Phase 1: each row into its own slot, so that no text grows row by row.
    std::vector<std::string> rows(static_cast<std::size_t>(symbols.size()));
    std::size_t rowsLength = 0;
    for (std::int32_t i = 0; i <= highest; ++i) {
        const Symbol& symbol = symbols[i];
        if (full || symbol.type != "E") {
            rows[static_cast<std::size_t>(i)] = SymbolRow(i, symbol);
            rowsLength += rows[static_cast<std::size_t>(i)].size();
        }
        if (i % kBlock == 0) windows.SetText2(Progress(i, highest, "protokollieren"));
    }

    const std::string header = full ? "\r\nFULL SYMBOL TABLE\r\n=================\r\n\r\n"
                                    : "\r\nSYMBOL TABLE\r\n============\r\n\r\n";
    const std::string columns = "ADDR   T NAME                     VALUE\r\n";
    const std::string footer = report::Rule(74) + "TYPE T: P = PRE DEFINED SYMBOL, A = ARRAY POINTER, E = ARRAY ELEMENT\r\n" +
                               report::Rule(74);
    std::string text;
    text.reserve(header.size() + columns.size() + 75 + rowsLength + footer.size());
    text += header;
    text += columns;
    text += report::Rule(74);

    // Phase 2: the slots joined block by block.
    for (std::int32_t block = 0; block <= highest / kBlock; ++block) {
        const std::int32_t first = block * kBlock;
        const std::int32_t end = std::min(first + kBlock, symbols.size());
        for (std::int32_t i = first; i < end; ++i) text += rows[static_cast<std::size_t>(i)];
        windows.SetText2(Progress(first, highest, "tabellieren"));
    }
    text += footer;
    return text;
}

}  // namespace zek

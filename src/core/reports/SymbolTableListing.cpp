#include <algorithm>
#include <vector>

#include "core/base/NumberFormat.h"
#include "core/reports/ReportLayout.h"
#include "core/reports/Reports.h"

namespace zek {

namespace {

constexpr std::int32_t kBlock = 1000;

static_assert(SymbolTable::HighestPermittedAddress <= 999999, "the ADDR column holds six digits");

// One row: ADDR (6, zero-padded) T (1) NAME (24) VALUE (22), each followed
// by a blank, written in place into a row of blanks.
std::string SymbolRow(std::int32_t address, const Symbol& symbol) {
    std::string row(57, ' ');
    row.append(report::LineEnd);
    for (std::size_t digit = 6; digit-- > 0; address /= 10) row[digit] = static_cast<char>('0' + address % 10);
    if (symbol.type != SymbolType::Plain) row[7] = static_cast<char>(symbol.type);
    const std::string_view name = std::string_view(symbol.name).substr(0, 24);
    std::copy(name.begin(), name.end(), row.begin() + 9);
    const std::string value = GeneralNumber(symbol.value);
    std::copy_n(value.begin(), std::min<std::size_t>(value.size(), 22), row.begin() + 34);
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
        if (full || symbol.type != SymbolType::ArrayElement) {
            rows[static_cast<std::size_t>(i)] = SymbolRow(i, symbol);
            rowsLength += rows[static_cast<std::size_t>(i)].size();
        }
        if (i % kBlock == 0) windows.SetText2(Progress(i, highest, "protokollieren"));
    }

    const std::string header =
        full ? "\r\nFULL SYMBOL TABLE\r\n=================\r\n\r\n" : "\r\nSYMBOL TABLE\r\n============\r\n\r\n";
    const std::string columns = "ADDR   T NAME                     VALUE\r\n";
    const std::string footer = report::Rule(74) +
                               "TYPE T: P = PRE DEFINED SYMBOL, A = ARRAY POINTER, E = ARRAY ELEMENT\r\n" +
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

#include "core/store/ProgramStore.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "core/base/ErrorCodes.h"
#include "core/base/MachineConstants.h"
#include "core/base/NumberReading.h"

namespace zek {
namespace {

struct PredefinedRow {
    const char* name;
    double value;
};

// Addresses 2 to 35 in table order; "." and ".." at 0 and 1 come first.
std::array<PredefinedRow, PredefinedSymbolCount - 2> PredefinedRows(double R, double f, double Cx, double Cy,
                                                                    double CxTarget, double CyTarget, double kx,
                                                                    double kxTarget) {
    return {{
        {"pi", PiValue},
        {"pi/2", PiValue / 2},
        {"pi/4", PiValue / 4},
        {"e", EulerValue},
        {"\xAE", R},
        {"\xAE"
         "f",
         f},
        {"\xB0(", PiValue / 180},
        {"(\xB0", 180 / PiValue},
        {"eps", Tiny},
        {"max", ValueLimit},
        {"r0", 0},
        {"r1", 0},
        {"r2", 0},
        {"r3", 0},
        {"r4", 0},
        {"r5", 0},
        {"r6", 0},
        {"r7", 0},
        {"\xA0", 0},
        {"x", 0},
        {"y", 0},
        {"z", 0},
        {"x'", 0},
        {"y'", 0},
        {"z'", 0},
        {"Rx", kx * R},
        {"Ry", kx * R},
        {"Rx'", kxTarget * R},
        {"Ry'", kxTarget * R},
        {"Cx", Cx},
        {"Cy", Cy},
        {"Cx'", CxTarget},
        {"Cy'", CyTarget},
        {"\xA0\xA0", 0},
    }};
}

// Blank -> "~", CR LF -> "/"; a lone CR or LF stays.
void NormaliseName(std::string& name) {
    if (std::none_of(name.begin(), name.end(), [](char c) { return c == ' ' || c == '\r'; })) return;
    std::string result;
    result.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\r' && i + 1 < name.size() && name[i + 1] == '\n') {
            result += '/';
            ++i;
        } else {
            result += name[i] == ' ' ? '~' : name[i];
        }
    }
    name = std::move(result);
}

}  // namespace

bool ReadsAsNumber(std::string_view name) {
    if (name.empty()) return false;
    const char c = name.front();
    return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

bool IsPredefinedSymbolName(std::string_view name) {
    if (name == "." || name == "..") return true;
    for (const PredefinedRow& row : PredefinedRows(0, 0, 0, 0, 0, 0, 0, 0))
        if (name == row.name) return true;
    return false;
}

void ResetTables(ZekState& state, double R, double f, double Cx, double Cy, double CxTarget, double CyTarget, double kx,
                 double kxTarget) {
    Instruction init;
    init.mnemonic = "init";
    init.group = 7;
    state.Code.assign(1, init);
    state.LineMap.Clear();

    state.Symbols.Clear();
    state.Symbols.Append(".", 0, SymbolType::Predefined);
    state.Symbols.Append("..", 0, SymbolType::Predefined);
    for (const PredefinedRow& row : PredefinedRows(R, f, Cx, Cy, CxTarget, CyTarget, kx, kxTarget)) {
        std::string name = row.name;
        std::int32_t count = 0;
        const std::int32_t address = EnterSymbol(state, name, count, SymbolType::Predefined);
        state.Symbols[address].value = row.value;
    }
}

void ResetToBlankTables(ZekState& state) {
    state.Code.assign(2, Instruction{});
    state.LineMap.Clear();
    state.Symbols.Clear();
    state.Symbols.Append("", 0, SymbolType::Plain);
}

std::int32_t EnterSymbol(ZekState& state, std::string& name, std::int32_t& count, SymbolType type) {
    if (count < 0) count = 0;
    if (name.empty()) name.push_back('.');
    if (name.size() > MaxSymbolNameLength) {
        state.ErrorCode = errors::SymbolNameTooLong;
        return 0;
    }
    NormaliseName(name);

    SymbolTable& symbols = state.Symbols;
    if (const std::int32_t found = symbols.Find(name); found >= 0) {
        if (count > 1) state.ErrorCode = errors::SymbolAlreadyDefined;
        return found;
    }
    const std::int32_t u = symbols.size();
    if (u > SymbolTable::HighestPermittedAddress) {
        state.ErrorCode = errors::SymbolTableFull;
        return 0;
    }

    double value = 0;
    if (ReadsAsNumber(name)) {
        bool overflow = false;
        value = NumberFromText(name, &overflow);
        if (overflow) RecordFault(state, OverflowDescription);
    }
    symbols.Append(name, value, type);

    if (type == SymbolType::ArrayPointer) {
        if (static_cast<std::int64_t>(u) + count + 1 > SymbolTable::HighestPermittedAddress) {
            state.ErrorCode = errors::SymbolTableFull;
            return u;
        }
        symbols[u].value = u + 1;
        symbols.AppendElements(name, count);
    }
    return u;
}

}  // namespace zek

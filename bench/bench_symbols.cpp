// Times entering a full SymbolTable through EnterSymbol and looking every
// symbol up once: addresses 2 to 999999, that is 999,998 symbols (the 34
// predefined ones, one array of 500,000 elements and 499,963 distinct
// names, every second of them a number that NumberFromText reads).

#include <cstdint>
#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "core/base/NumberReading.h"
#include "core/store/ProgramStore.h"

namespace {

std::string DistinctName(std::int32_t i) { return i % 2 == 0 ? "name" + std::to_string(i) : std::to_string(i) + ".5"; }

}  // namespace

int main() {
    constexpr std::int32_t ArrayHighestIndex = 499999;
    zek::ZekState state;

    const zek::bench::Stopwatch enterWatch;
    zek::ResetTables(state, 6370004.2029572, 0, 0, 0, 0, 0, 1000, 1000);
    std::string arrayName = "v";
    std::int32_t count = ArrayHighestIndex;
    zek::EnterSymbol(state, arrayName, count, zek::SymbolType::ArrayPointer);
    std::size_t distinctNames = 0;
    for (std::int32_t i = 0; state.Symbols.size() <= zek::SymbolTable::HighestPermittedAddress; ++i) {
        std::string name = DistinctName(i);
        std::int32_t zero = 0;
        zek::EnterSymbol(state, name, zero, zek::SymbolType::Plain);
        ++distinctNames;
    }
    const double enterSeconds = enterWatch.Seconds();
    const double enterCpuSeconds = enterWatch.ProcessorSeconds();

    const zek::bench::Stopwatch lookupWatch;
    std::int32_t misplaced = 0;
    for (std::int32_t address = 2; address < state.Symbols.size(); ++address) {
        std::string name = state.Symbols[address].name;
        std::int32_t zero = 0;
        if (zek::EnterSymbol(state, name, zero, zek::SymbolType::Plain) != address) ++misplaced;
    }
    const double lookupSeconds = lookupWatch.Seconds();
    const double lookupCpuSeconds = lookupWatch.ProcessorSeconds();

    std::printf("symbols entered (addresses 2 to %d): %d, of them distinct names: %zu\n",
                state.Symbols.HighestAddress(), state.Symbols.size() - 2, distinctNames);
    std::printf("enter:  %.3f s (processor time %.3f s)\n", enterSeconds, enterCpuSeconds);
    std::printf("lookup: %.3f s (processor time %.3f s), %d found at another address\n", lookupSeconds,
                lookupCpuSeconds, misplaced);
    std::printf("total:  %.3f s (processor time %.3f s), error code %d\n", enterSeconds + lookupSeconds,
                enterCpuSeconds + lookupCpuSeconds, state.ErrorCode);
    return misplaced == 0 && state.ErrorCode == 0 ? 0 : 1;
}

// Times entering a full SymbolTable through EnterSymbol and looking every
// symbol up once: addresses 2 to 999999, that is 999,998 symbols (the 34
// predefined ones, one array of 500,000 elements and 499,963 distinct
// names, every second of them a number that NumberFromText reads).

#include <chrono>
#include <ctime>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "store/ProgramStore.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time as well: on a busy machine the wall clock says little.
double CpuSecondsSince(std::clock_t start) {
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

std::string DistinctName(std::int32_t i) {
    return i % 2 == 0 ? "name" + std::to_string(i) : std::to_string(i) + ".5";
}

}  // namespace

int main() {
    constexpr std::int32_t ArrayHighestIndex = 499999;
    zek::ZekState state;

    const Clock::time_point enterStart = Clock::now();
    const std::clock_t enterCpuStart = std::clock();
    zek::ResetTables(state, 6370004.2029572, 0, 0, 0, 0, 0, 1000, 1000);
    std::string arrayName = "v";
    std::int32_t count = ArrayHighestIndex;
    zek::EnterSymbol(state, arrayName, count, "A");
    std::vector<std::string> names;
    for (std::int32_t i = 0; state.Symbols.size() <= zek::SymbolTable::HighestPermittedAddress; ++i) {
        std::string name = DistinctName(i);
        std::int32_t zero = 0;
        zek::EnterSymbol(state, name, zero, "");
        names.push_back(std::move(name));
    }
    const double enterSeconds = SecondsSince(enterStart);
    const double enterCpuSeconds = CpuSecondsSince(enterCpuStart);

    const Clock::time_point lookupStart = Clock::now();
    const std::clock_t lookupCpuStart = std::clock();
    std::int32_t misplaced = 0;
    for (std::int32_t address = 2; address < state.Symbols.size(); ++address) {
        std::string name = state.Symbols[address].name;
        std::int32_t zero = 0;
        if (zek::EnterSymbol(state, name, zero, "") != address) ++misplaced;
    }
    const double lookupSeconds = SecondsSince(lookupStart);
    const double lookupCpuSeconds = CpuSecondsSince(lookupCpuStart);

    std::printf("symbols entered (addresses 2 to %d): %d, of them distinct names: %zu\n",
                state.Symbols.HighestAddress(), state.Symbols.size() - 2, names.size());
    std::printf("enter:  %.3f s (processor time %.3f s)\n", enterSeconds, enterCpuSeconds);
    std::printf("lookup: %.3f s (processor time %.3f s), %d found at another address\n", lookupSeconds,
                lookupCpuSeconds, misplaced);
    std::printf("total:  %.3f s (processor time %.3f s), error code %d\n", enterSeconds + lookupSeconds,
                enterCpuSeconds + lookupCpuSeconds, state.ErrorCode);
    return misplaced == 0 && state.ErrorCode == 0 ? 0 : 1;
}

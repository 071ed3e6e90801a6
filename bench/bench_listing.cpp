// Times the full and the standard symbol table listing of a program with an
// array of 999,000 elements (highest index 998999) besides the predefined
// symbols, with values in every form the general number format writes.

#include <cstdint>
#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "core/reports/Reports.h"
#include "core/store/ProgramStore.h"

namespace {

struct Timing {
    double seconds;
    double cpuSeconds;
    std::size_t length;
};

Timing TimeListing(const zek::ZekState& state, zek::bench::SilentWindows& windows, bool full) {
    // Best of three: on a shared machine single runs vary widely.
    Timing best{1e9, 1e9, 0};
    for (int run = 0; run < 3; ++run) {
        const zek::bench::Stopwatch watch;
        const std::string text = zek::SymbolTableListing(state, windows, full);
        const double seconds = watch.Seconds();
        const double cpuSeconds = watch.ProcessorSeconds();
        if (seconds < best.seconds) best = {seconds, cpuSeconds, text.size()};
    }
    return best;
}

}  // namespace

int main() {
    zek::ZekState state;
    zek::ResetTables(state, 6370004.2029572, 0, 0, 0, 0, 0, 1000, 1000);
    std::string arrayName = "Messwerte";
    std::int32_t highestIndex = 998999;
    const std::int32_t pointer = zek::EnterSymbol(state, arrayName, highestIndex, zek::SymbolType::ArrayPointer);
    for (std::int32_t i = 0; i <= highestIndex; ++i) {
        const double values[] = {i * 0.001, -1.0 * i, i * 1e95, 1.0 / (i + 3)};
        state.Symbols[pointer + 1 + i].value = values[i % 4];
    }

    zek::bench::SilentWindows windows;
    const Timing full = TimeListing(state, windows, true);
    const Timing standard = TimeListing(state, windows, false);
    std::printf("symbols: %d (highest address %d), error code %d\n", state.Symbols.size(),
                state.Symbols.HighestAddress(), state.ErrorCode);
    std::printf("full listing:     %.3f s (processor time %.3f s), %zu characters\n", full.seconds, full.cpuSeconds,
                full.length);
    std::printf("standard listing: %.3f s (processor time %.3f s), %zu characters\n", standard.seconds,
                standard.cpuSeconds, standard.length);
    std::printf("progress messages: %d\n", windows.progressMessages);
    return state.ErrorCode == 0 ? 0 : 1;
}

// Times the Assembler on a generated program of 200,000 lines that uses
// 200,000 distinct symbols.

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "BenchSupport.h"
#include "core/assembler/Assembler.h"
#include "core/assembler/SourceReader.h"

// Best and median of five timings of `work`, in milliseconds.
template <typename Work>
std::pair<double, double> Timed(Work work) {
    std::vector<double> milliseconds;
    for (int run = 0; run < 5; ++run) {
        const zek::bench::Stopwatch watch;
        work();
        milliseconds.push_back(watch.Seconds() * 1000);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    return {milliseconds.front(), milliseconds[2]};
}

int main() {
    constexpr int LineCount = 200000;
    const std::string source = zek::bench::GeneratedProgram(LineCount);
    zek::ZekState state;
    zek::bench::SilentWindows windows;

    const auto [readBest, readMedian] = Timed([&] { zek::ReadSourceLines(source); });
    const auto [best, median] = Timed([&] { zek::Assemble(state, windows, source); });
    std::printf("Assemble: %d lines (%.1f MB), %d symbols, %zu code lines, ErrorCode %d\n", LineCount,
                static_cast<double>(source.size()) / 1e6, state.Symbols.size(), state.Code.size(),
                static_cast<int>(state.ErrorCode));
    std::printf("ReadSourceLines alone: best %.1f ms, median %.1f ms of 5 runs\n", readBest, readMedian);
    std::printf("Assemble: best %.1f ms, median %.1f ms of 5 runs\n", best, median);
    return 0;
}

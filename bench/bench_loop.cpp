// Instructions per second of the execution loop on a counting loop
// («add s i», «inc i», «cmplt i n loop»), headless, every check and
// statistic in place.

#include <algorithm>
#include <cstdio>
#include <string>

#include "BenchSupport.h"
#include "core/assembler/Assembler.h"
#include "core/processor/Processor.h"
#include "core/store/ZekState.h"

int main() {
    constexpr long long Iterations = 10000000;  // three instructions each
    constexpr int Rounds = 5;
    const std::string source = "mov n " + std::to_string(Iterations) +
                               "\r\nclr s\r\nclr i\r\nloop:\r\nadd s i\r\ninc i\r\ncmplt i n loop\r\nexit\r\n";
    zek::ZekState state;
    zek::bench::SilentWindows windows;

    // The best of a few rounds, in wall and in processor time: on a machine
    // shared with other work the processor time shows the loop's own speed.
    double instructions = 0;
    double bestWall = 1E300;
    double bestProcessor = 1E300;
    for (int round = 0; round < Rounds; ++round) {
        zek::Assemble(state, windows, source);
        if (state.ErrorCode != 0) {
            std::printf("assembly failed with code %d\n", state.ErrorCode);
            return 1;
        }
        state.RunMode = zek::RunMode::OhneHalt;
        const zek::bench::Stopwatch watch;
        zek::Run(state, windows);
        bestWall = std::min(bestWall, watch.Seconds());
        bestProcessor = std::min(bestProcessor, watch.ProcessorSeconds());
        if (state.ErrorCode != 0) {
            std::printf("run failed with code %d\n", state.ErrorCode);
            return 1;
        }
        instructions = 0;
        for (const auto& line : state.Code) instructions += line.executions;
    }
    std::printf("bench_loop: %.0f instructions per run, best of %d runs\n", instructions, Rounds);
    std::printf("  wall time      %.3f s: %.1f million instructions per second\n", bestWall,
                instructions / bestWall / 1E6);
    std::printf("  processor time %.3f s: %.1f million instructions per second\n", bestProcessor,
                instructions / bestProcessor / 1E6);
    return 0;
}

// Instructions per second of the execution loop on a counting loop
// («add s i», «inc i», «cmplt i n loop»), headless, every check and
// statistic in place.

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>

#include "assembler/Assembler.h"
#include "processor/Processor.h"
#include "store/WindowSystem.h"
#include "store/ZekState.h"

namespace {

class SilentWindows : public zek::WindowSystem {
public:
    zek::MessageAnswer MessageBox(const std::string&, const std::string&, zek::MessageButtons) override {
        return zek::MessageAnswer::Cancel;
    }
    void SetText1(const std::string&) override {}
    void SetText2(const std::string&) override {}
    void ShowHaltDialog(const std::string&, const std::string&) override {}
    void ZEKDialog(std::int32_t, const std::string&, const std::string&, const std::string&, const std::string&,
                   double&) override {}
    void Yield() override {}
    void CloseTextWindow() override {}
};

}  // namespace

int main() {
    constexpr long long Iterations = 10000000;  // three instructions each
    constexpr int Rounds = 5;
    const std::string source = "mov n " + std::to_string(Iterations) +
                               "\r\nclr s\r\nclr i\r\nloop:\r\nadd s i\r\ninc i\r\ncmplt i n loop\r\nexit\r\n";
    zek::ZekState state;
    SilentWindows windows;

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
        state.RunMode = 0;
        const std::clock_t processorStart = std::clock();
        const auto start = std::chrono::steady_clock::now();
        zek::Run(state, windows);
        const auto end = std::chrono::steady_clock::now();
        bestProcessor = std::min(bestProcessor, static_cast<double>(std::clock() - processorStart) / CLOCKS_PER_SEC);
        bestWall = std::min(bestWall, std::chrono::duration<double>(end - start).count());
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

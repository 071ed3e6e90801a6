#pragma once
// What the benchmarks share: a window system that shows nothing, a
// generated program and a stopwatch for wall and processor time.

#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>

#include "core/store/WindowSystem.h"

namespace zek::bench {

// Shows nothing, declines every question and counts the progress messages.
class SilentWindows : public WindowSystem {
public:
    int progressMessages = 0;
    MessageAnswer MessageBox(const std::string&, const std::string&, MessageButtons) override {
        return MessageAnswer::Cancel;
    }
    void SetText1(const std::string&) override {}
    void SetText2(const std::string&) override { ++progressMessages; }
    HaltAnswer ShowHaltDialog(const std::string&, const std::string&, HaltLocation) override { return {}; }
    IoAnswer ZEKDialog(const IoRequest& request) override { return {IoOutcome::Accepted, request.value}; }
    void Yield() override {}
    void CloseTextWindow() override {}
};

// A program of `lineCount` lines as the assembler benchmarks use it: a label
// every 100 lines, and each other line introduces one new symbol and uses
// two older ones.
inline std::string GeneratedProgram(int lineCount) {
    const char* mnemonics[] = {"mov", "add", "sub", "mul", "cmpgt", "inc", "printn"};
    std::string source;
    for (int i = 0; i < lineCount; ++i) {
        if (i % 100 == 0) {
            source += "_lab label" + std::to_string(i) + "\r\n";
            continue;
        }
        source += std::string(mnemonics[i % 7]) + " value" + std::to_string(i) + " value" + std::to_string(i / 2) +
                  " 1.5 ; line " + std::to_string(i) + "\r\n";
    }
    return source;
}

// Wall and processor time since construction: on a machine shared with other
// work the processor time shows the code's own speed.
class Stopwatch {
public:
    double Seconds() const { return std::chrono::duration<double>(Clock::now() - wallStart_).count(); }
    double ProcessorSeconds() const { return static_cast<double>(std::clock() - processorStart_) / CLOCKS_PER_SEC; }

private:
    using Clock = std::chrono::steady_clock;
    Clock::time_point wallStart_ = Clock::now();
    std::clock_t processorStart_ = std::clock();
};

}  // namespace zek::bench

// Breakpoints: a run halts after the instruction whose next code address is
// a breakpoint line's instruction, with the trace a halt signal would show.

#include <vector>

#include "support/RunFixture.h"

namespace zek::testing {
namespace {

// Line numbers and code addresses of the program below.
//   1 ; three rounds          -
//   2 mov n 3                 1
//   3 clr s                   2
//   4 loop:                   -
//   5 add s n                 3   (the jump target)
//   6 dec n                   4
//   7 tstgt n loop            5
//   8 exit                    6
//   9 inc never               7
class BreakpointTest : public RunTest {
protected:
    void SetUp() override { LoadRounds(); }
    void LoadRounds() {
        Load({"; three rounds", "mov n 3", "clr s", "loop:", "add s n", "dec n", "tstgt n loop", "exit", "inc never"});
    }

    void RunWithBreakpoints(std::set<std::int32_t> lines, int mode = 0) {
        state.BreakpointLines = std::move(lines);
        RunProgram(mode);
    }

    std::vector<std::int32_t> HaltedIPs() const {
        std::vector<std::int32_t> ips;
        for (const auto& halt : windows.halts) ips.push_back(halt.where.IP);
        return ips;
    }
    std::vector<std::int32_t> HaltedNextIPs() const {
        std::vector<std::int32_t> next;
        for (const auto& halt : windows.halts) next.push_back(halt.where.NextIP);
        return next;
    }
};

TEST_F(BreakpointTest, HaltsBeforeTheLineInEveryPlace) {
    struct Case {
        const char* what;
        std::int32_t line;
        std::vector<std::int32_t> ips;  // the instructions after which the run halted
    } const cases[] = {
        {"first line", 2, {0}}, {"jump target", 5, {2, 5, 5}}, {"inside the loop", 6, {3, 3, 3}},
        {"last line", 8, {5}},  {"never reached", 9, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        windows.halts.clear();
        RunWithBreakpoints({c.line});
        EXPECT_EQ(HaltedIPs(), c.ips);
        const std::int32_t address = state.LineMap.CodeAddressOf(c.line);
        for (const std::int32_t next : HaltedNextIPs()) EXPECT_EQ(next, address);
        for (const auto& halt : windows.halts) EXPECT_EQ(halt.caption, "ZE-Maschine: Halt");
        EXPECT_EQ(ValueOf("s"), 6);
        EXPECT_EQ(state.ErrorCode, 0);  // a breakpoint on exit does not turn the end into an abort
    }
}

TEST_F(BreakpointTest, LinesWithoutAnInstructionNeverHalt) {
    RunWithBreakpoints({-1, 0, 1, 4, 10, 1000});
    EXPECT_TRUE(windows.halts.empty());
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(BreakpointTest, TheTraceIsTheOneASteppedRunShows) {
    RunProgram(2);
    const auto stepped = windows.halts;
    ASSERT_GE(stepped.size(), 3u);
    windows.halts.clear();
    LoadRounds();  // the same symbol values as in the stepped run
    RunWithBreakpoints({5});
    ASSERT_EQ(windows.halts.size(), 3u);
    EXPECT_EQ(windows.halts[0].text, stepped[2].text);  // the third instruction (clr s, IC 3)
    EXPECT_NE(windows.halts[0].text.find("Halt Signal    : False\r\nNext IP        : 0003\r\n"), std::string::npos);
    EXPECT_EQ(state.InstructionProtocol, windows.halts.back().text);
}

TEST_F(BreakpointTest, EveryRunModeHaltsThereAndNoInstructionHaltsTwice) {
    for (int mode : {0, 1, 2}) {
        SCOPED_TRACE(mode);
        windows.halts.clear();
        RunWithBreakpoints({5}, mode);
        const std::size_t instructions = 1 + 2 + 3 * 3 + 1;  // init, mov, clr, three rounds, exit
        EXPECT_EQ(windows.halts.size(), mode == 2 ? instructions : 3u);
        EXPECT_EQ(state.ErrorCode, mode == 2 ? 90 : 0);  // a stepped exit ends as an abort
    }
}

TEST_F(BreakpointTest, FehlerhaltAndABreakpointOnTheSameInstructionHaltOnce) {
    Load({"div a 0", "inc b", "exit"});
    RunWithBreakpoints({2}, 1);
    EXPECT_EQ(HaltedIPs(), std::vector<std::int32_t>{1});
}

TEST_F(BreakpointTest, TogetherWithTheHaltSignalTheRunHaltsOnce) {
    Load({"halt", "inc b", "exit"});
    RunWithBreakpoints({2});
    EXPECT_EQ(HaltedIPs(), std::vector<std::int32_t>{1});
    EXPECT_NE(windows.halts[0].text.find("Halt Signal    : False"), std::string::npos);
    EXPECT_FALSE(state.HaltSignal);
}

TEST_F(BreakpointTest, SchrittweiseFromABreakpointAndBackToOhneHalt) {
    // At the breakpoint the user switches to 'Schrittweise', steps twice,
    // then goes on 'Ohne Halt': the breakpoint halts again in later rounds.
    windows.haltActions = {ScriptedWindowSystem::SetMode(2), nullptr, ScriptedWindowSystem::SetMode(0)};
    RunWithBreakpoints({5});
    EXPECT_EQ(HaltedIPs(), (std::vector<std::int32_t>{2, 3, 4, 5, 5}));
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(BreakpointTest, AbortAtABreakpointEndsTheRun) {
    windows.haltActions = {ScriptedWindowSystem::Abort()};
    RunWithBreakpoints({5});
    EXPECT_EQ(windows.halts.size(), 1u);
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_EQ(ValueOf("s"), 0);
}

TEST_F(BreakpointTest, EachRunTakesTheBreakpointsAsTheyAreThen) {
    RunWithBreakpoints({5});
    EXPECT_EQ(windows.halts.size(), 3u);
    windows.halts.clear();
    RunWithBreakpoints({});
    EXPECT_TRUE(windows.halts.empty());
    for (const Instruction& line : state.Code) EXPECT_FALSE(line.breakpoint);
}

}  // namespace
}  // namespace zek::testing

// The execution loop: the end of a run, code-address and range checks,
// statistics, halts, signals, yielding and the result code.

#include <stdexcept>

#include "core/processor/Cycle.h"
#include "core/store/ProgramStore.h"
#include "support/RunFixture.h"

namespace zek::testing {
namespace {

TEST_F(RunTest, CountingLoopRunsToItsExit) {
    Load({"mov n 100", "clr s", "clr i", "loop:", "add s i", "inc i", "cmplt i n loop", "exit"});
    RunProgram();
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_EQ(ValueOf("s"), 4950);
    EXPECT_EQ(Line(4).executions, 100);
    EXPECT_EQ(Line(7).executions, 1);
    EXPECT_EQ(Line(0).executions, 1);
    EXPECT_FALSE(state.ProcessorActive);
}

TEST_F(RunTest, RunningPastTheLastLineRecords115) {
    Load({"mov a 5"});
    RunProgram();
    EXPECT_EQ(ValueOf("a"), 5);
    EXPECT_EQ(Line(1).lastErrorCode, 115);
    EXPECT_EQ(Line(1).errors, 1);
    EXPECT_EQ(state.ErrorCode, 115);
}

TEST_F(RunTest, BlankLastEntryRecords115InsteadOf116) {
    Load({"inc a", "_var b"});
    ASSERT_EQ(state.Code.size(), 3u);
    ASSERT_TRUE(Line(2).mnemonic.empty());
    RunProgram();
    EXPECT_EQ(Line(1).lastErrorCode, 0);
    EXPECT_EQ(Line(2).lastErrorCode, 115);
    EXPECT_EQ(state.ErrorCode, 115);
}

TEST_F(RunTest, UnknownMnemonicOfAKnownGroupGives116AndGoesOn) {
    Load({"errjumpx m", "inc a", "exit"});
    RunProgram();
    EXPECT_EQ(Line(1).lastErrorCode, 116);
    EXPECT_EQ(ValueOf("a"), 1);
    EXPECT_EQ(state.ErrorCode, 116);
}

TEST_F(RunTest, OnlyTheInitLineEndsWithResult0) {
    ResetTables(state, 0, 0, 0, 0, 0, 0, 1, 1);
    RunProgram();
    EXPECT_EQ(Line(0).lastErrorCode, 115);
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(RunTest, TablesWithoutTheEmptySymbolsAreNotRun) {
    ResetToBlankTables(state);
    RunProgram();
    EXPECT_EQ(state.ErrorCode, 100);
    EXPECT_FALSE(state.ProcessorActive);
}

TEST_F(RunTest, JumpOutsideTheCodeTableRecords115AndContinues) {
    for (const char* target : {".", "0", "-3", "99", "-0.5"}) {
        SCOPED_TRACE(target);
        Load({std::string("jump ") + target, "mov b 1", "exit"});
        RunProgram();
        EXPECT_EQ(Line(1).lastErrorCode, 115);
        EXPECT_EQ(ValueOf("b"), 1);
        EXPECT_EQ(state.ErrorCode, 115);
    }
}

TEST_F(RunTest, JumpTargetIsTheFloorOfTheValue) {
    Load({"jump 3.7", "inc a", "inc b", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("a"), 0);
    EXPECT_EQ(ValueOf("b"), 1);
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(RunTest, JumpTargetBeyond32BitsIsAnInternalFault) {
    Load({"jump 1E10", "inc a", "exit"});
    RunProgram(1);
    EXPECT_EQ(Line(1).lastErrorCode, 100);
    EXPECT_EQ(ValueOf("a"), 1);
    ASSERT_EQ(windows.halts.size(), 1u);
    EXPECT_NE(windows.halts[0].text.find("Error Code     : 100 (Unbekannter Fehler/\xDC"
                                         "berlauf)\r\n"
                                         "Exit Signal    : False\r\n"
                                         "Halt Signal    : False\r\n"
                                         "Next IP        : 0002\r\n"),
              std::string::npos);
}

TEST_F(RunTest, CompareAndTestJumpExactly) {
    Load({"mov x 0.1", "add x 0.2", "cmpeq x 0.3 no", "inc a", "no:", "tstle . le", "exit", "le:", "inc b",
          "tstlt . lt", "exit", "lt:", "inc c", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("a"), 1);
    EXPECT_EQ(ValueOf("b"), 1);
    EXPECT_EQ(ValueOf("c"), 0);
}

TEST_F(RunTest, WritesIntoTheEmptyAndTheIPSymbolLastOneInstruction) {
    Load({"mov . 7", "mov x .", "mov .. 42", "mov y ..", "exit"});
    double seenDot = -1;
    state.RunMode = RunMode::Schrittweise;
    windows.haltActions = {nullptr, [&](ZekState& s) { seenDot = s.Symbols[0].value; }};
    zek::Run(state, windows);
    EXPECT_EQ(seenDot, 7);
    EXPECT_EQ(ValueOf("x"), 0);
    EXPECT_EQ(ValueOf("y"), 4);
}

TEST_F(RunTest, MovKeepsALargeValueWhileAddIsClamped) {
    Load({"mov a 1E200", "add b 1E100", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("a"), 1E200);
    EXPECT_EQ(Line(1).lastErrorCode, 0);
    EXPECT_EQ(ValueOf("b"), ValueLimit);
    EXPECT_EQ(Line(2).lastErrorCode, 101);
    EXPECT_EQ(state.ErrorCode, 101);
}

TEST_F(RunTest, InstructionsWithoutRangeCheckKeepLargeValues) {
    Load({"mov a -1E200", "abs a", "mov b 1E200", "round b", "mov c 1E200", "neg c", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("a"), 1E200);
    EXPECT_EQ(ValueOf("b"), 1E200);
    EXPECT_EQ(ValueOf("c"), -ValueLimit);
    EXPECT_EQ(Line(6).lastErrorCode, 101);
    EXPECT_EQ(Line(2).lastErrorCode, 0);
    EXPECT_EQ(Line(4).lastErrorCode, 0);
}

TEST_F(RunTest, InfiniteSumIsRecordedAsOverflowAndClamped) {
    Load({"mov a 9E307", "add a 9E307", "mov b -9E307", "mul b 2", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("a"), ValueLimit);
    EXPECT_EQ(Line(2).lastErrorCode, 101);
    EXPECT_EQ(state.FaultDescription,
              "\xDC"
              "berlauf");
    EXPECT_EQ(ValueOf("b"), -ValueLimit);
    EXPECT_EQ(Line(4).lastErrorCode, 101);
}

TEST_F(RunTest, HaltsDependOnTheRunMode) {
    struct Row {
        int mode;
        std::size_t halts;
        int result;
    };
    for (const Row& row : {Row{0, 0, 102}, Row{1, 1, 102}, Row{2, 4, 90}}) {
        SCOPED_TRACE(row.mode);
        windows.halts.clear();
        Load({"div a .", "inc b", "exit"});
        RunProgram(row.mode);
        EXPECT_EQ(windows.halts.size(), row.halts);
        EXPECT_EQ(state.ErrorCode, row.result);
        for (const auto& halt : windows.halts) EXPECT_EQ(halt.caption, "ZE-Maschine: Halt");
    }
}

TEST_F(RunTest, EveryHaltNamesTheInstructionJustRunAndTheNextOne) {
    Load({"inc a", "jump m", "inc a", "m:", "exit"});
    RunProgram(2);
    ASSERT_EQ(windows.halts.size(), 4u);
    const std::pair<std::int32_t, std::int32_t> expected[] = {{0, 1}, {1, 2}, {2, 4}, {4, 4}};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(windows.halts[i].where.IP, expected[i].first);
        EXPECT_EQ(windows.halts[i].where.NextIP, expected[i].second);
    }
}

TEST_F(RunTest, FehlerhaltHaltsAfterErrjumpButNotAfterErr) {
    Load({"div a .", "errjump h", "exit", "h:", "errcode c", "div a .", "err e .", "exit"});
    RunProgram(1);
    ASSERT_EQ(windows.halts.size(), 3u);
    EXPECT_NE(windows.halts[0].text.find("IP             :0001"), std::string::npos);
    EXPECT_NE(windows.halts[1].text.find("IP             :0002"), std::string::npos);
    EXPECT_NE(windows.halts[2].text.find("IP             :0005"), std::string::npos);
    EXPECT_EQ(ValueOf("c"), 102);
    EXPECT_EQ(ValueOf("e"), 102);
    EXPECT_EQ(Line(2).lastErrorCode, 0);
    EXPECT_EQ(Line(6).lastErrorCode, 0);
}

TEST_F(RunTest, HaltInstructionHaltsInEveryModeAndShowsTheSignalClear) {
    Load({"halt", "exit"});
    RunProgram(0);
    ASSERT_EQ(windows.halts.size(), 1u);
    EXPECT_NE(windows.halts[0].text.find("Halt Signal    : False"), std::string::npos);
    EXPECT_FALSE(state.HaltSignal);
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(RunTest, HaltSignalFromTheWindowHaltsAfterTheNextInstruction) {
    Load({"mov n 1000", "loop:", "inc i", "cmplt i n loop", "exit"});
    windows.onYield = [this](ZekState& s) { s.HaltSignal = windows.yields == 1; };
    RunProgram(0);
    ASSERT_EQ(windows.halts.size(), 1u);
    EXPECT_EQ(windows.halts[0].text.rfind("IC             :1001\r\n", 0), 0u);
    EXPECT_EQ(state.InstructionProtocol, windows.halts[0].text);
}

TEST_F(RunTest, AbortFromTheHaltDialogEndsTheRunWith90) {
    Load({"inc a", "inc a", "exit"});
    windows.haltActions = {ScriptedWindowSystem::Abort()};
    RunProgram(2);
    EXPECT_EQ(windows.halts.size(), 1u);
    EXPECT_EQ(Line(1).executions, 0);
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_FALSE(state.AbortSignal);
}

TEST_F(RunTest, ModeButtonInTheHaltDialogTakesEffectAtTheNextHalt) {
    Load({"inc a", "inc a", "exit"});
    windows.haltActions = {ScriptedWindowSystem::SetMode(0)};
    RunProgram(2);
    EXPECT_EQ(windows.halts.size(), 1u);
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(RunTest, ExitInSchrittweiseHaltsOnTheExitLineAndGives90) {
    Load({"exit", "inc a"});
    RunProgram(2);
    ASSERT_EQ(windows.halts.size(), 2u);
    const std::string& trace = windows.halts[1].text;
    EXPECT_NE(trace.find("Exit Signal    : True"), std::string::npos);
    EXPECT_NE(trace.find("Next IP        : 0001"), std::string::npos);
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_EQ(ValueOf("a"), 0);
}

TEST_F(RunTest, YieldsOnEveryThousandthInstruction) {
    for (const auto& [steps, yields] : {std::pair{999, 0}, std::pair{1000, 1}, std::pair{2500, 2}}) {
        SCOPED_TRACE(steps);
        windows.yields = 0;
        Load({"loop:", "inc i", "jump loop"});
        zek::Run(state, windows, steps);
        EXPECT_EQ(windows.yields, yields);
        EXPECT_EQ(state.ErrorCode, 90);
        EXPECT_EQ(ValueOf("i"), steps / 2);
    }
}

TEST_F(RunTest, AbortSignalFromTheWindowEndsTheRunAtTheYield) {
    Load({"loop:", "inc i", "jump loop"});
    windows.onYield = [](ZekState& s) { s.AbortSignal = true; };
    RunProgram();
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_EQ(ValueOf("i"), 500);
    EXPECT_FALSE(state.AbortSignal);
}

TEST_F(RunTest, ReentryAsksAndMaySetTheAbortSignal) {
    state.ProcessorActive = true;
    state.ErrorCode = 7;
    windows.messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    zek::Run(state, windows);
    EXPECT_FALSE(state.AbortSignal);
    EXPECT_EQ(state.ErrorCode, 7);
    zek::Run(state, windows);
    EXPECT_TRUE(state.AbortSignal);
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_TRUE(state.ProcessorActive);
    ASSERT_EQ(windows.messages.size(), 2u);
    EXPECT_EQ(windows.messages[0].text, "Prozessorruf bei aktivem Prozessor. Abbruchsignal setzen?");
    EXPECT_EQ(windows.messages[0].title, "ZEK: Prozessor");
    EXPECT_EQ(windows.messages[0].buttons, MessageButtons::YesNoCancel);
}

TEST_F(RunTest, StartDuringARunIsCaughtByTheReentryGuard) {
    Load({"loop:", "inc i", "jump loop"});
    windows.messageAnswers = {MessageAnswer::Yes};
    windows.onYield = [this](ZekState& s) { zek::Run(s, windows); };
    RunProgram();
    EXPECT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_EQ(ValueOf("i"), 500);
    EXPECT_FALSE(state.ProcessorActive);
}

TEST_F(RunTest, RunModeIsClampedAtTheStart) {
    Load({"exit"});
    RunProgram(7);
    EXPECT_EQ(state.RunMode, RunMode::Schrittweise);
    RunProgram(-3);
    EXPECT_EQ(state.RunMode, RunMode::OhneHalt);
}

TEST_F(RunTest, SavedErrorCodeSurvivesIntoTheNextRun) {
    Load({"div a .", "errjump h", "h:", "exit"});
    RunProgram();
    EXPECT_EQ(state.SavedErrorCode, 102);
    EXPECT_EQ(state.ErrorCode, 102);
    Load({"errcode c", "errcode d", "exit"});
    RunProgram();
    EXPECT_EQ(ValueOf("c"), 102);
    EXPECT_EQ(ValueOf("d"), 0);
    EXPECT_EQ(state.SavedErrorCode, 0);
}

TEST_F(RunTest, FailingHaltDialogCountsAsInternalFaultAndTheRunGoesOn) {
    Load({"inc a", "exit"});
    windows.haltActions = {[](ZekState&) { throw std::runtime_error("window gone"); }};
    RunProgram(2);
    EXPECT_EQ(windows.halts.size(), 3u);
    EXPECT_EQ(ValueOf("a"), 1);
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_FALSE(state.ProcessorActive);
}

TEST_F(RunTest, InternalFaultOfAGroup6InstructionGives100) {
    Load({"input a", "exit"});
    windows.dialogActions = {[](ZekState& s, double& value) {
        value = 3;
        RecordFault(s, "Ger\xE4tefehler");
    }};
    RunProgram();
    EXPECT_EQ(Line(1).lastErrorCode, 100);
    EXPECT_FALSE(state.InternalFault);
    EXPECT_EQ(ValueOf("a"), 3);
}

TEST_F(RunTest, StepBoundEndsARunThatNeverStops) {
    Load({"loop:", "jump loop"});
    zek::Run(state, windows, 12345);
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_EQ(Line(1).executions, 12344);
}

}  // namespace
}  // namespace zek::testing

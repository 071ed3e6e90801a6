#include <gtest/gtest.h>

#include "support/RunFixture.h"

namespace zek::testing {
namespace {

using DialogRunTest = RunTest;

TEST_F(DialogRunTest, AnInputAbortedInTheDialogEndsTheRunWith90) {
    Load({"input a Zahl?", "mov b 1", "exit"});
    windows.dialogActions.push_back(ScriptedWindowSystem::AbortRun());
    RunProgram();
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_EQ(ValueOf("b"), 0);
    EXPECT_EQ(Line(1).executions, 1);
    EXPECT_EQ(Line(2).executions, 0);
}

TEST_F(DialogRunTest, AnInputBeyondTheValueLimitIsHeldThereWith101) {
    Load({"input a", "input b", "exit"});
    windows.dialogActions.push_back(ScriptedWindowSystem::Enter(-1E200));
    windows.dialogActions.push_back(ScriptedWindowSystem::Enter(12.5));
    RunProgram();
    EXPECT_EQ(ValueOf("a"), -9.999999999999E99);
    EXPECT_EQ(Line(1).lastErrorCode, 101);
    EXPECT_EQ(ValueOf("b"), 12.5);
    EXPECT_EQ(state.ErrorCode, 101);
}

TEST_F(DialogRunTest, AProgramBuildsItsOutputText) {
    state.OutputText = "vom letzten Lauf";
    Load({"cls", "prints Summe:", "printn 12.345 4 1", "prints \\", "printn -7 0 0", "exit"});
    RunProgram();
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_EQ(state.OutputText, "Summe:   12.3\r\n-7");
}

}  // namespace
}  // namespace zek::testing

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

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

// Each of the eleven group-6 mnemonics reaches its own instruction: the
// effects below tell every one of them apart from the others.
TEST_F(DialogRunTest, EveryDialogOrFileMnemonicRunsItsOwnInstruction) {
    const auto directory = std::filesystem::temp_directory_path() / "zek-dialog-run";
    std::filesystem::remove_all(directory);
    std::filesystem::create_directories(directory);
    state.DataDirectory = directory.string();
    Load({"mov x 2", "input a Wert", "output a", "pause Weiter", "proof x", "info Hallo", "prints alt", "cls",
          "printn x 1 0", "prints ~Ende", "write x 0", "mov x 0", "read x 0", "save Protokoll", "exit"});
    windows.dialogActions.push_back(ScriptedWindowSystem::Enter(5));
    RunProgram();

    EXPECT_EQ(state.ErrorCode, 0);
    std::vector<std::string> dialogs;
    for (const auto& dialog : windows.dialogs) dialogs.push_back(dialog.instruction);
    EXPECT_EQ(dialogs, (std::vector<std::string>{"input", "output", "pause"}));
    EXPECT_EQ(ValueOf("a"), 5);
    EXPECT_EQ(windows.text1, (std::vector<std::string>{"x = 2", "Hallo"}));
    EXPECT_EQ(state.OutputText, " 2 Ende");
    EXPECT_EQ(ValueOf("x"), 2);  // written, cleared, read back
    std::ifstream saved(directory / "protokoll.txt", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), {}), " 2 Ende\r\n");
    std::filesystem::remove_all(directory);
}

}  // namespace
}  // namespace zek::testing

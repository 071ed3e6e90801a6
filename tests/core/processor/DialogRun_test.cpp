#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
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

// How the dialog ended decides what the run does; the value typed so far is
// stored also after "Abbruch".
TEST_F(DialogRunTest, TheRunActsOnHowTheInputDialogEnded) {
    struct Case {
        const char* name;
        IoOutcome outcome;
        std::size_t halts;
        std::uint8_t result;
        double b;
    };
    for (const Case& c : {Case{"accepted", IoOutcome::Accepted, 0, 0, 1}, Case{"halt", IoOutcome::Halt, 1, 0, 1},
                          Case{"abort", IoOutcome::Abort, 0, 90, 0}}) {
        SCOPED_TRACE(c.name);
        Load({"input a Zahl?", "mov b 1", "exit"});
        windows.halts.clear();
        windows.dialogActions = {[&c](ZekState&, double& value) {
            value = 42;
            return c.outcome;
        }};
        RunProgram();
        EXPECT_EQ(ValueOf("a"), 42);
        EXPECT_EQ(Line(1).lastErrorCode, 0);
        ASSERT_EQ(windows.halts.size(), c.halts);
        if (c.halts > 0) {
            EXPECT_EQ(windows.halts[0].where.IP, 1);
        }
        EXPECT_EQ(state.ErrorCode, c.result);
        EXPECT_EQ(ValueOf("b"), c.b);
        EXPECT_FALSE(state.HaltSignal || state.AbortSignal);
    }
}

// A dialog that breaks down while it is open is error 100, and the
// instruction runs again with the dialog shown anew.
TEST_F(DialogRunTest, ADialogThatBreaksDownRunsItsInstructionAgain) {
    Load({"input a", "exit"});
    windows.dialogActions = {[](ZekState&, double&) -> IoOutcome { throw std::runtime_error("Fenster weg"); },
                             ScriptedWindowSystem::Enter(5)};
    RunProgram();
    EXPECT_EQ(windows.dialogs.size(), 2u);
    EXPECT_EQ(Line(1).executions, 2);
    EXPECT_EQ(Line(1).lastErrorCode, 100);
    EXPECT_EQ(ValueOf("a"), 5);
    EXPECT_EQ(windows.text2, (std::vector<std::string>{"ZEK: Assemblerpass ...", "Anwenderprogramm: input-Befehl ...",
                                                       "", "Anwenderprogramm: input-Befehl ...", ""}));
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

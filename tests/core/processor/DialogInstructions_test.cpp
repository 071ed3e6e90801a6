#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/DialogOrFileFixture.h"

namespace zek::testing {
namespace {

using DialogInstructionsTest = DialogOrFileTest;

// ---- printn --------------------------------------------------------------

struct PrintnCase {
    double x, b, c;
    std::string appended;
};

class PrintnTest : public DialogOrFileTest, public ::testing::WithParamInterface<PrintnCase> {};

TEST_P(PrintnTest, AppendsTheFormattedNumber) {
    const PrintnCase& p = GetParam();
    state.OutputText = "<";
    Execute(ExecutePrintn, Symbol("x", p.x), Symbol("b", p.b), Symbol("c", p.c));
    EXPECT_EQ(state.OutputText, "<" + p.appended);
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_EQ(cycle.NextIP, ProgramLine + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PrintnTest,
    ::testing::Values(PrintnCase{3.14159, 5, 2, "     3.14"},  // ####0.00 in a field of 9
                      PrintnCase{-42.7, 0, 0, "-43"},
                      PrintnCase{1234567, 0, 0, " 1234567"},                     // no overflow mark when b = 0
                      PrintnCase{12345, 2, 0, " **"},                            // "#0" too short
                      PrintnCase{123.456, 2, 2, " *****"},                       // #0.00 too short for 123.46
                      PrintnCase{-0.04, 3, 1, "  -0.0"},                         // sign from x, blanks before it
                      PrintnCase{3.14159, 0, 3, " 3.142"},                       // "#0.000", no field
                      PrintnCase{7, 1, 0, " 7"}, PrintnCase{2.4, -3, -1, " 2"},  // negative b and c count as 0
                      PrintnCase{2.4, 3.9, 1.9, "   2.4"},                       // Int() of the places
                      PrintnCase{1, 200, 0, std::string(100, ' ') + "1"},        // b held at 100, field 101
                      PrintnCase{0.5, 1, 200, " 0.5" + std::string(99, '0')}));  // c held at 100, field 103

TEST_F(DialogInstructionsTest, PrintnOverflowMarkMakesTheSignPositive) {
    Execute(ExecutePrintn, Symbol("x", -12345), Symbol("b", 2), Symbol("c", 0));
    EXPECT_EQ(state.OutputText, " **");
    EXPECT_EQ(cycle.ValueA, 0);
    EXPECT_EQ(ValueOf(cycle.PutAddress), 0);  // nothing reported as written
}

TEST_F(DialogInstructionsTest, PrintnDecimalsBeyondSixteenBitsAreAnInternalFault) {
    Execute(ExecutePrintn, Symbol("x", 2.4), Symbol("b", 3), Symbol("c", 40000));
    EXPECT_EQ(state.OutputText, "   2");  // the places after the point stay 0
    EXPECT_EQ(state.ErrorCode, 100);
    EXPECT_FALSE(state.FaultDescription.empty());
    EXPECT_EQ(cycle.NextIP, ProgramLine + 1);
}

// ---- prints, cls ---------------------------------------------------------

TEST_F(DialogInstructionsTest, PrintsDecodesBlanksAndLineBreaks) {
    state.OutputText = "alt";
    Execute(ExecutePrints, Symbol("Wort~\\"));
    EXPECT_EQ(state.OutputText, "altWort \r\n");
}

TEST_F(DialogInstructionsTest, PrintsOfTheMissingOperandWritesItsName) {
    Execute(ExecutePrints, 0);
    EXPECT_EQ(state.OutputText, ".");
}

TEST_F(DialogInstructionsTest, ClsEmptiesTheOutputText) {
    state.OutputText = "Ergebnis";
    Execute(ExecuteCls, 0);
    EXPECT_EQ(state.OutputText, "");
    EXPECT_EQ(cycle.NextIP, ProgramLine + 1);
}

// ---- info, proof ---------------------------------------------------------

TEST_F(DialogInstructionsTest, InfoShowsTheDecodedTextOnOneLine) {
    Execute(ExecuteInfo, Symbol("Teil~1\\Teil~2"));
    Execute(ExecuteInfo, 0);
    EXPECT_EQ(windows.text1, (std::vector<std::string>{"Teil 1 / Teil 2", ""}));
    EXPECT_TRUE(windows.dialogs.empty());
}

TEST_F(DialogInstructionsTest, ProofShowsTextNameAndValue) {
    const std::int32_t summe = Symbol("Summe", 2.5);
    Execute(ExecuteProof, summe, Symbol("Zwischen\\stand:"));
    Execute(ExecuteProof, summe);
    Execute(ExecuteProof, Symbol("Gro\xDF~x", 1E20));  // operand 1's name is not decoded
    EXPECT_EQ(windows.text1,
              (std::vector<std::string>{"Zwischen / stand: Summe = 2.5", "Summe = 2.5", "Gro\xDF~x = 1E+20"}));
}

// ---- input, output, pause ------------------------------------------------

// An I/O dialog that fails inside after the scripted answer.
class FailingDialog : public ScriptedWindowSystem {
public:
    explicit FailingDialog(ZekState& state) : ScriptedWindowSystem(state) {}
    IoAnswer ZEKDialog(const IoRequest& request) override {
        IoAnswer answer = ScriptedWindowSystem::ZEKDialog(request);
        answer.outcome = IoOutcome::Failed;
        return answer;
    }
};

TEST_F(DialogInstructionsTest, InputStoresTheAcceptedValue) {
    state.ProgramName = "Messung";
    const std::int32_t a = Symbol("a", 7);
    windows.dialogActions.push_back(ScriptedWindowSystem::Enter(42));
    Execute(ExecuteInput, a, Symbol("\\Wert~eingeben:"));

    ASSERT_EQ(windows.dialogs.size(), 1u);
    const auto& shown = windows.dialogs[0];
    EXPECT_EQ(shown.programLine, ProgramLine);
    EXPECT_EQ(shown.programName, "Messung");
    EXPECT_EQ(shown.instruction, "input");
    EXPECT_EQ(shown.message, "\r\nWert eingeben:");
    EXPECT_EQ(shown.symbolName, "a");
    EXPECT_EQ(shown.value, 7);
    EXPECT_EQ(ValueOf(a), 42);
    EXPECT_EQ(cycle.PutAddress, a);
    EXPECT_EQ(cycle.NextIP, ProgramLine + 1);
    EXPECT_EQ(windows.text2, (std::vector<std::string>{"Messung: input-Befehl ...", ""}));
}

TEST_F(DialogInstructionsTest, InputWithoutTextShowsAnEmptyMessage) {
    Execute(ExecuteInput, Symbol("a"));
    ASSERT_EQ(windows.dialogs.size(), 1u);
    EXPECT_EQ(windows.dialogs[0].message, "");
}

TEST_F(DialogInstructionsTest, InputRunsAgainWhenTheDialogFails) {
    FailingDialog failing(state);
    const std::int32_t a = Symbol("a", 7);
    failing.dialogActions.push_back(ScriptedWindowSystem::Enter(42));
    Instruction instruction;
    instruction.operand1 = a;
    cycle.IP = ProgramLine;
    cycle.NextIP = ProgramLine;
    cycle.ValueA = 7;
    ExecuteInput(state, failing, instruction, cycle);

    EXPECT_EQ(ValueOf(a), 7);
    EXPECT_EQ(cycle.PutAddress, 0);
    EXPECT_EQ(cycle.NextIP, ProgramLine);
    EXPECT_EQ(state.ErrorCode, 100);
    EXPECT_EQ(failing.text2.back(), "");
}

TEST_F(DialogInstructionsTest, OutputShowsTheSymbolAndStoresNothing) {
    const std::int32_t a = Symbol("Ergebnis", 1.5);
    windows.dialogActions.push_back(ScriptedWindowSystem::Enter(99));
    Execute(ExecuteOutput, a, Symbol("Das~Ergebnis"));

    ASSERT_EQ(windows.dialogs.size(), 1u);
    EXPECT_EQ(windows.dialogs[0].instruction, "output");
    EXPECT_EQ(windows.dialogs[0].message, "Das Ergebnis");
    EXPECT_EQ(windows.dialogs[0].symbolName, "Ergebnis");
    EXPECT_EQ(windows.dialogs[0].value, 1.5);
    EXPECT_EQ(ValueOf(a), 1.5);
    EXPECT_EQ(cycle.PutAddress, 0);
    EXPECT_EQ(cycle.NextIP, ProgramLine + 1);
    EXPECT_EQ(windows.text2, (std::vector<std::string>{"Anwenderprogramm: output-Befehl ...", ""}));
}

TEST_F(DialogInstructionsTest, PauseShowsOnlyItsText) {
    Execute(ExecutePause, Symbol("Weiter?", 3));
    ASSERT_EQ(windows.dialogs.size(), 1u);
    EXPECT_EQ(windows.dialogs[0].instruction, "pause");
    EXPECT_EQ(windows.dialogs[0].message, "Weiter?");
    EXPECT_EQ(windows.dialogs[0].symbolName, "");
    EXPECT_EQ(windows.dialogs[0].value, 0);
    EXPECT_EQ(cycle.NextIP, ProgramLine + 1);
    EXPECT_EQ(windows.text2, (std::vector<std::string>{"Anwenderprogramm: pause-Befehl ...", ""}));
}

TEST_F(DialogInstructionsTest, OutputAndPauseRunAgainWhenTheDialogFails) {
    FailingDialog failing(state);
    Instruction instruction;
    instruction.operand1 = Symbol("a", 1);
    for (DialogOrFileInstruction* execute : {ExecuteOutput, ExecutePause}) {
        cycle.IP = ProgramLine;
        execute(state, failing, instruction, cycle);
        EXPECT_EQ(cycle.NextIP, ProgramLine);
    }
}

}  // namespace
}  // namespace zek::testing

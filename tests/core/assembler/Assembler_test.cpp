#include "core/assembler/Assembler.h"

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "core/store/RandomGenerator.h"
#include "support/ScriptedWindowSystem.h"

namespace zek {
namespace {

using testing::ScriptedWindowSystem;

std::string Lines(const std::vector<std::string>& lines) {
    std::string source;
    for (const std::string& line : lines) source += line + "\r\n";
    return source;
}

// The error line for SourceLines entry `number` (counted from 1).
std::string ErrorLine(const std::string& number, const std::string& line32, const std::string& tail) {
    EXPECT_EQ(line32.size(), 32u);
    return "Zeile " + number + ": " + line32 + " Fehlercode " + tail + "\r\n";
}

class AssemblerTest : public ::testing::Test {
protected:
    void AssembleSource(const std::vector<std::string>& lines) { Assemble(state, windows, Lines(lines)); }

    const Symbol& SymbolNamed(const std::string& name) {
        const std::int32_t address = state.Symbols.Find(name);
        EXPECT_GE(address, 0) << name;
        return state.Symbols[address < 0 ? 0 : address];
    }

    ZekState state;
    ScriptedWindowSystem windows{state};
};

TEST_F(AssemblerTest, EmptySourceLeavesInitAndThePredefinedSymbols) {
    state.ErrorCode = 55;
    Assemble(state, windows, "");
    EXPECT_EQ(state.ErrorCode, 0);
    ASSERT_EQ(state.Code.size(), 1u);
    EXPECT_EQ(state.Code[0].mnemonic, "init");
    EXPECT_EQ(state.Code[0].group, 7);
    EXPECT_EQ(state.Symbols.size(), 36);
    EXPECT_EQ(state.ProgramName, "Anwenderprogramm");
    EXPECT_EQ(windows.text2, std::vector<std::string>{"ZEK: Assemblerpass ..."});
    EXPECT_TRUE(windows.halts.empty());
    EXPECT_FALSE(state.ProcessorActive);
}

TEST_F(AssemblerTest, FirstInstructionGetsCodeAddressOneAndTheFirstSymbolsAddress36) {
    AssembleSource({"mov a b"});
    ASSERT_EQ(state.Code.size(), 2u);
    const Instruction& mov = state.Code[1];
    EXPECT_EQ(mov.mnemonic, "mov");
    EXPECT_EQ(mov.group, -1);
    EXPECT_EQ(mov.operand1, 36);
    EXPECT_EQ(mov.operand2, 37);
    EXPECT_EQ(mov.operand3, 0);
    EXPECT_EQ(state.Symbols[36].name, "a");
    EXPECT_EQ(state.Symbols[37].name, "b");
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(AssemblerTest, MnemonicsAreStoredInLowerCaseAndLowerEndBecomesNop) {
    AssembleSource({"MOV A B", "end", "END", "End", "Cmpgt a b m"});
    ASSERT_EQ(state.Code.size(), 6u);
    const struct {
        const char* mnemonic;
        std::int16_t group;
    } expected[] = {{"mov", -1}, {"nop", 7}, {"end", 7}, {"end", 7}, {"cmpgt", 3}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(state.Code[i + 1].mnemonic, expected[i].mnemonic) << i;
        EXPECT_EQ(state.Code[i + 1].group, expected[i].group) << i;
    }
    EXPECT_EQ(state.Symbols[state.Code[1].operand1].name, "A");  // names keep their case
    EXPECT_EQ(state.Symbols[state.Code[1].operand2].name, "B");
    EXPECT_EQ(state.Symbols.Find("a"), state.Code[5].operand1);
}

TEST_F(AssemblerTest, SurplusOperandIsDroppedAndMissingOnesAreTheEmptySymbol) {
    AssembleSource({"add a b c d", "clr a"});
    EXPECT_EQ(state.Code[1].operand1, 36);
    EXPECT_EQ(state.Code[1].operand2, 37);
    EXPECT_EQ(state.Code[1].operand3, 38);
    EXPECT_EQ(state.Symbols.Find("d"), -1);
    EXPECT_EQ(state.Code[2].operand2, 0);
    EXPECT_EQ(state.Code[2].operand3, 0);
    EXPECT_TRUE(state.InstructionProtocol.empty());
}

TEST_F(AssemblerTest, LabelsTakeTheNextCodeAddress) {
    AssembleSource({"_lab first", "mov x 5", "_lab 5", "jump later", "nop", "_lab later", "nop", "_lab twice", "nop",
                    "_lab twice", "_lab last"});
    EXPECT_EQ(SymbolNamed("first").value, 1);  // before any instruction
    EXPECT_EQ(SymbolNamed("5").value, 2);      // the number symbol now holds a code address
    EXPECT_EQ(SymbolNamed("later").value, 4);  // used by the jump before its definition
    EXPECT_EQ(state.Code[2].operand1, state.Symbols.Find("later"));
    EXPECT_EQ(SymbolNamed("twice").value, 6);  // the later definition wins
    EXPECT_EQ(SymbolNamed("last").value, 6);   // one past the last instruction
    EXPECT_TRUE(state.InstructionProtocol.empty());
    // The trailing pseudo-instructions leave a blank entry after the last instruction.
    ASSERT_EQ(state.Code.size(), 7u);
    EXPECT_EQ(state.Code[5].mnemonic, "nop");
    EXPECT_EQ(state.Code[6].mnemonic, "");
    EXPECT_EQ(state.Code[6].group, 0);
}

TEST_F(AssemblerTest, ShortLabelFormAndEndLinesDoNotStopThePass) {
    AssembleSource({"loop: add a 1", "_end", "_END", "_config 3", "inc a", "_end"});
    EXPECT_EQ(SymbolNamed("loop").value, 1);
    ASSERT_EQ(state.Code.size(), 3u);
    EXPECT_EQ(state.Code[1].mnemonic, "inc");
    EXPECT_EQ(state.Code[2].mnemonic, "");
}

TEST_F(AssemblerTest, DimCreatesPointerAndElementsWithARoundedCount) {
    const struct {
        const char* count;
        int highestIndex;
    } cases[] = {{"10", 10}, {"2.5", 2}, {"3.5", 4}, {"x", 0}, {"-3", 0}, {"0", 0}, {"1", 1}, {"7abc", 7}};
    for (const auto& c : cases) {
        AssembleSource({std::string("_dim a ") + c.count});
        EXPECT_EQ(state.ErrorCode, 0) << c.count;
        const std::int32_t a = state.Symbols.Find("a");
        ASSERT_EQ(a, 36) << c.count;
        EXPECT_EQ(state.Symbols[a].type, SymbolType::ArrayPointer);
        EXPECT_EQ(state.Symbols[a].value, 37);
        EXPECT_EQ(state.Symbols.size(), 36 + c.highestIndex + 2) << c.count;
        EXPECT_EQ(state.Symbols[36 + c.highestIndex + 1].name, "a(" + std::to_string(c.highestIndex) + ")");
        EXPECT_EQ(state.Symbols[37].type, SymbolType::ArrayElement);
    }
}

TEST_F(AssemblerTest, ElementsAreFoundAsOperands) {
    AssembleSource({"_dim a 10", "mov q a(3)"});
    EXPECT_EQ(state.Code[1].operand2, 40);
    EXPECT_EQ(state.Symbols[40].name, "a(3)");
    EXPECT_EQ(state.Code[1].operand1, 48);
}

TEST_F(AssemblerTest, NameLineSetsTheProgramNameUntilTheNextAssembly) {
    AssembleSource({"_name Mein~Test\\2 rest"});
    EXPECT_EQ(state.ProgramName, "Mein Test - 2");
    AssembleSource({"nop"});
    EXPECT_EQ(state.ProgramName, "Anwenderprogramm");
}

class AssemblerErrorListTest : public AssemblerTest {
protected:
    const std::vector<std::string> program{"mov a b", "; note", "mul2 a b", "add a b", "nop", "clr a", "Foo x"};
    const std::string expected =
        ErrorLine("0003", "mul2 a b" + std::string(24, ' '), "116 (Unbekannter ZE-Assemblerbefehl mul2)") +
        ErrorLine("0007", "Foo x" + std::string(27, ' '), "116 (Unbekannter ZE-Assemblerbefehl Foo)");
};

TEST_F(AssemblerErrorListTest, UnknownMnemonicsAreListedAndTheProgramStillAssembles) {
    int closesWhenShown = -1;
    windows.haltActions.push_back([&](ZekState& s) {
        closesWhenShown = windows.textWindowCloses;
        EXPECT_TRUE(s.ProcessorActive);
    });
    AssembleSource(program);
    EXPECT_EQ(state.InstructionProtocol, expected);
    ASSERT_EQ(windows.halts.size(), 1u);
    EXPECT_EQ(windows.halts[0].caption, "Assemblerfehler");
    EXPECT_EQ(windows.halts[0].where.IP, -1);  // the error list names no instruction
    EXPECT_EQ(windows.halts[0].text, expected);
    EXPECT_EQ(closesWhenShown, 1);  // the text window was closed before the list was shown
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_EQ(windows.text2, std::vector<std::string>{"ZEK: Assemblerpass ..."});
    // Lines 3 and 7 have no code address; line 7 left a blank entry.
    ASSERT_EQ(state.Code.size(), 6u);
    EXPECT_EQ(state.Code[1].mnemonic, "mov");
    EXPECT_EQ(state.Code[2].mnemonic, "add");
    EXPECT_EQ(state.Code[3].mnemonic, "nop");
    EXPECT_EQ(state.Code[4].mnemonic, "clr");
    EXPECT_EQ(state.Code[5].mnemonic, "");
    EXPECT_EQ(state.Symbols.Find("x"), 21);  // the failed line entered no operand
}

TEST_F(AssemblerErrorListTest, AbortInTheHaltDialogCancelsTheStart) {
    windows.haltActions.push_back(ScriptedWindowSystem::Abort());
    AssembleSource(program);
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_FALSE(state.AbortSignal);
    EXPECT_EQ(windows.text2.back(), "Assembler abgebrochen");
    EXPECT_EQ(state.InstructionProtocol, expected);
    EXPECT_FALSE(state.ProcessorActive);
}

TEST_F(AssemblerTest, OperandErrorsAreListedAndTheOperandBecomesTheEmptySymbol) {
    const std::string longName(1025, 'n');
    AssembleSource({"mov " + longName + " b", "_dim b 5", "mov " + std::string(1024, 'k') + " c"});
    EXPECT_EQ(state.InstructionProtocol,
              ErrorLine("0001", "mov " + std::string(28, 'n'),
                        "120 (ZE-Assembler: Symbolname l\xE4"
                        "nger als 1024 Zeichen)") +
                  ErrorLine("0002", "_dim b 5" + std::string(24, ' '), "118 (ZE-Assembler: Symbol bereits definiert)"));
    EXPECT_EQ(state.Code[1].operand1, 0);
    EXPECT_EQ(state.Code[1].operand2, 36);
    EXPECT_EQ(state.Symbols.size(), 39);  // b, then the 1024-character name and c; no elements of b
    EXPECT_EQ(state.Code[2].operand1, 37);
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(AssemblerTest, FailingVarOrLabStopsThePassWithoutAList) {
    const std::string longName(1025, 'v');
    for (const char* keyword : {"_var", "_LAB"}) {
        AssembleSource({"nop", std::string(keyword) + " " + longName, "mul2 a b", "mov a b"});
        EXPECT_EQ(state.ErrorCode, 90) << keyword;
        EXPECT_TRUE(state.InstructionProtocol.empty());
        EXPECT_TRUE(windows.halts.empty());
        EXPECT_EQ(windows.text2.back(), "Assembler abgebrochen");
        EXPECT_EQ(state.Symbols.Find("a"), -1);  // the remaining lines were not read
        EXPECT_EQ(state.Symbols[0].value, 0);    // the empty symbol took no label value
        EXPECT_EQ(state.Code.size(), 3u);
        EXPECT_FALSE(state.ProcessorActive);
    }
}

TEST_F(AssemblerTest, ReentryIsRefusedWithAMessageAndChangesNothing) {
    AssembleSource({"mov a b"});
    state.ProcessorActive = true;
    state.ErrorCode = 116;
    windows.messageAnswers.push_back(MessageAnswer::Yes);
    Assemble(state, windows, Lines({"nop", "nop"}));
    ASSERT_EQ(windows.messages.size(), 1u);
    EXPECT_EQ(windows.messages[0].text, "Prozessorruf bei aktivem Prozessor. Assemblieren wird abgelehnt.");
    EXPECT_EQ(windows.messages[0].title, "ZE-Assembler");
    EXPECT_EQ(windows.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_TRUE(state.ProcessorActive);
    EXPECT_EQ(state.ErrorCode, 116);
    EXPECT_EQ(state.Code.size(), 2u);
    EXPECT_EQ(state.Code[1].mnemonic, "mov");
    EXPECT_EQ(windows.text2.size(), 1u);
}

TEST_F(AssemblerTest, SuccessfulAssemblyRestartsTheRandomSequence) {
    RandomGenerator fresh;
    fresh.Reset();
    std::vector<float> expected;
    for (int i = 0; i < 1000; ++i) {
        expected.push_back(fresh.Next());
        ASSERT_GE(expected.back(), 0.0f);
        ASSERT_LT(expected.back(), 1.0f);
        ASSERT_EQ(expected.back() * 16777216.0f, static_cast<float>(static_cast<int>(expected.back() * 16777216.0f)));
    }
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < 17; ++i) state.Random.Next();
        AssembleSource({"random a"});
        for (float value : expected) ASSERT_EQ(state.Random.Next(), value);
    }
}

TEST_F(AssemblerTest, InternalFaultsGive107WithoutAMessage) {
    const std::vector<std::string> programs[] = {
        {"mov a 1E400E1E1"},  // the numeric reading of the name overflows
        {"_dim a 3E9"},       // a count beyond a 32-bit integer
        {"_dim a -2147483649"}, {"_dim a 1E400"}, {"_var 1E400E1E1"},
    };
    for (const auto& program : programs) {
        windows.text2.clear();
        AssembleSource(program);
        EXPECT_EQ(state.ErrorCode, 107) << program[0];
        EXPECT_FALSE(state.ProcessorActive);
        EXPECT_FALSE(state.InternalFault);
        EXPECT_EQ(windows.text2, std::vector<std::string>{"ZEK: Assemblerpass ..."});
        EXPECT_TRUE(windows.halts.empty());
    }
    AssembleSource({"_dim a 2147483647"});  // the largest count is no fault, only a full table
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_NE(state.InstructionProtocol.find("Fehlercode 119"), std::string::npos);
}

// The outcome says how the assembly ended; a refused call leaves the active
// run's ErrorCode alone.
TEST_F(AssemblerTest, TheOutcomeOfEachWayAnAssemblyEnds) {
    EXPECT_EQ(Assemble(state, windows, "mov a b\r\n"), AssemblyOutcome::Ready);
    windows.haltActions.push_back(ScriptedWindowSystem::Abort());
    EXPECT_EQ(Assemble(state, windows, "foo a\r\n"), AssemblyOutcome::Aborted);
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_EQ(Assemble(state, windows, "_dim a 1E300\r\n"), AssemblyOutcome::InternalFault);
    EXPECT_EQ(state.ErrorCode, 107);

    state.ProcessorActive = true;
    state.ErrorCode = 102;
    EXPECT_EQ(Assemble(state, windows, "mov a b\r\n"), AssemblyOutcome::Refused);
    EXPECT_EQ(state.ErrorCode, 102);
}

// The mode chosen in the halt dialog that lists the errors is the run's mode.
TEST_F(AssemblerErrorListTest, AModeChosenWithTheErrorListApplies) {
    windows.haltActions.push_back(ScriptedWindowSystem::SetMode(2));
    EXPECT_EQ(Assemble(state, windows, "foo a\r\n"), AssemblyOutcome::Ready);
    EXPECT_EQ(state.RunMode, RunMode::Schrittweise);
}

TEST_F(AssemblerTest, AFaultLeftOverFromEarlierDoesNotFailThePass) {
    state.InternalFault = true;
    AssembleSource({"mov a b"});
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(AssemblerTest, AFailingWindowSystemBecomesAnInternalFault) {
    struct ThrowingWindows : ScriptedWindowSystem {
        using ScriptedWindowSystem::ScriptedWindowSystem;
        void SetText2(const std::string&) override { throw std::bad_alloc(); }
    } throwing{state};
    Assemble(state, throwing, "mov a b");
    EXPECT_EQ(state.ErrorCode, 107);
    EXPECT_FALSE(state.ProcessorActive);
}

TEST_F(AssemblerTest, ADimThatDoesNotFitIsListedWith119) {
    AssembleSource({"_dim a 999990", "mov a(0) b"});
    EXPECT_EQ(state.InstructionProtocol,
              ErrorLine("0001", "_dim a 999990" + std::string(19, ' '), "119 (ZE-Assembler: Symboltabelle voll)"));
    EXPECT_EQ(state.Symbols[36].name, "a");  // the pointer exists, its elements do not
    EXPECT_EQ(state.Symbols[37].name, "a(0)");
    EXPECT_EQ(state.Symbols.size(), 39);
    EXPECT_EQ(state.ErrorCode, 0);
}

TEST_F(AssemblerTest, OperandsOfAFullTableAreListedWith119) {
    AssembleSource({"_dim a 999962", "_dim b 1", "mov c a(5)", "_var d"});
    const std::string full = "119 (ZE-Assembler: Symboltabelle voll)";
    EXPECT_EQ(state.Symbols.size(), 1000000);
    EXPECT_EQ(state.InstructionProtocol, ErrorLine("0002", "_dim b 1" + std::string(24, ' '), full) +
                                             ErrorLine("0003", "mov c a(5)" + std::string(22, ' '), full));
    EXPECT_EQ(state.Code[1].operand1, 0);
    EXPECT_EQ(state.Code[1].operand2, 42);
    EXPECT_EQ(state.ErrorCode, 90);  // the failing _var stops the pass
}

}  // namespace
}  // namespace zek

// The Assembler against hostile sources: random bytes, huge texts, very long
// lines and names. Whatever comes in, the pass ends in order.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/assembler/Assembler.h"
#include "support/ScriptedWindowSystem.h"

namespace zek {
namespace {

using testing::ScriptedWindowSystem;

class AssemblerBadInputTest : public ::testing::Test {
protected:
    void AssembleSource(const std::string& source) { Assemble(state, windows, source); }

    // What every pass leaves, whatever its source.
    void ExpectOrderlyEnd(const std::string& what) {
        EXPECT_TRUE(state.ErrorCode == 0 || state.ErrorCode == 90 || state.ErrorCode == 107)
            << what << ": " << int(state.ErrorCode);
        EXPECT_FALSE(state.ProcessorActive) << what;
        ASSERT_GE(state.Code.size(), 1u) << what;
        EXPECT_EQ(state.Code[0].mnemonic, "init") << what;
        EXPECT_GE(state.Symbols.size(), 36) << what;
        EXPECT_LE(state.Symbols.size(), 1000000) << what;
        for (const Instruction& entry : state.Code) {
            EXPECT_TRUE(state.Symbols.IsAddress(entry.operand1)) << what;
            EXPECT_TRUE(state.Symbols.IsAddress(entry.operand2)) << what;
            EXPECT_TRUE(state.Symbols.IsAddress(entry.operand3)) << what;
        }
        const std::string& protocol = state.InstructionProtocol;
        if (!protocol.empty()) {
            EXPECT_EQ(protocol.rfind("Zeile ", 0), 0u) << what;
            EXPECT_EQ(protocol.substr(protocol.size() - 2), "\r\n") << what;
        }
        EXPECT_LE(windows.halts.size(), protocol.empty() ? 0u : 1u) << what;
    }

    ZekState state;
    ScriptedWindowSystem windows{state};
};

// Random bytes drawn mostly from the characters that mean something to the
// reader and the pass.
std::string RandomSource(unsigned seed, std::size_t length, bool lexicalHeavy) {
    static const std::string lexical = "\r\n\r\n\xB6\xB6;;::  \t~\\_.,+-Ee0123456789amx(";
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string source;
    source.reserve(length);
    while (source.size() < length) {
        const int b = byte(random);
        source +=
            lexicalHeavy && b < 200 ? lexical[static_cast<std::size_t>(b) % lexical.size()] : static_cast<char>(b);
    }
    return source;
}

// Lines of tokens from the language's vocabulary, with random operands.
std::string TokenSoup(unsigned seed, int lineCount) {
    static const std::vector<std::string> words = {
        "mov",      "ADD",  "end", "END", "_dim", "_DIM",  "_lab", "_var", "_name", "_end",  "_config", "jump",
        "errjumpx", "mul2", "a",   "b",   "a(1)", "a(12)", "2.5",  "-1",   "3.5",   "x",     "7",       "1,5",
        ".",        "",     "~",   "\\",  "m:",   ":",     ";",    "\xB6", "1E400", "1E2E3", "\xE4",    "MOV"};
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> word(0, words.size() - 1);
    std::uniform_int_distribution<int> tokens(0, 6);
    std::string source;
    for (int line = 0; line < lineCount; ++line) {
        for (int t = tokens(random); t > 0; --t) source += words[word(random)] + " ";
        source += "\r\n";
    }
    return source;
}

TEST_F(AssemblerBadInputTest, RandomBytesEndInOrder) {
    for (unsigned seed : {1u, 2u, 3u, 42u}) {
        for (bool lexicalHeavy : {false, true}) {
            AssembleSource(RandomSource(seed, 20000, lexicalHeavy));
            ExpectOrderlyEnd("seed " + std::to_string(seed) + (lexicalHeavy ? " lexical" : " bytes"));
            windows.halts.clear();
        }
    }
}

TEST_F(AssemblerBadInputTest, TokenSoupEndsInOrder) {
    for (unsigned seed : {7u, 8u, 9u, 10u, 11u}) {
        AssembleSource(TokenSoup(seed, 3000));
        ExpectOrderlyEnd("soup " + std::to_string(seed));
        windows.halts.clear();
    }
}

TEST_F(AssemblerBadInputTest, TenMegabyteSource) {
    const std::string comment(200, '#');
    std::string source;
    std::size_t instructions = 0;
    bool lastIsLabel = false;
    for (int line = 0; source.size() < 10'000'000; ++line) {
        lastIsLabel = line % 50 == 0;
        instructions += lastIsLabel ? 0 : 1;
        source += (lastIsLabel ? "_lab m" + std::to_string(line) : "add v" + std::to_string(line % 997) + " 1") +
                  " ; " + comment + "\r\n";
    }
    AssembleSource(source);
    ExpectOrderlyEnd("10 MB");
    EXPECT_EQ(state.ErrorCode, 0);
    EXPECT_TRUE(state.InstructionProtocol.empty());
    EXPECT_EQ(state.Code.size(), 1 + instructions + (lastIsLabel ? 1 : 0));
}

TEST_F(AssemblerBadInputTest, LinesOfAHundredThousandCharacters) {
    const std::string longName(100000, 'q');
    std::string manyTokens = "mov";
    while (manyTokens.size() < 100000) manyTokens += " a";
    AssembleSource("add " + longName + " b\r\n" + manyTokens + "\r\nnop ;" + longName + "\r\n" + longName +
                   " a\r\n_name " + longName + "\r\n_dim " + longName + " 3\r\n");
    ExpectOrderlyEnd("long lines");
    EXPECT_EQ(state.ErrorCode, 0);
    const std::string tooLong =
        "120 (ZE-Assembler: Symbolname l\xE4"
        "nger als 1024 Zeichen)\r\n";
    EXPECT_EQ(state.InstructionProtocol, "Zeile 0001: add " + longName.substr(0, 28) + " Fehlercode " + tooLong +  //
                                             "Zeile 0004: " + longName.substr(0, 32) +
                                             " Fehlercode 116 (Unbekannter ZE-Assemblerbefehl " + longName +
                                             ")\r\n" +  //
                                             "Zeile 0006: _dim " + longName.substr(0, 27) + " Fehlercode " + tooLong);
    ASSERT_EQ(state.Code.size(), 5u);
    EXPECT_EQ(state.Code[1].operand1, 0);
    EXPECT_EQ(state.Code[2].operand1, state.Code[2].operand3);  // surplus "a"s dropped
    EXPECT_EQ(state.Code[3].mnemonic, "nop");
    EXPECT_EQ(state.ProgramName, longName);
    EXPECT_EQ(state.Symbols.size(), 38);  // b and a only
}

}  // namespace
}  // namespace zek

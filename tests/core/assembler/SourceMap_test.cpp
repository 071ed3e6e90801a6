// The line map: physical lines <-> the Assembler's line numbers <-> code
// addresses, from a text alone and after an assembly.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/assembler/Assembler.h"
#include "core/assembler/SourceReader.h"
#include "core/store/ProgramStore.h"
#include "support/ScriptedWindowSystem.h"

namespace zek {
namespace {

using testing::ScriptedWindowSystem;
constexpr std::int32_t None = SourceMap::NoLine;
constexpr std::int32_t NoAddress = SourceMap::NoAddress;

struct NumberingCase {
    const char* what;
    std::string source;
    std::vector<std::int32_t> lineOfPhysical;
    std::vector<bool> startsLine;
};

TEST(SourceMap, NumbersPhysicalLinesAsTheErrorListCountsThem) {
    const NumberingCase cases[] = {
        {"empty text", "", {}, {}},
        {"one line without a break", "mov a b", {1}, {true}},
        {"a final break adds no line", "mov a b\r\n", {1}, {true}},
        {"blank lines have no number", "\r\nmov a b\r\n \t \r\nclr a", {None, 1, None, 2}, {false, true, false, true}},
        {"a comment-only line counts", "; Summe\r\nmov a b", {1, 2}, {true, true}},
        {"continuation over a blank line", "add a \xB6\r\n\r\nb\r\nnop", {1, None, 1, 2}, {true, false, false, true}},
        {"blank before the pilcrow", "add a \xB6  \r\n b", {1, 1}, {true, false}},
        {"chained continuations", "printn a \xB6\r\nb \xB6\r\nc\r\nnop", {1, 1, 1, 2}, {true, false, false, true}},
        {"a comment swallows the next line", "clr a ; note \xB6\r\ninc a\r\nnop", {1, 1, 2}, {true, false, true}},
        {"a lone pilcrow starts a line", "\xB6\r\nnop", {1, 1}, {true, false}},
        {"the last line continues into nothing", "nop\r\nclr a\xB6", {1, 2}, {true, true}},
        {"pilcrow inside a line", "prints a\xB6x\r\nnop", {1, 2}, {true, true}},
        {"lone CR and LF stay inside", "mov a\rb\r\nclr c\nd", {1, 2}, {true, true}},
        {"labels and pseudo-instructions count", "loop:\r\n_var x\r\nm: add a 1", {1, 2, 3}, {true, true, true}},
    };
    for (const NumberingCase& c : cases) {
        SCOPED_TRACE(c.what);
        const SourceMap fromText = NumberSourceLines(c.source);
        SourceMap fromReader;
        const std::vector<std::string> lines = ReadSourceLines(c.source, fromReader);
        EXPECT_EQ(lines, ReadSourceLines(c.source));
        for (const SourceMap* map : std::vector<const SourceMap*>{&fromText, &fromReader}) {
            ASSERT_EQ(map->PhysicalLineCount(), static_cast<std::int32_t>(c.lineOfPhysical.size()));
            EXPECT_EQ(map->LineCount(), static_cast<std::int32_t>(lines.size()));
            for (std::int32_t physical = 0; physical < map->PhysicalLineCount(); ++physical) {
                EXPECT_EQ(map->LineOfPhysical(physical), c.lineOfPhysical[physical]) << "physical " << physical;
                EXPECT_EQ(map->StartsLine(physical), c.startsLine[physical]) << "physical " << physical;
                if (c.startsLine[physical]) {
                    EXPECT_EQ(map->FirstPhysicalOf(c.lineOfPhysical[physical]), physical);
                }
            }
        }
    }
}

TEST(SourceMap, QuestionsOutsideTheTextHaveNoAnswer) {
    const SourceMap map = NumberSourceLines("mov a b\r\nclr a");
    EXPECT_EQ(map.LineOfPhysical(-1), None);
    EXPECT_EQ(map.LineOfPhysical(2), None);
    EXPECT_FALSE(map.StartsLine(5));
    EXPECT_EQ(map.FirstPhysicalOf(0), -1);
    EXPECT_EQ(map.FirstPhysicalOf(3), -1);
    EXPECT_EQ(map.CodeAddressOf(1), NoAddress);  // numbered, not assembled
    EXPECT_EQ(map.LineOfCodeAddress(1), None);
}

TEST(ShapeOfPhysicalLine, BlankAndContinued) {
    struct Case {
        const char* line;
        bool blank, continued;
    } const cases[] = {
        {"", true, false},           {" \t ", true, false},         {"mov", false, false},
        {"mov a \xB6", false, true}, {"mov a\xB6 \t", false, true}, {"\xB6", false, true},
        {"\xB6x", false, false},     {"\xA0", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const PhysicalLineShape shape = ShapeOfPhysicalLine(c.line);
        EXPECT_EQ(shape.blank, c.blank);
        EXPECT_EQ(shape.continued, c.continued);
    }
}

class SourceMapAssembly : public ::testing::Test {
protected:
    void AssembleSource(const std::string& source) { Assemble(state, windows, source); }

    ZekState state;
    ScriptedWindowSystem windows{state};
};

TEST_F(SourceMapAssembly, InstructionLinesGetTheirCodeAddresses) {
    AssembleSource(
        "; Summe\r\n"         // line 1: comment only
        "_name Test\r\n"      // line 2: pseudo-instruction
        "\r\n"                // blank
        "mov n 3\r\n"         // line 3: address 1
        "loop:\r\n"           // line 4: label short form
        "add s \xB6\r\n"      // line 5: address 2, continued
        "  i\r\n"             //
        "mul2 a b\r\n"        // line 6: unknown mnemonic
        "m: inc n\r\n"        // line 7: the instruction after a label is dropped
        "cmplt i n loop\r\n"  // line 8: address 3
        "_end\r\n");          // line 9: leaves a blank entry at address 4
    ASSERT_EQ(state.ErrorCode, 0);
    const SourceMap& map = state.LineMap;
    ASSERT_EQ(map.LineCount(), 9);
    const std::int32_t addresses[] = {NoAddress, NoAddress, 1, NoAddress, 2, NoAddress, NoAddress, 3, NoAddress};
    for (std::int32_t line = 1; line <= 9; ++line)
        EXPECT_EQ(map.CodeAddressOf(line), addresses[line - 1]) << "line " << line;

    ASSERT_EQ(state.Code.size(), 5u);
    EXPECT_TRUE(state.Code[4].mnemonic.empty());
    const std::int32_t lines[] = {None, 3, 5, 8, None, None};
    for (std::int32_t address = 0; address <= 5; ++address)
        EXPECT_EQ(map.LineOfCodeAddress(address), lines[address]) << "address " << address;
    EXPECT_EQ(state.Code[static_cast<std::size_t>(map.CodeAddressOf(8))].mnemonic, "cmplt");

    EXPECT_EQ(map.FirstPhysicalOf(5), 5);
    EXPECT_EQ(map.LineOfPhysical(6), 5);
    EXPECT_EQ(map.LineOfPhysical(2), None);

    ASSERT_EQ(map.Errors().size(), 1u);
    EXPECT_EQ(map.Errors()[0].line, 6);
    EXPECT_EQ(map.Errors()[0].text,
              "Zeile 0006: mul2 a b" + std::string(24, ' ') + " Fehlercode 116 (Unbekannter ZE-Assemblerbefehl mul2)");
    EXPECT_EQ(state.InstructionProtocol, map.Errors()[0].text + "\r\n");
}

TEST_F(SourceMapAssembly, AnOperandErrorKeepsTheInstructionsAddress) {
    const std::string longName(1025, 'x');
    AssembleSource("nop\r\nmov " + longName + " 1\r\n_dim f 5\r\n_dim f 7\r\n");
    const SourceMap& map = state.LineMap;
    EXPECT_EQ(map.CodeAddressOf(2), 2);
    ASSERT_EQ(map.Errors().size(), 2u);
    EXPECT_EQ(map.Errors()[0].line, 2);
    EXPECT_EQ(map.Errors()[1].line, 4);
    EXPECT_EQ(map.CodeAddressOf(4), NoAddress);
}

TEST_F(SourceMapAssembly, APassStoppedEarlyLeavesTheRestWithoutAddresses) {
    const std::string longName(1025, 'x');
    AssembleSource("inc a\r\n_lab " + longName + "\r\ninc b\r\n");
    EXPECT_EQ(state.ErrorCode, 90);
    EXPECT_EQ(state.LineMap.CodeAddressOf(1), 1);
    EXPECT_EQ(state.LineMap.CodeAddressOf(3), NoAddress);
    EXPECT_EQ(state.LineMap.LineCount(), 3);
}

TEST_F(SourceMapAssembly, EachAssemblyAndEachResetStartsAFreshMap) {
    AssembleSource("mul2 a\r\ninc a\r\ninc b\r\n");
    ASSERT_EQ(state.LineMap.Errors().size(), 1u);
    AssembleSource("inc a\r\n");
    EXPECT_TRUE(state.LineMap.Errors().empty());
    EXPECT_EQ(state.LineMap.LineCount(), 1);
    EXPECT_EQ(state.LineMap.LineOfCodeAddress(2), None);
    ResetToBlankTables(state);
    EXPECT_EQ(state.LineMap.LineCount(), 0);
    EXPECT_EQ(state.LineMap.CodeAddressOf(1), NoAddress);
}

// The editor asks YieldsInstruction before any assembly; the answer must be
// what the pass then does.
TEST_F(SourceMapAssembly, YieldsInstructionForeseesTheCodeAddresses) {
    const std::vector<std::string> lines = {
        "mov a b", "MOV a b", "end",      "END",     "errjumpx m", "mul2 a", "_lab m", "_LAB m",   "m:",  "m: add a 1",
        "; note",  "_var v",  "_dim f 3", "_name x", "_config",    "_end",   "_endx",  "_configx", "nop", "halt",
    };
    std::string source;
    for (const std::string& line : lines) source += line + "\r\n";
    AssembleSource(source);
    const std::vector<std::string> entries = ReadSourceLines(source);
    ASSERT_EQ(entries.size(), lines.size());
    for (std::size_t k = 0; k < lines.size(); ++k) {
        SCOPED_TRACE(lines[k]);
        const bool assembled = state.LineMap.CodeAddressOf(static_cast<std::int32_t>(k) + 1) != NoAddress;
        EXPECT_EQ(YieldsInstruction(entries[k]), assembled);
    }
    EXPECT_TRUE(IsPseudoInstruction("_Name"));
    EXPECT_FALSE(IsPseudoInstruction("_names"));
}

}  // namespace
}  // namespace zek

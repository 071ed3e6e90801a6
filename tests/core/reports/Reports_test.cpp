#include "core/reports/Reports.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/GermanLocale.h"
#include "support/ReportState.h"
#include "support/ScriptedWindowSystem.h"

namespace zek {
namespace {

using testing::MakeInstruction;
using testing::SmallProgram;

// Each report is checked under the process locale and under a German one.
class ReportTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (GetParam()) german_.emplace();
    }
    std::optional<testing::GermanLocale> german_;
};

INSTANTIATE_TEST_SUITE_P(Locales, ReportTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "German" : "Default"; });

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "line without CR LF";
        if (end == std::string::npos) break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST_P(ReportTest, CodeTableListing) {
    const ZekState state = SmallProgram();
    const std::string rule(84, '-');
    EXPECT_EQ(CodeTableListing(state),
              "\r\nCODE TABLE\r\n==========\r\n\r\n"
              "LINE INSTR  SYMBOL1  SYMBOL2  SYMBOL3  ADDR1  ADDR2  ADDR3   VALUE1  VALUE2  VALUE3\r\n" +
                  rule + "\r\n" +
                  "0000 init   .        .        .        000000 000000 000000       0       0       0 \r\n"
                  "0001 errcodex        5        .        000002 000003 000000     3.1       5       0 \r\n"
                  "0002 add    SehrLang x        5        000004 000002 000003 *******     3.1       5 \r\n" +
                  rule + "\r\n");
}

TEST_P(ReportTest, CodeTableListingSkipsBlankEntriesWithoutRenumbering) {
    ZekState state = SmallProgram();
    state.Code[1].mnemonic.clear();
    state.Symbols[2].value = 1234567;
    const std::vector<std::string> lines = LinesOf(CodeTableListing(state));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[6], "0000 init   .        .        .        000000 000000 000000       0       0       0 ");
    EXPECT_EQ(lines[7], "0002 add    SehrLang x        5        000004 000002 000003 ******* 1234567       5 ");
}

TEST_P(ReportTest, ExecutionProtocol) {
    ZekState state = SmallProgram();
    state.Code[0].executions = 1;
    state.Code[1].executions = 1000000;
    state.Code[1].errors = 3;
    state.Code[1].lastErrorCode = 102;
    state.Code[2].executions = 12345678901234.0;
    state.Code[2].errors = 1;
    state.Code[2].lastErrorCode = 7;  // a code without a text of its own
    state.FaultDescription = "Test";
    const std::string rule(96, '-');
    EXPECT_EQ(ExecutionProtocol(state),
              "\r\nEXECUTION PROTOCOL\r\n==================\r\n\r\n"
              "LINE INSTR  SYMBOL1  SYMBOL2  SYMBOL3   EXECUTIONS      ERRORS LAST ERROR CODE\r\n" +
                  rule + "\r\n" +
                  "0000 init   .        .        .                  1           0   0 \r\n"
                  "0001 errcodex        5        .            1000000           3 102 (Division durch 0)\r\n"
                  "0002 add    SehrLang x        5       345678901234           1   7 (Unbekannter Fehler/Test)\r\n" +
                  rule + "\r\n");
}

TEST_P(ReportTest, ExecutionProtocolRightAfterAssembly) {
    const ZekState state = SmallProgram();
    const std::vector<std::string> lines = LinesOf(ExecutionProtocol(state));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[4].size(), 78u);
    for (std::size_t i = 6; i < 9; ++i) {
        EXPECT_EQ(lines[i].size(), 67u) << lines[i];
        EXPECT_EQ(lines[i].substr(38), "           0           0   0 ");
    }
}

TEST_P(ReportTest, StandardSymbolTableHidesArrayElements) {
    const ZekState state = SmallProgram();
    testing::ScriptedWindowSystem windows(const_cast<ZekState&>(state));
    const std::string rule(74, '-');
    EXPECT_EQ(SymbolTableListing(state, windows, false),
              "\r\nSYMBOL TABLE\r\n============\r\n\r\n"
              "ADDR   T NAME                     VALUE\r\n" +
                  rule + "\r\n" +
                  "000000 P .                        0                      \r\n"
                  "000001 P ..                       0                      \r\n"
                  "000002   x                        3.14159                \r\n"
                  "000003   5                        5                      \r\n"
                  "000004   SehrLangerName           -1E+100                \r\n"
                  "000005 A a                        6                      \r\n"
                  "000008   Gr\xF6\xDF"
                  "e_fuenfundzwanzig_Ze 1E+20                  \r\n"
                  "000009   klein                    -1.5E-07               \r\n" +
                  rule + "\r\n" + "TYPE T: P = PRE DEFINED SYMBOL, A = ARRAY POINTER, E = ARRAY ELEMENT\r\n" + rule +
                  "\r\n");
    EXPECT_EQ(windows.text2, (std::vector<std::string>{"Symbol 0/9 protokollieren", "Symbol 0/9 tabellieren"}));
}

TEST_P(ReportTest, FullSymbolTableListsEveryElement) {
    const ZekState state = SmallProgram();
    testing::ScriptedWindowSystem windows(const_cast<ZekState&>(state));
    const std::vector<std::string> lines = LinesOf(SymbolTableListing(state, windows, true));
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines[1], "FULL SYMBOL TABLE");
    EXPECT_EQ(lines[2], "=================");
    EXPECT_EQ(lines[6], "000000 P .                        0                      ");
    EXPECT_EQ(lines[12], "000006 E a(0)                     0                      ");
    EXPECT_EQ(lines[13], "000007 E a(1)                     2.5                    ");
    for (std::size_t i = 6; i < 16; ++i) EXPECT_EQ(lines[i].size(), 57u) << lines[i];
}

TEST(SymbolTableListingTest, ReportsProgressEveryThousandSymbols) {
    ZekState state;
    for (int i = 0; i < 2500; ++i)
        state.Symbols.Append(std::string("s").append(std::to_string(i)), i,
                             i % 2 ? SymbolType::ArrayElement : SymbolType::Plain);
    testing::ScriptedWindowSystem windows(state);
    const std::string standard = SymbolTableListing(state, windows, false);
    EXPECT_EQ(windows.text2,
              (std::vector<std::string>{"Symbol 0/2499 protokollieren", "Symbol 1000/2499 protokollieren",
                                        "Symbol 2000/2499 protokollieren", "Symbol 0/2499 tabellieren",
                                        "Symbol 1000/2499 tabellieren", "Symbol 2000/2499 tabellieren"}));
    EXPECT_EQ(LinesOf(standard).size(), 9u + 1250u);

    const std::vector<std::string> full = LinesOf(SymbolTableListing(state, windows, true));
    ASSERT_EQ(full.size(), 9u + 2500u);
    EXPECT_EQ(full[6 + 1999], "001999 E s1999                    1999                   ");
    EXPECT_EQ(full[6 + 2499], "002499 E s2499                    2499                   ");
}

}  // namespace
}  // namespace zek

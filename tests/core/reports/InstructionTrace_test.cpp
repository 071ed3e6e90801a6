// The instruction trace, byte for byte.

#include "core/reports/InstructionTrace.h"

#include <gtest/gtest.h>

#include <string>

#include "support/GermanLocale.h"
#include "support/RunFixture.h"

namespace zek::testing {
namespace {

std::string Blanks(std::size_t n) { return std::string(n, ' '); }

// The "Op Value Pre" line for three formatted values.
std::string PreLine(const std::string& a, const std::string& b, const std::string& c) {
    return "Op Value Pre   :        " + a + Blanks(21 - a.size()) + " " + b + Blanks(21 - b.size()) + " " + c +
           Blanks(21 - c.size()) + "\r\n";
}

TEST_F(RunTest, TraceOfTheInitLineInSchrittweise) {
    Load({"exit"});
    windows.haltActions = {ScriptedWindowSystem::Abort()};
    RunProgram(2);
    ASSERT_EQ(windows.halts.size(), 1u);
    const std::string dot = "." + Blanks(20);
    const std::string address = "000000" + Blanks(15);
    const std::string expected =
        "IC             :1\r\n"
        "IP             :0000\r\n"
        "\r\n"
        "Instruction    :init    " +
        dot + " " + dot + " " + dot + "\r\n" + "Op Address     :        " + address + " " + address + " " + address +
        "\r\n" + PreLine("0.0000", "0.0000", "0.0000") + "Op Value Post  :        0.0000" + Blanks(15) + "\r\n" +
        "No get/put ...\r\n"
        "No get/put ...\r\n"
        "\r\n"
        "Error Code     : 0 (Kein Fehler)\r\n"
        "Exit Signal    : False\r\n"
        "Halt Signal    : False\r\n"
        "Next IP        : 0001\r\n";
    EXPECT_EQ(windows.halts[0].text, expected);
    EXPECT_EQ(state.InstructionProtocol, expected);
}

class TraceTest : public RunTest {
protected:
    // The trace of one line after the program has run, with the given
    // operand values before the instruction.
    std::string TraceOf(std::size_t address, double a, double b, double c) {
        state.Trace = {a, b, c};
        return InstructionTrace(state, static_cast<std::int32_t>(address), static_cast<std::int32_t>(address + 1), 12);
    }
    static std::string LineOf(const std::string& text, const std::string& label) {
        const auto start = text.find(label);
        if (start == std::string::npos) return {};
        return text.substr(start, text.find("\r\n", start) + 2 - start);
    }
};

TEST_F(TraceTest, NumberPatternsFollowTheMagnitude) {
    Load({"mov a b", "exit"});
    RunProgram();
    const std::string trace = TraceOf(1, 0.001, 0.0011, 10000);
    EXPECT_EQ(LineOf(trace, "Op Value Pre"), PreLine("1.0000E-03", "0.0011", "1.0000E+04"));
    EXPECT_EQ(LineOf(TraceOf(1, 9999.5, -2.5, 123456.789), "Op Value Pre"),
              PreLine("9999.5", "-2.5", "1.23456789E+05"));
    EXPECT_EQ(LineOf(trace, "Instruction"),
              "Instruction    :mov     a" + Blanks(20) + " b" + Blanks(20) + " ." + Blanks(20) + "\r\n");
    EXPECT_EQ(trace.rfind("IC             :12\r\n", 0), 0u);
}

TEST_F(TraceTest, GetShowsTheReachedSymbolOrStars) {
    Load({"get a p q", "exit"});
    RunProgram();
    const auto highest = state.Symbols.HighestAddress();
    state.Symbols[highest].value = 2.5;

    std::string trace = TraceOf(1, 0, highest - 3, 3);
    EXPECT_EQ(LineOf(trace, "Get Address"), "Get Address    :        " + std::to_string(highest) +
                                                Blanks(21 - std::to_string(highest).size()) + "\r\n");
    EXPECT_EQ(LineOf(trace, "Get Value Post"), "Get Value Post :        2.5" + Blanks(18) + "\r\n");

    trace = TraceOf(1, 0, highest, 0.5);  // rounds half to even: stays at highest
    EXPECT_EQ(LineOf(trace, "Get Value Post"), "Get Value Post :        2.5" + Blanks(18) + "\r\n");

    trace = TraceOf(1, 0, highest, 1);
    EXPECT_EQ(LineOf(trace, "Get Value Post"), "Get Value Post :        ***" + Blanks(18) + "\r\n");
    trace = TraceOf(1, 0, -1, 0);
    EXPECT_EQ(LineOf(trace, "Get Value Post"), "Get Value Post :        ***" + Blanks(18) + "\r\n");

    state.ErrorCode = 114;
    trace = TraceOf(1, 0, highest, 0);
    EXPECT_EQ(LineOf(trace, "Get Value Post"), "Get Value Post :        2.5000E+00" + Blanks(11) + "\r\n");
    EXPECT_EQ(LineOf(trace, "Error Code"), "Error Code     : 114 (ZEK-Fehler 114)\r\n");
}

TEST_F(TraceTest, PutAtAddressZeroShowsTheEmptySymbol) {
    Load({"put p q a", "exit"});
    RunProgram();
    const std::string trace = TraceOf(1, 0, 0, 5);
    EXPECT_EQ(LineOf(trace, "Put Address"), "Put Address    :        0" + Blanks(20) + "\r\n");
    EXPECT_EQ(LineOf(trace, "Put Value Post"), "Put Value Post :        0.0000" + Blanks(15) + "\r\n");
    EXPECT_EQ(trace.find("No get/put"), std::string::npos);
}

TEST_F(TraceTest, OnlyTheLastTraceStaysInTheProtocol) {
    Load({"inc a", "inc a", "exit"});
    RunProgram(2);
    ASSERT_EQ(windows.halts.size(), 4u);
    EXPECT_EQ(state.InstructionProtocol, windows.halts.back().text);
    EXPECT_NE(windows.halts[2].text, windows.halts[1].text);
    EXPECT_EQ(LineOf(windows.halts[2].text, "Op Value Post"), "Op Value Post  :        2.0" + Blanks(18) + "\r\n");
}

TEST_F(TraceTest, GermanLocaleStillWritesPoints) {
    GermanLocale german;
    Load({"mov a 2,5", "exit"});
    RunProgram(2);
    ASSERT_GE(windows.halts.size(), 2u);
    EXPECT_EQ(LineOf(windows.halts[1].text, "Op Value Post"), "Op Value Post  :        2.5" + Blanks(18) + "\r\n");
}

}  // namespace
}  // namespace zek::testing

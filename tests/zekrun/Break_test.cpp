// zekrun --break N: the real binary halts before the instruction of line N
// (as the Assembler counts lines) and prints that halt's trace.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/assembler/Assembler.h"
#include "core/base/Encoding1252.h"
#include "core/processor/Processor.h"
#include "support/ScriptedWindowSystem.h"
#include "support/ZekrunSandbox.h"

namespace zek::testing {
namespace {

// Line 1 is a comment, line 3 a label; the blank physical line has no number.
const std::string Program =
    "; Summe\r\n"
    "mov n 3\r\n"
    "l:\r\n"
    "\r\n"
    "add s n\r\n"
    "dec n\r\n"
    "tstgt n l\r\n"
    "printn s 0 0\r\n"
    "exit\r\n";

class ZekrunBreak : public ::testing::Test {
protected:
    void SetUp() override {
        if (ZekrunBinary().empty()) GTEST_SKIP() << "ZEK_TEST_BIN_DIR is not set";
        sandbox.Write("prog.zek", Program);
    }

    ZekrunResult Run(std::vector<std::string> args) {
        args.push_back("prog.zek");
        return sandbox.Run(args);
    }

    // The traces of the halts of an in-process run with these breakpoints.
    static std::string ExpectedTraces(std::set<std::int32_t> lines) {
        ZekState state;
        ScriptedWindowSystem windows{state};
        Assemble(state, windows, Program);
        state.BreakpointLines = std::move(lines);
        zek::Run(state, windows);
        std::string traces;
        for (const auto& halt : windows.halts) traces += halt.text;
        return Utf8From1252(traces);
    }

    ZekrunSandbox sandbox;
};

TEST_F(ZekrunBreak, HaltsBeforeTheLineAndShowsTheTraceOfTheLineBefore) {
    const ZekrunResult result = Run({"--break", "4"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, " 6");
    EXPECT_EQ(result.err, ExpectedTraces({4}));
    // Three rounds: reached once from `mov`, twice from the jump.
    EXPECT_EQ(result.err.find("Instruction    :mov "), result.err.rfind("Instruction    :mov "));
    std::size_t halts = 0;
    for (std::size_t at = result.err.find("Next IP        : 0002"); at != std::string::npos;
         at = result.err.find("Next IP        : 0002", at + 1))
        ++halts;
    EXPECT_EQ(halts, 3u);
}

TEST_F(ZekrunBreak, IsRepeatableAndQuietHidesTheTraces) {
    const ZekrunResult both = Run({"--break", "8", "--break", "2"});
    EXPECT_EQ(both.exitCode, 0);
    EXPECT_EQ(both.err, ExpectedTraces({2, 8}));
    EXPECT_NE(both.err.find("Next IP        : 0001"), std::string::npos);
    EXPECT_NE(both.err.find("Next IP        : 0006"), std::string::npos);

    const ZekrunResult quiet = Run({"--break", "8", "--quiet"});
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(quiet.out, " 6");
}

TEST_F(ZekrunBreak, ALineWithoutAnInstructionIsRefused) {
    sandbox.Write("bad.zek", Program + "mul2 a b\r\n");
    for (const char* line : {"1", "3", "9", "10", "999"}) {
        SCOPED_TRACE(line);
        const ZekrunResult result = sandbox.Run({"--quiet", "--break", line, "bad.zek"});
        EXPECT_EQ(result.exitCode, 64);
        EXPECT_EQ(result.out, "");
        const std::string message =
            std::string("zekrun: --break ") + line + ": in Zeile " + line + " steht kein Befehl\n";
        EXPECT_EQ(result.err.substr(result.err.size() - std::min(result.err.size(), message.size())), message);
    }
}

TEST_F(ZekrunBreak, HelpDescribesTheOption) {
    const ZekrunResult help = sandbox.Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("  --break N"), std::string::npos) << help.out;
    const ZekrunResult withTest = Run({"--test", "x.zektest", "--break", "2"});
    EXPECT_EQ(withTest.exitCode, 64);
    EXPECT_EQ(withTest.err.rfind("zekrun: --break gilt nicht zusammen mit --test\n", 0), 0u) << withTest.err;
}

TEST_F(ZekrunBreak, ABadLineNumberIsAUsageError) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--break", "0"}, {"--break", "-2"}, {"--break", "x"}, {"--break", "2.5"}, {"--break", "99999999999"}}) {
        SCOPED_TRACE(args[1]);
        const ZekrunResult result = Run(args);
        EXPECT_EQ(result.exitCode, 64);
        EXPECT_EQ(result.err.rfind("zekrun: --break erwartet eine Zeilennummer ab 1\n", 0), 0u) << result.err;
        EXPECT_NE(result.err.find("[--break N]..."), std::string::npos);
    }
    const ZekrunResult missing = sandbox.Run({"prog.zek", "--break"});
    EXPECT_EQ(missing.exitCode, 64);
    EXPECT_EQ(missing.err.rfind("zekrun: Wert fehlt nach --break\n", 0), 0u) << missing.err;
}

}  // namespace
}  // namespace zek::testing

// End-to-end tests of the headless runner: the real zekrun binary in a
// temporary working directory. Where zekrun prints what the system builds,
// the expectation is built in-process from the same source.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/assembler/Assembler.h"
#include "core/base/DocumentationText.h"
#include "core/base/Encoding1252.h"
#include "core/base/NumberFormat.h"
#include "core/processor/Cycle.h"
#include "core/processor/Processor.h"
#include "core/reports/Reports.h"
#include "support/ScriptedWindowSystem.h"
#include "support/ZekrunSandbox.h"

namespace zek::testing {
namespace {

class Zekrun : public ::testing::Test {
protected:
    void SetUp() override {
        if (ZekrunBinary().empty()) GTEST_SKIP() << "ZEK_TEST_BIN_DIR is not set";
        ASSERT_TRUE(std::filesystem::exists(ZekrunBinary())) << ZekrunBinary();
    }

    // Writes `source` (Windows-1252) as prog.zek and runs it.
    ZekrunResult RunProgram(const std::string& source, std::vector<std::string> args = {},
                            const std::string& input = {}) {
        sandbox.Write("prog.zek", source);
        args.push_back("prog.zek");
        return sandbox.Run(args, input);
    }

    ZekrunSandbox sandbox;
};

// Assembles and runs `source` in-process as zekrun does (mode 0, halts
// continued); the window system keeps what the halts showed.
struct InProcessRun {
    ZekState state;
    ScriptedWindowSystem windows{state};
    explicit InProcessRun(const std::string& source, int mode = 0) {
        state.RunMode = RunModeOf(mode);
        Assemble(state, windows, source);
        Run(state, windows);
    }
};

TEST_F(Zekrun, OutputTextOnStdoutMessagesOnStderrResultAsExitStatus) {
    const ZekrunResult result = RunProgram(
        "prints Hallo~Welt\\\r\n"
        "info Mitteilung~ohne~Pause\r\n"
        "mov x 2.5\r\n"
        "proof x Wert\r\n"
        "prints Ende\r\n"
        "exit\r\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Hallo Welt\r\nEnde");
    EXPECT_EQ(result.err, "Mitteilung ohne Pause\nWert x = 2.5\n");
}

TEST_F(Zekrun, ExitStatusIsTheLastFailingLinesCode) {
    struct Case {
        const char* source;
        int exitCode;
    };
    const Case cases[] = {
        {"mov a 1\r\n", 115},                   // ran past the last line
        {"div a 0\r\nlog b\r\nexit\r\n", 108},  // highest failing line wins
        {"log b\r\ndiv a 0\r\nexit\r\n", 102},
        {"div a 0\r\nerr e weiter\r\nweiter:\r\nexit\r\n", 102},  // handled, still recorded on its line
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        EXPECT_EQ(RunProgram(c.source).exitCode, c.exitCode);
    }
}

TEST_F(Zekrun, ReportsFollowTheOutputTextInTheOrderGiven) {
    const std::string source =
        "_name Berichte\r\n"
        "_dim f 2\r\n"
        "mov i 0\r\n"
        "l:\r\n"
        "put f i i\r\n"
        "inc i\r\n"
        "cmple i 2 l\r\n"
        "prints fertig\\\r\n"
        "halt\r\n"
        "exit\r\n";
    InProcessRun expected(source);
    const std::string expectedOut =
        Utf8From1252(expected.state.OutputText + ExecutionProtocol(expected.state) + CodeTableListing(expected.state) +
                     DocumentationText() + SymbolTableListing(expected.state, expected.windows, false) +
                     SymbolTableListing(expected.state, expected.windows, true) + expected.state.InstructionProtocol);

    const ZekrunResult result =
        RunProgram(source, {"--report", "protocol", "--report", "code", "--report", "docs", "--report", "symbols",
                            "--report", "symbols-full", "--report", "trace", "--quiet"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, expectedOut);
    EXPECT_EQ(result.err, "");  // the halt's trace is not shown with --quiet
}

TEST_F(Zekrun, SameReportTwiceIsPrintedTwice) {
    const ZekrunResult result = RunProgram("exit\r\n", {"--report", "docs", "--report", "docs"});
    EXPECT_EQ(result.out, Utf8From1252(DocumentationText() + DocumentationText()));
}

TEST_F(Zekrun, AssemblyErrorsAreListedAndTheProgramRunsWithItsFaultyLines) {
    const std::string errorLine =
        "Zeile 0002: mul2 a b" + std::string(24, ' ') + " Fehlercode 116 (Unbekannter ZE-Assemblerbefehl mul2)\r\n";
    for (bool quiet : {false, true}) {
        SCOPED_TRACE(quiet ? "--quiet" : "");
        const ZekrunResult result =
            RunProgram("mov a 1\r\nmul2 a b\r\nprints weiter\r\nexit\r\n",
                       quiet ? std::vector<std::string>{"--quiet"} : std::vector<std::string>{});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.err, errorLine);
        EXPECT_EQ(result.out, "weiter");
    }
}

TEST_F(Zekrun, FailedAssemblyDoesNotRun) {
    // A `_var` with a name beyond 1024 characters stops the pass: result 90.
    const ZekrunResult result = RunProgram("_var " + std::string(1100, 'x') + "\r\nprints nie\r\nexit\r\n");
    EXPECT_EQ(result.exitCode, 90);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("Assembler wurde abgebrochen"), std::string::npos);
}

TEST_F(Zekrun, EveryHaltShowsItsTraceAndContinues) {
    const std::string source = "mov a 1\r\ndiv a 0\r\nadd a 1\r\nexit\r\n";
    struct Case {
        std::string mode;
        int exitCode;
    };
    // In 'Schrittweise' the halt after `exit` turns the result into 90.
    for (const Case& c : {Case{"1", 102}, Case{"2", 90}}) {
        SCOPED_TRACE("mode " + c.mode);
        InProcessRun expected(source, std::stoi(c.mode));
        std::string traces;
        for (const auto& halt : expected.windows.halts) traces += halt.text;
        ASSERT_FALSE(traces.empty());

        const ZekrunResult shown = RunProgram(source, {"--mode", c.mode});
        EXPECT_EQ(shown.exitCode, c.exitCode);
        EXPECT_EQ(shown.err, Utf8From1252(traces));
        const ZekrunResult quiet = RunProgram(source, {"--mode", c.mode, "--quiet"});
        EXPECT_EQ(quiet.exitCode, c.exitCode);
        EXPECT_EQ(quiet.err, "");
    }
    EXPECT_EQ(RunProgram(source, {"--mode", "0"}).err, "");
}

TEST_F(Zekrun, InputReadsOneLinePerDialog) {
    struct Case {
        const char* typed;
        double value;
    };
    const Case cases[] = {
        {"2.5\n", 2.5}, {"1,5\n", 1.5},          {"1E3\r\n", 1000},         {"abc\n", 0},
        {"\n", 0},      {"1E400\n", ValueLimit}, {"-1E400\n", -ValueLimit}, {"7", 7},  // last line without line end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const ZekrunResult result = RunProgram("input a Zahl~eingeben\r\noutput a\r\nexit\r\n", {}, c.typed);
        EXPECT_EQ(result.exitCode, 0);
        std::string echoed = c.typed;
        if (echoed.back() != '\n') echoed += '\n';
        if (echoed.size() > 1 && echoed[echoed.size() - 2] == '\r') echoed.erase(echoed.size() - 2, 1);
        EXPECT_EQ(result.err, "Zahl eingeben\na = " + echoed + "a = " + GeneralNumber(c.value) + "\n");
    }
}

TEST_F(Zekrun, EndOfInputAbortsTheRunAfterTheInputLine) {
    const ZekrunResult result =
        RunProgram("input a\r\nprints erreicht\r\ninput b\r\nprints nie\r\nexit\r\n", {}, "4\n");
    EXPECT_EQ(result.exitCode, 90);
    EXPECT_EQ(result.out, "erreicht");
    EXPECT_EQ(result.err, "a = 4\nb = \nEnde der Eingabe: Abbruchsignal gesetzt\n");
}

TEST_F(Zekrun, MaxStepsAbortsAnEndlessLoop) {
    const ZekrunResult result = RunProgram("l:\r\ninc n\r\njump l\r\n", {"--max-steps", "1000", "--stats"});
    EXPECT_EQ(result.exitCode, 90);
    EXPECT_EQ(result.err.rfind("1000 Befehle, ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(" Mio. Befehle/s\n"), std::string::npos) << result.err;
}

TEST_F(Zekrun, StatsCountTheExecutedInstructions) {
    // init, mov, 10 x (inc, cmplt), exit
    const ZekrunResult result = RunProgram("mov n 0\r\nl:\r\ninc n\r\ncmplt n 10 l\r\nexit\r\n", {"--stats"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.err.rfind("23 Befehle, ", 0), 0u) << result.err;
}

TEST_F(Zekrun, LineEndsOfTheSourceDoNotMatter) {
    const std::string lines[] = {"_name Zeilenenden",
                                 "mov a 3",
                                 "l:",
                                 "printn a 2 0",
                                 "dec a",
                                 "tstgt a l",
                                 "prints \\Gr\xF6\xDF"
                                 "e~in~\xB0",
                                 "halt",
                                 "exit"};
    std::vector<ZekrunResult> results;
    for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
        std::string source;
        for (const std::string& line : lines) source += line + lineEnd;
        results.push_back(RunProgram(source, {"--report", "code"}));
    }
    EXPECT_EQ(results[0].exitCode, 0);
    EXPECT_NE(results[0].out.find("  3  2  1\r\nGr\xC3\xB6\xC3\x9F"
                                  "e in \xC2\xB0"),
              std::string::npos);
    for (const ZekrunResult& result : results) {
        EXPECT_EQ(result.exitCode, results[0].exitCode);
        EXPECT_EQ(result.out, results[0].out);
        EXPECT_EQ(result.err, results[0].err);
    }
}

TEST_F(Zekrun, DataFilesLieInTheWorkingDirectory) {
    sandbox.Write("a.dat", " 4\r\n 5.5\r\n");
    const ZekrunResult result = RunProgram("_var a\r\n_var b\r\nread a 1\r\nadd a b\r\nwrite a 1\r\nexit\r\n");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(sandbox.Read("a.dat"), " 9.5\r\n 5.5\r\n");
    EXPECT_EQ(RunProgram("mov summe 9\r\nwrite summe 0\r\nexit\r\n").exitCode, 0);
    EXPECT_EQ(sandbox.Read("summe.dat"), " 9\r\n");
}

TEST_F(Zekrun, UnreadableFileGives66) {
    for (const std::string& name : {std::string("fehlt.zek"), std::string(".")}) {
        SCOPED_TRACE(name);
        const ZekrunResult result = sandbox.Run({name});
        EXPECT_EQ(result.exitCode, 66);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, "zekrun: Datei kann nicht gelesen werden: " + name + "\n");
    }
}

TEST_F(Zekrun, EmptyProgramIsRefused) {
    const ZekrunResult result = RunProgram("");
    EXPECT_EQ(result.exitCode, 65);
    EXPECT_EQ(result.err, "zekrun: Programmtext ist leer. Assembler kann nicht starten.\n");
}

TEST_F(Zekrun, UsageErrorsGive64) {
    sandbox.Write("prog.zek", "exit\r\n");
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--mode"},
        {"--mode", "3", "prog.zek"},
        {"--mode", "-1", "prog.zek"},
        {"--mode", "1x", "prog.zek"},
        {"--report", "listing", "prog.zek"},
        {"--report"},
        {"--max-steps", "0", "prog.zek"},
        {"--max-steps", "abc", "prog.zek"},
        {"--max-steps", "-5", "prog.zek"},
        {"--verbose", "prog.zek"},
        {"prog.zek", "prog.zek"},
    };
    for (const std::vector<std::string>& args : cases) {
        std::string joined;
        for (const std::string& arg : args) joined += arg + " ";
        SCOPED_TRACE(joined);
        const ZekrunResult result = sandbox.Run(args);
        EXPECT_EQ(result.exitCode, 64);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("zekrun: ", 0), 0u) << result.err;
        EXPECT_NE(result.err.find("Aufruf: zekrun [--mode 0|1|2]"), std::string::npos);
    }
}

TEST_F(Zekrun, OptionsMayFollowTheFile) {
    sandbox.Write("prog.zek", "l:\r\njump l\r\n");
    const ZekrunResult late = sandbox.Run({"prog.zek", "--max-steps", "10"});
    EXPECT_EQ(late.exitCode, 90);
}

}  // namespace
}  // namespace zek::testing

// zekrun: assembles and runs one ZE-Assembler program without a window, or
// checks a program against a teacher's test file (--test).
//
//   zekrun [--mode 0|1|2] [--break N]... [--report NAME]... [--max-steps N] [--stats] [--quiet] FILE
//   zekrun --test PRUEFDATEI [--junit DATEI] [--jobs N] [--stats] [FILE]
//
// Dialogs, messages and halts go to stderr, the output text and the
// reports to stdout. The exit status of a run is its result code; 64 for a
// usage error, 65 for an empty program, 66 for an unreadable FILE.

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/assembler/Assembler.h"
#include "core/assembler/SourceReader.h"
#include "core/base/DocumentationText.h"
#include "core/base/Encoding1252.h"
#include "core/base/Version.h"
#include "core/exercise/CaseDirectory.h"
#include "core/processor/Processor.h"
#include "core/reports/Reports.h"
#include "core/store/ZekState.h"
#include "zekrun/ExerciseCommand.h"
#include "zekrun/Options.h"
#include "zekrun/TerminalWindowSystem.h"

namespace {

constexpr int kUsageError = 64;      // EX_USAGE
constexpr int kInputDataError = 65;  // EX_DATAERR: an empty program
constexpr int kNoInput = 66;         // EX_NOINPUT

void WriteOut(const std::string& text1252) {
    const std::string utf8 = zek::Utf8From1252(text1252);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
}

std::string Report(std::string_view name, zek::ZekState& state, zek::WindowSystem& windows) {
    if (name == "code") return zek::CodeTableListing(state);
    if (name == "symbols") return zek::SymbolTableListing(state, windows, false);
    if (name == "symbols-full") return zek::SymbolTableListing(state, windows, true);
    if (name == "protocol") return zek::ExecutionProtocol(state);
    if (name == "trace") return state.InstructionProtocol;
    return zek::DocumentationText();
}

// The output text and the reports asked for; after a failed assembly the
// tables as far as the assembler got.
void WriteResults(const zekrun::Options& options, zek::ZekState& state, zek::WindowSystem& windows) {
    WriteOut(state.OutputText);
    for (const std::string& name : options.reports) WriteOut(Report(name, state, windows));
    std::fflush(stdout);
}

double ExecutedInstructions(const zek::ZekState& state) {
    double sum = 0;
    for (std::size_t address = 0; address < state.Code.size(); ++address) sum += state.Code[address].executions;
    return sum;
}

int RunProgram(const zekrun::Options& options) {
    const std::optional<std::string> source = zek::ReadFileBytes(options.file);
    if (!source) {
        std::fprintf(stderr, "zekrun: Datei kann nicht gelesen werden: %s\n", options.file.c_str());
        return kNoInput;
    }
    if (source->empty()) {
        std::fprintf(stderr, "zekrun: Programmtext ist leer. Assembler kann nicht starten.\n");
        return kInputDataError;
    }

    zek::ZekState state;
    zek::TerminalWindowSystem terminal(stdin, stderr);
    state.RunMode = zek::RunModeOf(options.mode);

    // Assembly errors are listed in the halt dialog, which the terminal
    // closes with "Fortsetzen": the program runs with its faulty lines.
    zek::Assemble(state, terminal, zek::SourceTextFromBytes(*source));
    if (state.ErrorCode != 0) {
        if (state.ErrorCode == 90)
            std::fprintf(stderr, "zekrun: Assembler wurde abgebrochen\n");
        else
            std::fprintf(stderr, "zekrun: Assemblerfehler %d. Programm kann nicht starten.\n", state.ErrorCode);
        const int result = state.ErrorCode;
        WriteResults(options, state, terminal);
        return result;
    }

    // A breakpoint needs a line that the Assembler made an instruction of.
    for (const std::int32_t line : options.breakLines) {
        if (state.LineMap.CodeAddressOf(line) == zek::SourceMap::NoAddress) {
            std::fprintf(stderr, "zekrun: --break %d: in Zeile %d steht kein Befehl\n", line, line);
            return kUsageError;
        }
    }
    state.BreakpointLines = options.breakLines;

    terminal.SetHaltTextShown(!options.quiet);
    const auto start = std::chrono::steady_clock::now();
    zek::Run(state, terminal, options.maxSteps);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    const int result = state.ErrorCode;
    WriteResults(options, state, terminal);

    if (options.stats) {
        const double executed = ExecutedInstructions(state);
        const double mips = seconds.count() > 0 ? executed / seconds.count() / 1e6 : 0;
        std::fprintf(stderr, "%.0f Befehle, %.3f s, %.2f Mio. Befehle/s\n", executed, seconds.count(), mips);
    }
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<zekrun::Options> options = zekrun::ParseArguments(argc, argv);
    if (!options) return kUsageError;
    if (options->help) {
        std::fputs(zekrun::HelpText().c_str(), stdout);
        return 0;
    }
    if (options->version) {
        std::printf("zekrun %s\n", zek::ProgramVersion);
        return 0;
    }
    if (!options->testFile.empty()) return zekrun::CheckExerciseCommand(*options);
    return RunProgram(*options);
}

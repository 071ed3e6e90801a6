// zekrun: assembles and runs one ZE-Assembler program without a window.
//
//   zekrun [--mode 0|1|2] [--break N]... [--report NAME]... [--max-steps N] [--stats] [--quiet] FILE
//
// Dialogs, messages and halts go to stderr, the output text and the reports
// to stdout. The exit status is the run's result code; 64 for a usage error,
// 66 for an unreadable FILE.

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/assembler/Assembler.h"
#include "core/assembler/SourceReader.h"
#include "core/base/DocumentationText.h"
#include "core/base/Encoding1252.h"
#include "core/processor/Processor.h"
#include "core/reports/Reports.h"
#include "core/store/ZekState.h"
#include "zekrun/TerminalWindowSystem.h"

namespace {

constexpr int kUsageError = 64;      // EX_USAGE
constexpr int kInputDataError = 65;  // EX_DATAERR: an empty program
constexpr int kNoInput = 66;         // EX_NOINPUT

constexpr const char* kUsage =
    "Aufruf: zekrun [--mode 0|1|2] [--break N]... [--report NAME]... [--max-steps N] [--stats] [--quiet] DATEI\n"
    "  --mode M        Testmodus: 0 'Ohne Halt' (Vorgabe), 1 'Fehlerhalt', 2 'Schrittweise'\n"
    "  --break N       Haltepunkt: vor dem Befehl der Zeile N anhalten (Zeilennummer wie in der\n"
    "                  Assemblerfehlerliste; mehrfach möglich)\n"
    "  --report NAME   nach dem Lauf ausgeben: code, symbols, symbols-full, protocol, trace, docs\n"
    "  --max-steps N   Abbruch nach N Befehlen\n"
    "  --stats         Befehlszahl, Sekunden und Millionen Befehle je Sekunde ausgeben\n"
    "  --quiet         keine Befehlsprotokolle bei Halten\n";

const std::vector<std::string_view> kReportNames = {"code", "symbols", "symbols-full", "protocol", "trace", "docs"};

struct Options {
    std::int32_t mode = 0;
    std::set<std::int32_t> breakLines;
    std::vector<std::string> reports;
    std::int64_t maxSteps = 0;
    bool stats = false;
    bool quiet = false;
    std::string file;
};

std::optional<std::int64_t> WholeNumber(std::string_view text) {
    std::int64_t number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return number;
}

// Parses the arguments; on a usage error returns nothing and has said why.
std::optional<Options> ParseArguments(int argc, char** argv) {
    Options options;
    auto fail = [](const std::string& why) -> std::optional<Options> {
        std::fprintf(stderr, "zekrun: %s\n%s", why.c_str(), kUsage);
        return std::nullopt;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool takesValue = arg == "--mode" || arg == "--break" || arg == "--report" || arg == "--max-steps";
        if (takesValue && i + 1 >= argc) return fail("Wert fehlt nach " + std::string(arg));
        if (arg == "--mode") {
            const auto mode = WholeNumber(argv[++i]);
            if (!mode || *mode < 0 || *mode > 2) return fail("--mode erwartet 0, 1 oder 2");
            options.mode = static_cast<std::int32_t>(*mode);
        } else if (arg == "--break") {
            const auto line = WholeNumber(argv[++i]);
            if (!line || *line < 1 || *line > std::numeric_limits<std::int32_t>::max())
                return fail("--break erwartet eine Zeilennummer ab 1");
            options.breakLines.insert(static_cast<std::int32_t>(*line));
        } else if (arg == "--report") {
            const std::string_view name = argv[++i];
            if (std::find(kReportNames.begin(), kReportNames.end(), name) == kReportNames.end())
                return fail("unbekannter Report: " + std::string(name));
            options.reports.emplace_back(name);
        } else if (arg == "--max-steps") {
            const auto steps = WholeNumber(argv[++i]);
            if (!steps || *steps < 1) return fail("--max-steps erwartet eine positive ganze Zahl");
            options.maxSteps = *steps;
        } else if (arg == "--stats") {
            options.stats = true;
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return fail("unbekannte Option: " + std::string(arg));
        } else if (!options.file.empty()) {
            return fail("nur eine Programmdatei erlaubt");
        } else {
            options.file = arg;
        }
    }
    if (options.file.empty()) return fail("Programmdatei fehlt");
    return options;
}

// Reads the whole file as bytes; nothing when it cannot be read.
std::optional<std::string> ReadFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return bytes;
}

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

double ExecutedInstructions(const zek::ZekState& state) {
    double sum = 0;
    for (std::size_t address = 0; address < state.Code.size(); ++address) sum += state.Code[address].executions;
    return sum;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseArguments(argc, argv);
    if (!options) return kUsageError;

    const std::optional<std::string> source = ReadFile(options->file);
    if (!source) {
        std::fprintf(stderr, "zekrun: Datei kann nicht gelesen werden: %s\n", options->file.c_str());
        return kNoInput;
    }
    if (source->empty()) {
        std::fprintf(stderr, "zekrun: Programmtext ist leer. Assembler kann nicht starten.\n");
        return kInputDataError;
    }

    zek::ZekState state;
    zek::TerminalWindowSystem terminal(state, stdin, stderr);
    state.RunMode = options->mode;

    // Assembly errors are listed in the halt dialog, which the terminal
    // closes with "Fortsetzen": the program runs with its faulty lines.
    zek::Assemble(state, terminal, zek::SourceTextFromBytes(*source));
    if (state.ErrorCode == 90) {
        std::fprintf(stderr, "zekrun: Assembler wurde abgebrochen\n");
        return state.ErrorCode;
    }
    if (state.ErrorCode != 0) {
        std::fprintf(stderr, "zekrun: Assemblerfehler %d. Programm kann nicht starten.\n", state.ErrorCode);
        return state.ErrorCode;
    }

    // A breakpoint needs a line that the Assembler made an instruction of.
    for (const std::int32_t line : options->breakLines) {
        if (state.LineMap.CodeAddressOf(line) == zek::SourceMap::NoAddress) {
            std::fprintf(stderr, "zekrun: --break %d: in Zeile %d steht kein Befehl\n", line, line);
            return kUsageError;
        }
    }
    state.BreakpointLines = options->breakLines;

    terminal.SetHaltTextShown(!options->quiet);
    const auto start = std::chrono::steady_clock::now();
    zek::Run(state, terminal, options->maxSteps);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    const int result = state.ErrorCode;

    WriteOut(state.OutputText);
    for (const std::string& name : options->reports) WriteOut(Report(name, state, terminal));
    std::fflush(stdout);

    if (options->stats) {
        const double executed = ExecutedInstructions(state);
        const double mips = seconds.count() > 0 ? executed / seconds.count() / 1e6 : 0;
        std::fprintf(stderr, "%.0f Befehle, %.3f s, %.2f Mio. Befehle/s\n", executed, seconds.count(), mips);
    }
    return result;
}

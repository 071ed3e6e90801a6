#include "zekrun/Options.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <string_view>

#include "core/base/NumberFormat.h"

namespace zekrun {
namespace {

constexpr const char* Usage =
    "Aufruf: zekrun [--mode 0|1|2] [--break N]... [--report NAME]... [--max-steps N] [--stats] [--quiet] DATEI\n"
    "        zekrun --test PRUEFDATEI [--junit DATEI] [--jobs N] [--stats] [DATEI]\n"
    "        zekrun --help | --version\n";

// Which command an option belongs to.
enum class Command { Run, Test, Any };

using Apply = std::optional<std::string> (*)(Options&, std::string_view value);

struct Option {
    const char* name;
    const char* value;  // the value's name in the help; nullptr for a switch
    Command command;
    const char* description;
    Apply apply;  // the error text when the value is wrong
};

std::optional<std::int64_t> WholeNumber(std::string_view text) {
    std::int64_t number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return number;
}

constexpr const char* ReportNames[] = {"code", "symbols", "symbols-full", "protocol", "trace", "docs"};

const Option Table[] = {
    {"--mode", "M", Command::Run, "Testmodus: 0 'Ohne Halt' (Vorgabe), 1 'Fehlerhalt', 2 'Schrittweise'",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         const auto mode = WholeNumber(v);
         if (!mode || *mode < 0 || *mode > 2) return "--mode erwartet 0, 1 oder 2";
         o.mode = static_cast<std::int32_t>(*mode);
         return std::nullopt;
     }},
    {"--break", "N", Command::Run,
     "vor dem Befehl der Zeile N anhalten (Zeilennummer wie in der Assemblerfehlerliste; mehrfach möglich)",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         const auto line = WholeNumber(v);
         if (!line || *line < 1 || *line > std::numeric_limits<std::int32_t>::max())
             return "--break erwartet eine Zeilennummer ab 1";
         o.breakLines.insert(static_cast<std::int32_t>(*line));
         return std::nullopt;
     }},
    {"--report", "NAME", Command::Run, "nach dem Lauf ausgeben: code, symbols, symbols-full, protocol, trace, docs",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         for (std::string_view name : ReportNames) {
             if (v != name) continue;
             o.reports.emplace_back(v);
             return std::nullopt;
         }
         return "unbekannter Report: " + std::string(v);
     }},
    {"--max-steps", "N", Command::Run, "Abbruch nach N Befehlen",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         const auto steps = WholeNumber(v);
         if (!steps || *steps < 1) return "--max-steps erwartet eine positive ganze Zahl";
         o.maxSteps = *steps;
         return std::nullopt;
     }},
    {"--quiet", nullptr, Command::Run, "keine Befehlsprotokolle bei Halten",
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.quiet = true;
         return std::nullopt;
     }},
    {"--test", "PRUEFDATEI", Command::Test, "die Fälle der Prüfdatei prüfen; DATEI ersetzt ihr programm",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         if (v.empty()) return "--test erwartet eine Prüfdatei";
         o.testFile = v;
         return std::nullopt;
     }},
    {"--junit", "DATEI", Command::Test, "das Prüfergebnis zusätzlich als JUnit-XML in DATEI schreiben",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         if (v.empty()) return "--junit erwartet einen Dateinamen";
         o.junitFile = v;
         return std::nullopt;
     }},
    {"--jobs", "N", Command::Test, "N Fälle gleichzeitig prüfen (Vorgabe: einer je Prozessorkern)",
     [](Options& o, std::string_view v) -> std::optional<std::string> {
         const auto jobs = WholeNumber(v);
         if (!jobs || *jobs < 1 || *jobs > 256) return "--jobs erwartet eine ganze Zahl von 1 bis 256";
         o.jobs = static_cast<unsigned>(*jobs);
         return std::nullopt;
     }},
    {"--stats", nullptr, Command::Any, "Befehlszahl (mit --test: Zahl der Fälle) und Laufzeit ausgeben",
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.stats = true;
         return std::nullopt;
     }},
    {"--help", nullptr, Command::Any, "diese Hilfe ausgeben",
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.help = true;
         return std::nullopt;
     }},
    {"--version", nullptr, Command::Any, "die Version ausgeben",
     [](Options& o, std::string_view) -> std::optional<std::string> {
         o.version = true;
         return std::nullopt;
     }},
};

const Option* Find(std::string_view name) {
    for (const Option& option : Table)
        if (name == option.name) return &option;
    return nullptr;
}

std::optional<Options> Fail(const std::string& why) {
    std::fprintf(stderr, "zekrun: %s\n%s", why.c_str(), Usage);
    return std::nullopt;
}

// An option of the other command than the one given.
std::optional<std::string> Misplaced(const std::vector<const Option*>& given, bool testing) {
    for (const Option* option : given) {
        if (option->command == Command::Run && testing)
            return std::string(option->name) + " gilt nicht zusammen mit --test";
        if (option->command == Command::Test && !testing) return std::string(option->name) + " gilt nur mit --test";
    }
    return std::nullopt;
}

}  // namespace

std::optional<Options> ParseArguments(int argc, char** argv) {
    Options options;
    std::vector<const Option*> given;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const Option* option = Find(arg);
        if (!option && arg.size() > 1 && arg[0] == '-') return Fail("unbekannte Option: " + std::string(arg));
        if (!option) {
            if (!options.file.empty()) return Fail("nur eine Programmdatei erlaubt");
            options.file = arg;
            continue;
        }
        if (option->value && i + 1 >= argc) return Fail("Wert fehlt nach " + std::string(arg));
        if (auto error = option->apply(options, option->value ? argv[++i] : "")) return Fail(*error);
        given.push_back(option);
    }
    if (options.help || options.version) return options;
    const bool testing = !options.testFile.empty();
    if (auto error = Misplaced(given, testing)) return Fail(*error);
    if (!testing && options.file.empty()) return Fail("Programmdatei fehlt");
    return options;
}

std::string HelpText() {
    std::string text = Usage;
    text += "Optionen:\n";
    for (const Option& option : Table) {
        std::string name = option.name;
        if (option.value) name += std::string(" ") + option.value;
        text += "  " + zek::PadRight(name, 18) + " " + option.description + "\n";
    }
    return text;
}

}  // namespace zekrun

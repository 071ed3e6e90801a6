#include "core/exercise/ExerciseParser.h"

#include <cmath>
#include <initializer_list>

#include "core/base/Encoding1252.h"

// The test file is only read, never written back.
#define TOML_ENABLE_FORMATTERS 0
#include <toml++/toml.h>

namespace zek {
namespace {

// A fault of the file; thrown inside the parser, returned as an
// ExerciseFileError at its entry.
struct InvalidFile {
    ExerciseFileError error;
};

[[noreturn]] void Fail(const toml::source_region& where, std::string_view utf8Message) {
    throw InvalidFile{{Utf8To1252(utf8Message), where.begin.line, where.begin.column}};
}

std::string Quoted(std::string_view key) {
    std::string quoted(1, '"');
    quoted.append(key).push_back('"');
    return quoted;
}

// The per-file settings that a case may override.
struct Limits {
    std::int64_t maxSteps = 1000000;
    double tolerance = 1e-9;
    std::int32_t mode = 0;
};

// Fails at the first key of `table`, in the order of the file, that is not in `known`.
void RejectUnknownKeys(const toml::table& table, std::initializer_list<std::string_view> known,
                       std::string_view where) {
    const toml::key* first = nullptr;
    for (const auto& [key, node] : table) {
        bool isKnown = false;
        for (std::string_view name : known) isKnown = isKnown || key.str() == name;
        if (isKnown) continue;
        const auto& at = key.source().begin;
        if (!first || at.line < first->source().begin.line ||
            (at.line == first->source().begin.line && at.column < first->source().begin.column))
            first = &key;
    }
    if (first) Fail(first->source(), "unbekannter Schlüssel " + Quoted(first->str()) + std::string(where));
}

const std::string& Utf8Text(const toml::node& node, std::string_view key) {
    const auto* text = node.as_string();
    if (!text) Fail(node.source(), Quoted(key) + " muss ein Text sein");
    return text->get();
}

std::string Text(const toml::node& node, std::string_view key) { return Utf8To1252(Utf8Text(node, key)); }

// A text that stands for lines: CR LF and LF alike.
std::string LinesText(const toml::node& node, std::string_view key) { return WithLfLineEnds(Text(node, key)); }

std::vector<std::string> Texts(const toml::node& node, std::string_view key) {
    const auto* array = node.as_array();
    if (!array) Fail(node.source(), Quoted(key) + " muss eine Liste von Texten sein");
    std::vector<std::string> texts;
    for (const toml::node& element : *array) {
        if (!element.is_string()) Fail(element.source(), Quoted(key) + " muss eine Liste von Texten sein");
        texts.push_back(LinesText(element, key));
    }
    return texts;
}

double Number(const toml::node& node, std::string_view what) {
    if (const auto* integer = node.as_integer()) return static_cast<double>(integer->get());
    if (const auto* floating = node.as_floating_point()) return floating->get();
    Fail(node.source(), std::string(what) + " muss eine Zahl sein");
}

// A whole number within [low, high]; a float with an integral value counts (1e6).
std::int64_t WholeNumber(const toml::node& node, std::string_view key, std::int64_t low, std::int64_t high) {
    const std::string range =
        Quoted(key) + " muss zwischen " + std::to_string(low) + " und " + std::to_string(high) + " liegen";
    std::int64_t whole = 0;
    if (const auto* integer = node.as_integer()) {
        whole = integer->get();
    } else if (const auto* floating = node.as_floating_point();
               floating && floating->get() == std::floor(floating->get())) {
        if (!(std::fabs(floating->get()) <= 1e18)) Fail(node.source(), range);
        whole = static_cast<std::int64_t>(floating->get());
    } else {
        Fail(node.source(), Quoted(key) + " muss eine ganze Zahl sein");
    }
    if (whole < low || whole > high) Fail(node.source(), range);
    return whole;
}

const toml::table& Table(const toml::node& node, std::string_view key) {
    const auto* table = node.as_table();
    if (!table) Fail(node.source(), Quoted(key) + " muss eine Tabelle sein");
    return *table;
}

// Reads max_schritte, toleranz or modus into `limits`; false for any other key.
bool ReadLimit(std::string_view key, const toml::node& node, Limits& limits) {
    if (key == "max_schritte") {
        limits.maxSteps = WholeNumber(node, key, 1, 1'000'000'000'000'000);
    } else if (key == "toleranz") {
        limits.tolerance = Number(node, Quoted(key));
        if (!(limits.tolerance >= 0)) Fail(node.source(), Quoted(key) + " darf nicht negativ sein");
    } else if (key == "modus") {
        limits.mode = static_cast<std::int32_t>(WholeNumber(node, key, 0, 2));
    } else {
        return false;
    }
    return true;
}

// A plain file name: no directory part, so that every file stays in the case's directory.
std::string FileName(const toml::key& key) {
    const std::string_view name = key.str();
    if (name.empty() || name == "." || name == ".." || name.find_first_of(std::string_view("/\\\0", 3)) != name.npos)
        Fail(key.source(), "ungültiger Dateiname " + Quoted(name) + ": erlaubt ist nur ein Name ohne Verzeichnis");
    return Utf8To1252(name);
}

std::vector<ExerciseFile> Files(const toml::node& node, std::string_view key) {
    std::vector<ExerciseFile> files;
    for (const auto& [name, content] : Table(node, key)) files.push_back({FileName(name), LinesText(content, key)});
    return files;
}

std::vector<ExpectedSymbol> Symbols(const toml::node& node) {
    std::vector<ExpectedSymbol> symbols;
    for (const auto& [name, value] : Table(node, "symbole"))
        symbols.push_back({Utf8To1252(name.str()), Number(value, "der Wert von " + Quoted(name.str()))});
    return symbols;
}

void ReadCaseEntry(std::string_view key, const toml::node& node, ExerciseCase& c, Limits& limits) {
    if (key == "name")
        c.name = Text(node, key);
    else if (key == "eingabe")
        c.input = Texts(node, key);
    else if (key == "ausgabe")
        c.output = LinesText(node, key);
    else if (key == "enthaelt")
        c.contains = Texts(node, key);
    else if (key == "symbole")
        c.symbols = Symbols(node);
    else if (key == "ergebnis")
        c.result = static_cast<std::uint8_t>(WholeNumber(node, key, 0, 255));
    else if (key == "dateien")
        c.files = Files(node, key);
    else if (key == "erwartete_dateien")
        c.expectedFiles = Files(node, key);
    else
        ReadLimit(key, node, limits);
}

ExerciseCase Case(const toml::node& node, Limits limits) {
    const toml::table& table = Table(node, "fall");
    RejectUnknownKeys(table,
                      {"name", "eingabe", "ausgabe", "enthaelt", "symbole", "ergebnis", "dateien", "erwartete_dateien",
                       "max_schritte", "toleranz", "modus"},
                      " in [[fall]]");
    ExerciseCase c;
    for (const auto& [key, value] : table) ReadCaseEntry(key.str(), value, c, limits);
    if (c.name.empty()) Fail(table.source(), "jeder Fall braucht einen \"name\", der nicht leer ist");
    c.maxSteps = limits.maxSteps;
    c.tolerance = limits.tolerance;
    c.mode = limits.mode;
    return c;
}

Exercise ReadExercise(const toml::table& root) {
    RejectUnknownKeys(root, {"titel", "programm", "max_schritte", "toleranz", "modus", "fall"}, "");
    Exercise exercise;
    Limits limits;
    for (const auto& [key, node] : root) {
        if (key.str() == "titel")
            exercise.title = Text(node, key.str());
        else if (key.str() == "programm")
            exercise.program = Utf8Text(node, key.str());
        else if (key.str() != "fall")
            ReadLimit(key.str(), node, limits);
    }
    const toml::node* cases = root.get("fall");
    if (!cases) Fail(root.source(), "keine Fälle: die Prüfdatei braucht mindestens einen [[fall]]");
    if (!cases->is_array_of_tables()) Fail(cases->source(), "\"fall\" muss eine Liste von Tabellen sein ([[fall]])");
    for (const toml::node& node : *cases->as_array()) exercise.cases.push_back(Case(node, limits));
    return exercise;
}

}  // namespace

ParsedExercise ParseExercise(std::string_view utf8) {
    ParsedExercise parsed;
    try {
        parsed.exercise = ReadExercise(toml::parse(utf8));
    } catch (const toml::parse_error& error) {
        parsed.error = ExerciseFileError{"Syntaxfehler: " + Utf8To1252(error.description()), error.source().begin.line,
                                         error.source().begin.column};
    } catch (const InvalidFile& invalid) {
        parsed.error = invalid.error;
    }
    return parsed;
}

std::string DescribeFileError(const ExerciseFileError& error) {
    return "Zeile " + std::to_string(error.line) + ", Spalte " + std::to_string(error.column) + ": " + error.message;
}

}  // namespace zek

#include "core/exercise/ExerciseReport.h"

#include <algorithm>

#include "core/base/ErrorText.h"
#include "core/base/NumberFormat.h"

namespace zek {
namespace {

constexpr std::size_t ShownLength = 200;  // a runaway line is cut for the report

// A headline and the lines that explain it.
struct Explained {
    std::string headline;
    std::vector<std::string> details;
};

std::string Quoted(const std::string& text) {
    if (text.size() <= ShownLength) return "\"" + text + "\"";
    return "\"" + text.substr(0, ShownLength) + "\" ...";
}

std::string Code(std::uint8_t code) {
    std::string text = std::to_string(code);
    if (code != 0) text += " (" + ErrorText(code) + ")";
    return text;
}

// One side of a line difference: the line, or the end of the text.
std::string Side(const std::optional<std::string>& line, bool broken, bool breakMatters, const char* end) {
    if (!line) return end;
    if (!breakMatters) return Quoted(*line);
    return Quoted(*line) + (broken ? " mit Zeilenende" : " ohne Zeilenende");
}

std::vector<std::string> DifferenceLines(const LineDifference& difference, const char* end) {
    const bool breakMatters = difference.expected && difference.got && *difference.expected == *difference.got;
    return {"erwartet: " + Side(difference.expected, difference.expectedBreak, breakMatters, end),
            "erhalten: " + Side(difference.got, difference.gotBreak, breakMatters, end)};
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == text.npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

Explained Explain(const AssemblyFailed& m) {
    return {"Assemblierung fehlgeschlagen (Fehlercode " + std::to_string(m.code) + ")", SplitLines(m.errorLines)};
}
Explained Explain(const StepLimitReached& m) {
    return {"Schrittgrenze von " + std::to_string(m.limit) + " Befehlen erreicht", {}};
}
Explained Explain(const WrongResult& m) {
    return {"Ergebniscode falsch", {"erwartet: " + Code(m.expected), "erhalten: " + Code(m.got)}};
}
Explained Explain(const OutputDiffers& m) {
    return {"Ausgabe weicht in Zeile " + std::to_string(m.difference.line) + " ab",
            DifferenceLines(m.difference, "(Ende der Ausgabe)")};
}
Explained Explain(const TextMissing& m) {
    std::string expected = "erwartet: " + Quoted(m.text);
    if (!m.previous.empty()) expected += " nach " + Quoted(m.previous);
    return {m.elsewhere ? "Text steht an falscher Stelle der Ausgabe" : "Text fehlt in der Ausgabe", {expected}};
}
Explained Explain(const WrongSymbol& m) {
    if (!m.got) return {"Symbol " + m.name + " fehlt in der Symboltabelle", {}};
    return {"Symbol " + m.name + " falsch",
            {"erwartet: " + GeneralNumber(m.expected), "erhalten: " + GeneralNumber(*m.got)}};
}
Explained Explain(const FileMissing& m) { return {"Datei " + m.name + " fehlt", {}}; }
Explained Explain(const FileDiffers& m) {
    return {"Datei " + m.name + " weicht in Zeile " + std::to_string(m.difference.line) + " ab",
            DifferenceLines(m.difference, "(Ende der Datei)")};
}
Explained Explain(const SetupFailed& m) { return {"Fall nicht vorbereitet: " + m.description, {}}; }

Explained Explain(const Mismatch& mismatch) {
    return std::visit([](const auto& m) { return Explain(m); }, mismatch);
}

}  // namespace

std::string FailureReason(const CaseResult& result) {
    return result.mismatches.empty() ? std::string() : Explain(result.mismatches.front()).headline;
}

std::vector<std::string> FailureDetails(const CaseResult& result) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < result.mismatches.size(); ++i) {
        const Explained explained = Explain(result.mismatches[i]);
        if (i > 0) lines.push_back(explained.headline);
        for (const std::string& detail : explained.details) lines.push_back("  " + detail);
    }
    if (!result.mismatches.empty() && result.inputExhausted)
        lines.push_back("Eingabe ersch\xF6pft nach " + std::to_string(result.inputLinesRead) +
                        (result.inputLinesRead == 1 ? " Zeile" : " Zeilen") + ": Lauf abgebrochen (Ergebniscode 90)");
    return lines;
}

std::vector<std::string> CaseReportLines(const CaseResult& result) {
    if (result.Passed()) return {"OK      " + result.name};
    std::vector<std::string> lines = {"FEHLER  " + result.name + ": " + FailureReason(result)};
    for (const std::string& detail : FailureDetails(result)) lines.push_back("        " + detail);
    return lines;
}

std::size_t PassedCount(const std::vector<CaseResult>& results) {
    return static_cast<std::size_t>(
        std::count_if(results.begin(), results.end(), [](const CaseResult& r) { return r.Passed(); }));
}

std::string SummaryLine(const std::vector<CaseResult>& results) {
    const std::size_t passed = PassedCount(results);
    return std::to_string(passed) + " bestanden, " + std::to_string(results.size() - passed) + " fehlgeschlagen";
}

}  // namespace zek

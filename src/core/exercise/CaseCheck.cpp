#include "core/exercise/CaseCheck.h"

#include <algorithm>
#include <cmath>

namespace zek {
namespace {

// Line `index` (from 0) of a text: its content and whether a line break ends it.
struct Line {
    std::string_view text;
    bool broken = false;
};

std::vector<Line> LinesOf(std::string_view text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == text.npos) {
            lines.push_back({text.substr(start), false});
            break;
        }
        lines.push_back({text.substr(start, end - start), true});
        start = end + 1;
    }
    return lines;
}

std::optional<Mismatch> CheckTexts(const std::vector<std::string>& texts, std::string_view output) {
    std::size_t from = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::size_t at = output.find(texts[i], from);
        if (at != output.npos) {
            from = at + texts[i].size();
            continue;
        }
        return TextMissing{texts[i], i > 0 ? texts[i - 1] : std::string(), output.find(texts[i]) != output.npos};
    }
    return std::nullopt;
}

void CheckSymbols(const ExerciseCase& c, const ZekState& state, std::vector<Mismatch>& mismatches) {
    for (const ExpectedSymbol& symbol : c.symbols) {
        const std::int32_t address = state.Symbols.Find(symbol.name);
        if (address < 0) {
            mismatches.push_back(WrongSymbol{symbol.name, symbol.value, std::nullopt});
            continue;
        }
        const double got = state.Symbols[address].value;
        if (!(std::fabs(got - symbol.value) <= c.tolerance * std::max(1.0, std::fabs(symbol.value))))
            mismatches.push_back(WrongSymbol{symbol.name, symbol.value, got});
    }
}

void CheckFiles(const ExerciseCase& c, const CaseDirectory& directory, std::vector<Mismatch>& mismatches) {
    for (const ExerciseFile& file : c.expectedFiles) {
        const std::optional<std::string> bytes = directory.Read(file.name);
        if (!bytes) {
            mismatches.push_back(FileMissing{file.name});
        } else if (auto difference = FirstDifference(file.content, WithLfLineEnds(*bytes))) {
            mismatches.push_back(FileDiffers{file.name, *difference});
        }
    }
}

}  // namespace

std::optional<LineDifference> FirstDifference(std::string_view expected, std::string_view got) {
    if (expected == got) return std::nullopt;
    const std::vector<Line> want = LinesOf(expected);
    const std::vector<Line> have = LinesOf(got);
    std::size_t i = 0;
    while (i < want.size() && i < have.size() && want[i].text == have[i].text && want[i].broken == have[i].broken) ++i;
    LineDifference difference;
    difference.line = static_cast<std::int64_t>(i) + 1;
    if (i < want.size()) {
        difference.expected = std::string(want[i].text);
        difference.expectedBreak = want[i].broken;
    }
    if (i < have.size()) {
        difference.got = std::string(have[i].text);
        difference.gotBreak = have[i].broken;
    }
    return difference;
}

std::vector<Mismatch> CheckExpectations(const ExerciseCase& c, const ZekState& state, const CaseDirectory& directory) {
    std::vector<Mismatch> mismatches;
    if (c.result && *c.result != state.ErrorCode) mismatches.push_back(WrongResult{*c.result, state.ErrorCode});
    const std::string output = WithLfLineEnds(state.OutputText);
    if (c.output) {
        if (auto difference = FirstDifference(*c.output, output)) mismatches.push_back(OutputDiffers{*difference});
    }
    if (auto missing = CheckTexts(c.contains, output)) mismatches.push_back(*missing);
    CheckSymbols(c, state, mismatches);
    CheckFiles(c, directory, mismatches);
    return mismatches;
}

}  // namespace zek

#include "core/assembler/SourceReader.h"

namespace zek {
namespace {

constexpr char Continuation = '\xB6';

// Tabs become blanks, runs of blanks one blank, both ends trimmed.
void CollapseBlanks(std::string_view line, std::string& out) {
    out.clear();
    for (char c : line) {
        if (c == '\t') c = ' ';
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
}

// Physical lines (separated by CR LF only) joined into logical lines; each
// physical line is numbered in `map` when one is given.
std::vector<std::string> JoinPhysicalLines(std::string_view source, SourceMap* map) {
    std::vector<std::string> lines;
    std::string s;
    bool continues = false;
    std::size_t start = 0;
    while (start < source.size()) {
        std::size_t end = source.find("\r\n", start);
        if (end == std::string_view::npos) end = source.size();
        CollapseBlanks(source.substr(start, end - start), s);
        start = end + 2;
        const bool endsWithContinuation = !s.empty() && s.back() == Continuation;
        if (map) map->AddPhysicalLine(s.empty(), endsWithContinuation);
        if (s.empty()) continue;  // an empty line neither counts nor ends a continuation

        std::string_view t(s);
        if (endsWithContinuation) t.remove_suffix(1);
        if (continues)
            lines.back().append(t);
        else
            lines.emplace_back(t);
        continues = endsWithContinuation;
    }
    return lines;
}

// Cuts the comment and turns the short label form «m:» into «_lab m».
void ApplyCommentAndLabel(std::string& line) {
    if (const std::size_t comment = line.find(';'); comment != std::string::npos) line.erase(comment);
    if (line.empty()) return;
    const std::size_t firstBlank = line.find(' ');
    const std::string_view firstToken = std::string_view(line).substr(0, firstBlank);
    if (!firstToken.empty() && firstToken.back() == ':')
        line = "_lab " + std::string(firstToken.substr(0, firstToken.size() - 1));
}

}  // namespace

std::vector<std::string> ReadSourceLines(std::string_view source) {
    std::vector<std::string> lines = JoinPhysicalLines(source, nullptr);
    for (std::string& line : lines) ApplyCommentAndLabel(line);
    return lines;
}

std::vector<std::string> ReadSourceLines(std::string_view source, SourceMap& map) {
    map.Clear();
    std::vector<std::string> lines = JoinPhysicalLines(source, &map);
    for (std::string& line : lines) ApplyCommentAndLabel(line);
    return lines;
}

SourceMap NumberSourceLines(std::string_view source) {
    SourceMap map;
    std::size_t start = 0;
    while (start < source.size()) {
        std::size_t end = source.find("\r\n", start);
        if (end == std::string_view::npos) end = source.size();
        const PhysicalLineShape shape = ShapeOfPhysicalLine(source.substr(start, end - start));
        map.AddPhysicalLine(shape.blank, shape.continued);
        start = end + 2;
    }
    return map;
}

std::string SourceTextFromBytes(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + 2);
    std::size_t start = 0;
    // A plain loop: find_first_of would search the set of breaks for every byte.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        text.append(bytes.substr(start, i - start)).append("\r\n");
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) text.append(bytes.substr(start)).append("\r\n");
    return text;
}

bool IsSourceText(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) return false;
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
    }
    return bytes.empty() || bytes.ends_with("\r\n");
}

}  // namespace zek

#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/store/SourceMap.h"

namespace zek {

// Splits a source text (lines separated by CR LF) into logical lines:
// continuations with a final "\xB6" ("¶"), comments after ";", the short
// label form «name:». Entries may be empty; their index + 1 is the line number.
std::vector<std::string> ReadSourceLines(std::string_view source);

// The same, and numbers the physical lines of `source` in `map` (which it
// clears first).
std::vector<std::string> ReadSourceLines(std::string_view source, SourceMap& map);

// What the numbering needs to know of one physical line (without CR LF):
// whether it holds only blanks and tabs, and whether it ends in "¶" once
// trimmed. The line may be Windows-1252 bytes or UTF-16 code units: the
// characters that count are the same code in both.
struct PhysicalLineShape {
    bool blank = true;
    bool continued = false;
};
template <typename Char>
PhysicalLineShape ShapeOfPhysicalLine(std::basic_string_view<Char> line) {
    const auto code = [](Char c) { return static_cast<std::uint32_t>(static_cast<std::make_unsigned_t<Char>>(c)); };
    std::size_t end = line.size();
    while (end > 0 && (code(line[end - 1]) == ' ' || code(line[end - 1]) == '\t')) --end;
    return {end == 0, end > 0 && code(line[end - 1]) == 0xB6};
}
inline PhysicalLineShape ShapeOfPhysicalLine(std::string_view line) { return ShapeOfPhysicalLine<char>(line); }

// The line numbering of a source text alone, as ReadSourceLines counts its
// entries, without reading the lines themselves.
SourceMap NumberSourceLines(std::string_view source);

// The source text of a file's bytes: CR LF, a lone CR and a lone LF each end
// a line; the text is the lines, each followed by CR LF. So a last line
// without a break gets one, and an empty file gives an empty text.
std::string SourceTextFromBytes(std::string_view bytes);
// True when `bytes` already are such a text (every break CR LF, one last).
bool IsSourceText(std::string_view bytes);

}  // namespace zek

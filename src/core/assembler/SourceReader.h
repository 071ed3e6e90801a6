#pragma once
#include <string>
#include <string_view>
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
// trimmed.
struct PhysicalLineShape {
    bool blank = true;
    bool continued = false;
};
PhysicalLineShape ShapeOfPhysicalLine(std::string_view line);

// The line numbering of a source text alone, as ReadSourceLines counts its
// entries, without reading the lines themselves.
SourceMap NumberSourceLines(std::string_view source);

// The source text of a file's bytes: CR LF, a lone CR and a lone LF each end
// a line; the text is the lines, each followed by CR LF. So a last line
// without a break gets one, and an empty file gives an empty text.
std::string SourceTextFromBytes(std::string_view bytes);

}  // namespace zek

#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zek {

// Splits a source text (lines separated by CR LF) into logical lines:
// continuations with a final "\xB6" ("¶"), comments after ";", the short
// label form «name:». Entries may be empty; their index + 1 is the line number.
std::vector<std::string> ReadSourceLines(std::string_view source);

}  // namespace zek

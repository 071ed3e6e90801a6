#pragma once
#include <string>

namespace zek {

// The built-in reference manual (Windows-1252, lines ending with CR LF).
const std::string& DocumentationText();

}  // namespace zek

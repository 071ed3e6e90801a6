#pragma once
#include <string>
#include <string_view>

namespace zek {

inline constexpr std::string_view DialogLineBreak = "\r\n";
inline constexpr std::string_view OneLineBreak = " / ";
inline constexpr std::string_view ProgramNameLineBreak = " - ";

// A name read as a text: "~" becomes a blank, then "\" becomes `lineBreak`.
std::string TextOf(std::string_view name, std::string_view lineBreak);

// A name reduced to a file-name stem of the same length: a-z, 0-9 and
// "$_()" stay, A-Z are lowered, every other character becomes "_".
std::string FileNameOf(std::string_view name);

}  // namespace zek

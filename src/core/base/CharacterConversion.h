#pragma once
#include <string>
#include <string_view>

namespace zek {

// Umlauts and special characters from Windows-1252 to code page 437/850.
std::string ConvertInDOS(std::string_view text);
// And back; also DOS line characters 196 and 205 to "-" and "=".
std::string ConvertInWin(std::string_view text);

}  // namespace zek

#pragma once
// Case conversion of Windows-1252 text (one character, one byte).

#include <string>
#include <string_view>

namespace zek {

inline char ToLower1252(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) return static_cast<char>(b + 0x20);
    switch (b) {
        case 0x8A: return static_cast<char>(0x9A);  // Š
        case 0x8C: return static_cast<char>(0x9C);  // Œ
        case 0x8E: return static_cast<char>(0x9E);  // Ž
        case 0x9F: return static_cast<char>(0xFF);  // Ÿ
        default: return c;
    }
}

inline char ToUpper1252(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) return static_cast<char>(b - 0x20);
    switch (b) {
        case 0x9A: return static_cast<char>(0x8A);
        case 0x9C: return static_cast<char>(0x8C);
        case 0x9E: return static_cast<char>(0x8E);
        case 0xFF: return static_cast<char>(0x9F);
        default: return c;
    }
}

inline std::string ToLower1252(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = ToLower1252(c);
    return result;
}

inline std::string ToUpper1252(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = ToUpper1252(c);
    return result;
}

}  // namespace zek

#pragma once
// Windows-1252, the single-byte code page of ZEK's texts and files, and its
// mapping to Unicode. The five bytes undefined in the code page (81, 8D, 8F,
// 90, 9D) stand for the control characters with the same numbers.

#include <string>
#include <string_view>

namespace zek {

// Unicode code point of a Windows-1252 byte.
char32_t CodePointOf1252(unsigned char byte);

// Windows-1252 byte of a code point, or -1 when the code page lacks it.
int ByteOf1252(char32_t codePoint);

// Byte written for a character the code page cannot represent.
inline constexpr char ReplacementByte1252 = '?';

std::string Utf8From1252(std::string_view text);
// Invalid UTF-8 and unrepresentable characters become ReplacementByte1252.
std::string Utf8To1252(std::string_view utf8);

}  // namespace zek

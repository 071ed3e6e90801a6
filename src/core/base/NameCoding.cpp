#include "core/base/NameCoding.h"

namespace zek {

std::string TextOf(std::string_view name, std::string_view lineBreak) {
    std::string text;
    text.reserve(name.size());
    for (const char c : name) {
        if (c == '~')
            text += ' ';
        else if (c == '\\')
            text += lineBreak;
        else
            text += c;
    }
    return text;
}

namespace {

// Plain byte ranges: accented letters of the code page are not letters here.
char FileNameCharacter(char c) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return c;
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    switch (c) {
        case '$':
        case '_':
        case '(':
        case ')': return c;
        default: return '_';
    }
}

}  // namespace

std::string FileNameOf(std::string_view name) {
    std::string stem(name);
    for (char& c : stem) c = FileNameCharacter(c);
    return stem;
}

}  // namespace zek

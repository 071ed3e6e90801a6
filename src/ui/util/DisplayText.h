#pragma once
// The text of a read-only display box: Windows-1252 bytes with one "\n"
// between lines, and where each line starts. CR LF, a lone LF and a lone CR
// each end a line, as they do in Qt's text boxes. A position counts
// characters from the start of the text; a line break is one character.
// Texts longer than 2 GiB are cut there.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zek::ui {

class DisplayText {
public:
    DisplayText();  // the empty text: one empty line
    explicit DisplayText(std::string text);

    std::size_t size() const { return text_.size(); }
    std::size_t LineCount() const { return lineStarts_.size(); }
    std::size_t LineStart(std::size_t line) const { return lineStarts_[line]; }
    // Where the line's break stands, or the end of the text for the last line.
    std::size_t LineEnd(std::size_t line) const;
    // The line that holds `position` (a line break belongs to the line it ends).
    std::size_t LineOf(std::size_t position) const;

    char At(std::size_t position) const { return text_[position]; }
    // The characters from `from` up to `to`, both clamped to the text.
    std::string_view Chars(std::size_t from, std::size_t to) const;
    // The text with CR LF between lines, as the core writes its texts.
    std::string WithCrLf() const;

private:
    std::string text_;
    std::vector<std::uint32_t> lineStarts_;
};

}  // namespace zek::ui

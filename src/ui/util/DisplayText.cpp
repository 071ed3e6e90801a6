#include "ui/util/DisplayText.h"

#include <algorithm>
#include <cstring>

namespace zek::ui {

DisplayText::DisplayText() : lineStarts_{0} {}

namespace {

// Positions are Qt's ints.
constexpr std::size_t MaximumSize = 0x7FFFFFFF;

// Every line break becomes one "\n", in place: the text is moved forward
// from one CR to the next, which memchr finds quickly in long texts.
void JoinLinesWithNewlines(std::string& text) {
    char* data = text.data();
    const std::size_t size = text.size();
    std::size_t in = 0;
    std::size_t out = 0;
    while (in < size) {
        const void* found = std::memchr(data + in, '\r', size - in);
        const std::size_t cr = found ? static_cast<std::size_t>(static_cast<const char*>(found) - data) : size;
        std::memmove(data + out, data + in, cr - in);
        out += cr - in;
        if (cr == size) break;
        data[out++] = '\n';
        in = cr + ((cr + 1 < size && data[cr + 1] == '\n') ? 2 : 1);
    }
    text.resize(out);
}

}  // namespace

DisplayText::DisplayText(std::string text) : text_(std::move(text)), lineStarts_{0} {
    if (text_.size() > MaximumSize) text_.resize(MaximumSize);
    JoinLinesWithNewlines(text_);
    const char* const begin = text_.data();
    const char* const end = begin + text_.size();
    for (const char* at = begin; (at = static_cast<const char*>(std::memchr(at, '\n', end - at))) != nullptr; ++at)
        lineStarts_.push_back(static_cast<std::uint32_t>(at + 1 - begin));
}

std::size_t DisplayText::LineEnd(std::size_t line) const {
    return line + 1 < lineStarts_.size() ? lineStarts_[line + 1] - 1 : text_.size();
}

std::size_t DisplayText::LineOf(std::size_t position) const {
    return static_cast<std::size_t>(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), position) -
                                    lineStarts_.begin()) -
           1;
}

std::string_view DisplayText::Chars(std::size_t from, std::size_t to) const {
    from = std::min(from, text_.size());
    to = std::clamp(to, from, text_.size());
    return std::string_view(text_).substr(from, to - from);
}

std::string DisplayText::WithCrLf() const {
    std::string result;
    result.reserve(text_.size() + lineStarts_.size());
    for (std::size_t line = 0; line < lineStarts_.size(); ++line) {
        if (line > 0) result += "\r\n";
        result.append(text_, lineStarts_[line], LineEnd(line) - lineStarts_[line]);
    }
    return result;
}

}  // namespace zek::ui

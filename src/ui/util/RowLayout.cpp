#include "ui/util/RowLayout.h"

#include <algorithm>
#include <cmath>

namespace zek::ui {
namespace {

bool IsBlank(unsigned char c) { return c == ' ' || c == '\t'; }

}  // namespace

double CharWidths::Of(unsigned char c, double x) const {
    if (c != '\t' || tabDistance <= 0) return advance[c];
    return (std::floor(x / tabDistance) + 1) * tabDistance - x;
}

double CharWidths::Widest() const {
    double widest = 0;
    for (std::size_t c = 0; c < advance.size(); ++c)
        if (c != '\t') widest = std::max(widest, advance[c]);
    return widest;
}

void RowLayout::Build(const DisplayText& text, const CharWidths& widths, double width) {
    text_ = &text;
    widths_ = widths;
    rowStarts_.clear();
    rowStarts_.reserve(text.LineCount());
    widest_ = 0;
    // Most lines are measured by their length alone: only a line with a tab,
    // or one that may be too wide for a row, is measured character by character.
    const double widest = widths.Widest();
    for (std::size_t line = 0; line < text.LineCount(); ++line) {
        const std::size_t start = text.LineStart(line);
        const std::size_t end = text.LineEnd(line);
        const std::string_view chars = text.Chars(start, end);
        rowStarts_.push_back(static_cast<std::uint32_t>(start));
        const double bound =
            chars.find('\t') == std::string_view::npos ? static_cast<double>(chars.size()) * widest : WidthOf(chars);
        if (width > 0 && bound > width) {
            WrapLine(start, end, width);
            widest_ = std::max(widest_, width);
        } else {
            widest_ = std::max(widest_, bound);
        }
    }
}

double RowLayout::WidthOf(std::string_view chars) const {
    double x = 0;
    for (const char c : chars) x += widths_.Of(static_cast<unsigned char>(c), x);
    return x;
}

void RowLayout::WrapLine(std::size_t start, std::size_t end, double width) {
    std::size_t rowStart = start;
    std::size_t wordStart = start;  // the first character after the row's last blanks
    double x = 0;
    bool afterBlank = false;
    for (std::size_t i = start; i < end; ++i) {
        const auto c = static_cast<unsigned char>(text_->At(i));
        if (IsBlank(c)) {
            x += widths_.Of(c, x);
            afterBlank = true;
            continue;
        }
        if (afterBlank) wordStart = i;
        afterBlank = false;
        const double advance = widths_.advance[c];
        // A word that moves to the next row may not fit there either.
        while (x + advance > width && i > rowStart) {
            rowStart = wordStart > rowStart ? wordStart : i;
            rowStarts_.push_back(static_cast<std::uint32_t>(rowStart));
            wordStart = rowStart;
            x = WidthOf(text_->Chars(rowStart, i));
        }
        x += advance;
    }
}

std::size_t RowLayout::RowEnd(std::size_t row) const {
    if (row + 1 >= rowStarts_.size()) return text_->size();
    const std::size_t next = rowStarts_[row + 1];
    return text_->At(next - 1) == '\n' ? next - 1 : next;
}

std::size_t RowLayout::RowOf(std::size_t position) const {
    const auto after = std::upper_bound(rowStarts_.begin(), rowStarts_.end(), position);
    return static_cast<std::size_t>(after - rowStarts_.begin()) - 1;
}

bool RowLayout::EndsLine(std::size_t row) const {
    return row + 1 >= rowStarts_.size() || text_->At(rowStarts_[row + 1] - 1) == '\n';
}

double RowLayout::XOf(std::size_t row, std::size_t position) const {
    return WidthOf(text_->Chars(rowStarts_[row], position));
}

std::size_t RowLayout::PositionAt(std::size_t row, double x) const {
    const std::size_t end = RowEnd(row);
    double left = 0;
    for (std::size_t i = rowStarts_[row]; i < end; ++i) {
        const double advance = widths_.Of(static_cast<unsigned char>(text_->At(i)), left);
        if (x < left + advance / 2) return i;
        left += advance;
    }
    return end;
}

}  // namespace zek::ui

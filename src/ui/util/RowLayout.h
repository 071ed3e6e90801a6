#pragma once
// How the lines of a display text fall into rows on the screen: one row per
// line, or wrapped at the box width. A line wraps after a run of blanks
// (the blanks stay at the end of their row, beyond the width); a word wider
// than a row wraps after its last character that fits, and every row holds
// at least one character. Widths come from a table of advances per byte;
// a tab reaches the next multiple of the tab distance, counted from the
// row's start.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "ui/util/DisplayText.h"

namespace zek::ui {

struct CharWidths {
    std::array<double, 256> advance{};
    double tabDistance = 80;

    // The width of character `c` when it starts at `x` pixels from the row's start.
    double Of(unsigned char c, double x) const;
    // The widest advance of any character but the tab.
    double Widest() const;
};

class RowLayout {
public:
    // Lays out `text`, which must outlive the layout or the next Build, at
    // `width` pixels; a width of 0 or less wraps nothing.
    void Build(const DisplayText& text, const CharWidths& widths, double width);

    std::size_t RowCount() const { return rowStarts_.size(); }
    std::size_t RowStart(std::size_t row) const { return rowStarts_[row]; }
    // Where the row's characters end (before a line break).
    std::size_t RowEnd(std::size_t row) const;
    // The row that shows `position`; a position where a line wraps begins the next row.
    std::size_t RowOf(std::size_t position) const;
    // True when the row is the last one of its line.
    bool EndsLine(std::size_t row) const;

    // Pixels from the row's start to `position`, which lies in the row.
    double XOf(std::size_t row, std::size_t position) const;
    // The position in the row nearest to `x` pixels from its start.
    std::size_t PositionAt(std::size_t row, double x) const;
    // The widest line; without wrapping an upper bound for the text's width.
    double Widest() const { return widest_; }

private:
    double WidthOf(std::string_view chars) const;
    void WrapLine(std::size_t start, std::size_t end, double width);

    const DisplayText* text_ = nullptr;
    CharWidths widths_;
    std::vector<std::uint32_t> rowStarts_;
    double widest_ = 0;
};

}  // namespace zek::ui

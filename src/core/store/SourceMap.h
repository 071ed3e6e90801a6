#pragma once
// Where the lines of a source text went: its physical lines (the text split
// at CR LF, one editor line each), the Assembler's line numbers (a
// SourceLines entry's index + 1, as the error list counts them) and the code
// addresses. The source reader numbers the lines; the Assembler adds each
// instruction line's code address and the lines it listed as faulty.

#include <cstdint>
#include <string>
#include <vector>

namespace zek {

// One line of the Assembler's error list and the line number it names.
struct ListedError {
    std::int32_t line = 0;
    std::string text;  // the error list's line, without CR LF
};

class SourceMap {
public:
    static constexpr std::int32_t NoLine = 0;  // line numbers count from 1
    static constexpr std::int32_t NoAddress = -1;

    // Numbering, one call per physical line in order: `blank` for a line of
    // blanks and tabs only (it neither counts nor ends a continuation),
    // `continued` when the line ends in "¶" after trimming.
    void AddPhysicalLine(bool blank, bool continued);

    // The Assembler's results for line `line` (counted from 1).
    void SetCodeAddress(std::int32_t line, std::int32_t address);
    void AddError(std::int32_t line, std::string text);

    void Clear();

    std::int32_t PhysicalLineCount() const { return static_cast<std::int32_t>(lineOfPhysical_.size()); }
    std::int32_t LineCount() const { return static_cast<std::int32_t>(firstPhysical_.size()); }

    // The line a physical line belongs to (a continuation belongs to its
    // first line), NoLine for a blank physical line or one outside the text.
    std::int32_t LineOfPhysical(std::int32_t physical) const;
    // True for the physical line on which its line begins.
    bool StartsLine(std::int32_t physical) const;
    // The physical line on which line `line` begins, or -1.
    std::int32_t FirstPhysicalOf(std::int32_t line) const;

    std::int32_t CodeAddressOf(std::int32_t line) const;
    // The line whose instruction stands at `address`; NoLine for `init`, a
    // blank entry or an address outside the table.
    std::int32_t LineOfCodeAddress(std::int32_t address) const;

    const std::vector<ListedError>& Errors() const { return errors_; }

private:
    std::vector<std::int32_t> lineOfPhysical_;  // NoLine for blank physical lines
    std::vector<std::int32_t> firstPhysical_;   // by line - 1
    std::vector<std::int32_t> codeAddress_;     // by line - 1
    std::vector<std::int32_t> lineOfAddress_;   // by code address
    std::vector<ListedError> errors_;
    bool open_ = false;  // the last non-blank physical line ended in "¶"
};

}  // namespace zek

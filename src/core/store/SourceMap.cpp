#include "core/store/SourceMap.h"

#include <utility>

namespace zek {

void SourceMap::AddPhysicalLine(bool blank, bool continued) {
    if (blank) {
        lineOfPhysical_.push_back(NoLine);
        return;
    }
    if (!open_) {
        firstPhysical_.push_back(PhysicalLineCount());
        codeAddress_.push_back(NoAddress);
    }
    lineOfPhysical_.push_back(LineCount());
    open_ = continued;
}

void SourceMap::SetCodeAddress(std::int32_t line, std::int32_t address) {
    if (line < 1 || line > LineCount() || address < 0) return;
    codeAddress_[static_cast<std::size_t>(line - 1)] = address;
    if (static_cast<std::size_t>(address) >= lineOfAddress_.size())
        lineOfAddress_.resize(static_cast<std::size_t>(address) + 1, NoLine);
    lineOfAddress_[static_cast<std::size_t>(address)] = line;
}

void SourceMap::AddError(std::int32_t line, std::string text) { errors_.push_back({line, std::move(text)}); }

// Keeps the memory: the editor numbers its text again after many an edit.
void SourceMap::Clear() {
    lineOfPhysical_.clear();
    firstPhysical_.clear();
    codeAddress_.clear();
    lineOfAddress_.clear();
    errors_.clear();
    open_ = false;
}

std::int32_t SourceMap::LineOfPhysical(std::int32_t physical) const {
    if (physical < 0 || physical >= PhysicalLineCount()) return NoLine;
    return lineOfPhysical_[static_cast<std::size_t>(physical)];
}

bool SourceMap::StartsLine(std::int32_t physical) const {
    const std::int32_t line = LineOfPhysical(physical);
    return line != NoLine && firstPhysical_[static_cast<std::size_t>(line - 1)] == physical;
}

std::int32_t SourceMap::FirstPhysicalOf(std::int32_t line) const {
    if (line < 1 || line > LineCount()) return -1;
    return firstPhysical_[static_cast<std::size_t>(line - 1)];
}

std::int32_t SourceMap::CodeAddressOf(std::int32_t line) const {
    if (line < 1 || line > LineCount()) return NoAddress;
    return codeAddress_[static_cast<std::size_t>(line - 1)];
}

std::int32_t SourceMap::LineOfCodeAddress(std::int32_t address) const {
    if (address < 0 || static_cast<std::size_t>(address) >= lineOfAddress_.size()) return NoLine;
    return lineOfAddress_[static_cast<std::size_t>(address)];
}

}  // namespace zek

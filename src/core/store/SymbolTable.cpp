#include "core/store/SymbolTable.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace zek {
namespace {

// Splits "stem(k)" with k a plain decimal number (no sign, no leading zeros).
bool SplitElementName(std::string_view name, std::string_view& stem, std::int32_t& index) {
    if (name.size() < 3 || name.back() != ')') return false;
    const std::size_t open = name.rfind('(');
    if (open == std::string_view::npos) return false;
    const std::string_view digits = name.substr(open + 1, name.size() - open - 2);
    if (digits.empty() || digits.front() < '0' || digits.front() > '9') return false;
    if (digits.size() > 1 && digits.front() == '0') return false;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
    if (error != std::errc{} || end != digits.data() + digits.size()) return false;
    stem = name.substr(0, open);
    return true;
}

}  // namespace

std::uint32_t SymbolTable::HashOf(std::string_view name) { return static_cast<std::uint32_t>(NameHash{}(name)); }

// The slot that holds `name`, or the free slot where it belongs.
std::size_t SymbolTable::SlotOf(std::string_view name, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.address < 0) return i;
        if (slot.hash == hash && entries_[static_cast<std::size_t>(slot.address)].name == name) return i;
    }
}

void SymbolTable::GrowIndex(std::size_t nameCount) {
    std::size_t wanted = slots_.empty() ? 64 : slots_.size();
    while (wanted < 2 * nameCount) wanted *= 2;
    if (wanted == slots_.size()) return;

    std::vector<Slot> old(wanted);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.address < 0) continue;
        std::size_t i = slot.hash & mask;
        while (slots_[i].address >= 0) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

std::int32_t SymbolTable::FindSingle(std::string_view name) const {
    if (slots_.empty()) return -1;
    return slots_[SlotOf(name, HashOf(name))].address;
}

std::int32_t SymbolTable::FindElement(std::string_view name) const {
    std::string_view stem;
    std::int32_t index = 0;
    if (arrays_.empty() || !SplitElementName(name, stem, index)) return -1;
    const auto it = arrays_.find(stem);
    if (it == arrays_.end()) return -1;
    for (const ElementRange& range : it->second)
        if (index <= range.highestIndex) return range.first + index;
    return -1;
}

std::int32_t SymbolTable::Find(std::string_view name) const {
    const std::int32_t single = FindSingle(name);
    const std::int32_t element = FindElement(name);
    if (single < 0) return element;
    if (element < 0) return single;
    return std::min(single, element);
}

std::int32_t SymbolTable::Append(std::string name, double value, SymbolType type) {
    const auto address = size();
    GrowIndex(indexedNames_ + 1);
    const std::uint32_t hash = HashOf(name);
    Slot& slot = slots_[SlotOf(name, hash)];
    // A name already present keeps its lower address: first match wins.
    if (slot.address < 0) {
        slot = Slot{address, hash};
        ++indexedNames_;
    }
    entries_.push_back(Symbol{std::move(name), value, type});
    return address;
}

std::int32_t SymbolTable::AppendElements(const std::string& arrayName, std::int32_t highestIndex) {
    const auto first = size();
    const std::size_t needed = entries_.size() + static_cast<std::size_t>(highestIndex) + 1;
    if (needed > entries_.capacity()) entries_.reserve(std::max(needed, 2 * entries_.capacity()));
    std::string element = arrayName;
    element += '(';
    const std::size_t stem = element.size();
    char digits[16];
    for (std::int32_t k = 0; k <= highestIndex; ++k) {
        const auto length = static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, k).ptr - digits);
        element.resize(stem);
        element.append(digits, length);
        element += ')';
        entries_.push_back(Symbol{element, 0, SymbolType::ArrayElement});
    }
    // Ranges of one name are kept in address order, so the lowest wins.
    arrays_[arrayName].push_back(ElementRange{first, highestIndex});
    return first;
}

void SymbolTable::Clear() {
    entries_.clear();
    slots_.clear();
    indexedNames_ = 0;
    arrays_.clear();
}

}  // namespace zek

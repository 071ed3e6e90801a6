#pragma once
// The SymbolTable: dense symbol addresses from 0, entries only appended.
// A name index gives the lowest address that holds a name, which is exactly
// what a linear first-match search from address 0 would find.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zek {

struct Symbol {
    std::string name;   // exactly as entered, case-sensitive
    double value = 0;
    std::string type;   // "P" predefined, "A" array pointer, "E" array element, "" other
};

class SymbolTable {
public:
    static constexpr std::int32_t HighestPermittedAddress = 999999;

    std::int32_t size() const { return static_cast<std::int32_t>(entries_.size()); }
    std::int32_t HighestAddress() const { return size() - 1; }
    bool IsAddress(std::int64_t address) const { return address >= 0 && address < size(); }

    Symbol& operator[](std::int32_t address) { return entries_[static_cast<std::size_t>(address)]; }
    const Symbol& operator[](std::int32_t address) const { return entries_[static_cast<std::size_t>(address)]; }

    // Lowest address whose name equals `name` exactly, or -1.
    std::int32_t Find(std::string_view name) const;

    // Appends an entry and returns its address. A name that is already
    // present keeps its lower address in the index (first match wins).
    std::int32_t Append(std::string name, double value, std::string type);

    void Clear();
    void Reserve(std::size_t count);

private:
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };
    std::vector<Symbol> entries_;
    std::unordered_map<std::string, std::int32_t, NameHash, std::equal_to<>> index_;
};

}  // namespace zek

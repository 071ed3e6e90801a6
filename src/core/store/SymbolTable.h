#pragma once
// The SymbolTable: dense symbol addresses from 0, entries only appended.
// Find gives the lowest address that holds a name, which is exactly what a
// linear first-match search from address 0 would find: a hash index covers
// the single entries, and each array's elements are found by their index.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zek {

// What a symbol is besides a name with a value; the letter is the one the
// symbol table listings show.
enum class SymbolType : char { Plain = 0, Predefined = 'P', ArrayPointer = 'A', ArrayElement = 'E' };

// One symbol a cache line: the execution loop finds an operand's value with
// a single shift of its address.
struct alignas(64) Symbol {
    std::string name;  // exactly as entered, case-sensitive
    double value = 0;
    SymbolType type = SymbolType::Plain;
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
    std::int32_t Append(std::string name, double value, SymbolType type);

    // Appends the elements arrayName(0) ... arrayName(highestIndex), value 0,
    // type ArrayElement, without a uniqueness check, and returns the address of
    // arrayName(0). An earlier entry of an element's name is still found first.
    std::int32_t AppendElements(const std::string& arrayName, std::int32_t highestIndex);

    void Clear();

private:
    // Open addressing over the addresses of the first entry of each name;
    // the hash is kept with the address so that growing needs no rehashing.
    struct Slot {
        std::int32_t address = -1;  // -1: free
        std::uint32_t hash = 0;
    };
    struct ElementRange {
        std::int32_t first;  // address of name(0)
        std::int32_t highestIndex;
    };
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };

    static std::uint32_t HashOf(std::string_view name);
    std::size_t SlotOf(std::string_view name, std::uint32_t hash) const;
    void GrowIndex(std::size_t nameCount);
    std::int32_t FindSingle(std::string_view name) const;
    std::int32_t FindElement(std::string_view name) const;

    std::vector<Symbol> entries_;
    std::vector<Slot> slots_;  // size 0 or a power of two, at most half full
    std::size_t indexedNames_ = 0;
    std::unordered_map<std::string, std::vector<ElementRange>, NameHash, std::equal_to<>> arrays_;
};

}  // namespace zek

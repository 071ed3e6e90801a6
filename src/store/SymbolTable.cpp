#include "store/SymbolTable.h"

#include <utility>

namespace zek {

std::int32_t SymbolTable::Find(std::string_view name) const {
    const auto it = index_.find(name);
    return it == index_.end() ? -1 : it->second;
}

std::int32_t SymbolTable::Append(std::string name, double value, std::string type) {
    const auto address = size();
    // try_emplace leaves an existing entry alone, so the lowest address of a
    // name stays the one that is found.
    index_.try_emplace(name, address);
    entries_.push_back(Symbol{std::move(name), value, std::move(type)});
    return address;
}

void SymbolTable::Clear() {
    entries_.clear();
    index_.clear();
}

void SymbolTable::Reserve(std::size_t count) {
    entries_.reserve(count);
    index_.reserve(count);
}

}  // namespace zek

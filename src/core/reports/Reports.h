#pragma once
// The fixed-width text reports; every line ends with CR LF.

#include <string>

#include "core/store/WindowSystem.h"
#include "core/store/ZekState.h"

namespace zek {

std::string ExecutionProtocol(const ZekState& state);
std::string CodeTableListing(const ZekState& state);

// Standard (`full` false, without array elements) or full symbol table;
// reports its progress in the main window's message field.
std::string SymbolTableListing(const ZekState& state, WindowSystem& windows, bool full);

}  // namespace zek

#pragma once
#include <string>

namespace zek {

// A symbol value in exactly 7 characters for the code table listing.
std::string FormatTableValue(double value);

}  // namespace zek

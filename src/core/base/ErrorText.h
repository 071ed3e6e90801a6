#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace zek {

// Short German text of an error code. Codes without a text give
// "Unbekannter Fehler", followed by "/" and `faultDescription` when one is
// pending (the description of the most recent internal fault).
std::string ErrorText(std::uint8_t code, std::string_view faultDescription = {});

}  // namespace zek

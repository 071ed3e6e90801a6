#include "core/store/OpcodeTable.h"

#include <string>

#include "core/base/Text1252.h"

namespace zek {

std::int16_t LookupOpcode(std::string_view mnemonic) {
    // The key: the first 7 characters of the mnemonic filled up with "-".
    const std::string key = ToLower1252((std::string(mnemonic) + "------").substr(0, 7));
    for (const OpcodeEntry& entry : OpcodeTable)
        if (entry.key == key) return entry.group;
    return UnknownGroup;
}

Operation DecodeOperation(std::int16_t group, std::string_view mnemonic) {
    for (const OpcodeEntry& entry : OpcodeTable)
        if (entry.name == mnemonic && entry.dispatchGroup == group) return entry.operation;
    return Operation::Unknown;
}

}  // namespace zek

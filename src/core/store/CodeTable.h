#pragma once
// The CodeTable: one Instruction per code address; address 0 is the
// generated `init` line.

#include <cstdint>
#include <string>
#include <vector>

#include "core/store/OpcodeTable.h"

namespace zek {

struct Instruction {
    std::string mnemonic;       // lower case, without fill characters; empty for a blank entry
    std::int32_t operand1 = 0;  // symbol addresses; 0 is the empty symbol "."
    std::int32_t operand2 = 0;
    std::int32_t operand3 = 0;
    std::int16_t group = 0;  // group code from the OpcodeTable
    double executions = 0;   // run statistics of the last run
    double errors = 0;
    std::uint8_t lastErrorCode = 0;
    // Decoded from (group, mnemonic) by the Processor at the start of a run,
    // so that the cycle never compares strings.
    Operation operation = Operation::Unknown;
    // Set at the start of a run for the instruction of a breakpoint line.
    bool breakpoint = false;
};

using CodeTable = std::vector<Instruction>;

}  // namespace zek

#pragma once
// The loop registers of one instruction cycle, shared by the instruction
// families. Each instruction ends by setting NextIP and, on failure, the
// state's ErrorCode.

#include <cstdint>

#include "core/base/ErrorCodes.h"
#include "core/base/MachineConstants.h"
#include "core/store/CodeTable.h"
#include "core/store/WindowSystem.h"
#include "core/store/ZekState.h"

namespace zek {

struct Cycle {
    std::int32_t IP = 0;
    std::int32_t NextIP = -1;
    std::int32_t IC = 0;
    std::int32_t PutAddress = 0;  // symbol reported as written, for the range check; 0 none
    double ValueA = 0;            // operand values before the instruction
    double ValueB = 0;
    double ValueC = 0;
    bool ErrorHandled = false;
};

}  // namespace zek

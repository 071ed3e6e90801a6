#pragma once
// Group 6: the dialog, output-text and file instructions, one entry each.
// They share one signature, so that the loop calls each of them the same
// way, and like the rare instructions of Control.h they take the cycle's
// registers, set NextIP and leave their error in the state's ErrorCode.

#include "core/processor/Cycle.h"

namespace zek {

using DialogOrFileInstruction = void(ZekState&, WindowSystem&, const Instruction&, Cycle&);

// input a s, output a s, pause s: the I/O dialog. When it fails, NextIP
// stays at IP and the instruction runs again.
void ExecuteInput(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle);
void ExecuteOutput(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle);
void ExecutePause(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle);

// proof a s, info s: the one-line field Text1.
void ExecuteProof(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle);
void ExecuteInfo(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle);

// cls, printn a b c, prints s: the OutputText.
void ExecuteCls(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle);
void ExecutePrintn(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle);
void ExecutePrints(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle);

// read a b, write a b, save s: data files and the output-text file.
void ExecuteRead(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle);
void ExecuteWrite(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle);
void ExecuteSave(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle);

}  // namespace zek

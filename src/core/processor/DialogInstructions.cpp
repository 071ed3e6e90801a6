// The dialog and output-text instructions of group 6: input output pause
// proof info cls printn prints. The file instructions are in
// FileInstructions.cpp.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "core/base/NameCoding.h"
#include "core/base/NumberFormat.h"
#include "core/processor/Control.h"
#include "core/processor/DialogOrFileInstructions.h"

namespace zek {

namespace {

const std::string& NameAt(const ZekState& state, std::int32_t address) { return state.Symbols[address].name; }

// An operand used as a text: its name decoded; the empty text for a missing operand.
std::string TextOperand(const ZekState& state, std::int32_t address, std::string_view lineBreak) {
    if (address == 0) return {};
    return TextOf(NameAt(state, address), lineBreak);
}

// The dialog's answer; a dialog that cannot be shown, or breaks down while
// it is open, has failed.
IoAnswer Ask(WindowSystem& windows, const IoRequest& request) {
    try {
        return windows.ZEKDialog(request);
    } catch (...) {
        return {IoOutcome::Failed, request.value};
    }
}

// Shows the I/O dialog with a status text in Text2 while it is open and acts
// on its answer: "Anhalten" sets the halt signal, "Ja" the abort and exit
// signals (the run ends after this instruction), and either way the
// instruction is done with ErrorCode 0. A failed dialog is error 100, and
// NextIP stays at IP, so that the instruction runs again. Returns the value
// taken unless the dialog failed.
std::optional<double> Dialog(ZekState& state, WindowSystem& windows, Cycle& cycle, IoDialogKind kind,
                             std::string message, std::string symbolName, double value) {
    const std::string instruction(InstructionName(kind));
    windows.SetText2(state.ProgramName + ": " + instruction + "-Befehl ...");
    const IoAnswer answer =
        Ask(windows, {kind, cycle.IP, state.ProgramName, std::move(message), std::move(symbolName), value});
    windows.SetText2("");
    switch (answer.outcome) {
        case IoOutcome::Accepted: break;
        case IoOutcome::Halt: state.HaltSignal = true; break;
        case IoOutcome::Abort:
            state.AbortSignal = true;
            state.ExitSignal = true;
            break;
        case IoOutcome::Failed:
            state.ErrorCode = errors::RuntimeFault;
            cycle.NextIP = cycle.IP;
            return std::nullopt;
    }
    state.ErrorCode = errors::None;
    cycle.NextIP = cycle.IP + 1;
    return answer.value;
}

// Int(value) held within 0 .. 100 (a not-a-number counts as 0).
int PlacesWithin100(double value) {
    const double places = std::floor(value);
    if (!(places > 0)) return 0;
    return places > 100 ? 100 : static_cast<int>(places);
}

// Int(value) as a 16-bit integer, held within 0 .. 100; a value outside the
// 16-bit range is a conversion overflow, and the places stay 0.
int DecimalPlaces(ZekState& state, double value) {
    const double places = std::floor(value);
    if (!(places >= INT16_MIN && places <= INT16_MAX)) {
        state.ErrorCode = OverflowFault(state);
        return 0;
    }
    return PlacesWithin100(places);
}

}  // namespace

void ExecuteInput(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle) {
    if (const std::optional<double> value = Dialog(state, windows, cycle, IoDialogKind::Input,
                                                   TextOperand(state, instruction.operand2, DialogLineBreak),
                                                   NameAt(state, instruction.operand1), cycle.ValueA)) {
        state.Symbols[instruction.operand1].value = *value;
        cycle.PutAddress = instruction.operand1;
    }
}

void ExecuteOutput(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle) {
    Dialog(state, windows, cycle, IoDialogKind::Output, TextOperand(state, instruction.operand2, DialogLineBreak),
           NameAt(state, instruction.operand1), cycle.ValueA);
}

void ExecutePause(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle) {
    Dialog(state, windows, cycle, IoDialogKind::Pause, TextOperand(state, instruction.operand1, DialogLineBreak), "",
           0);
}

void ExecuteProof(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    std::string text;
    if (instruction.operand2 != 0) text = TextOf(NameAt(state, instruction.operand2) + " ", OneLineBreak);
    text += NameAt(state, instruction.operand1);
    text += " = ";
    text += GeneralNumber(cycle.ValueA);
    windows.SetText1(text);
}

void ExecuteInfo(ZekState& state, WindowSystem& windows, const Instruction& instruction, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    windows.SetText1(TextOperand(state, instruction.operand1, OneLineBreak));
}

void ExecuteCls(ZekState& state, WindowSystem&, const Instruction&, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    state.OutputText.clear();
}

// x with `before` places before and `after` places after the decimal point,
// the sign (or a blank) in front, right-aligned in the field. A number that
// needs more places before the point than given shows as "*"; then the
// cycle's ValueA becomes 0, so that the sign reads positive.
void ExecutePrintn(ZekState& state, WindowSystem&, const Instruction&, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    const int before = PlacesWithin100(cycle.ValueB);
    const int after = DecimalPlaces(state, cycle.ValueC);

    std::string picture = before > 0 ? std::string(static_cast<std::size_t>(before - 1), '#') + "0" : "#0";
    if (after > 0) {
        picture += '.';
        picture.append(static_cast<std::size_t>(after), '0');
    }
    const std::size_t width = before > 0 ? static_cast<std::size_t>(before + (after > 0 ? after + 2 : 1)) : 0;

    std::string text = FormatPicture(std::fabs(cycle.ValueA), picture);
    if (before > 0 && text.size() > picture.size()) {
        text.assign(picture.size(), '*');
        cycle.ValueA = 0;
    }
    for (char& c : text)
        if (c == ',') c = '.';
    text.insert(0, 1, cycle.ValueA < 0 ? '-' : ' ');
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    state.OutputText += text;
}

void ExecutePrints(ZekState& state, WindowSystem&, const Instruction& instruction, Cycle& cycle) {
    cycle.NextIP = cycle.IP + 1;
    state.OutputText += TextOf(NameAt(state, instruction.operand1), DialogLineBreak);
}

}  // namespace zek

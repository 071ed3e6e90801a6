#pragma once
// Everything the core needs from a window system. The Qt program implements
// it; tests and the headless runner implement it with scripted answers.
//
// The window system only answers: the halt dialog and the I/O dialog return
// what the user chose, and the core alone acts on it (the run mode, the
// signals, ErrorCode).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/store/RunMode.h"

namespace zek {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// The answer to a question that nobody is there to answer (a run without a
// window): OK to a notice, No to a yes/no question, Cancel where offered.
constexpr MessageAnswer UnattendedAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return MessageAnswer::No;
        case MessageButtons::OkCancel:
        case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

// The acknowledge dialog's answer to "abbrechen?"; the values are those of
// the shared AckAnswer.
enum class AckAnswer : std::uint8_t { Nein = 0, Debugger = 1, Ja = 2 };

// Where a run halted: the code address of the instruction just executed and
// of the one to run next. The assembler's error list has no place (-1, -1).
struct HaltLocation {
    std::int32_t IP = -1;
    std::int32_t NextIP = -1;
};

// How the halt dialog was closed: "Fortsetzen" (or the title bar's close),
// or "Abbruch" confirmed with "Ja"; and the mode last chosen with its mode
// buttons, which applies from the next halt decision on.
enum class HaltOutcome : std::uint8_t { Continue, Abort };
struct HaltAnswer {
    HaltOutcome outcome = HaltOutcome::Continue;
    std::optional<RunMode> runMode;
};

// The instruction that opens the I/O dialog.
enum class IoDialogKind : std::uint8_t { Input, Output, Pause };

// "input", "output" or "pause": the instruction's name in messages and titles.
constexpr std::string_view InstructionName(IoDialogKind kind) {
    switch (kind) {
        case IoDialogKind::Input: return "input";
        case IoDialogKind::Output: return "output";
        case IoDialogKind::Pause: return "pause";
    }
    return {};
}

// What the I/O dialog shows: the calling program line, the program's name
// (the title), the message, and for input and output the symbol's name and
// value (pause: an empty name and 0).
struct IoRequest {
    IoDialogKind kind = IoDialogKind::Pause;
    std::int32_t programLine = 0;
    std::string programName;
    std::string message;
    std::string symbolName;
    double value = 0;
};

// How the I/O dialog ended: accepted ("Übernehmen", "Fortsetzen"), or
// through "Abbruch" answered with "Anhalten" (Halt) or "Ja" (Abort); Failed
// when the dialog could not be shown or broke down, so that the instruction
// runs again. `value` is the number taken for input, also with Halt and
// Abort (the value typed so far); otherwise the request's value.
enum class IoOutcome : std::uint8_t { Accepted, Halt, Abort, Failed };
struct IoAnswer {
    IoOutcome outcome = IoOutcome::Accepted;
    double value = 0;
};

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // A modal message box; returns the button chosen.
    virtual MessageAnswer MessageBox(const std::string& text, const std::string& title, MessageButtons buttons) = 0;

    // The main window's one-line field Text1 (proof, info), repainted at once.
    virtual void SetText1(const std::string& text) = 0;

    // The main window's message field Text2, repainted at once.
    virtual void SetText2(const std::string& text) = 0;

    // Shows the halt dialog modally with `caption` and `text` in its Text1;
    // returns when the user continues or aborts. `where` names the halted
    // instruction.
    virtual HaltAnswer ShowHaltDialog(const std::string& caption, const std::string& text, HaltLocation where) = 0;

    // The I/O dialog of input, output and pause, shown modally.
    virtual IoAnswer ZEKDialog(const IoRequest& request) = 0;

    // Lets pending window events run once.
    virtual void Yield() = 0;

    // Closes the text window if it is open.
    virtual void CloseTextWindow() = 0;
};

}  // namespace zek

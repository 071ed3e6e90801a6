#pragma once
// Everything the core needs from a window system. The Qt program implements
// it; tests and the headless runner implement it with scripted answers.

#include <cstdint>
#include <string>

namespace zek {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Where a run halted: the code address of the instruction just executed and
// of the one to run next. The assembler's error list has no place (-1, -1).
struct HaltLocation {
    std::int32_t IP = -1;
    std::int32_t NextIP = -1;
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
    // instruction. The dialog may change RunMode and set AbortSignal in the
    // state it works on.
    virtual void ShowHaltDialog(const std::string& caption, const std::string& text, HaltLocation where) = 0;

    // The I/O dialog's entry for input, output and pause. For "input" the
    // accepted number is written back into `value`. It may set HaltSignal,
    // AbortSignal, ExitSignal and ErrorCode in the state it works on.
    virtual void ZEKDialog(std::int32_t programLine, const std::string& programName, const std::string& instruction,
                           const std::string& message, const std::string& symbolName, double& value) = 0;

    // Lets pending window events run once.
    virtual void Yield() = 0;

    // Closes the text window if it is open.
    virtual void CloseTextWindow() = 0;
};

}  // namespace zek

#include "zekrun/TerminalWindowSystem.h"

#include <unistd.h>

#include "core/base/Encoding1252.h"
#include "core/base/NumberFormat.h"
#include "core/base/NumberReading.h"
#include "core/store/ProgramStore.h"

namespace zek {

TerminalWindowSystem::TerminalWindowSystem(std::FILE* in, std::FILE* messages)
    : in_(in), messages_(messages), echoInput_(isatty(fileno(in)) == 0) {}

MessageAnswer TerminalWindowSystem::MessageBox(const std::string& text, const std::string& title,
                                               MessageButtons buttons) {
    WriteLine(title + ": " + text);
    return UnattendedAnswer(buttons);
}

void TerminalWindowSystem::SetText1(const std::string& text) { WriteLine(text); }

// Progress and status messages of the main window are not shown.
void TerminalWindowSystem::SetText2(const std::string&) {}

// The halt dialog closed at once with "Fortsetzen": RunMode and the signals
// stay as they are.
HaltAnswer TerminalWindowSystem::ShowHaltDialog(const std::string&, const std::string& text, HaltLocation) {
    if (haltTextShown_) Write(text);
    return {};
}

IoAnswer TerminalWindowSystem::ZEKDialog(const IoRequest& request) {
    switch (request.kind) {
        case IoDialogKind::Input: return Input(request);
        case IoDialogKind::Output:
            if (!request.message.empty()) WriteLine(request.message);
            WriteLine(request.symbolName + " = " + GeneralNumber(request.value));
            break;
        case IoDialogKind::Pause: WriteLine(request.message); break;
    }
    return {IoOutcome::Accepted, request.value};
}

// One line from the input is the entry field's text, taken when the user
// presses Enter. The end of the input answers the dialog's "Abbruch" with
// "Ja": the run ends after this instruction with result 90.
IoAnswer TerminalWindowSystem::Input(const IoRequest& request) {
    if (!request.message.empty()) WriteLine(request.message);
    Write(request.symbolName + " = ");
    std::string line;
    if (!ReadLine(line)) {
        WriteLine("");
        WriteLine("Ende der Eingabe: Abbruchsignal gesetzt");
        return {IoOutcome::Abort, request.value};
    }
    if (echoInput_) WriteUtf8(line + "\n");
    return {IoOutcome::Accepted, TypedNumber(Utf8To1252(line))};
}

bool TerminalWindowSystem::ReadLine(std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = std::fgetc(in_)) != EOF) {
        any = true;
        if (c == '\n') break;
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

void TerminalWindowSystem::Write(const std::string& text1252) { WriteUtf8(Utf8From1252(text1252)); }

void TerminalWindowSystem::WriteUtf8(const std::string& utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), messages_);
    std::fflush(messages_);
}

void TerminalWindowSystem::WriteLine(const std::string& text1252) { Write(text1252 + "\n"); }

}  // namespace zek

#pragma once
// The window system of the headless runner: dialogs and messages become lines
// on stderr, the input dialog reads stdin, and every halt continues as after
// "Fortsetzen". Texts are converted from Windows-1252 to UTF-8 on the way out
// and back on the way in.

#include <cstdio>
#include <string>

#include "core/store/WindowSystem.h"

namespace zek {

class TerminalWindowSystem : public WindowSystem {
public:
    TerminalWindowSystem(std::FILE* in, std::FILE* messages);

    // Whether the halt dialog's text (the instruction trace) is written;
    // the assembly error list is shown before the runner makes it quiet.
    void SetHaltTextShown(bool shown) { haltTextShown_ = shown; }

    MessageAnswer MessageBox(const std::string& text, const std::string& title, MessageButtons buttons) override;
    void SetText1(const std::string& text) override;
    void SetText2(const std::string& text) override;
    HaltAnswer ShowHaltDialog(const std::string& caption, const std::string& text, HaltLocation where) override;
    IoAnswer ZEKDialog(const IoRequest& request) override;
    void Yield() override {}
    void CloseTextWindow() override {}

private:
    void Write(const std::string& text1252);
    void WriteLine(const std::string& text1252);
    void WriteUtf8(const std::string& utf8);
    bool ReadLine(std::string& line);
    IoAnswer Input(const IoRequest& request);

    std::FILE* in_;
    std::FILE* messages_;
    bool echoInput_;  // input from a file or pipe is echoed, so the transcript reads as typed
    bool haltTextShown_ = true;
};

}  // namespace zek

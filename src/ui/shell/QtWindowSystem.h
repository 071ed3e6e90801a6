#pragma once
// The window system the core talks to while the main window runs it:
// message boxes, the main window's fields, the halt and I/O dialogs.

#include <chrono>

#include "core/store/WindowSystem.h"

namespace zek::ui {

class MainWindow;

class QtWindowSystem : public WindowSystem {
public:
    explicit QtWindowSystem(MainWindow& window) : window_(window) {}

    MessageAnswer MessageBox(const std::string& text, const std::string& title, MessageButtons buttons) override;
    void SetText1(const std::string& text) override;
    // Shown at most every MessageLine::Interval; the last one always shows.
    void SetText2(const std::string& text) override;
    HaltAnswer ShowHaltDialog(const std::string& caption, const std::string& text, HaltLocation where) override;
    IoAnswer ZEKDialog(const IoRequest& request) override;
    // Processes the pending events when at least YieldInterval has passed
    // since it last did; a call before returns at once.
    void Yield() override;
    void CloseTextWindow() override;

    // Set while the I/O dialog is open (the main window then shows "Programm hält an").
    bool IoDialogOpen() const { return ioDialogOpen_; }

    static constexpr std::chrono::milliseconds YieldInterval{1};

private:
    using Clock = std::chrono::steady_clock;

    MainWindow& window_;
    bool ioDialogOpen_ = false;
    Clock::time_point lastEvents_{};
};

}  // namespace zek::ui

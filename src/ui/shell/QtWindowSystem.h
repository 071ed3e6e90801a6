#pragma once
// The window system the core talks to while the main window runs it:
// message boxes, the main window's fields, the halt and I/O dialogs.

#include "core/store/WindowSystem.h"

namespace zek::ui {

class MainWindow;

class QtWindowSystem : public WindowSystem {
public:
    explicit QtWindowSystem(MainWindow& window) : window_(window) {}

    MessageAnswer MessageBox(const std::string& text, const std::string& title, MessageButtons buttons) override;
    void SetText1(const std::string& text) override;
    void SetText2(const std::string& text) override;
    HaltAnswer ShowHaltDialog(const std::string& caption, const std::string& text, HaltLocation where) override;
    IoAnswer ZEKDialog(const IoRequest& request) override;
    void Yield() override;
    void CloseTextWindow() override;

    // Set while the I/O dialog is open (the main window then shows "Programm hält an").
    bool IoDialogOpen() const { return ioDialogOpen_; }

private:
    MainWindow& window_;
    bool ioDialogOpen_ = false;
};

}  // namespace zek::ui

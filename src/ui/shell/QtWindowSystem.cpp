#include "ui/shell/QtWindowSystem.h"

#include <QCoreApplication>

#include "ui/dialogs/HaltDialog.h"
#include "ui/dialogs/IoDialog.h"
#include "ui/shell/MainWindow.h"
#include "ui/util/MessageBoxes.h"
#include "ui/util/Placement.h"
#include "ui/util/QtText.h"

namespace zek::ui {

MessageAnswer QtWindowSystem::MessageBox(const std::string& text, const std::string& title, MessageButtons buttons) {
    return ShowMessageBox(&window_, FromCoreLines(text), FromCore(title), buttons);
}

void QtWindowSystem::SetText1(const std::string& text) { window_.SetText1(FromCore(text)); }

// The symbol listings write a progress text every thousand symbols; showing
// each of them would take longer than the listing itself.
void QtWindowSystem::SetText2(const std::string& text) { window_.SetText2Soon(FromCore(text)); }

// The source shows where the run stands while the dialog is open, and the
// dialog leaves that line visible.
HaltAnswer QtWindowSystem::ShowHaltDialog(const std::string& caption, const std::string& text, HaltLocation where) {
    HaltDialog dialog(window_, &window_);
    dialog.setWindowTitle(FromCore(caption));
    dialog.ShowText(text);
    KeepVisibleBeside(dialog, window_.ShowWhereHalted(where));
    dialog.exec();
    return dialog.Answer();
}

// A dialog that cannot be built or shown has failed; the core runs the
// instruction again.
IoAnswer QtWindowSystem::ZEKDialog(const IoRequest& request) {
    ioDialogOpen_ = true;
    IoAnswer answer;
    try {
        IoDialog dialog(window_, &window_);
        answer = dialog.ZEKDialog(request.programLine, FromCore(request.programName), request.kind,
                                  FromCoreLines(request.message), FromCore(request.symbolName), request.value);
    } catch (...) {
        answer = {IoOutcome::Failed, request.value};
    }
    ioDialogOpen_ = false;
    return answer;
}

// The core yields every thousand instructions, far more often than anyone
// can click: the events are looked at only once the interval has passed.
void QtWindowSystem::Yield() {
    if (Clock::now() - lastEvents_ < YieldInterval) return;
    QCoreApplication::processEvents();
    lastEvents_ = Clock::now();
}

void QtWindowSystem::CloseTextWindow() { window_.CloseTextWindow(); }

}  // namespace zek::ui

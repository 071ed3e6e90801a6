#pragma once
// All message boxes of the windows go through here, so that tests can
// answer them without showing a box (see SetMessageBoxAnswerer).

#include <QString>
#include <functional>

#include "core/store/WindowSystem.h"

class QWidget;

namespace zek::ui {

// Shows a modal message box with German button texts ("OK", "Abbrechen",
// "Ja", "Nein") and returns the button chosen.
MessageAnswer ShowMessageBox(QWidget* parent, const QString& text, const QString& title, MessageButtons buttons);

// A test seam: while set, ShowMessageBox calls it instead of showing a box.
using MessageBoxAnswerer = std::function<MessageAnswer(const QString& text, const QString& title, MessageButtons)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

}  // namespace zek::ui

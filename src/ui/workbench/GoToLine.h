#pragma once
// Asking for a line number to go to.

#include <optional>

class QWidget;

namespace zek::ui {

// Asks modally for a line number from 1 to `lineCount` (starting at
// `current`); nothing when the dialog is cancelled.
std::optional<int> AskLineNumber(QWidget* parent, int lineCount, int current);

}  // namespace zek::ui

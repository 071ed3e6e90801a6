#pragma once
#include <QString>

class QPlainTextEdit;

namespace zek::ui {

// The text of a text box with "\n" line breaks. Unlike toPlainText() it
// keeps no-break spaces as they are.
QString PlainTextOf(const QPlainTextEdit& box);

}  // namespace zek::ui

#pragma once
// Reading the main window's fields in tests.

#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/shell/MainWindow.h"

namespace zek::testing {

inline QString Text2Of(ui::MainWindow& window) { return window.findChild<QLineEdit*>("Text2")->text(); }

inline void SetSource(ui::MainWindow& window, const QString& text) { window.Text4()->setPlainText(text); }

inline QString SourceOf(ui::MainWindow& window) { return window.Text4()->toPlainText(); }

}  // namespace zek::testing

#pragma once
#include <QString>
#include <functional>

namespace zek::ui {

// Writes one status message into the main window's message field Text2 and
// repaints it at once.
using StatusLine = std::function<void(const QString& message)>;

}  // namespace zek::ui

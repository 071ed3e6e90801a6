#pragma once
// A program file dragged onto a window.

#include <QString>

class QMimeData;

namespace zek::ui {

// The first local file with the extension ".zek" (in any case) among the
// dragged data, or an empty string.
QString DroppedProgramFile(const QMimeData* data);

}  // namespace zek::ui

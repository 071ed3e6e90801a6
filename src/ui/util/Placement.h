#pragma once
// Placing a dialog so that it leaves a given part of the screen visible.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace zek::ui {

// Where a window of `size`, which would otherwise stand at `preferred`,
// leaves `keepVisible` uncovered within `screen`: `preferred` itself when
// it does, else just below or just above `keepVisible` (the side with more
// room first). Nothing when the screen has no such room.
std::optional<QPoint> PositionBeside(QSize size, QRect keepVisible, QRect screen, QPoint preferred);

// Moves the not yet shown `dialog` from its place centred over its parent
// so that it leaves `keepVisible` (global coordinates) uncovered, when the
// screen has room. A null rectangle leaves the dialog where it is.
void KeepVisibleBeside(QWidget& dialog, QRect keepVisible);

}  // namespace zek::ui

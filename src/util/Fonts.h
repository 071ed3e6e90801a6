#pragma once
// The two fonts of the windows: a small sans font for controls and a
// fixed-pitch font for program text and reports.

#include <QFont>

namespace zek::ui {

// "MS Sans Serif" 8 pt, or the nearest sans font the system has.
QFont ControlFont();

// "Courier New" at `pointSize`, or the metric-compatible fixed-pitch font
// the system substitutes for it.
QFont FixedPitchFont(double pointSize);

}  // namespace zek::ui

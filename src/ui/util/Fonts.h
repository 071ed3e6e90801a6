#pragma once
// The two fonts of the windows: a small sans font for controls and a
// fixed-pitch font for program text and reports.

#include <QFont>

namespace zek::ui {

// "MS Sans Serif" 8 pt, or the nearest sans font the system has.
QFont ControlFont();

// `family` at `pointSize`, asked for as fixed-pitch or as sans, so that a
// missing family falls back to a font of the same kind.
QFont FontOf(const QString& family, bool fixedPitch, int pointSize);

// "Courier New" at `pointSize`, or the metric-compatible fixed-pitch font
// the system substitutes for it.
QFont FixedPitchFont(double pointSize);

}  // namespace zek::ui

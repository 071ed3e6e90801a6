#include "ui/workbench/WorkbenchColours.h"

#include <QPalette>

namespace zek::ui {
namespace {

// One hue (degrees) at a lightness that reads on the background: dark
// shades on a light box, light ones on a dark box.
QColor Tint(int hue, bool dark) { return QColor::fromHslF(hue / 360.0, 0.75, dark ? 0.72 : 0.33); }

QColor Mix(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(a.redF() * (1 - share) + b.redF() * share, a.greenF() * (1 - share) + b.greenF() * share,
                            a.blueF() * (1 - share) + b.blueF() * share);
}

}  // namespace

WorkbenchColours WorkbenchColours::Of(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const bool dark = base.lightnessF() < 0.5;
    WorkbenchColours colours;
    colours.transport = Tint(220, dark);
    colours.functions = Tint(190, dark);
    colours.jumps = Tint(275, dark);
    colours.pointers = Tint(25, dark);
    colours.dialogs = Tint(135, dark);
    colours.system = Tint(340, dark);
    colours.pseudo = Tint(305, dark);
    colours.label = Tint(45, dark);
    colours.number = Tint(165, dark);
    colours.predefined = Tint(245, dark);
    colours.marker = Tint(95, dark);
    colours.comment = Mix(text, base, 0.45);
    colours.error = QColor::fromHslF(0, 0.85, dark ? 0.62 : 0.45);
    colours.arrow = QColor::fromHslF(40 / 360.0, 0.9, dark ? 0.6 : 0.45);
    colours.haltLine = Mix(base, palette.color(QPalette::Highlight), 0.3);
    colours.gutterBackground = Mix(base, text, 0.06);
    colours.gutterText = Mix(text, base, 0.4);
    colours.gutterCode = Mix(colours.transport, base, 0.2);
    return colours;
}

QColor WorkbenchColours::Mnemonic(std::int16_t group) const {
    switch (group) {
        case 2: return functions;
        case 3:
        case 4: return jumps;
        case 5: return pointers;
        case 6: return dialogs;
        case 7: return system;
        default: return transport;
    }
}

}  // namespace zek::ui

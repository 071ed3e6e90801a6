#include "ui/util/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace zek::ui {

QFont ControlFont() {
    // Liberation Sans keeps the narrow widths the captions were measured in.
    for (const QString& family : QStringList{"MS Sans Serif", "Liberation Sans", "Arial"}) {
        if (QFontDatabase::hasFamily(family)) return QFont(family, 8);
    }
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(8);
    return font;
}

QFont FontOf(const QString& family, bool fixedPitch, int pointSize) {
    QFont font(family);
    font.setStyleHint(fixedPitch ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixedPitch);
    font.setPointSize(pointSize);
    return font;
}

QFont FixedPitchFont(double pointSize) {
    QFont font(QStringLiteral("Courier New"));
    font.setPointSizeF(pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

}  // namespace zek::ui

#include "ui/workbench/GoToLine.h"

#include <QInputDialog>
#include <algorithm>

namespace zek::ui {

std::optional<int> AskLineNumber(QWidget* parent, int lineCount, int current) {
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("GeheZuZeile"));
    dialog.setWindowTitle(QStringLiteral("ZEK: Gehe zu Zeile"));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setLabelText(QStringLiteral("&Zeilennummer (1 bis %1):").arg(lineCount));
    dialog.setIntRange(1, lineCount);
    dialog.setIntValue(std::clamp(current, 1, lineCount));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Abbrechen"));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.intValue();
}

}  // namespace zek::ui

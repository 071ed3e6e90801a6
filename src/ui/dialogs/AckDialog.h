#pragma once
// The question whether to abort the program: Ja, Anhalten (Debugger), Nein.

#include <QDialog>

#include "core/store/WindowSystem.h"

class QLabel;
class QPushButton;

namespace zek::ui {

class AckDialog : public QDialog {
    Q_OBJECT

public:
    AckDialog(const QString& programName, bool haltAllowed, QWidget* parent = nullptr);

    // Shows the dialog modally and returns the answer.
    AckAnswer Ask();

    void Ja_Click();
    void Debugger_Click();
    void Nein_Click();

protected:
    void reject() override;  // Esc and the title bar's close answer Nein

private:
    void Answer(AckAnswer answer);

    AckAnswer answer_ = AckAnswer::Nein;
    QLabel* label1_ = nullptr;
    QPushButton* ja_ = nullptr;
    QPushButton* debugger_ = nullptr;
    QPushButton* nein_ = nullptr;
};

}  // namespace zek::ui

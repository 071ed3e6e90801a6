#pragma once
// The question whether to abort the program: Ja (2), Anhalten (1), Nein (0).

#include <QDialog>
#include <cstdint>

class QLabel;
class QPushButton;

namespace zek::ui {

class AckDialog : public QDialog {
    Q_OBJECT

public:
    AckDialog(const QString& programName, bool haltAllowed, QWidget* parent = nullptr);

    // Shows the dialog modally and returns the answer.
    std::uint8_t Ask();

    void Ja_Click();
    void Debugger_Click();
    void Nein_Click();

protected:
    void reject() override;  // the title bar's close answers Nein

private:
    void Answer(std::uint8_t answer);

    std::uint8_t answer_ = 0;
    QLabel* label1_ = nullptr;
    QPushButton* ja_ = nullptr;
    QPushButton* debugger_ = nullptr;
    QPushButton* nein_ = nullptr;
};

}  // namespace zek::ui

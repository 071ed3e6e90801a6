#pragma once
// The dialog of the instructions input, output and pause. It answers how
// it ended; the core acts on the answer.

#include <QDialog>
#include <cstdint>

#include "core/store/WindowSystem.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zek::ui {

class DialogHost;

class IoDialog : public QDialog {
    Q_OBJECT

public:
    explicit IoDialog(DialogHost& host, QWidget* parent = nullptr);

    // Shows the dialog modally for `kind` and returns how it ended. For
    // input the answer holds the value taken, also after "Abbruch" (the
    // value typed so far); otherwise the `value` shown.
    IoAnswer ZEKDialog(std::int32_t programLine, const QString& programName, IoDialogKind kind, const QString& message,
                       const QString& symbolName, double value);

    void Uebernehmen_Click();
    void Info_Click();
    void Abbrechen_Click();

protected:
    // Esc and the title bar's close: for input they ask as "Abbruch" does,
    // so that a half-typed value is never taken unasked; output and pause
    // go on as with "Fortsetzen".
    void reject() override;

private:
    void Close(IoOutcome outcome);
    void Symbolwert_Change();
    void ShowSymbol();
    void Arrange(bool showsSymbol, bool showsEntry);

    DialogHost& host_;
    std::int32_t programLine_ = 0;
    QString programName_;
    IoDialogKind kind_ = IoDialogKind::Pause;
    QString symbolName_;
    double symbolValue_ = 0;
    QString infoText_;
    IoOutcome outcome_ = IoOutcome::Accepted;

    QLabel* mitteilung_ = nullptr;
    QLabel* symboltext_ = nullptr;
    QPlainTextEdit* symbolwert_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
    QPushButton* info_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
};

// The value as the dialog shows it: the general number format with the
// decimal separator of the user's locale (the system's, not the program's
// German default locale).
QString LocaleNumberText(double value);

}  // namespace zek::ui

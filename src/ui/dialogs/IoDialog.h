#pragma once
// The dialog of the instructions input, output and pause.

#include <QDialog>
#include <cstdint>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zek::ui {

class DialogHost;

class IoDialog : public QDialog {
    Q_OBJECT

public:
    explicit IoDialog(DialogHost& host, QWidget* parent = nullptr);

    // Shows the dialog modally for `instruction`; for "input" the accepted
    // value is written back into `value`. Leaves ErrorCode 0.
    void ZEKDialog(std::int32_t programLine, const QString& programName, const QString& instruction,
                   const QString& message, const QString& symbolName, double& value);

    void Uebernehmen_Click();
    void Info_Click();
    void Abbrechen_Click();

private:
    void Symbolwert_Change();
    void ShowSymbol();
    void Arrange(bool showsSymbol, bool showsEntry);

    DialogHost& host_;
    std::int32_t programLine_ = 0;
    QString programName_;
    QString instruction_;
    QString symbolName_;
    double symbolValue_ = 0;
    QString infoText_;

    QLabel* mitteilung_ = nullptr;
    QLabel* symboltext_ = nullptr;
    QPlainTextEdit* symbolwert_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
    QPushButton* info_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
};

// The value as the dialog shows it: the general number format with the
// decimal separator of the user's locale.
QString LocaleNumberText(double value);

}  // namespace zek::ui

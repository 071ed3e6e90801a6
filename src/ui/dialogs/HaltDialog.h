#pragma once
// The debugger window shown at every halt of the Processor and after an
// assembly with errors: the trace or error list in Text1, the reports, the
// run-mode buttons, Fortsetzen and Abbruch. It changes nothing in the run
// itself: the mode chosen and a confirmed abort are its answer, on which
// the core acts once the dialog has closed.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/store/WindowSystem.h"

class QLineEdit;
class QPushButton;

namespace zek::ui {

class DialogHost;
class TextView;

class HaltDialog : public QDialog {
    Q_OBJECT

public:
    explicit HaltDialog(DialogHost& host, QWidget* parent = nullptr);

    // Puts `text` into Text1 and repaints it at once; a core text is
    // Windows-1252 with CR LF line ends.
    void ShowText(const QString& text);
    void ShowText(std::string text);

    void Fortsetzen_Click();
    void Abbruch_Click();
    void SetRunMode(RunMode mode);  // the buttons OhneHalt, Fehlerhalt, Schrittweise
    void Hilfe_Click();

    // How the dialog ended, and the mode chosen in it.
    const HaltAnswer& Answer() const { return answer_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const char* caption, const char* tooltip);
    void AddViewButton(const char* name, const char* caption, const char* tooltip, std::function<std::string()> text);
    void Form_Load();
    void Form_Resize();
    void ShowRunMode();

    DialogHost& host_;
    HaltAnswer answer_;
    TextView* text1_ = nullptr;
    QLineEdit* testmodus_ = nullptr;
    // The band below Text1, in reading order.
    std::vector<QWidget*> band_;
};

}  // namespace zek::ui

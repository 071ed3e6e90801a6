// The "&Datei" commands of the main window: clear, open, save, save under,
// print, and save the displayed text. SavedSourceText holds the editor's
// text as SourceText() reads it, since ZEKSaveTextIfChanged compares the two.
// The commands that replace the editor's text do so only when nothing
// unsaved is lost (SourceMayGo); the save commands say whether they saved.

#include <QFileInfo>
#include <QPlainTextEdit>

#include "ui/shell/MainWindow.h"
#include "ui/util/FileDialogs.h"
#include "ui/util/MessageBoxes.h"
#include "ui/util/PlainText.h"
#include "ui/util/Printing.h"
#include "ui/util/QtText.h"
#include "ui/util/TextFile.h"
#include "ui/util/TextView.h"
#include "ui/workbench/SourceEditor.h"

namespace zek::ui {
namespace {

const QString Programm = QStringLiteral("PROGRAMM");
const QString SaveCancelled = QStringLiteral("Speichern unter: Abbruch bei Dateidialog.");
const QString SaveFailed = QStringLiteral("Fehler bei Text speichern.");

// The editor's text as it goes into a file.
std::string EditorBytes(MainWindow& window) { return ToCoreLines(window.SourceText()); }

StatusLine Text2Of(MainWindow& window) {
    return [&window](const QString& message) { window.SetText2(message); };
}

}  // namespace

void MainWindow::mnuAnzeigenNichts_Click() {
    if (!SourceMayGo(ZEKSaveTextIfChanged())) return;
    text4_->clear();
    SelectView(Programm);
    SavedSourceText.clear();
    CurrentFileName.clear();
    ZEKBuildNewForm();
    SetText2(QStringLiteral("ZE-Assembler: Quellprogramm gelöscht"));
}

void MainWindow::mnuDateiOeffnen_Click() {
    if (!SourceMayGo(ZEKSaveTextIfChanged())) return;
    const std::optional<QString> chosen =
        OpenFileDialog(this, Text2Of(*this), QStringLiteral("ZEK: Assemblerprogramm öffnen"),
                       QStringLiteral("ZE-Assemblerprogramme|*.zek"));
    if (!chosen) {
        SetText2(QStringLiteral("Öffnen abbgebrochen"));
        return;
    }
    LoadProgram(*chosen, true);  // a file that cannot be read changes nothing
}

bool MainWindow::LoadProgram(const QString& path, bool bind) {
    std::string bytes;
    if (!ReadSourceFile(path, bytes)) return false;
    // Its lines end with CR LF alone, so the editor gives this very text back.
    const QString text = FromCoreLines(bytes);
    text4_->SetSourceText(text);
    CurrentFileName = bind ? path : QString();
    SavedSourceText = text;
    SelectView(Programm);
    SetText2(QStringLiteral("Programm aus Datei ") + path + QStringLiteral(" gelesen."));
    SetText2(QStringLiteral("ZE-Assembler: Quellprogramm geöffnet"));
    ZEKBuildNewForm();
    return true;
}

void MainWindow::OpenProgramFile(const QString& path) { OpenFile(QFileInfo(path).absoluteFilePath(), true); }

void MainWindow::OpenExample(const QString& path) { OpenFile(path, false); }

// Unlike the dialog, a path from outside may name a file that is not there:
// that is said, and nothing changes.
void MainWindow::OpenFile(const QString& path, bool bind) {
    if (!SourceMayGo(ZEKSaveTextIfChanged())) return;
    if (LoadProgram(path, bind)) return;
    const QString message = QStringLiteral("Die Datei ") + path + QStringLiteral(" kann nicht gelesen werden.");
    SetText2(message);
    ShowMessageBox(this, message, QStringLiteral("ZEK: Assemblerprogramm öffnen"), MessageButtons::Ok);
}

bool MainWindow::mnuDateiSpeichern_Click() {
    if (CurrentFileName.isEmpty()) {
        ShowMessageBox(this, QStringLiteral("Kein aktueller Programmname vorhanden"), QStringLiteral("ZEK: Speichern"),
                       MessageButtons::Ok);
        SetText2(QStringLiteral("Speichern: Kein aktueller Programmname vorhanden."));
        return false;
    }
    SelectView(Programm);
    const QString path = CurrentFileName;
    if (!WriteTextFile(path, EditorBytes(*this))) {
        ForgetFailedFile();
        SetText2(SaveFailed);
        return false;
    }
    SavedSourceText = SourceText();
    ZEKBuildNewForm();
    SetText2(QStringLiteral("ZE-Assembler: Quellprogramm gespeichert"));
    SetText2(QStringLiteral("Text in Datei ") + path + QStringLiteral(" abgespeichert."));
    return true;
}

bool MainWindow::mnuDateiSpeichernUnter_Click() {
    SelectView(Programm);
    const SaveDialogAnswer answer =
        SaveFileDialog(this, Text2Of(*this), QStringLiteral("ZEK: Assemblerprogramm speichern unter ..."),
                       QStringLiteral("ZE-Assemblerprogramm|*.zek"));
    if (answer.choice == SaveChoice::Cancelled) {
        SetText2(SaveCancelled);
        return false;
    }
    const QString& path = answer.path;  // empty for a blank name, which has its own message
    if (path.isEmpty() || !WriteTextFile(path, EditorBytes(*this))) {
        ForgetFailedFile();
        if (!path.isEmpty()) SetText2(SaveFailed);
        return false;
    }
    CurrentFileName = path;
    SavedSourceText = SourceText();
    SetText2(QStringLiteral("ZE-Assembler: Quellprogramm in neuer Datei ") + path + QStringLiteral("gespeichert"));
    SetText2(QStringLiteral("Programm in Datei ") + path + QStringLiteral(" abgespeichert."));
    ZEKBuildNewForm();
    return true;
}

void MainWindow::ForgetFailedFile() {
    CurrentFileName.clear();
    SavedSourceText = QStringLiteral("??");
    ZEKBuildNewForm();
}

void MainWindow::mnuDrucken_Click() {
    const QString text = text4_->isHidden() ? text3_->toPlainText() : PlainTextOf(*text4_);
    if (!PrintOnDefaultPrinter(text, PrinterFont(QStringLiteral("Courier"), true))) {
        ShowMessageBox(this, QStringLiteral("Beim Drucken des Textes gab es Probleme."),
                       QStringLiteral("ZEK: Drucken ..."), MessageButtons::Ok);
        SetText2(QStringLiteral("Editor: Fehler beim Drucken des Textes."));
        return;
    }
    SetText2(QStringLiteral("ZE-Assembler: Text an Drucker gesendet."));
}

void MainWindow::mnuAktuellenTextSpeichernUnter_Click() {
    // The text shown now; the dialog must not change which one is saved.
    const std::string text = text3_->isHidden() ? EditorBytes(*this) : text3_->CoreText();
    const SaveDialogAnswer answer =
        SaveFileDialog(this, Text2Of(*this), QStringLiteral("ZEK: Aktuellen Text speichern unter ..."),
                       QStringLiteral("Textdateien|*.txt"));
    if (answer.choice == SaveChoice::Cancelled) {
        SetText2(SaveCancelled);
        return;
    }
    const QString& path = answer.path;
    if (path.isEmpty()) return;  // a blank name has its own message
    if (!WriteTextFile(path, text)) {
        SetText2(SaveFailed);
        return;
    }
    ZEKBuildNewForm();
    SetText2(QStringLiteral("ZE-Assembler: Aktuell angezeigten Text Datei ") + path + QStringLiteral("abgespeichert"));
    SetText2(QStringLiteral("Aktuell angezeigten Text in Datei ") + path + QStringLiteral(" abgespeichert."));
}

}  // namespace zek::ui

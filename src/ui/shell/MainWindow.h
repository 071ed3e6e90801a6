#pragma once
// The main window HF: source editor, run control, views, the menus.
//
// Object names of control arrays: an element is named by its array name
// followed by its index and also carries its index in the dynamic property
// "index" ("SetTestMode0".."SetTestMode2", "mnuAnzeige1".."mnuAnzeige7",
// "mnuAusführen0".."mnuAusführen2", "mnuHilfe1", "mnuHilfe2",
// "mnuHilfe4".."mnuHilfe11", "mnuHilfe21", "mnuHilfe99"). The one-element
// array Start is named "Start". All other controls carry their own names
// ("HF", "Text4", "mnuDateiÖffnen", "mnuEinfügen", ...).
//
// The file commands (FileCommands.cpp), the help pages and the text window
// (HelpPages.cpp), and the menus "&Quelltext" and "&Testen" of the source
// workbench (WorkbenchCommands.cpp) are implemented in their own files.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>
#include <utility>

#include "core/store/WindowSystem.h"
#include "core/store/ZekState.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/util/TextView.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace zek::ui {

class FindDialog;
class MessageLine;
class QtWindowSystem;
class SourceEditor;
class TextWindow;

class MainWindow : public QMainWindow, public DialogHost {
    Q_OBJECT

    // The public interface is what the rest of the program needs: the run-time
    // dialogs (DialogHost), the core's window system during a run
    // (QtWindowSystem) and the program's entry point (main). Everything the
    // user does goes through the controls and menus, whose handlers are
    // private; tests reach them the same way, by the controls' object names.
public:
    explicit MainWindow(ZekState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    // DialogHost
    ZekState& state() override { return state_; }
    WindowSystem& windows() override;
    QString SourceText() const override;
    void SetText2(const QString& text) override;  // sets and repaints at once
    zek::AckAnswer ZEKSicherheitsabfrage(bool haltAllowed) override;

    // For QtWindowSystem while a run goes on:
    // The one-line field written by the Processor (proof, info), repainted at once.
    void SetText1(const QString& text);
    // A message that may wait a moment, shown at most every MessageLine::Interval.
    void SetText2Soon(const QString& text);
    // Marks in the source where a run halted (or, for the assembler's error
    // list, the listed lines) and returns the place on the screen that the
    // halt dialog should leave visible; null when there is none.
    QRect ShowWhereHalted(HaltLocation where);
    // Closes the text window, if it is open, as its own close would.
    void CloseTextWindow();

    // Opens the program file `path` (given on the command line or dropped
    // onto the window) as "Programm öffnen ..." does after its dialog: the
    // save question first, then the same messages.
    void OpenProgramFile(const QString& path);

signals:
    // The window has closed and no run is on the stack any more: the
    // application may end now.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // What the save question ended with.
    enum class SaveQuestion {
        Unchanged,  // nothing to save, nothing asked
        Saved,      // "Ja", and the text was saved
        NotSaved,   // "Ja", but no save happened (dialog cancelled, blank name, failed write)
        Declined,   // "Nein": the changes may go
        Cancelled,  // "Abbrechen"
    };
    // Asks whether a changed source is to be saved, and saves it on "Ja".
    SaveQuestion ZEKSaveTextIfChanged();
    // Whether the editor's text may be replaced after the save question:
    // nothing the user typed is lost then.
    static bool SourceMayGo(SaveQuestion answer);

    // "P..." shows the editor Text4, any other name the display box Text3.
    void SelectView(const QString& name);
    // Brings the fields, the captions and the enabled state of the commands
    // up to date; the timer does it four times a second.
    void ZEKBuildNewForm();
    void Timer1_Timer();

    // Run control
    void mnuAusfuehren_Click(int index);  // the start command
    void Start_Click(int index);
    void SetTestMode_Click(int index);
    void Halt_Click();
    void Abbrechen_Click();
    void Beenden_Click();
    void mnuDateiBeenden_Click();

    // Views and editing
    void mnuAnzeige_Click(int index);
    void Hilfe_Click();
    void Assemblerprogramm_Click();
    void Ausgabetext_Click();
    void Code_Click();
    void Symboltabelle_Click();
    void SymboltabelleLang_Click();
    void Laufzeitprotokoll_Click();
    void mnuAusschneiden_Click();
    void mnuKopieren_Click();
    void mnuEinfuegen_Click();

    // File commands (FileCommands.cpp)
    void mnuAnzeigenNichts_Click();
    void mnuDateiOeffnen_Click();
    bool mnuDateiSpeichern_Click();  // true when the source was saved
    bool mnuDateiSpeichernUnter_Click();
    void mnuDrucken_Click();
    void mnuAktuellenTextSpeichernUnter_Click();
    // After a failed save the source has no file and counts as changed.
    void ForgetFailedFile();

    // Testen menu
    void mnuAufgabePruefen_Click();  // "Aufgabe prüfen ...": checks the editor's text against a test file

    // Help pages and the text window (HelpPages.cpp)
    void mnuHilfe_Click(int index);

    // The menus "&Quelltext" and "&Testen" (WorkbenchCommands.cpp)
    void mnuSuchen_Click();
    void mnuWeitersuchen_Click();
    void mnuRueckwaertsSuchen_Click();
    void mnuErsetzen_Click();
    void mnuGeheZuZeile_Click();
    void mnuGroesser_Click();
    void mnuKleiner_Click();
    void mnuNormalgroesse_Click();
    // Opens an example program like "Programm öffnen ...", but without
    // making it the current file: a save asks for a name.
    void OpenExample(const QString& path);
    void mnuHaltepunkt_Click();
    void mnuHaltepunkteLoeschen_Click();
    void mnuZurFehlerzeile_Click();

    // The window's outer size in twips, as the resize rules count it.
    QSize FormSizeTwips() const;

    void CreateControls();
    void CreateMenus();
    void CreateDateiMenu();
    void CreateBearbeitenMenu();
    void CreateAnzeigenMenu();
    void CreateAusfuehrenMenu();
    void CreateQuelltextMenu();
    void CreateBeispieleMenu(QMenu* parent);
    void CreateTestenMenu();
    void AddAufgabePruefen(QMenu* menu);
    void CreateHilfeMenu();
    void ConnectControls();
    void ConnectWorkbench();

    void Form_Load();
    void Form_Activate();
    void Form_Resize();
    bool Form_QueryUnload();  // true allows the close

    void ShowMessage(const QString& text, const QString& title);
    // Shows `text` (Windows-1252, CR LF line ends) in the display box Text3
    // in place of the editor.
    void ShowInDisplayBox(std::string text);
    void ShowLastError();
    void ShowRunMode();
    // The highest code address whose last execution failed, and its code.
    std::pair<std::size_t, std::uint8_t> LastFailure() const;

    // Reads the program file `path` into Text4; `bind` makes it the
    // current file. False (and nothing changed) when it cannot be read.
    bool LoadProgram(const QString& path, bool bind);
    // The save question, then LoadProgram; a file that cannot be read is said.
    void OpenFile(const QString& path, bool bind);
    void Find(bool backward);
    void Replace();
    void ReplaceAll();
    FindDialog& Finder();
    void SetTextPointSize(double pointSize);
    void ShowBreakpointChange(int change, int line);

    ZekState& state_;
    std::unique_ptr<QtWindowSystem> windows_;

    // The answer of the last acknowledge question.
    zek::AckAnswer AckAnswer = zek::AckAnswer::Nein;
    // Full path of the current source file; empty when none.
    QString CurrentFileName;
    // The source text as last opened or saved, in the editor's form
    // (QString, "\n" line breaks), compared with Text4's toPlainText().
    QString SavedSourceText;

    // Datei menu
    QAction* mnuAnzeigenNichts = nullptr;
    QAction* mnuDateiOeffnen = nullptr;  // objectName "mnuDateiÖffnen"
    QAction* mnuDateiSpeichern = nullptr;
    QAction* mnuDateiSpeichernUnter = nullptr;
    QAction* mnuDrucken = nullptr;
    QAction* mnuAktuellenTextSpeichernUnter = nullptr;
    QAction* mnuDateiBeenden = nullptr;
    // Bearbeiten menu
    QAction* mnuAusschneiden = nullptr;
    QAction* mnuKopieren = nullptr;
    QAction* mnuEinfuegen = nullptr;  // objectName "mnuEinfügen"
    // The workbench's menus, before "&Hilfe"
    QMenu* mnuQuelltext = nullptr;
    QMenu* mnuTesten = nullptr;

    bool FormLoaded = false;
    bool closedDuringRun_ = false;
    bool reportAwaitsActivation_ = false;  // the exercise report is shown again after Form_Activate

    QLineEdit* textAktiv_ = nullptr;
    QPushButton* start_ = nullptr;
    QLineEdit* textTestMode_ = nullptr;
    std::array<QPushButton*, 3> setTestMode_{};
    QPushButton* halt_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
    QLineEdit* text1_ = nullptr;
    QLineEdit* fehlertext_ = nullptr;
    QPushButton* beenden_ = nullptr;
    QLabel* lDatei_ = nullptr;
    SourceEditor* text4_ = nullptr;
    TextView* text3_ = nullptr;
    QLineEdit* text2_ = nullptr;
    MessageLine* messageLine_ = nullptr;
    QTimer* timer1_ = nullptr;

    // The modeless text window, while it is open.
    QPointer<TextWindow> textWindow_;
    // The find dialog, once it has been opened.
    FindDialog* findDialog_ = nullptr;
    double pointSize_ = 10.5;
};

}  // namespace zek::ui

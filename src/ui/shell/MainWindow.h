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
// (HelpPages.cpp) are implemented in their own files.

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <map>
#include <memory>

#include "core/store/ZekState.h"
#include "ui/dialogs/DialogHost.h"
#include "ui/util/TextView.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace zek::ui {

class MessageLine;
class QtWindowSystem;
class TextWindow;

class MainWindow : public QMainWindow, public DialogHost {
    Q_OBJECT

public:
    explicit MainWindow(ZekState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    // DialogHost
    ZekState& state() override { return state_; }
    WindowSystem& windows() override;
    QString SourceText() const override;
    void SetText2(const QString& text) override;  // sets and repaints at once
    // A message that may wait a moment, shown at most every MessageLine::Interval.
    void SetText2Soon(const QString& text);
    zek::AckAnswer ZEKSicherheitsabfrage(bool haltAllowed) override;

    // The one-line field written by the Processor (proof, info), repainted at once.
    void SetText1(const QString& text);

    QPlainTextEdit* Text4() { return text4_; }
    TextView* Text3() { return text3_; }

    // "P..." shows the editor Text4, any other name the display box Text3.
    void SelectView(const QString& name);
    void ZEKBuildNewForm();

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

    // Testen menu
    void mnuAufgabePruefen_Click();  // "Aufgabe prüfen ...": checks the editor's text against a test file

    // Help pages and the text window (HelpPages.cpp)
    void mnuHilfe_Click(int index);
    void CloseTextWindow();

    void Timer1_Timer();

    // The window's outer size in twips, as the resize rules count it.
    QSize FormSizeTwips() const;

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
    // Anzeigen, Ausfuehren and Hilfe menus, by index
    std::array<QAction*, 8> mnuAnzeige{};  // 1..7
    std::array<QAction*, 3> mnuAusfuehren{};
    std::map<int, QAction*> mnuHilfe;  // 1, 2, 4..11, 21, 99
    // Testen menu
    QAction* mnuAufgabePruefen = nullptr;  // objectName "mnuAufgabePrüfen"

signals:
    // The window has closed and no run is on the stack any more: the
    // application may end now.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void CreateMenus();
    void CreateDateiMenu();
    void CreateBearbeitenMenu();
    void CreateAnzeigenMenu();
    void CreateAusfuehrenMenu();
    void CreateTestenMenu();
    void AddAufgabePruefen(QMenu* menu);
    void CreateHilfeMenu();
    void ConnectControls();

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

    ZekState& state_;
    std::unique_ptr<QtWindowSystem> windows_;
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
    QPlainTextEdit* text4_ = nullptr;
    TextView* text3_ = nullptr;
    QLineEdit* text2_ = nullptr;
    MessageLine* messageLine_ = nullptr;
    QTimer* timer1_ = nullptr;

    // The modeless text window, while it is open.
    QPointer<TextWindow> textWindow_;
};

}  // namespace zek::ui

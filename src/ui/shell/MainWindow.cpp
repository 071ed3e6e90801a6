#include "ui/shell/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "core/assembler/Assembler.h"
#include "core/base/DocumentationText.h"
#include "core/processor/Processor.h"
#include "core/reports/Reports.h"
#include "core/store/ProgramStore.h"
#include "ui/dialogs/AckDialog.h"
#include "ui/shell/ExerciseCheck.h"
#include "ui/shell/QtWindowSystem.h"
#include "ui/util/Clipboard.h"
#include "ui/util/ContextMenu.h"
#include "ui/util/Fonts.h"
#include "ui/util/MenuActions.h"
#include "ui/util/MessageBoxes.h"
#include "ui/util/MessageLine.h"
#include "ui/util/PlainText.h"
#include "ui/util/QtText.h"
#include "ui/util/RunModeNames.h"
#include "ui/util/Twips.h"
#include "ui/workbench/SourceEditor.h"

namespace zek::ui {
namespace {

// The window's outer size counts its frame, title bar and menu bar, which
// the client area does not have.
constexpr int FrameWidth = 246;
constexpr int FrameHeight = 855;
constexpr int MinimumWidth = 8160;
constexpr int MinimumHeight = 6960;
constexpr int ClientWidth = 13125;
constexpr int ClientHeight = 7245;

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QLineEdit* MakeField(QWidget* parent, const char* name, const char* text, const char* tooltip, QRect geometry) {
    auto* field = new QLineEdit(Utf8(text), parent);
    field->setObjectName(Utf8(name));
    field->setToolTip(Utf8(tooltip));
    field->setReadOnly(true);
    field->setGeometry(geometry);
    return field;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, const char* tooltip, QRect geometry) {
    auto* button = new QPushButton(Utf8(caption), parent);
    button->setObjectName(Utf8(name));
    button->setToolTip(Utf8(tooltip));
    button->setGeometry(geometry);
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

template <typename Box>
Box* MakeTextBox(QWidget* parent, const char* name, const char* tooltip, QRect geometry) {
    auto* box = new Box(parent);
    box->setObjectName(Utf8(name));
    box->setToolTip(Utf8(tooltip));
    box->setFont(FixedPitchFont(10.5));
    box->setGeometry(geometry);
    return box;
}

// An element of a control array: named by array and index, index also as a property.
QAction* MakeIndexedAction(QMenu* menu, const char* array, int index, const char* caption, QKeySequence shortcut = {}) {
    QAction* action = MakeAction(menu, Utf8(array) + QString::number(index), caption, shortcut);
    action->setProperty("index", index);
    return action;
}

}  // namespace

MainWindow::MainWindow(ZekState& state, QWidget* parent)
    : QMainWindow(parent), state_(state), windows_(std::make_unique<QtWindowSystem>(*this)) {
    setObjectName(QStringLiteral("HF"));
    setWindowTitle(QStringLiteral("ZE-Assembler"));
    CreateControls();
    CreateMenus();
    ConnectControls();
    ConnectWorkbench();
    resize(TwipsToPixelsX(ClientWidth), TwipsToPixelsY(ClientHeight) + menuBar()->sizeHint().height());

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(250);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    timer1_->start();

    Form_Load();
}

MainWindow::~MainWindow() = default;

WindowSystem& MainWindow::windows() { return *windows_; }

void MainWindow::CreateControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("Client"));
    client->setFont(ControlFont());
    client->setMinimumSize(TwipsToPixelsX(MinimumWidth - FrameWidth), TwipsToPixelsY(MinimumHeight - FrameHeight));
    setCentralWidget(client);

    textAktiv_ = MakeField(client, "TextAktiv", "", "Prozessorstatus", TwipsRect(60, 60, 1575, 312));
    start_ = MakeButton(client, "Start", "Programm starten", "Voll durchstarten und auch alle Fehler überfahren",
                        TwipsRect(1680, 60, 3195, 312));
    start_->setProperty("index", 0);
    textTestMode_ = MakeField(client, "TextTestMode", "Text5", "Aktueller Testmodus", TwipsRect(4920, 60, 1575, 315));
    setTestMode_[0] =
        MakeButton(client, "SetTestMode0", "'Ohne Halt'",
                   "Testmodus 'Ohne Halt': Vormerken, dass das Programm auch bei Fehlern nicht unterbrochen wird",
                   TwipsRect(6540, 60, 1575, 312));
    setTestMode_[1] = MakeButton(client, "SetTestMode1", "'Fehlerhalt'",
                                 "Testmodus 'Fehlerhalt': Halt bei Fehlern vormerken", TwipsRect(8160, 60, 1575, 312));
    setTestMode_[2] = MakeButton(client, "SetTestMode2", "'Schrittweise'",
                                 "Testmodus 'Schrittweise': Programmunterbrechung nach jedem Befehl vormerken",
                                 TwipsRect(9780, 60, 1575, 312));
    for (int i = 0; i < 3; ++i) setTestMode_[i]->setProperty("index", i);
    halt_ = MakeButton(client, "Halt", "Halt", "Setzt das Haltsignal, das nach dem nächsten Befehl anhalten lässt",
                       TwipsRect(11400, 60, 1575, 312));

    struct ViewButton {
        const char* name;
        const char* caption;
        const char* tooltip;
        void (MainWindow::*handler)();
    };
    const ViewButton views[] = {
        {"Hilfe", "Dokumentation", "Dokumentation", &MainWindow::Hilfe_Click},
        {"Assemblerprogramm", "Programmtext", "Das Quellprogramm", &MainWindow::Assemblerprogramm_Click},
        {"Ausgabetext", "Ausgabetext", "Der globale Ausgabetext, in den printn und prints schreiben",
         &MainWindow::Ausgabetext_Click},
        {"Code", "Code", "Das vom Assembler übersetzte Programm", &MainWindow::Code_Click},
        {"Symboltabelle", "Symboltabelle", "Die von Assembler erzeugte Symboltabelle (ohne Variablen mit »(« und »)«)",
         &MainWindow::Symboltabelle_Click},
        {"SymboltabelleLang", "Symboltabelle (lang)",
         "Die vom Assembler erzeugte Symboltabelle mit sämtlichen Einträgen", &MainWindow::SymboltabelleLang_Click},
        {"Laufzeitprotokoll", "Laufzeitprotokoll", "Welche Fehler gab es bei welchem Befehl?",
         &MainWindow::Laufzeitprotokoll_Click},
    };
    int left = 60;
    for (const ViewButton& view : views) {
        QPushButton* button =
            MakeButton(client, view.name, view.caption, view.tooltip, TwipsRect(left, 420, 1575, 315));
        connect(button, &QPushButton::clicked, this, view.handler);
        left += 1620;
    }

    abbrechen_ = MakeButton(client, "Abbrechen", "Abbruch",
                            "Setzt das Abbruchsignal, was das Programm nach dem laufenden Befehl beendet",
                            TwipsRect(11400, 420, 1575, 312));
    text1_ = MakeField(client, "Text1", "", "Aktuelle Mitteilung", TwipsRect(60, 780, 6435, 312));
    fehlertext_ = MakeField(client, "Fehlertext", "Fehlertext", "Aktuelle Fehlermitteilung (mit Fehlercode/Codezeile)",
                            TwipsRect(6540, 780, 3195, 312));
    beenden_ = MakeButton(client, "Beenden", "Beenden", "Debugger beenden", TwipsRect(11400, 780, 1575, 315));

    lDatei_ = new QLabel(QStringLiteral("Assemblerprogramm:"), client);
    lDatei_->setObjectName(QStringLiteral("LDatei"));
    lDatei_->setTextFormat(Qt::PlainText);  // it names the file, which may hold "<"
    lDatei_->setGeometry(TwipsRect(60, 1140, 11952, 192));

    text4_ =
        MakeTextBox<SourceEditor>(client, "Text4", "Aktuelles Assemblerprogramm", TwipsRect(60, 1380, 12012, 5412));
    text4_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text4_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text4_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text3_ = MakeTextBox<TextView>(client, "Text3", "Aktueller Text", TwipsRect(60, 1380, 12975, 5412));
    text3_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text3_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The editor's own clipboard keys and context menu would bypass the
    // Bearbeiten rules.
    text4_->installEventFilter(this);
    text3_->installEventFilter(this);
    InstallBearbeitenContextMenu(*text4_, PlainTextCommands(
                                              *text4_, [this] { mnuAusschneiden_Click(); },
                                              [this] { mnuKopieren_Click(); }, [this] { mnuEinfuegen_Click(); }));
    InstallBearbeitenContextMenu(*text3_, TextViewCommands(*text3_, [this] { mnuKopieren_Click(); }));

    text2_ = MakeField(client, "Text2", "Text2", "", TwipsRect(60, 6900, 12975, 285));
    messageLine_ = new MessageLine(*text2_);
}

void MainWindow::CreateMenus() {
    CreateDateiMenu();
    CreateBearbeitenMenu();
    CreateAnzeigenMenu();
    CreateAusfuehrenMenu();
    CreateQuelltextMenu();
    CreateTestenMenu();
    CreateHilfeMenu();
}

void MainWindow::CreateDateiMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Datei"));
    menu->setObjectName(QStringLiteral("mnuDatei"));
    mnuAnzeigenNichts =
        MakeAction(menu, QStringLiteral("mnuAnzeigenNichts"), "Programm &löschen", Qt::CTRL | Qt::Key_N);
    mnuDateiOeffnen = MakeAction(menu, Utf8("mnuDateiÖffnen"), "Programm ö&ffnen ...", Qt::CTRL | Qt::Key_O);
    mnuDateiSpeichern =
        MakeAction(menu, QStringLiteral("mnuDateiSpeichern"), "Programm &speichern", Qt::CTRL | Qt::Key_S);
    mnuDateiSpeichernUnter =
        MakeAction(menu, QStringLiteral("mnuDateiSpeichernUnter"), "Programm speichern &unter ...");
    menu->addSeparator();
    mnuDrucken = MakeAction(menu, QStringLiteral("mnuDrucken"), "&Aktuellen Text &drucken");
    mnuAktuellenTextSpeichernUnter =
        MakeAction(menu, QStringLiteral("mnuAktuellenTextSpeichernUnter"), "Aktuellen Text speichern unter ...");
    menu->addSeparator();
    mnuDateiBeenden = MakeAction(menu, QStringLiteral("mnuDateiBeenden"), "&Beenden");

    connect(mnuAnzeigenNichts, &QAction::triggered, this, &MainWindow::mnuAnzeigenNichts_Click);
    connect(mnuDateiOeffnen, &QAction::triggered, this, &MainWindow::mnuDateiOeffnen_Click);
    connect(mnuDateiSpeichern, &QAction::triggered, this, &MainWindow::mnuDateiSpeichern_Click);
    connect(mnuDateiSpeichernUnter, &QAction::triggered, this, &MainWindow::mnuDateiSpeichernUnter_Click);
    connect(mnuDrucken, &QAction::triggered, this, &MainWindow::mnuDrucken_Click);
    connect(mnuAktuellenTextSpeichernUnter, &QAction::triggered, this,
            &MainWindow::mnuAktuellenTextSpeichernUnter_Click);
    connect(mnuDateiBeenden, &QAction::triggered, this, &MainWindow::mnuDateiBeenden_Click);
}

void MainWindow::CreateBearbeitenMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
    menu->setObjectName(QStringLiteral("mnuBearbeiten"));
    mnuAusschneiden = MakeAction(menu, QStringLiteral("mnuAusschneiden"), "&Ausschneiden", Qt::CTRL | Qt::Key_X);
    mnuKopieren = MakeAction(menu, QStringLiteral("mnuKopieren"), "&Kopieren", Qt::CTRL | Qt::Key_C);
    mnuEinfuegen = MakeAction(menu, Utf8("mnuEinfügen"), "&Einfügen", Qt::CTRL | Qt::Key_V);
    connect(mnuAusschneiden, &QAction::triggered, this, &MainWindow::mnuAusschneiden_Click);
    connect(mnuKopieren, &QAction::triggered, this, &MainWindow::mnuKopieren_Click);
    connect(mnuEinfuegen, &QAction::triggered, this, &MainWindow::mnuEinfuegen_Click);
}

void MainWindow::CreateAnzeigenMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("Anzeigen"));
    menu->setObjectName(QStringLiteral("mnuAnzeigen"));
    struct View {
        const char* caption;
        QKeySequence shortcut;
    };
    const View views[] = {{"Dokumentation", Qt::Key_F1},
                          {"Assemblerprogramm", {}},
                          {"Ausgabetext", Qt::Key_F2},
                          {"Codetabelle anzeigen", Qt::Key_F3},
                          {"Symboltabelle anzeigen", Qt::Key_F4},
                          {"Symboltabelle (lang) anzeigen", Qt::SHIFT | Qt::Key_F4},
                          {"Laufzeitprotokoll anzeigen", {}}};
    for (int index = 1; index <= 7; ++index) {
        const View& view = views[index - 1];
        QAction* action = MakeIndexedAction(menu, "mnuAnzeige", index, view.caption, view.shortcut);
        connect(action, &QAction::triggered, this, [this, index] { mnuAnzeige_Click(index); });
    }
}

void MainWindow::CreateAusfuehrenMenu() {
    QMenu* menu = menuBar()->addMenu(Utf8("&Ausführen"));
    menu->setObjectName(Utf8("mnuAusführen"));
    const char* captions[] = {"Ausführen ('Ohne Halt')", "Mit 'Fehlerhalt' ausführen", "'Schrittweise' Ausführung"};
    const Qt::Key keys[] = {Qt::Key_F5, Qt::Key_F6, Qt::Key_F7};
    for (int index = 0; index < 3; ++index) {
        QAction* action = MakeIndexedAction(menu, "mnuAusführen", index, captions[index], keys[index]);
        connect(action, &QAction::triggered, this, [this, index] { mnuAusfuehren_Click(index); });
    }
}

// The exercise check closes the Testen menu, after a separator.
void MainWindow::AddAufgabePruefen(QMenu* menu) {
    menu->addSeparator();
    QAction* action = MakeAction(menu, QStringLiteral("mnuAufgabePruefen"), "Aufgabe prüfen ...");
    connect(action, &QAction::triggered, this, &MainWindow::mnuAufgabePruefen_Click);
}

void MainWindow::CreateHilfeMenu() {
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    menu->setObjectName(QStringLiteral("mnuHilfeMenu"));
    struct Page {
        int index;
        const char* caption;  // nullptr: a separator
    };
    const Page pages[] = {{1, "Über ZEK"},
                          {2, "Assembler programmieren"},
                          {3, nullptr},
                          {4, "Rechenbefehle I"},
                          {5, "Rechenbefehle II"},
                          {6, "Rechenbefehle III"},
                          {7, "Sprungbefehle"},
                          {8, "Ein-/Ausgabebefehle"},
                          {9, "Pointerbefehle"},
                          {10, "Systembefehle"},
                          {11, "Pseudobefehle"},
                          {20, nullptr},
                          {21, "Dokumentation"},
                          {99, "Info"}};
    for (const Page& page : pages) {
        if (!page.caption) {
            menu->addSeparator();
            continue;
        }
        QAction* action = MakeIndexedAction(menu, "mnuHilfe", page.index, page.caption);
        const int index = page.index;
        connect(action, &QAction::triggered, this, [this, index] { mnuHilfe_Click(index); });
    }
}

void MainWindow::ConnectControls() {
    connect(start_, &QPushButton::clicked, this, [this] { Start_Click(0); });
    for (int index = 0; index < 3; ++index)
        connect(setTestMode_[index], &QPushButton::clicked, this, [this, index] { SetTestMode_Click(index); });
    connect(halt_, &QPushButton::clicked, this, &MainWindow::Halt_Click);
    connect(abbrechen_, &QPushButton::clicked, this, &MainWindow::Abbrechen_Click);
    connect(beenden_, &QPushButton::clicked, this, &MainWindow::Beenden_Click);
}

// ---- fields and dialogs ----

QString MainWindow::SourceText() const { return PlainTextOf(*text4_); }

void MainWindow::SetText1(const QString& text) {
    text1_->setText(text);
    text1_->repaint();
}

void MainWindow::SetText2(const QString& text) { messageLine_->Show(text); }

void MainWindow::SetText2Soon(const QString& text) { messageLine_->ShowSoon(text); }

zek::AckAnswer MainWindow::ZEKSicherheitsabfrage(bool haltAllowed) {
    AckDialog dialog(FromCore(state_.ProgramName), haltAllowed, this);
    AckAnswer = dialog.Ask();
    return AckAnswer;
}

void MainWindow::ShowMessage(const QString& text, const QString& title) {
    ShowMessageBox(this, text, title, MessageButtons::Ok);
}

// ---- views ----

void MainWindow::SelectView(const QString& name) {
    const bool program = name.startsWith(QLatin1Char('P'), Qt::CaseInsensitive);
    text4_->setVisible(program);
    text3_->setVisible(!program);
}

QSize MainWindow::FormSizeTwips() const {
    const QSize client = centralWidget()->size();
    return {PixelsToTwipsX(client.width()) + FrameWidth, PixelsToTwipsY(client.height()) + FrameHeight};
}

// ---- state refresh ----

void MainWindow::ZEKBuildNewForm() {
    const bool hasText = !text4_->document()->isEmpty();
    mnuDateiSpeichernUnter->setEnabled(hasText);
    mnuDrucken->setEnabled(hasText);

    if (text4_->isHidden())
        lDatei_->setText(QStringLiteral("Aktueller Text:"));
    else if (!CurrentFileName.isEmpty())
        lDatei_->setText(QStringLiteral("Assemblerprogramm ") + CurrentFileName + QStringLiteral(":"));
    else
        lDatei_->setText(QStringLiteral("Assemblerprogramm (keine Datei vorhanden):"));

    mnuDateiSpeichern->setEnabled(!CurrentFileName.isEmpty());

    const bool editing = !text4_->isHidden();
    mnuAusschneiden->setEnabled(editing);
    mnuEinfuegen->setEnabled(editing);
    mnuKopieren->setEnabled(true);

    start_->setEnabled(!state_.ProcessorActive);
    if (state_.ProcessorActive)
        textAktiv_->setText(windows_->IoDialogOpen() ? Utf8("Programm hält an") : Utf8("Programm läuft"));
    else
        textAktiv_->setText(QStringLiteral("Programm steht"));
    halt_->setEnabled(true);
    abbrechen_->setEnabled(true);

    ShowLastError();
    ShowRunMode();
}

std::pair<std::size_t, std::uint8_t> MainWindow::LastFailure() const {
    std::size_t lastAddress = 0;
    std::uint8_t lastCode = 0;
    for (std::size_t address = 0; address < state_.Code.size(); ++address) {
        if (state_.Code[address].lastErrorCode != 0) {
            lastAddress = address;
            lastCode = state_.Code[address].lastErrorCode;
        }
    }
    return {lastAddress, lastCode};
}

// The error field names the last line whose most recent execution failed.
void MainWindow::ShowLastError() {
    const auto [lastAddress, lastCode] = LastFailure();
    if (lastAddress != 0)
        fehlertext_->setText(QStringLiteral(" (%1/%2)").arg(lastCode).arg(lastAddress, 4, 10, QLatin1Char('0')));
    else
        fehlertext_->setText(QStringLiteral("[kein Fehler]"));
}

void MainWindow::ShowRunMode() {
    if (const char* name = RunModeName(state_.RunMode)) textTestMode_->setText(Utf8(name));
}

void MainWindow::Timer1_Timer() {
    if (FormLoaded) ZEKBuildNewForm();
}

// ---- the start command ----

void MainWindow::Start_Click(int index) { mnuAusfuehren_Click(index); }

// A start during a run (the start entries stay enabled) is refused by the
// Assembler and then by the Processor, which asks whether to abort the
// active run; nothing else of the active run changes, its ErrorCode neither.
void MainWindow::mnuAusfuehren_Click(int /*index: every entry starts in the current RunMode*/) {
    if (text4_->document()->isEmpty()) {
        const QString message = QStringLiteral("Programmtext ist leer. Assembler kann nicht starten.");
        SetText2(message);
        ShowMessage(message, QStringLiteral("ZE-Assembler"));
        return;
    }
    SelectView(QStringLiteral("PROGRAMM"));
    // A save that did not happen after "Ja" does not stop the start: the text stays in the editor.
    if (ZEKSaveTextIfChanged() == SaveQuestion::Cancelled) {
        const QString message = QStringLiteral("Wegen Dateispeicherabbruch Assemblerprogramm nicht gestartet");
        SetText2(message);
        ShowMessage(message, QStringLiteral("ZE-Assembler"));
        return;
    }
    ZEKBuildNewForm();
    SetText2(QStringLiteral("ZE-Assembler: Programm wird assembliert"));

    // The editor's breakpoints go to the run; a refused assembly (during a
    // run) leaves the running program's lines alone.
    const bool assembling = !state_.ProcessorActive;
    if (assembling) {
        state_.BreakpointLines = text4_->BreakpointLines();
        text4_->ClearHalt();
    }
    const AssemblyOutcome assembly = Assemble(state_, *windows_, ToCoreLines(SourceText()), AssemblerPresets{});
    if (assembling) text4_->ShowAssembly(state_.LineMap);
    SetText2(QStringLiteral("ZE-Assembler: Assemblerlauf beendet"));
    QString outcome = QStringLiteral("Assembler wurde abgebrochen");
    switch (assembly) {
        case AssemblyOutcome::InternalFault:
            SetText2(QStringLiteral("Assmblerfehler"));
            ShowMessage(
                QStringLiteral("Assemblerfehler. Programm kann nicht starten. Fehlerliste steht im Laufzeitprotokoll."),
                QStringLiteral("ZE-Assembler"));
            return;
        case AssemblyOutcome::Aborted: break;
        case AssemblyOutcome::Ready:
        case AssemblyOutcome::Refused:
            SetText2(QStringLiteral("ZE-Assembler: Programm wird gestartet"));
            Run(state_, *windows_);
            if (assembling) text4_->ClearHalt();
            SetText2(QStringLiteral("ZE-Assembler: Programm wurde beendet"));
            outcome = QStringLiteral("Assemblerprogramm wurde beendet");
            break;
    }
    if (assembly != AssemblyOutcome::Refused) DiscardResult(state_);
    ZEKBuildNewForm();
    SetText2(QStringLiteral("Assemblerfehler: ") + outcome);

    // A close accepted during the run takes effect once the run is off the stack.
    if (closedDuringRun_ && !state_.ProcessorActive) emit Closed();
}

// ---- run modes and signals ----

void MainWindow::SetTestMode_Click(int index) {
    if (index < 0 || index > 2) return;
    state_.RunMode = RunModeOf(index);
    ShowRunMode();
    for (int i = 0; i < 3; ++i) setTestMode_[i]->setEnabled(i != index);
    textTestMode_->repaint();
}

void MainWindow::Halt_Click() {
    state_.HaltSignal = true;
    SetText2(QStringLiteral("Haltsignal gesetzt"));
}

// Without a run there is nothing to abort: the message is shown and no
// signal is left behind for the next run.
void MainWindow::Abbrechen_Click() {
    if (state_.ProcessorActive) {
        switch (ZEKSicherheitsabfrage(true)) {
            case zek::AckAnswer::Debugger:
                state_.HaltSignal = true;
                SetText2(QStringLiteral("Haltsignal gesetzt"));
                break;
            case zek::AckAnswer::Ja:
                state_.AbortSignal = true;
                state_.ExitSignal = true;
                SetText2(QStringLiteral("Abbruchsignal gesetzt"));
                break;
            case zek::AckAnswer::Nein: break;
        }
    } else {
        SetText2(QStringLiteral("Abbruchsignal gesetzt"));
    }
    ZEKBuildNewForm();
}

// ---- save question ----

MainWindow::SaveQuestion MainWindow::ZEKSaveTextIfChanged() {
    if (SourceText() == SavedSourceText) return SaveQuestion::Unchanged;
    const QString question =
        CurrentFileName.isEmpty()
            ? Utf8("Der aktuelle Text hat sich geändert. Speichern unter?")
            : Utf8("Der aktuelle Text hat sich geändert. Speichern in Datei ") + CurrentFileName + QStringLiteral("?");
    switch (ShowMessageBox(this, question, QStringLiteral("ZE-Assembler: Sicherungsabfrage"),
                           MessageButtons::YesNoCancel)) {
        case MessageAnswer::Yes: {
            const bool saved = CurrentFileName.isEmpty() ? mnuDateiSpeichernUnter_Click() : mnuDateiSpeichern_Click();
            return saved ? SaveQuestion::Saved : SaveQuestion::NotSaved;
        }
        case MessageAnswer::No: return SaveQuestion::Declined;
        case MessageAnswer::Ok:
        case MessageAnswer::Cancel: break;
    }
    return SaveQuestion::Cancelled;
}

bool MainWindow::SourceMayGo(SaveQuestion answer) {
    return answer == SaveQuestion::Unchanged || answer == SaveQuestion::Saved || answer == SaveQuestion::Declined;
}

// ---- window events ----

void MainWindow::Form_Load() {
    ResetToBlankTables(state_);
    SelectView(QStringLiteral("PROGRAMM"));
    ZEKBuildNewForm();
    SetText2(QStringLiteral("ZE-Assembler initialisiert"));
    FormLoaded = true;
}

void MainWindow::Form_Activate() {
    SelectView(QStringLiteral("PROGRAMM"));
    ZEKBuildNewForm();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !FormLoaded) return;
    Form_Activate();
    if (std::exchange(reportAwaitsActivation_, false)) {
        SelectView(QStringLiteral("TEXT"));
        ZEKBuildNewForm();
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

// The minimum size itself is held by the client area's minimum size; here
// the text boxes and the message field follow the window's size.
void MainWindow::Form_Resize() {
    if (isMinimized() || !text2_) return;
    const QSize form = FormSizeTwips();
    const int height = std::max(form.height(), MinimumHeight);
    const int width = std::max(form.width(), MinimumWidth);
    if (height > 1320) {
        text2_->move(text2_->x(), TwipsToPixelsY(height - 1020 - 180));
        text3_->resize(text3_->width(), TwipsToPixelsY(height - 2700 - 180));
        text4_->resize(text4_->width(), TwipsToPixelsY(height - 2700 - 180));
    }
    if (width > 420) {
        for (QWidget* box :
             {static_cast<QWidget*>(text2_), static_cast<QWidget*>(text3_), static_cast<QWidget*>(text4_)})
            box->resize(TwipsToPixelsX(width - 216 - 180), box->height());
    }
}

bool MainWindow::Form_QueryUnload() {
    if (state_.ProcessorActive) {
        const MessageAnswer answer =
            ShowMessageBox(this, QStringLiteral("ZE-Assembler mit samt dem laufendem Programm abbrechen ?"),
                           Utf8("ZEK: Programm läuft noch ..."), MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) return false;
        state_.AbortSignal = true;
        SetText2(QStringLiteral("ZE-Assemblerfenster geschlossen"));
    }
    if (!SourceMayGo(ZEKSaveTextIfChanged())) return false;
    CurrentFileName.clear();
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    CloseTextWindow();
    // The start command is still inside Run: it ends the application when the run returns.
    if (state_.ProcessorActive)
        closedDuringRun_ = true;
    else
        emit Closed();
}

void MainWindow::Beenden_Click() {
    close();
    SetText2(QStringLiteral("ZE-Assembler beendet"));
}

void MainWindow::mnuDateiBeenden_Click() {
    close();
    CurrentFileName.clear();
    SetText2(QStringLiteral("ZE-Assembler beendet"));
}

// ---- the displays ----

void MainWindow::mnuAnzeige_Click(int index) {
    if (index < 1 || index > 7) return;
    const bool program = index == 2;
    std::string text;
    const char* status = "";
    switch (index) {
        case 1:
            text = DocumentationText();
            status = "Befehlsiste";
            break;
        case 2: status = "Assemblerprogramm wird angezeigt."; break;
        case 3:
            text = state_.OutputText;
            status = "Ausgabetext wird angezeigt";
            break;
        case 4:
            text = CodeTableListing(state_);
            status = "Der Code wird angezeigt.";
            break;
        case 5:
            text = SymbolTableListing(state_, *windows_, false);
            status = "Standard-Symboltabelle wird angezeigt.";
            break;
        case 6:
            text = SymbolTableListing(state_, *windows_, true);
            status = "Vollständige Symboltabelle wird angezeigt.";
            break;
        case 7:
            text = ExecutionProtocol(state_);
            status = "Prozessprotokoll wird angezeigt.";
            break;
    }
    SetText2(Utf8(status));
    if (program) {
        SelectView(QStringLiteral("PROGRAMM"));
        ZEKBuildNewForm();
    } else {
        ShowInDisplayBox(std::move(text));
    }
}

void MainWindow::ShowInDisplayBox(std::string text) {
    text3_->SetCoreText(std::move(text));
    SelectView(QStringLiteral("TEXT"));
    ZEKBuildNewForm();
}

// ---- Testen ----

void MainWindow::mnuAufgabePruefen_Click() {
    ExerciseCheck check(this, [this](const QString& message) { SetText2(message); });
    const std::optional<ExerciseCheckReport> report = check.Check(ToCoreLines(SourceText()), state_.ProcessorActive);
    if (!report) return;
    ShowInDisplayBox(ToCoreLines(report->text));
    SetText2(report->summary);
    // The dialogs of the check hand the activation back only after they have
    // closed; the report stays in view when it comes.
    reportAwaitsActivation_ = !isActiveWindow();
}

void MainWindow::Hilfe_Click() {
    mnuAnzeige_Click(1);
    SetText2(QStringLiteral("ZE-Assembler: Anzeige der Dokumentation"));
}
void MainWindow::Assemblerprogramm_Click() {
    mnuAnzeige_Click(2);
    SetText2(QStringLiteral("ZE-Assembler: Anzeige des Quellprogramms"));
}
void MainWindow::Ausgabetext_Click() {
    mnuAnzeige_Click(3);
    SetText2(QStringLiteral("ZE-Assembler: Anzeige des Ausgabetextes"));
}
void MainWindow::Code_Click() {
    mnuAnzeige_Click(4);
    SetText2(Utf8("ZE-Assembler: Anzeige des übersetzten Programmcodes"));
}
void MainWindow::Symboltabelle_Click() {
    mnuAnzeige_Click(5);
    SetText2(QStringLiteral("ZE-Assembler: Standardanzeige der Symboltabelle"));
}
void MainWindow::SymboltabelleLang_Click() {
    mnuAnzeige_Click(6);
    SetText2(Utf8("ZE-Assembler: Vollständige Anzeige der Symboltabelle"));
}
void MainWindow::Laufzeitprotokoll_Click() {
    mnuAnzeige_Click(7);
    SetText2(QStringLiteral("ZE-Assembler: Anzeige des Laufzeitprotokolls"));
}

// ---- Bearbeiten ----

void MainWindow::mnuAusschneiden_Click() {
    if (!text3_->isHidden()) return;
    CutSelectionToClipboard(*text4_);
}

void MainWindow::mnuKopieren_Click() {
    if (text4_->isHidden())
        CopySelectionToClipboard(*text3_);
    else
        CopySelectionToClipboard(*text4_);
}

void MainWindow::mnuEinfuegen_Click() {
    if (!text3_->isHidden()) return;
    PasteInFrontOfSelection(*text4_);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A double-click on the error field goes to the line of that error.
    if (watched == fehlertext_ && event->type() == QEvent::MouseButtonDblClick) {
        mnuZurFehlerzeile_Click();
        return true;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Left unaccepted, the key goes to the Bearbeiten entries.
        if (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste))
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace zek::ui

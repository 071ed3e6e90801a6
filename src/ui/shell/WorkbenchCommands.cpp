// The main window's menus "&Quelltext" and "&Testen": finding and
// replacing, going to a line, the size of the text, the example programs,
// breakpoints and the way from an error to its line; and where a halted run
// stands in the source. The source editor (ui/workbench) does the work,
// these commands wire it to the window and write their status line.

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTimer>
#include <algorithm>
#include <array>

#include "ui/shell/MainWindow.h"
#include "ui/util/DataPaths.h"
#include "ui/util/DroppedProgram.h"
#include "ui/util/Fonts.h"
#include "ui/util/MenuActions.h"
#include "ui/workbench/FindDialog.h"
#include "ui/workbench/GoToLine.h"
#include "ui/workbench/SourceEditor.h"
#include "ui/workbench/TextSearch.h"

namespace zek::ui {
namespace {

const QString Programm = QStringLiteral("PROGRAMM");

// The sizes the zoom steps through, in points; 10.5 is the normal size.
constexpr double NormalPointSize = 10.5;
constexpr std::array<double, 12> PointSizes = {7, 8, 9, 10.5, 12, 14, 16, 18, 20, 24, 28, 36};

QString Quoted(const QString& text) { return QStringLiteral("»") + text + QStringLiteral("«"); }

// An ASCII object name for the entry of an example file.
QString ExampleActionName(const QString& stem) {
    QString name = QStringLiteral("mnuBeispiel_");
    for (const QChar c : stem)
        name += (c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('_'))) ? c : QLatin1Char('_');
    return name;
}

struct Entry {
    const char* name;  // nullptr: a separator
    const char* caption;
    QKeySequence shortcut;
    void (MainWindow::*handler)();
};

void AddEntries(MainWindow* window, QMenu* menu, std::initializer_list<Entry> entries) {
    for (const Entry& entry : entries) {
        if (!entry.name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = MakeAction(menu, QString::fromUtf8(entry.name), entry.caption, entry.shortcut);
        QObject::connect(action, &QAction::triggered, window, entry.handler);
    }
}

}  // namespace

// ---- the menus ----

void MainWindow::CreateQuelltextMenu() {
    mnuQuelltext = menuBar()->addMenu(QStringLiteral("&Quelltext"));
    mnuQuelltext->setObjectName(QStringLiteral("mnuQuelltext"));
    AddEntries(
        this, mnuQuelltext,
        {{"mnuSuchen", "&Suchen ...", Qt::CTRL | Qt::Key_F, &MainWindow::mnuSuchen_Click},
         {"mnuWeitersuchen", "&Weitersuchen", Qt::CTRL | Qt::Key_G, &MainWindow::mnuWeitersuchen_Click},
         {"mnuRueckwaertsSuchen", "&Rückwärts suchen", Qt::CTRL | Qt::SHIFT | Qt::Key_G,
          &MainWindow::mnuRueckwaertsSuchen_Click},
         {"mnuErsetzen", "&Ersetzen ...", Qt::CTRL | Qt::Key_H, &MainWindow::mnuErsetzen_Click},
         {"mnuGeheZuZeile", "&Gehe zu Zeile ...", Qt::CTRL | Qt::Key_L, &MainWindow::mnuGeheZuZeile_Click},
         {nullptr, nullptr, {}, nullptr},
         {"mnuGroesser", "Schrift &vergrößern", Qt::CTRL | Qt::Key_Plus, &MainWindow::mnuGroesser_Click},
         {"mnuKleiner", "Schrift ver&kleinern", Qt::CTRL | Qt::Key_Minus, &MainWindow::mnuKleiner_Click},
         {"mnuNormalgroesse", "&Normale Schriftgröße", Qt::CTRL | Qt::Key_0, &MainWindow::mnuNormalgroesse_Click},
         {nullptr, nullptr, {}, nullptr}});
    CreateBeispieleMenu(mnuQuelltext);
}

void MainWindow::CreateBeispieleMenu(QMenu* parent) {
    QMenu* menu = parent->addMenu(QStringLiteral("&Beispiele"));
    menu->setObjectName(QStringLiteral("mnuBeispiele"));
    const QFileInfoList files =
        QDir(ExamplesDirectory()).entryInfoList({QStringLiteral("*.zek")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        QAction* action = MakeAction(menu, ExampleActionName(file.completeBaseName()), "");
        action->setText(file.fileName());
        const QString path = file.absoluteFilePath();
        connect(action, &QAction::triggered, this, [this, path] { OpenExample(path); });
    }
    if (files.isEmpty())
        MakeAction(menu, QStringLiteral("mnuKeineBeispiele"), "(keine Beispiele gefunden)")->setEnabled(false);
}

void MainWindow::CreateTestenMenu() {
    mnuTesten = menuBar()->addMenu(QStringLiteral("&Testen"));
    mnuTesten->setObjectName(QStringLiteral("mnuTesten"));
    AddEntries(this, mnuTesten,
               {{"mnuHaltepunkt", "&Haltepunkt ein/aus", Qt::Key_F9, &MainWindow::mnuHaltepunkt_Click},
                {"mnuHaltepunkteLoeschen", "&Alle Haltepunkte entfernen", Qt::CTRL | Qt::SHIFT | Qt::Key_F9,
                 &MainWindow::mnuHaltepunkteLoeschen_Click},
                {"mnuZurFehlerzeile", "Zur &Fehlerzeile springen", Qt::Key_F8, &MainWindow::mnuZurFehlerzeile_Click}});
    AddAufgabePruefen(mnuTesten);
}

void MainWindow::ConnectWorkbench() {
    setAcceptDrops(true);
    connect(text4_, &SourceEditor::ProgramFileDropped, this, &MainWindow::OpenProgramFile, Qt::QueuedConnection);
    connect(text4_, &SourceEditor::BreakpointToggled, this, [this](SourceEditor::BreakpointChange change, int line) {
        ShowBreakpointChange(static_cast<int>(change), line);
    });
    fehlertext_->installEventFilter(this);
}

// ---- finding ----

FindDialog& MainWindow::Finder() {
    if (!findDialog_) {
        findDialog_ = new FindDialog(this);
        connect(findDialog_, &FindDialog::FindRequested, this, &MainWindow::Find);
        connect(findDialog_, &FindDialog::ReplaceRequested, this, &MainWindow::Replace);
        connect(findDialog_, &FindDialog::ReplaceAllRequested, this, &MainWindow::ReplaceAll);
    }
    return *findDialog_;
}

void MainWindow::mnuSuchen_Click() {
    SelectView(Programm);
    const QString selected = text4_->textCursor().selectedText();
    Finder().Open(selected.contains(QChar::ParagraphSeparator) ? QString() : selected, false);
}

void MainWindow::mnuErsetzen_Click() {
    SelectView(Programm);
    const QString selected = text4_->textCursor().selectedText();
    Finder().Open(selected.contains(QChar::ParagraphSeparator) ? QString() : selected, true);
}

void MainWindow::mnuWeitersuchen_Click() { Find(false); }

void MainWindow::mnuRueckwaertsSuchen_Click() { Find(true); }

void MainWindow::Find(bool backward) {
    const QString term = Finder().Term();
    if (term.isEmpty()) {
        SetText2(QStringLiteral("Suchen: Kein Suchbegriff angegeben."));
        Finder().Open({}, false);
        return;
    }
    SelectView(Programm);
    switch (FindNext(*text4_, term, {Finder().CaseSensitive(), backward})) {
        case SearchResult::Found: SetText2(QStringLiteral("Suchen: %1 gefunden.").arg(Quoted(term))); break;
        case SearchResult::FoundAfterWrap:
            SetText2(backward ? QStringLiteral("Suchen: %1 gefunden, vom Textende an gesucht.").arg(Quoted(term))
                              : QStringLiteral("Suchen: %1 gefunden, vom Textanfang an gesucht.").arg(Quoted(term)));
            break;
        case SearchResult::NotFound: SetText2(QStringLiteral("Suchen: %1 nicht gefunden.").arg(Quoted(term))); break;
    }
}

void MainWindow::Replace() {
    const QString term = Finder().Term();
    SelectView(Programm);
    if (!term.isEmpty() && ReplaceSelection(*text4_, term, Finder().Replacement(), Finder().CaseSensitive())) {
        Find(false);
        SetText2(QStringLiteral("Ersetzen: %1 ersetzt.").arg(Quoted(term)));
        return;
    }
    Find(false);  // first the next occurrence is selected, the next click replaces it
}

void MainWindow::ReplaceAll() {
    const QString term = Finder().Term();
    if (term.isEmpty()) {
        SetText2(QStringLiteral("Ersetzen: Kein Suchbegriff angegeben."));
        return;
    }
    SelectView(Programm);
    const int count = zek::ui::ReplaceAll(*text4_, term, Finder().Replacement(), Finder().CaseSensitive());
    if (count == 0)
        SetText2(QStringLiteral("Ersetzen: %1 nicht gefunden.").arg(Quoted(term)));
    else if (count == 1)
        SetText2(QStringLiteral("Ersetzen: 1 Stelle ersetzt."));
    else
        SetText2(QStringLiteral("Ersetzen: %1 Stellen ersetzt.").arg(count));
}

// ---- going to a line ----

void MainWindow::mnuGeheZuZeile_Click() {
    SelectView(Programm);
    const std::int32_t lines = text4_->Numbering().LineCount();
    if (lines == 0) {
        SetText2(QStringLiteral("Gehe zu Zeile: Das Programm hat keine Zeilen."));
        return;
    }
    const std::optional<int> line = AskLineNumber(this, lines, text4_->CursorLine());
    if (!line) {
        SetText2(QStringLiteral("Gehe zu Zeile: Abgebrochen."));
        return;
    }
    text4_->SelectLine(*line);
    text4_->setFocus();
    SetText2(QStringLiteral("Zeile %1 ausgewählt.").arg(*line));
}

// ---- the size of the text ----

void MainWindow::SetTextPointSize(double pointSize) {
    pointSize_ = pointSize;
    text4_->setFont(FixedPitchFont(pointSize));
    text3_->setFont(FixedPitchFont(pointSize));
    SetText2(QStringLiteral("Schriftgröße %1 Punkt").arg(pointSize));
}

void MainWindow::mnuGroesser_Click() {
    const auto larger = std::upper_bound(PointSizes.begin(), PointSizes.end(), pointSize_);
    SetTextPointSize(larger == PointSizes.end() ? PointSizes.back() : *larger);
}

void MainWindow::mnuKleiner_Click() {
    const auto smaller = std::lower_bound(PointSizes.begin(), PointSizes.end(), pointSize_);
    SetTextPointSize(smaller == PointSizes.begin() ? PointSizes.front() : *(smaller - 1));
}

void MainWindow::mnuNormalgroesse_Click() { SetTextPointSize(NormalPointSize); }

// ---- breakpoints ----

void MainWindow::mnuHaltepunkt_Click() {
    SelectView(Programm);
    text4_->ToggleBreakpoint(text4_->textCursor().blockNumber());
}

void MainWindow::ShowBreakpointChange(int change, int line) {
    switch (static_cast<SourceEditor::BreakpointChange>(change)) {
        case SourceEditor::BreakpointChange::Set:
            SetText2(QStringLiteral("Haltepunkt in Zeile %1 gesetzt.").arg(line));
            break;
        case SourceEditor::BreakpointChange::Removed:
            SetText2(QStringLiteral("Haltepunkt in Zeile %1 entfernt.").arg(line));
            break;
        case SourceEditor::BreakpointChange::NoInstruction:
            SetText2(line == SourceMap::NoLine
                         ? QStringLiteral("Haltepunkt: Auf einer Leerzeile steht kein Befehl.")
                         : QStringLiteral("Haltepunkt: In Zeile %1 steht kein Befehl.").arg(line));
            break;
    }
}

void MainWindow::mnuHaltepunkteLoeschen_Click() {
    text4_->ClearBreakpoints();
    SetText2(QStringLiteral("Alle Haltepunkte entfernt."));
}

// ---- from an error to its line ----

// The line of the last failing instruction, as the error field names it;
// without one, the first line of the assembler's error list.
void MainWindow::mnuZurFehlerzeile_Click() {
    SelectView(Programm);
    if (const auto [address, code] = LastFailure(); address != 0) {
        const std::int32_t line = state_.LineMap.LineOfCodeAddress(static_cast<std::int32_t>(address));
        if (text4_->SelectAssembledLine(line)) {
            text4_->setFocus();
            SetText2(QStringLiteral("Fehler %1 in Codezeile %2: Zeile %3 ausgewählt.")
                         .arg(code)
                         .arg(address, 4, 10, QLatin1Char('0'))
                         .arg(text4_->CursorLine()));
        } else {
            SetText2(QStringLiteral("Fehler %1 in Codezeile %2: Die Zeile steht nicht mehr im Programm.")
                         .arg(code)
                         .arg(address, 4, 10, QLatin1Char('0')));
        }
        return;
    }
    if (!state_.LineMap.Errors().empty() && text4_->SelectAssembledLine(state_.LineMap.Errors().front().line)) {
        text4_->setFocus();
        SetText2(QStringLiteral("Assemblerfehler: Zeile %1 ausgewählt.").arg(text4_->CursorLine()));
        return;
    }
    SetText2(QStringLiteral("Keine Fehlerzeile vorhanden."));
}

// ---- where a run stands ----

QRect MainWindow::ShowWhereHalted(HaltLocation where) {
    SelectView(Programm);
    if (where.IP >= 0) return text4_->ShowHalt(where.IP, where.NextIP);
    // The assembler's error list: its lines are marked, the first is shown.
    text4_->ShowAssembly(state_.LineMap);
    if (state_.LineMap.Errors().empty()) return {};
    return text4_->RevealAssembledLine(state_.LineMap.Errors().front().line);
}

// ---- a program file dropped onto the window ----

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedProgramFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedProgramFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // Questions and messages come after the drop has ended.
    QTimer::singleShot(0, this, [this, path] { OpenProgramFile(path); });
}

}  // namespace zek::ui

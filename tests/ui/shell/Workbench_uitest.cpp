// The main window's menus "&Quelltext" and "&Testen", reached through their
// actions: breakpoints and a run that halts before one, the marks of a
// halt and of an assembly's error list, the jump to an error's line,
// finding, going to a line, the text size, the examples, and opening a
// program by path or by dropping it.

#include <QAccessible>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

#include "support/ui/Actions.h"
#include "support/ui/MainWindowProbe.h"
#include "support/ui/ModalScript.h"
#include "support/ui/ScriptedAnswers.h"
#include "support/ui/TestFiles.h"
#include "ui/shell/MainWindow.h"
#include "ui/util/DataPaths.h"
#include "ui/util/TextView.h"
#include "ui/workbench/LineMarks.h"
#include "ui/workbench/SourceEditor.h"

using zek::MessageAnswer;
using zek::testing::ScriptedMessageBoxes;
using zek::ui::MainWindow;
using zek::uitest::ModalScript;
using zek::uitest::TriggerAction;

class WorkbenchTest : public QObject {
    Q_OBJECT

    std::unique_ptr<zek::ZekState> state_;
    std::unique_ptr<MainWindow> window_;
    QTemporaryDir files_;  // where SetSource saves
    int saved_ = 0;

    MainWindow& W() { return *window_; }
    zek::ui::SourceEditor& Editor() { return *zek::testing::Text4Of(W()); }
    QString Text2() { return W().findChild<QLineEdit*>("Text2")->text(); }
    // Puts `text` into the editor and saves it under a new name; an empty
    // text comes from "Programm löschen", since it cannot be saved.
    void SetSource(const QString& text) {
        if (text.isEmpty()) {
            QVERIFY(TriggerAction(W(), "mnuAnzeigenNichts"));
            return;
        }
        zek::testing::SetSource(W(), text);
        QVERIFY(zek::testing::SaveSourceAs(W(), files_.filePath(QStringLiteral("p%1.zek").arg(++saved_))));
    }
    void PutCursor(int block) { Editor().setTextCursor(QTextCursor(Editor().document()->findBlockByNumber(block))); }
    QString Selected() { return Editor().textCursor().selectedText(); }
    static void Check(const ModalScript& script) {
        QVERIFY2(script.failures.isEmpty(), qPrintable(script.failures.join("; ")));
        QVERIFY(script.Done());
    }

private slots:
    void init() {
        // A message box that a test does not answer itself fails it.
        zek::ui::SetMessageBoxAnswerer([](const QString& text, const QString& title, zek::MessageButtons) {
            QTest::qFail(qPrintable(QStringLiteral("unexpected message box: ") + title + " / " + text), __FILE__,
                         __LINE__);
            return MessageAnswer::Cancel;
        });
        state_ = std::make_unique<zek::ZekState>();
        window_ = std::make_unique<MainWindow>(*state_);
    }
    void cleanup() {
        window_.reset();
        zek::ui::SetMessageBoxAnswerer(nullptr);
        QVERIFY(zek::uitest::OnlyVisibleTopLevel(nullptr));
    }

    void menusSitBeforeHilfeAndKeysDoNotClash() {
        QStringList menus;
        for (QAction* action : W().menuBar()->actions()) menus << action->menu()->objectName();
        QCOMPARE(menus, (QStringList{"mnuDatei", "mnuBearbeiten", "mnuAnzeigen", QString::fromUtf8("mnuAusführen"),
                                     "mnuQuelltext", "mnuTesten", "mnuHilfeMenu"}));
        QSet<QKeySequence> seen;
        for (QAction* action : W().findChildren<QAction*>()) {
            if (action->shortcut().isEmpty()) continue;
            QVERIFY2(!seen.contains(action->shortcut()), qPrintable(action->shortcut().toString()));
            seen.insert(action->shortcut());
        }
        // Keys the editor needs for itself stay its own.
        for (const QKeySequence::StandardKey key :
             {QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo, QKeySequence::DeleteEndOfLine})
            for (const QKeySequence& sequence : QKeySequence::keyBindings(key)) QVERIFY(!seen.contains(sequence));
        for (QAction* action :
             W().findChild<QMenu*>("mnuTesten")->actions() + W().findChild<QMenu*>("mnuQuelltext")->actions()) {
            if (action->isSeparator() || action->menu()) continue;
            QVERIFY(!action->objectName().isEmpty());
            QCOMPARE(action->objectName().toLatin1(), action->objectName().toUtf8());  // ASCII
        }
    }

    void text4StaysTheBoxTheUserKnows() {
        QPlainTextEdit* text4 = &Editor();
        QCOMPARE(text4->objectName(), QStringLiteral("Text4"));
        QCOMPARE(text4->toolTip(), QStringLiteral("Aktuelles Assemblerprogramm"));
        QCOMPARE(text4->font().pointSizeF(), 10.5);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(text4);
        QCOMPARE(accessible->role(), QAccessible::EditableText);
        QCOMPARE(accessible->text(QAccessible::Description), QStringLiteral("Aktuelles Assemblerprogramm"));
    }

    void f9TogglesTheCursorsInstructionLine() {
        W().show();
        QVERIFY(QTest::qWaitForWindowActive(&W()));
        SetSource(QStringLiteral("; Summe\nmov a 1\nexit\n"));
        Editor().setFocus();
        PutCursor(1);
        QTest::keyClick(&Editor(), Qt::Key_F9);
        QCOMPARE(Text2(), QStringLiteral("Haltepunkt in Zeile 2 gesetzt."));
        QCOMPARE(Editor().BreakpointLines(), (std::set<std::int32_t>{2}));
        QTest::keyClick(&Editor(), Qt::Key_F9);
        QCOMPARE(Text2(), QStringLiteral("Haltepunkt in Zeile 2 entfernt."));
        PutCursor(0);
        QVERIFY(TriggerAction(W(), "mnuHaltepunkt"));
        QCOMPARE(Text2(), QStringLiteral("Haltepunkt: In Zeile 1 steht kein Befehl."));
        PutCursor(1);
        QVERIFY(TriggerAction(W(), "mnuHaltepunkt"));
        PutCursor(2);
        QVERIFY(TriggerAction(W(), "mnuHaltepunkt"));
        QTest::keyClick(&Editor(), Qt::Key_F9, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Text2(), QStringLiteral("Alle Haltepunkte entfernt."));
        QVERIFY(Editor().BreakpointLines().empty());
    }

    // The check of a new user: F9 on a line, start, the run halts before it
    // with the trace of the line before; the marks go when the run ends.
    void aRunHaltsBeforeTheBreakpointLine() {
        SetSource(QStringLiteral("mov n 2\nl:\nadd s n\ndec n\ntstgt n l\nexit\n"));
        PutCursor(2);
        QVERIFY(TriggerAction(W(), "mnuHaltepunkt"));
        QStringList traces;
        QList<int> markedBlocks;
        QList<int> arrows;
        ModalScript script;
        const auto look = [&](QWidget* dialog) {
            traces << dialog->findChild<zek::ui::TextView*>("Text1")->toPlainText();
            markedBlocks << Editor().extraSelections().value(0).cursor.blockNumber();
            arrows << Editor().NextLine();
            zek::uitest::ClickButton(dialog, "Fortsetzen");
        };
        script.Then("HaltDialog", look).Then("HaltDialog", look);
        QVERIFY(zek::uitest::ClickControl(W(), "Start"));
        Check(script);
        QCOMPARE(traces.size(), 2);
        QVERIFY(traces[0].contains(QStringLiteral("Instruction    :mov ")));
        QVERIFY(traces[0].contains(QStringLiteral("Next IP        : 0002")));
        QVERIFY(traces[1].contains(QStringLiteral("Instruction    :tstgt")));
        QCOMPARE(markedBlocks, (QList<int>{0, 4}));
        QCOMPARE(arrows, (QList<int>{3, 3}));
        QVERIFY(Editor().extraSelections().isEmpty());
        QCOMPARE(Editor().NextLine(), 0);
        QCOMPARE(Editor().CodeAddressOf(Editor().document()->findBlockByNumber(2)), 2);
        QCOMPARE(Text2(), QStringLiteral("Assemblerfehler: Assemblerprogramm wurde beendet"));
    }

    void anErrorListMarksItsLinesAndLeadsThere() {
        SetSource(QStringLiteral("mov a 1\n\nmul2 a b\nexit\n"));
        bool marked = false;
        ModalScript script;
        script.Then("HaltDialog", [&](QWidget* dialog) {
            const zek::ui::LineMarks* marks = zek::ui::MarksOf(Editor().document()->findBlockByNumber(2));
            marked = marks && marks->errorListed;
            zek::uitest::ClickButton(dialog, "Fortsetzen");
        });
        QVERIFY(TriggerAction(W(), QString::fromUtf8("mnuAusführen0")));
        Check(script);
        QVERIFY(marked);
        QCOMPARE(W().findChild<QLineEdit*>("Fehlertext")->text(), QStringLiteral("[kein Fehler]"));
        QVERIFY(TriggerAction(W(), "mnuZurFehlerzeile"));
        QCOMPARE(Selected(), QStringLiteral("mul2 a b"));
        QCOMPARE(Text2(), QStringLiteral("Assemblerfehler: Zeile 2 ausgewählt."));
    }

    void doubleClickOnTheErrorFieldSelectsThatLine() {
        SetSource(QStringLiteral("mov a 1\n; Teilung\ndiv a 0\ninc a\nexit\n"));
        QVERIFY(zek::uitest::ClickControl(W(), "Start"));
        auto* fehlertext = W().findChild<QLineEdit*>("Fehlertext");
        QCOMPARE(fehlertext->text(), QStringLiteral(" (102/0002)"));
        PutCursor(0);
        Editor().insertPlainText("; oben\n");  // the text moved on since the run
        QTest::mouseDClick(fehlertext, Qt::LeftButton);
        QCOMPARE(Selected(), QStringLiteral("div a 0"));
        QCOMPARE(Text2(), QStringLiteral("Fehler 102 in Codezeile 0002: Zeile 4 ausgewählt."));
        SetSource(QStringLiteral("nop\n"));
        QVERIFY(TriggerAction(W(), "mnuAnzeigenNichts"));
        QVERIFY(TriggerAction(W(), "mnuZurFehlerzeile"));
        QCOMPARE(Text2(), QStringLiteral("Fehler 102 in Codezeile 0002: Die Zeile steht nicht mehr im Programm."));
    }

    void goToLineSelectsTheNumberedLine() {
        SetSource(QStringLiteral("; eins\n\nmov a 1\nprintn a \u00B6\n 2 0\nexit\n"));
        ModalScript script;
        int highest = 0;
        script.Then("GeheZuZeile", [&](QWidget* dialog) {
            auto* input = static_cast<QInputDialog*>(dialog);
            highest = input->intMaximum();
            input->setIntValue(3);
            input->accept();
        });
        QVERIFY(TriggerAction(W(), "mnuGeheZuZeile"));
        Check(script);
        QCOMPARE(highest, 4);
        QCOMPARE(Selected(), QStringLiteral("printn a \u00B6\u2029 2 0"));
        QCOMPARE(Text2(), QStringLiteral("Zeile 3 ausgewählt."));
        script.Then("GeheZuZeile", [](QWidget* dialog) { static_cast<QInputDialog*>(dialog)->reject(); });
        QVERIFY(TriggerAction(W(), "mnuGeheZuZeile"));
        Check(script);
        QCOMPARE(Text2(), QStringLiteral("Gehe zu Zeile: Abgebrochen."));
        SetSource({});
        QVERIFY(TriggerAction(W(), "mnuGeheZuZeile"));
        QCOMPARE(Text2(), QStringLiteral("Gehe zu Zeile: Das Programm hat keine Zeilen."));
    }

    void findForwardBackwardAndWithCase() {
        SetSource(QStringLiteral("mov Summe 1\nadd summe 2\nprintn SUMME 0 0\n"));
        QVERIFY(TriggerAction(W(), "mnuSuchen"));
        auto* dialog = W().findChild<QDialog*>("Suchen");
        QVERIFY(dialog && dialog->isVisible());
        dialog->findChild<QLineEdit*>("Suchbegriff")->setText(QStringLiteral("summe"));
        QVERIFY(zek::uitest::ClickControl(*dialog, "Weitersuchen"));
        QCOMPARE(Editor().textCursor().blockNumber(), 0);
        QCOMPARE(Text2(), QString::fromUtf8("Suchen: »summe« gefunden."));
        QVERIFY(TriggerAction(W(), "mnuWeitersuchen"));
        QCOMPARE(Editor().textCursor().blockNumber(), 1);
        QVERIFY(TriggerAction(W(), "mnuRueckwaertsSuchen"));
        QCOMPARE(Editor().textCursor().blockNumber(), 0);
        QVERIFY(TriggerAction(W(), "mnuRueckwaertsSuchen"));
        QCOMPARE(Editor().textCursor().blockNumber(), 2);
        QCOMPARE(Text2(), QString::fromUtf8("Suchen: »summe« gefunden, vom Textende an gesucht."));
        dialog->findChild<QCheckBox*>("GrossKlein")->setChecked(true);
        QVERIFY(TriggerAction(W(), "mnuWeitersuchen"));
        QCOMPARE(Editor().textCursor().blockNumber(), 1);
        QCOMPARE(Selected(), QStringLiteral("summe"));
        dialog->findChild<QLineEdit*>("Suchbegriff")->setText(QStringLiteral("SUMMEN"));
        QVERIFY(TriggerAction(W(), "mnuWeitersuchen"));
        QCOMPARE(Text2(), QString::fromUtf8("Suchen: »SUMMEN« nicht gefunden."));
        QCOMPARE(Selected(), QStringLiteral("summe"));
        dialog->findChild<QLineEdit*>("Suchbegriff")->clear();
        QVERIFY(TriggerAction(W(), "mnuWeitersuchen"));
        QCOMPARE(Text2(), QStringLiteral("Suchen: Kein Suchbegriff angegeben."));
    }

    void replaceOneAndAll() {
        SetSource(QStringLiteral("mov a 1\nadd a 2\nadd b a\n"));
        QVERIFY(TriggerAction(W(), "mnuErsetzen"));
        auto* dialog = W().findChild<QDialog*>("Suchen");
        dialog->findChild<QLineEdit*>("Suchbegriff")->setText(QStringLiteral("add"));
        dialog->findChild<QLineEdit*>("Ersetzung")->setText(QStringLiteral("sub"));
        QVERIFY(zek::uitest::ClickControl(*dialog, "Ersetzen"));  // first it finds
        QCOMPARE(W().SourceText(), QStringLiteral("mov a 1\nadd a 2\nadd b a\n"));
        QVERIFY(zek::uitest::ClickControl(*dialog, "Ersetzen"));  // then it replaces and finds the next
        QCOMPARE(W().SourceText(), QStringLiteral("mov a 1\nsub a 2\nadd b a\n"));
        QCOMPARE(Editor().textCursor().blockNumber(), 2);
        dialog->findChild<QLineEdit*>("Suchbegriff")->setText(QStringLiteral("A"));
        dialog->findChild<QLineEdit*>("Ersetzung")->setText(QStringLiteral("x"));
        QVERIFY(zek::uitest::ClickControl(*dialog, "AlleErsetzen"));
        QCOMPARE(W().SourceText(), QStringLiteral("mov x 1\nsub x 2\nxdd b x\n"));
        QCOMPARE(Text2(), QStringLiteral("Ersetzen: 4 Stellen ersetzt."));
        Editor().undo();
        QCOMPARE(W().SourceText(), QStringLiteral("mov a 1\nsub a 2\nadd b a\n"));
        QVERIFY(zek::uitest::ClickControl(*dialog, "Schliessen"));
        QVERIFY(!dialog->isVisible());
    }

    void zoomForEditorAndDisplayBox() {
        const struct {
            const char* action;
            double size;
        } steps[] = {{"mnuGroesser", 12}, {"mnuGroesser", 14}, {"mnuKleiner", 12}, {"mnuNormalgroesse", 10.5},
                     {"mnuKleiner", 9},   {"mnuKleiner", 8},   {"mnuKleiner", 7},  {"mnuKleiner", 7}};
        for (const auto& step : steps) {
            QVERIFY(TriggerAction(W(), step.action));
            QCOMPARE(Editor().font().pointSizeF(), step.size);
            QCOMPARE(zek::testing::Text3Of(W())->font().pointSizeF(), step.size);
            QVERIFY(Editor().font().fixedPitch());
        }
        QCOMPARE(Text2(), QStringLiteral("Schriftgröße 7 Punkt"));
        QCOMPARE(W().findChild<QAction*>("mnuNormalgroesse")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
    }

    void examplesOpenWithoutAFileName() {
        const QStringList files =
            QDir(zek::ui::ExamplesDirectory()).entryList({QStringLiteral("*.zek")}, QDir::Files, QDir::Name);
        QVERIFY(files.contains(QStringLiteral("schleife.zek")));
        auto* menu = W().findChild<QMenu*>("mnuBeispiele");
        QStringList captions;
        for (QAction* action : menu->actions()) captions << action->text();
        QCOMPARE(captions, files);

        SetSource(QStringLiteral("mov a 1\n"));
        Editor().insertPlainText("x");
        ScriptedMessageBoxes boxes({MessageAnswer::Cancel});
        QVERIFY(TriggerAction(W(), "mnuBeispiel_schleife"));
        QCOMPARE(W().SourceText(), QStringLiteral("xmov a 1\n"));  // cancelled: nothing changes
        boxes.Answer(MessageAnswer::No);
        QVERIFY(TriggerAction(W(), "mnuBeispiel_schleife"));
        QVERIFY(W().SourceText().startsWith(QStringLiteral("; schleife.zek")));
        QVERIFY(zek::testing::CurrentFileOf(W()).isEmpty());
        QCOMPARE(Text2(), QString::fromUtf8("ZE-Assembler: Quellprogramm geöffnet"));
        QVERIFY(!W().findChild<QAction*>("mnuDateiSpeichern")->isEnabled());
        QVERIFY(boxes.AllAnswered());
        QVERIFY(!zek::testing::AsksToSave(W(), boxes));  // the example counts as saved
    }

    void openingByPathAsProgrammOeffnen() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zins.zek"));
        QVERIFY(zek::testing::WriteBytes(path, "inc a\r\nexit"));
        SetSource(QStringLiteral("mov a 1\n"));
        PutCursor(0);
        QVERIFY(TriggerAction(W(), "mnuHaltepunkt"));
        W().OpenProgramFile(path);
        QCOMPARE(W().SourceText(), QStringLiteral("inc a\nexit\n"));
        QCOMPARE(zek::testing::CurrentFileOf(W()), path);
        QCOMPARE(Text2(), QString::fromUtf8("ZE-Assembler: Quellprogramm geöffnet"));
        QVERIFY(Editor().BreakpointLines().empty());  // opening clears the breakpoints

        ScriptedMessageBoxes boxes({MessageAnswer::Ok});
        W().OpenProgramFile(dir.filePath(QStringLiteral("fehlt.zek")));
        QCOMPARE(boxes.asked.size(), std::size_t{1});
        QCOMPARE(boxes.asked[0].text, QStringLiteral("Die Datei ") + dir.filePath(QStringLiteral("fehlt.zek")) +
                                          QStringLiteral(" kann nicht gelesen werden."));
        QCOMPARE(zek::testing::CurrentFileOf(W()), path);  // nothing changed
    }

    void aDroppedProgramOpensAfterTheSaveQuestion() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("fallen.zek"));
        QVERIFY(zek::testing::WriteBytes(path, "nop\r\n"));
        SetSource(QStringLiteral("mov a 1\n"));
        Editor().insertPlainText("; geaendert\n");
        ScriptedMessageBoxes boxes({MessageAnswer::No});
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&W(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&W(), &drop);
        QTRY_COMPARE(W().SourceText(), QStringLiteral("nop\n"));
        QCOMPARE(boxes.asked.size(), std::size_t{1});
        QVERIFY(boxes.asked[0].title.contains(QStringLiteral("Sicherungsabfrage")));
    }

    void clearingTheProgramClearsItsBreakpoints() {
        SetSource(QStringLiteral("mov a 1\n"));
        PutCursor(0);
        QVERIFY(TriggerAction(W(), "mnuHaltepunkt"));
        QVERIFY(TriggerAction(W(), "mnuAnzeigenNichts"));
        SetSource(QStringLiteral("mov a 1\n"));
        QVERIFY(Editor().BreakpointLines().empty());
    }
};

QTEST_MAIN(WorkbenchTest)
#include "Workbench_uitest.moc"

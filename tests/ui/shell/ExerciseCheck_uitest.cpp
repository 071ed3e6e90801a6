#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include "core/assembler/Assembler.h"
#include "core/processor/Processor.h"
#include "core/reports/Reports.h"
#include "support/ScriptedWindowSystem.h"
#include "support/ui/Actions.h"
#include "support/ui/MainWindowProbe.h"
#include "support/ui/ModalScript.h"
#include "support/ui/ScriptedAnswers.h"
#include "support/ui/TestFiles.h"
#include "ui/util/QtText.h"

using namespace zek;
using namespace zek::testing;
using ui::MainWindow;

namespace {

const QString Command = QStringLiteral("mnuAufgabePruefen");

// Sums 1 .. n; with `step` 2 it sums only the odd numbers.
QString SumProgram(int step) {
    return QStringLiteral("input n\nclr s\nmov i 1\nl:\nadd s i\nadd i %1\ncmple i n l\nprintn s 0 0\nexit\n")
        .arg(step);
}

const QByteArray SumTest =
    "titel = \"Summe 1 bis n\"\n"
    "programm = \"nicht.zek\"\n"  // the window checks the editor's text
    "[[fall]]\nname = \"n = 10\"\neingabe = [\"10\"]\nausgabe = \" 55\"\nsymbole = { s = 55 }\n"
    "[[fall]]\nname = \"n = 1\"\neingabe = [\"1\"]\nsymbole = { s = 2 }\n";

// What the check must leave as it was: the tables, the texts, the run state.
struct SharedState {
    std::string code, symbols, protocol, output, instructionProtocol, programName;
    std::uint8_t errorCode;
    bool processorActive, haltSignal, abortSignal, exitSignal;
    RunMode runMode;

    explicit SharedState(ZekState& state) {
        testing::ScriptedWindowSystem windows(state);
        code = CodeTableListing(state);
        symbols = SymbolTableListing(state, windows, true);
        protocol = ExecutionProtocol(state);
        output = state.OutputText;
        instructionProtocol = state.InstructionProtocol;
        programName = state.ProgramName;
        errorCode = state.ErrorCode;
        processorActive = state.ProcessorActive;
        haltSignal = state.HaltSignal;
        abortSignal = state.AbortSignal;
        exitSignal = state.ExitSignal;
        runMode = state.RunMode;
    }
    bool operator==(const SharedState&) const = default;
};

}  // namespace

class ExerciseCheckTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString TestFile(const QByteArray& content) {
        const QString path = dir.filePath(QStringLiteral("summe.zektest"));
        if (!WriteBytes(path, content)) qFatal("cannot write the test file");
        return path;
    }

    // Checks with the file dialog answered by `path`; no message box may come.
    void Check(MainWindow& window, const QString& path) {
        ScriptedMessageBoxes answers;
        ScriptedFileDialogs dialogs({path});
        QVERIFY(uitest::TriggerAction(window, Command));
        QVERIFY(dialogs.AllAnswered());
    }

private slots:
    void commandEndsTheTestenMenuBetweenAusfuehrenAndHilfe() {
        ZekState state;
        MainWindow window(state);
        const QList<QAction*> menus = window.menuBar()->actions();
        QStringList names;
        for (QAction* action : menus) names << action->menu()->objectName();
        // Ausführen, Quelltext, Testen, Hilfe; the command ends Testen after a separator.
        const qsizetype testen = names.indexOf(QStringLiteral("mnuTesten"));
        QCOMPARE(names.indexOf(QString::fromUtf8("mnuAusführen")), testen - 2);
        QCOMPARE(names.indexOf(QStringLiteral("mnuHilfeMenu")), testen + 1);
        QCOMPARE(menus[testen]->text(), QStringLiteral("&Testen"));

        const QList<QAction*> entries = menus[testen]->menu()->actions();
        QVERIFY(entries.size() >= 2);
        QVERIFY(entries[entries.size() - 2]->isSeparator());
        QCOMPARE(entries.back()->objectName(), Command);
        QCOMPARE(entries.back()->text(), QString::fromUtf8("Aufgabe prüfen ..."));
    }

    // The editor's text, saved or not, is checked on private states: nothing
    // is saved or asked, and the shared tables, texts and flags stay.
    void checksTheUnsavedTextWithoutTouchingTheSharedState() {
        ZekState state;
        MainWindow window(state);
        const QString saved = dir.filePath(QStringLiteral("summe.zek"));
        SetSource(window, SumProgram(2));
        QVERIFY(SaveSourceAs(window, saved));
        SetSource(window, SumProgram(1));  // unsaved change: the right program
        {
            testing::ScriptedWindowSystem windows(state);
            Assemble(state, windows, "mov a 5\r\nprints alt\r\nexit\r\n");
            Run(state, windows);
        }
        state.RunMode = RunMode::Schrittweise;
        const SharedState before(state);

        Check(window, TestFile(SumTest));
        QVERIFY(SharedState(state) == before);
        QCOMPARE(SourceOf(window), SumProgram(1));
        QCOMPARE(ReadBytes(saved), QByteArray(ui::ToCoreLines(SumProgram(2)).c_str()));  // nothing saved

        QCOMPARE(Text2Of(window), QString::fromUtf8("Aufgabe geprüft: 1 von 2 Fällen bestanden"));
        QVERIFY(Text4Of(window)->isHidden());
        QVERIFY(!Text3Of(window)->isHidden());
        QCOMPARE(Text3Of(window)->toPlainText(), QString::fromUtf8("Aufgabe: Summe 1 bis n\n"
                                                                   "Prüfdatei: ") +
                                                     dir.filePath(QStringLiteral("summe.zektest")) +
                                                     QString::fromUtf8("\n\n"
                                                                       "OK      n = 10\n"
                                                                       "FEHLER  n = 1: Symbol s falsch\n"
                                                                       "          erwartet: 2\n"
                                                                       "          erhalten: 1\n"
                                                                       "\n"
                                                                       "1 bestanden, 1 fehlgeschlagen"));
    }

    // The file dialog gives the activation back after it has closed: the
    // report stays in view once, later activations show the program again.
    void reportOutlastsTheActivationAfterTheDialogs() {
        ZekState state;
        MainWindow window(state);
        window.show();
        SetSource(window, SumProgram(1));
        QWidget dialog;  // stands for the file dialog, which has the activation meanwhile
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Check(window, TestFile(SumTest));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!Text3Of(window)->isHidden());
        QVERIFY(Text4Of(window)->isHidden());

        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(!Text4Of(window)->isHidden());
        window.hide();
        dialog.hide();
    }

    void failedAssemblyIsReportedForEveryCase() {
        ZekState state;
        MainWindow window(state);
        SetSource(window, QStringLiteral("_var ") + QString(1100, QLatin1Char('x')) + QStringLiteral("\nexit\n"));
        Check(window, TestFile(SumTest));  // no halt dialog, no message
        QCOMPARE(Text2Of(window), QString::fromUtf8("Aufgabe geprüft: 0 von 2 Fällen bestanden"));
        QCOMPARE(Text3Of(window)->toPlainText().count(QStringLiteral("Assemblierung fehlgeschlagen (Fehlercode 90)")),
                 2);
    }

    void badInputIsRefusedWithAMessage() {
        ZekState state;
        MainWindow window(state);
        struct Case {
            QString source;
            std::optional<QString> file;
            int boxes;
            QString text2;
            QString box;  // beginning of the message box's text
        };
        const QString unreadable = dir.filePath(QStringLiteral("fehlt.zektest"));
        const QString invalid = dir.filePath(QStringLiteral("kaputt.zektest"));
        QVERIFY(WriteBytes(invalid, "[[fall]]\nname = \"a\"\nausgbe = \"x\"\n"));
        const Case cases[] = {
            {QString(), std::nullopt, 1, QString::fromUtf8("Programmtext ist leer. Aufgabe kann nicht geprüft werden."),
             QString::fromUtf8("Programmtext ist leer. Aufgabe kann nicht geprüft werden.")},
            {QStringLiteral("exit\n"), std::nullopt, 0,
             QString::fromUtf8("Aufgabe prüfen: Fehlerabbruch bei Dateidialog."), QString()},
            {QStringLiteral("exit\n"), unreadable, 1,
             QString::fromUtf8("Die Prüfdatei %1 kann nicht gelesen werden.").arg(unreadable),
             QString::fromUtf8("Die Prüfdatei %1 kann nicht gelesen werden.").arg(unreadable)},
            {QStringLiteral("exit\n"), invalid, 1, QString::fromUtf8("Aufgabe nicht geprüft: Prüfdatei fehlerhaft"),
             QString::fromUtf8("Die Prüfdatei %1 ist fehlerhaft:\nZeile 3, Spalte 1: unbekannter Schlüssel "
                               "\"ausgbe\" in [[fall]]")
                 .arg(invalid)},
        };
        for (const Case& c : cases) {
            SetSource(window, c.source);
            const SharedState before(state);
            ScriptedMessageBoxes answers(std::deque<MessageAnswer>(c.boxes, MessageAnswer::Ok));
            // An empty text is refused before the file dialog.
            ScriptedFileDialogs dialogs;
            if (!c.source.isEmpty()) dialogs.Answer(c.file);
            QVERIFY(uitest::TriggerAction(window, Command));
            QVERIFY(answers.AllAnswered());
            QVERIFY(dialogs.AllAnswered());
            QCOMPARE(Text2Of(window), c.text2);
            if (c.boxes > 0) {
                QCOMPARE(answers.asked.front().text, c.box);
                QCOMPARE(answers.asked.front().title, QString::fromUtf8("ZEK: Aufgabe prüfen"));
            }
            QVERIFY(!Text4Of(window)->isHidden());
            QVERIFY(SharedState(state) == before);
        }
    }

    void refusedWhileAProgramRuns() {
        ZekState state;
        MainWindow window(state);
        SetSource(window, QStringLiteral("exit\n"));
        state.ProcessorActive = true;
        ScriptedMessageBoxes answers({MessageAnswer::Ok});
        ScriptedFileDialogs dialogs;  // none is shown
        QVERIFY(uitest::TriggerAction(window, Command));
        state.ProcessorActive = false;
        QVERIFY(answers.AllAnswered());
        QCOMPARE(answers.asked.front().text,
                 QString::fromUtf8("Während ein Programm läuft, kann keine Aufgabe geprüft werden."));
    }

    // An endless case shows the progress dialog; its cancel button stops the check.
    void progressDialogCancelsALongCheck() {
        ZekState state;
        MainWindow window(state);
        SetSource(window, QStringLiteral("l:\njump l\n"));
        const QString path = TestFile(
            "max_schritte = 1000000000000000\n[[fall]]\nname = \"endlos\"\n[[fall]]\nname = \"auch endlos\"\n");
        uitest::ModalScript script(10000);
        script.Click(QStringLiteral("AufgabePruefen"), QStringLiteral("Abbrechen"));
        Check(window, path);
        QVERIFY2(script.failures.isEmpty(), qPrintable(script.failures.join("; ")));
        QVERIFY(script.Done());
        QCOMPARE(Text2Of(window), QString::fromUtf8("Aufgabe prüfen abgebrochen"));
        QVERIFY(!Text4Of(window)->isHidden());
        QVERIFY(uitest::OnlyVisibleTopLevel(nullptr));
    }
};

QTEST_MAIN(ExerciseCheckTest)
#include "ExerciseCheck_uitest.moc"

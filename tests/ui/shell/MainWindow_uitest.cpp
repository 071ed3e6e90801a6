#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/assembler/Assembler.h"
#include "core/processor/Processor.h"
#include "support/ui/Actions.h"
#include "support/ui/MainWindowProbe.h"
#include "support/ui/ModalScript.h"
#include "support/ui/RunGuard.h"
#include "support/ui/ScriptedAnswers.h"
#include "ui/shell/MainWindow.h"
#include "ui/util/MessageBoxes.h"
#include "ui/util/MessageLine.h"
#include "ui/util/QtText.h"
#include "ui/util/Twips.h"

using zek::MessageAnswer;
using zek::MessageButtons;
using zek::ui::MainWindow;
using zek::uitest::ModalScript;
using zek::uitest::RunGuard;
using zek::uitest::WhenRunning;

namespace {

struct ShownBox {
    QString text;
    QString title;
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<zek::ZekState> state_;
    std::unique_ptr<MainWindow> window_;
    QTemporaryDir files_;  // where SetSource saves
    int files_count_ = 0;
    QList<ShownBox> boxes_;
    // Answers a message box; the default is OK, or No for a question.
    std::function<MessageAnswer(const QString& text)> answer_;

    MainWindow& W() { return *window_; }
    zek::ZekState& S() { return *state_; }
    QString Field(const char* name) { return W().findChild<QLineEdit*>(name)->text(); }
    QPushButton* Button(const char* name) { return W().findChild<QPushButton*>(name); }
    QAction* Action(const char* name) { return W().findChild<QAction*>(QString::fromUtf8(name)); }
    zek::ui::SourceEditor* Text4() { return zek::testing::Text4Of(W()); }
    zek::ui::TextView* Text3() { return zek::testing::Text3Of(W()); }
    // Puts `text` into the editor; `saved` saves it under a new name.
    void SetSource(const QString& text, bool saved = true) {
        zek::testing::SetSource(W(), text);
        if (saved) QVERIFY(zek::testing::SaveSourceAs(W(), NewFile()));
    }
    QString NewFile() { return files_.filePath(QStringLiteral("p%1.zek").arg(++files_count_)); }
    // The window's outer size in twips: its client area and the frame, title
    // bar and menu bar around it, which the client area does not have.
    QSize FormSizeTwips() {
        const QSize client = W().centralWidget()->size();
        return {zek::ui::PixelsToTwipsX(client.width()) + 246, zek::ui::PixelsToTwipsY(client.height()) + 855};
    }
    double Value(const char* name) {
        const std::int32_t address = S().Symbols.Find(name);
        return address < 0 ? -1 : S().Symbols[address].value;
    }
    static void Check(const ModalScript& script) {
        QVERIFY2(script.failures.isEmpty(), qPrintable(script.failures.join("; ")));
        QVERIFY(script.Done());
    }

private slots:
    void init() {
        boxes_.clear();
        answer_ = nullptr;
        zek::ui::SetMessageBoxAnswerer([this](const QString& text, const QString& title, MessageButtons buttons) {
            boxes_.push_back({text, title});
            if (answer_) return answer_(text);
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
        });
        state_ = std::make_unique<zek::ZekState>();
        window_ = std::make_unique<MainWindow>(*state_);
    }
    void cleanup() {
        window_.reset();
        zek::ui::SetMessageBoxAnswerer(nullptr);
        QVERIFY(zek::uitest::OnlyVisibleTopLevel(nullptr));
    }

    void loadedWindow() {
        QCOMPARE(W().objectName(), QStringLiteral("HF"));
        QCOMPARE(W().windowTitle(), QStringLiteral("ZE-Assembler"));
        QCOMPARE(Field("Text2"), QStringLiteral("ZE-Assembler initialisiert"));
        QCOMPARE(Field("TextAktiv"), QStringLiteral("Programm steht"));
        QCOMPARE(Field("Fehlertext"), QStringLiteral("[kein Fehler]"));
        QCOMPARE(Field("TextTestMode"), QStringLiteral("Ohne Halt"));
        QCOMPARE(S().Code.size(), std::size_t{2});
        QCOMPARE(S().Symbols.size(), 1);
        QVERIFY(!Text4()->isHidden());
        QVERIFY(Text3()->isHidden());
        QCOMPARE(W().findChild<QLabel*>("LDatei")->text(),
                 QStringLiteral("Assemblerprogramm (keine Datei vorhanden):"));
        QVERIFY(!Action("mnuDateiSpeichern")->isEnabled());
        QVERIFY(!Action("mnuDrucken")->isEnabled());
        QCOMPARE(Action("mnuDateiÖffnen")->text(), QString::fromUtf8("Programm ö&ffnen ..."));
        QCOMPARE(Action("mnuEinfügen")->text(), QString::fromUtf8("&Einfügen"));
        QCOMPARE(W().findChild<QAction*>("mnuAnzeige6")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F4));
        QCOMPARE(W().findChild<QAction*>(QString::fromUtf8("mnuAusführen2"))->shortcut(), QKeySequence(Qt::Key_F7));
        int helpPages = 0;
        for (const QAction* action : W().findChild<QMenu*>("mnuHilfeMenu")->actions())
            helpPages += action->objectName() == QStringLiteral("mnuHilfe") + action->property("index").toString();
        QCOMPARE(helpPages, 12);
        QVERIFY(Text4()->font().fixedPitch());
    }

    // The label names the file as written, also when the name looks like markup.
    void fileLabelShowsTheNameAsPlainText() {
        QVERIFY(QDir(files_.path()).mkdir(QStringLiteral("<b>zins<")));
        const QString path = files_.filePath(QStringLiteral("<b>zins</b>.zek"));
        SetSource(QStringLiteral("nop"), false);
        QVERIFY(zek::testing::SaveSourceAs(W(), path));
        const auto* label = W().findChild<QLabel*>("LDatei");
        QCOMPARE(label->text(), QStringLiteral("Assemblerprogramm ") + path + QStringLiteral(":"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void controlPositionsInTwips() {
        using namespace zek::ui;
        const struct {
            const char* name;
            int left, top, width;
        } controls[] = {{"TextAktiv", 60, 60, 1575},
                        {"Start", 1680, 60, 3195},
                        {"SetTestMode2", 9780, 60, 1575},
                        {"Halt", 11400, 60, 1575},
                        {"Laufzeitprotokoll", 9780, 420, 1575},
                        {"Abbrechen", 11400, 420, 1575},
                        {"Fehlertext", 6540, 780, 3195},
                        {"Beenden", 11400, 780, 1575}};
        for (const auto& control : controls) {
            const QWidget* widget = W().findChild<QWidget*>(control.name);
            QVERIFY2(widget, control.name);
            QCOMPARE(widget->geometry().topLeft(), TwipsRect(control.left, control.top, 0, 0).topLeft());
            QCOMPARE(widget->width(), TwipsToPixelsX(control.width));
        }
    }

    void startWithEmptySource() {
        Button("Start")->click();
        const QString message = QStringLiteral("Programmtext ist leer. Assembler kann nicht starten.");
        QCOMPARE(Field("Text2"), message);
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(boxes_[0].text, message);
        QCOMPARE(boxes_[0].title, QStringLiteral("ZE-Assembler"));
        QVERIFY(S().Code[0].mnemonic.empty());
    }

    void startWithBlanksOnlyAssemblesAndRuns() {
        SetSource(QStringLiteral("   "), false);
        Button("Start")->click();
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(boxes_[0].text, QString::fromUtf8("Der aktuelle Text hat sich geändert. Speichern unter?"));
        QCOMPARE(boxes_[0].title, QStringLiteral("ZE-Assembler: Sicherungsabfrage"));
        QCOMPARE(S().Code[0].mnemonic, std::string("init"));
        QCOMPARE(Field("Text2"), QStringLiteral("Assemblerfehler: Assemblerprogramm wurde beendet"));
        QCOMPARE(S().ErrorCode, std::uint8_t{0});
    }

    void saveQuestionCancelledStopsTheStart() {
        const QString path = NewFile();
        SetSource(QStringLiteral("mov a 0"), false);
        QVERIFY(zek::testing::SaveSourceAs(W(), path));
        SetSource(QStringLiteral("mov a 1"), false);
        answer_ = [](const QString& text) {
            return text.startsWith("Der aktuelle Text") ? MessageAnswer::Cancel : MessageAnswer::Ok;
        };
        QVERIFY(zek::uitest::TriggerAction(W(), QString::fromUtf8("mnuAusführen"), 1));
        QCOMPARE(boxes_.size(), 2);
        QCOMPARE(boxes_[0].text,
                 QString::fromUtf8("Der aktuelle Text hat sich geändert. Speichern in Datei ") + path + "?");
        const QString message = QStringLiteral("Wegen Dateispeicherabbruch Assemblerprogramm nicht gestartet");
        QCOMPARE(boxes_[1].text, message);
        QCOMPARE(Field("Text2"), message);
        QCOMPARE(S().ErrorCode, std::uint8_t{0});
        QVERIFY(S().Code[0].mnemonic.empty());
    }

    void assemblyErrorsAbortedInTheHaltDialog() {
        SetSource(QStringLiteral("mov a 1\nfoo a"));
        ModalScript script;
        QString title;
        script.Then("HaltDialog", [&](QWidget* dialog) {
            title = dialog->windowTitle();
            zek::uitest::ClickButton(dialog, "Abbruch");
        });
        script.Click("AckDialog", "Ja");
        Button("Start")->click();
        Check(script);
        QCOMPARE(title, QStringLiteral("Assemblerfehler"));
        QCOMPARE(Field("Text2"), QStringLiteral("Assemblerfehler: Assembler wurde abgebrochen"));
        QCOMPARE(S().ErrorCode, std::uint8_t{0});
        QCOMPARE(S().Code[1].executions, 0.0);
    }

    void stepwiseThenOhneHalt() {
        SetSource(QStringLiteral("mov a 1\nadd a 1\nadd a 1\nadd a 1"));
        Button("SetTestMode2")->click();
        QCOMPARE(Field("TextTestMode"), QStringLiteral("Schrittweise"));
        QVERIFY(Button("SetTestMode0")->isEnabled() && Button("SetTestMode1")->isEnabled());
        QVERIFY(!Button("SetTestMode2")->isEnabled());

        ModalScript script;
        QStringList traces;
        const auto fortsetzen = [&](QWidget* dialog) {
            traces << dialog->findChild<zek::ui::TextView*>("Text1")->toPlainText();
            zek::uitest::ClickButton(dialog, "Fortsetzen");
        };
        script.Then("HaltDialog", fortsetzen).Then("HaltDialog", fortsetzen);
        script.Then("HaltDialog", [&](QWidget* dialog) {
            zek::uitest::ClickButton(dialog, "OhneHalt");
            fortsetzen(dialog);
        });
        Button("Start")->click();
        Check(script);
        QCOMPARE(traces.size(), 3);
        QVERIFY(!traces[0].isEmpty() && traces[0] != traces[1]);
        QVERIFY(S().RunMode == zek::RunMode::OhneHalt);
        QCOMPARE(Value("a"), 4.0);
        QCOMPARE(Field("TextTestMode"), QStringLiteral("Ohne Halt"));
        QCOMPARE(Field("Text2"), QStringLiteral("Assemblerfehler: Assemblerprogramm wurde beendet"));
    }

    void inputTypedWithCommaAndEnter() {
        SetSource(QStringLiteral("input x Zahl?\nmov y x"));
        ModalScript script;
        script.Then("IoDialog", [](QWidget* dialog) {
            auto* field = dialog->findChild<QPlainTextEdit*>("Symbolwert");
            QTest::keyClicks(field, "1,5");
            QTest::keyClick(field, Qt::Key_Return);
        });
        Button("Start")->click();
        Check(script);
        QCOMPARE(Value("x"), 1.5);
        QCOMPARE(Value("y"), 1.5);
    }

    void ioDialogAbbrechenNeinThenDebugger() {
        SetSource(QStringLiteral("pause Warte\nmov a 5\nmov b 6"));
        ModalScript script;
        bool stayed = false;
        script.Click("IoDialog", "Abbrechen").Click("AckDialog", "Nein");
        script.Then("IoDialog", [&](QWidget* dialog) {
            stayed = true;
            zek::uitest::ClickButton(dialog, "Abbrechen");
        });
        script.Click("AckDialog", "Debugger");
        QString trace;
        script.Then("HaltDialog", [&](QWidget* dialog) {
            trace = dialog->findChild<zek::ui::TextView*>("Text1")->toPlainText();
            zek::uitest::ClickButton(dialog, "Fortsetzen");
        });
        Button("Start")->click();
        Check(script);
        QVERIFY(stayed);
        QVERIFY(trace.contains("pause"));
        QCOMPARE(Value("b"), 6.0);
    }

    void ioDialogAbbrechenJaEndsTheRunWith90() {
        zek::Assemble(S(), W().windows(), "pause Warte\r\nmov a 5\r\n");
        QCOMPARE(S().ErrorCode, std::uint8_t{0});
        ModalScript script;
        script.Click("IoDialog", "Abbrechen").Click("AckDialog", "Ja");
        zek::Run(S(), W().windows());
        Check(script);
        QCOMPARE(S().ErrorCode, std::uint8_t{90});
        QCOMPARE(S().Code[2].executions, 0.0);
    }

    void haltDialogAbbruchNeinThenJa() {
        zek::Assemble(S(), W().windows(), "halt\r\nmov a 5\r\n");
        ModalScript script;
        bool debuggerEnabled = true;
        script.Click("HaltDialog", "Abbruch");
        script.Then("AckDialog", [&](QWidget* dialog) {
            debuggerEnabled = dialog->findChild<QPushButton*>("Debugger")->isEnabled();
            zek::uitest::ClickButton(dialog, "Nein");
        });
        script.Click("HaltDialog", "Abbruch").Click("AckDialog", "Ja");
        zek::Run(S(), W().windows());
        Check(script);
        QVERIFY(!debuggerEnabled);
        QCOMPARE(S().ErrorCode, std::uint8_t{90});
        QCOMPARE(S().Code[2].executions, 0.0);
        QCOMPARE(Field("Text2"), QStringLiteral("Abbruchsignal gesetzt"));
    }

    void fehlertextNamesTheLastFailingLine() {
        QString source = QStringLiteral("mov a 1\nmov b 0\ndiv a b\n");
        for (int i = 0; i < 8; ++i) source += QStringLiteral("nop\n");
        source += QStringLiteral("div a b");
        SetSource(source);
        Button("Start")->click();
        QCOMPARE(S().Code.size(), std::size_t{13});
        QVERIFY(S().Code[3].lastErrorCode != 0);
        const int code = S().Code[12].lastErrorCode;
        QVERIFY(code != 0);
        QCOMPARE(Field("Fehlertext"), QStringLiteral(" (%1/0012)").arg(code));

        SetSource(QStringLiteral("mov a 1\nexit"));
        Button("Start")->click();
        QCOMPARE(Field("Fehlertext"), QStringLiteral("[kein Fehler]"));
        S().Code[0].lastErrorCode = 115;  // a failure on address 0 alone does not count
        W().findChild<QLineEdit*>("Fehlertext")->clear();
        zek::testing::WaitForTimerTick(W());
        QCOMPARE(Field("Fehlertext"), QStringLiteral("[kein Fehler]"));
    }

    void timerShowsTheRunState() {
        SetSource(QStringLiteral("pause Warte\nhalt"));
        ModalScript script;
        QString inDialog, inHalt;
        bool startEnabled = true;
        script.Then("IoDialog", [&](QWidget* dialog) {
            // The field changes only at a timer tick.
            static_cast<void>(  // the comparison after the run tells
                QTest::qWaitFor([&] { return Field("TextAktiv") != QStringLiteral("Programm steht"); }, 2000));
            inDialog = Field("TextAktiv");
            startEnabled = Button("Start")->isEnabled();
            zek::uitest::ClickButton(dialog, QString::fromUtf8("Übernehmen"));
        });
        script.Then("HaltDialog", [&](QWidget* dialog) {
            W().findChild<QLineEdit*>("TextAktiv")->clear();
            static_cast<void>(QTest::qWaitFor([&] { return !Field("TextAktiv").isEmpty(); }, 2000));
            inHalt = Field("TextAktiv");
            zek::uitest::ClickButton(dialog, "Fortsetzen");
        });
        Button("Start")->click();
        Check(script);
        QCOMPARE(inDialog, QString::fromUtf8("Programm hält an"));
        QCOMPARE(inHalt, QString::fromUtf8("Programm läuft"));
        QVERIFY(!startEnabled);
        W().findChild<QLineEdit*>("TextAktiv")->clear();
        QVERIFY(QTest::qWaitFor([&] { return !Field("TextAktiv").isEmpty(); }, 2000));
        QCOMPARE(Field("TextAktiv"), QStringLiteral("Programm steht"));
        QVERIFY(Button("Start")->isEnabled());
    }

    void signalButtons() {
        Button("Halt")->click();
        QVERIFY(S().HaltSignal);
        QCOMPARE(Field("Text2"), QStringLiteral("Haltsignal gesetzt"));
        S().HaltSignal = false;
        Button("Abbrechen")->click();  // no run: message only, no signal left behind
        QCOMPARE(Field("Text2"), QStringLiteral("Abbruchsignal gesetzt"));
        QVERIFY(!S().HaltSignal && !S().AbortSignal && !S().ExitSignal);
    }

    void abbrechenDuringARun() {
        SetSource(QStringLiteral("loop:\ninc n\njump loop"));
        ModalScript script;
        script.Click("AckDialog", "Ja");
        WhenRunning(S(), [this] { Button("Abbrechen")->click(); });
        const RunGuard guard(S());
        Button("Start")->click();
        QVERIFY2(!guard.Expired(), "the abort did not end the run");
        Check(script);
        QVERIFY(Value("n") > 0);
        QCOMPARE(Field("Text2"), QStringLiteral("Assemblerfehler: Assemblerprogramm wurde beendet"));
    }

    // The window looks at its events only every so often during a run; a
    // click on Halt still stops an endless loop and opens the halt dialog.
    void haltDuringARunOpensTheHaltDialog() {
        SetSource(QStringLiteral("loop:\ninc n\njump loop"));
        ModalScript script;
        double atHalt = 0;
        script.Then("HaltDialog", [&](QWidget* dialog) {
            atHalt = Value("n");
            zek::uitest::ClickButton(dialog, "Abbruch");
        });
        script.Click("AckDialog", "Ja");
        QTimer::singleShot(100, this, [this] { Button("Halt")->click(); });
        Button("Start")->click();
        Check(script);
        QVERIFY(atHalt > 0);
        QCOMPARE(Value("n"), atHalt);  // the abort ended the run right after the halt
    }

    // Messages of the core may wait a moment, but the last one shows; a
    // message of the window's own replaces a waiting one.
    void lastMessageOfTheCoreShows() {
        for (int i = 0; i < 3; ++i) W().windows().SetText2("Symbol " + std::to_string(i * 1000) + "/2500 tabellieren");
        QTRY_COMPARE(Field("Text2"), QStringLiteral("Symbol 2000/2500 tabellieren"));
        for (int i = 0; i < 3; ++i) W().windows().SetText2("Symbol " + std::to_string(i * 1000) + "/2500 tabellieren");
        W().SetText2(QStringLiteral("Eigene Meldung"));
        QTest::qWait(2 * zek::ui::MessageLine::Interval.count());
        QCOMPARE(Field("Text2"), QStringLiteral("Eigene Meldung"));
    }

    void secondStartDuringARunIsRefused() {
        SetSource(QStringLiteral("loop:\ninc n\njump loop"));
        answer_ = [](const QString& text) {
            return text.contains("Abbruchsignal setzen?") ? MessageAnswer::Yes : MessageAnswer::Ok;
        };
        WhenRunning(S(), [this] { zek::uitest::TriggerAction(W(), QString::fromUtf8("mnuAusführen"), 0); });
        const RunGuard guard(S());
        Button("Start")->click();
        QVERIFY2(!guard.Expired(), "the abort answered in the re-entry question did not end the run");
        QStringList texts;
        for (const ShownBox& box : boxes_) texts << box.text;
        QCOMPARE(texts, (QStringList{"Prozessorruf bei aktivem Prozessor. Assemblieren wird abgelehnt.",
                                     "Prozessorruf bei aktivem Prozessor. Abbruchsignal setzen?"}));
        QVERIFY(!S().ProcessorActive);
        QVERIFY(Value("n") > 0);  // the first run kept its program and ended by the abort
        QCOMPARE(S().Code[1].mnemonic, std::string("inc"));
    }

    void noBreakSpacesReachTheAssemblerUnchanged() {
        // The no-break space is an ordinary character of a name, not a blank.
        SetSource(QString::fromUtf8("mov a\u00A0b 5\nmov c a\u00A0b"));
        Button("Start")->click();
        QVERIFY(S().Symbols.Find("a\xA0"
                                 "b") >= 0);
        QCOMPARE(Value("c"), 5.0);
    }

    void refusedStartDuringAHaltKeepsTheRunningErrorCode() {
        // The start is refused twice (assembly and run); the err line after
        // the halted div must still see the division's error code.
        SetSource(QStringLiteral("div a 0\nerr e\nexit"));
        Button("SetTestMode1")->click();
        ModalScript script;
        script.Then("HaltDialog", [this](QWidget* dialog) {
            zek::uitest::TriggerAction(W(), QString::fromUtf8("mnuAusführen"), 0);
            zek::uitest::ClickButton(dialog, "Fortsetzen");
        });
        Button("Start")->click();
        Check(script);
        QCOMPARE(Value("e"), 102.0);
    }

    // A file command serviced at the run's yield (after instruction 1000, a
    // failing div) leaves the error code that the next instruction (err)
    // sees alone.
    void fileCommandsDuringARunLeaveItsErrorCodeAlone_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("fileDialogs");
        QTest::newRow("Programm löschen") << "mnuAnzeigenNichts" << 0;
        QTest::newRow("Programm öffnen, abgebrochen") << "mnuDateiÖffnen" << 1;
        QTest::newRow("Programm speichern unter, abgebrochen") << "mnuDateiSpeichernUnter" << 1;
        QTest::newRow("Aktuellen Text speichern unter, abgebrochen") << "mnuAktuellenTextSpeichernUnter" << 1;
    }
    void fileCommandsDuringARunLeaveItsErrorCodeAlone() {
        QFETCH(QString, command);
        QFETCH(int, fileDialogs);
        QString source;
        for (int i = 0; i < 998; ++i) source += QStringLiteral("nop\n");  // init and these: 999 instructions
        SetSource(source + QStringLiteral("div a 0\nerr e\nexit"));
        zek::testing::ScriptedFileDialogs dialogs;
        for (int i = 0; i < fileDialogs; ++i) dialogs.Answer(std::nullopt);
        bool ran = false;
        WhenRunning(S(), [&] { ran = zek::uitest::TriggerAction(W(), command); });
        Button("Start")->click();
        QVERIFY(ran);
        QVERIFY(dialogs.AllAnswered());
        QCOMPARE(Value("e"), 102.0);
    }

    // The same while the run is halted after the failing div.
    void aFileCommandDuringAHaltLeavesItsErrorCodeAlone() {
        SetSource(QStringLiteral("div a 0\nerr e\nexit"));
        Button("SetTestMode1")->click();
        zek::testing::ScriptedFileDialogs dialogs({std::nullopt});
        ModalScript script;
        script.Then("HaltDialog", [this](QWidget* dialog) {
            zek::uitest::TriggerAction(W(), QString::fromUtf8("mnuDateiÖffnen"));
            zek::uitest::ClickButton(dialog, "Fortsetzen");
        });
        Button("Start")->click();
        Check(script);
        QCOMPARE(Field("Text2"), QStringLiteral("Assemblerfehler: Assemblerprogramm wurde beendet"));
        QCOMPARE(Value("e"), 102.0);
    }

    // A save question cancelled earlier does not make a later close refuse.
    void aCancelledQuestionDoesNotBlockALaterClose() {
        SetSource(QStringLiteral("mov a 1"));
        W().show();
        int closed = 0;
        connect(&W(), &MainWindow::Closed, [&] { ++closed; });
        Text4()->setPlainText(QStringLiteral("mov a 2"));
        answer_ = [](const QString&) { return MessageAnswer::Cancel; };
        QVERIFY(zek::uitest::TriggerAction(W(), "mnuAnzeigenNichts"));
        QCOMPARE(Text4()->toPlainText(), QStringLiteral("mov a 2"));
        Text4()->setPlainText(QStringLiteral("mov a 1"));  // unchanged again: nothing to ask
        boxes_.clear();
        W().close();
        QVERIFY(boxes_.isEmpty());
        QVERIFY(!W().isVisible());
        QCOMPARE(closed, 1);
    }

    // Closing while the run is halted: the run ends once the halt dialog
    // closes, and then the application may end.
    void closeWhileHalted() {
        SetSource(QStringLiteral("halt\nmov a 5"));
        W().show();
        answer_ = [](const QString& text) {
            return text.startsWith("ZE-Assembler mit samt") ? MessageAnswer::Yes : MessageAnswer::No;
        };
        int closed = 0;
        connect(&W(), &MainWindow::Closed, [&] { ++closed; });
        bool hiddenWhileHalted = false;
        ModalScript script;
        script.Then("HaltDialog", [&](QWidget* dialog) {
            W().close();
            hiddenWhileHalted = !W().isVisible() && closed == 0;
            zek::uitest::ClickButton(dialog, "Fortsetzen");
        });
        Button("Start")->click();
        Check(script);
        QVERIFY(hiddenWhileHalted);
        QCOMPARE(closed, 1);
        QCOMPARE(Value("a"), 0.0);  // the run ended after the halt line
    }

    // The context menus of Text4 and Text3 are German and follow the
    // Bearbeiten rules.
    void contextMenusFollowTheBearbeitenRules() {
        SetSource(QStringLiteral("mov a 1"));
        W().show();
        QTextCursor cursor = Text4()->textCursor();
        cursor.setPosition(4);
        cursor.setPosition(7, QTextCursor::KeepAnchor);
        Text4()->setTextCursor(cursor);
        QGuiApplication::clipboard()->setText(QStringLiteral("XY"));
        const auto menuOf = [](QWidget* box) {
            emit box->customContextMenuRequested(QPoint(5, 5));
            return box->findChild<QMenu*>(QString::fromUtf8("BearbeitenKontextmenü"));
        };
        QMenu* menu = menuOf(Text4());
        QVERIFY(menu);
        menu->findChild<QAction*>(QString::fromUtf8("Einfügen"))->trigger();
        menu->close();
        QCOMPARE(Text4()->toPlainText(), QStringLiteral("mov XYa 1"));

        QVERIFY(zek::uitest::TriggerAction(W(), "mnuAnzeige", 4));
        Text3()->selectAll();
        menu = menuOf(Text3());
        QVERIFY(menu);  // a report offers nothing that would change it
        QVERIFY(!menu->findChild<QAction*>("Ausschneiden"));
        QVERIFY(!menu->findChild<QAction*>(QString::fromUtf8("Einfügen")));
        QVERIFY(menu->findChild<QAction*>("Kopieren")->isEnabled());
        menu->close();
        W().hide();
    }

    void resizeMinimum() {
        W().show();
        QVERIFY(QTest::qWaitForWindowExposed(&W()));
        W().resize(zek::ui::TwipsToPixelsX(5000), zek::ui::TwipsToPixelsY(5000));
        QTRY_VERIFY2(std::abs(FormSizeTwips().width() - 8160) <= 30,
                     qPrintable(QString::number(FormSizeTwips().width())));
        QTRY_VERIFY2(std::abs(FormSizeTwips().height() - 6960) <= 30,
                     qPrintable(QString::number(FormSizeTwips().height())));
        const QWidget* text2 = W().findChild<QWidget*>("Text2");
        QVERIFY(text2->geometry().bottom() < W().centralWidget()->height());
        QVERIFY(!Text4()->geometry().intersects(text2->geometry()));
        W().resize(zek::ui::TwipsToPixelsX(15000), zek::ui::TwipsToPixelsY(9000));
        QTRY_VERIFY(FormSizeTwips().width() > 14000);
        QCOMPARE(Text4()->width(), zek::ui::TwipsToPixelsX(FormSizeTwips().width() - 396));
        W().hide();
    }

    void closeDuringARunAnsweredNo() {
        SetSource(QStringLiteral("loop:\ninc n\njump loop"));
        W().show();
        int closed = 0;
        connect(&W(), &MainWindow::Closed, [&] { ++closed; });
        bool visibleAfterClose = false;
        bool runningAfterClose = false;
        WhenRunning(S(), [&] {
            W().close();
            visibleAfterClose = W().isVisible();
            runningAfterClose = S().ProcessorActive;
            S().AbortSignal = true;
        });
        const RunGuard guard(S());
        Button("Start")->click();
        QVERIFY2(!guard.Expired(), "the abort signal did not end the run");
        QVERIFY(visibleAfterClose);
        QVERIFY(runningAfterClose);
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(boxes_[0].title, QString::fromUtf8("ZEK: Programm läuft noch ..."));
        QCOMPARE(closed, 0);
        QVERIFY(W().isVisible());
        W().hide();
    }

    void closeDuringARunAnsweredYes() {
        SetSource(QStringLiteral("loop:\ninc n\njump loop"));
        W().show();
        answer_ = [](const QString&) { return MessageAnswer::Yes; };
        int closed = 0;
        bool activeAtClosed = true;
        connect(&W(), &MainWindow::Closed, [&] {
            ++closed;
            activeAtClosed = S().ProcessorActive;
        });
        bool hiddenInRun = false;
        WhenRunning(S(), [&] {
            W().close();
            hiddenInRun = !W().isVisible() && S().ProcessorActive;
        });
        const RunGuard guard(S());
        Button("Start")->click();
        QVERIFY2(!guard.Expired(), "the close did not end the run");
        QVERIFY(hiddenInRun);
        QCOMPARE(closed, 1);
        QVERIFY(!activeAtClosed);
        QVERIFY(zek::testing::CurrentFileOf(W()).isEmpty());
        QCOMPARE(boxes_.size(), 1);  // the source was saved: no save question
    }

    void closeIdleAsksToSave() {
        SetSource(QStringLiteral("mov a 1"), false);
        W().show();
        int closed = 0;
        connect(&W(), &MainWindow::Closed, [&] { ++closed; });
        answer_ = [](const QString&) { return MessageAnswer::Cancel; };
        Button("Beenden")->click();
        QVERIFY(W().isVisible());
        QCOMPARE(closed, 0);
        QCOMPARE(Field("Text2"), QStringLiteral("ZE-Assembler beendet"));
        answer_ = [](const QString&) { return MessageAnswer::No; };
        QVERIFY(zek::uitest::TriggerAction(W(), "mnuDateiBeenden"));
        QVERIFY(!W().isVisible());
        QCOMPARE(closed, 1);
    }

    void viewButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("showsText3");
        QTest::newRow("Hilfe") << "Hilfe"
                               << "ZE-Assembler: Anzeige der Dokumentation" << true;
        QTest::newRow("Assemblerprogramm") << "Assemblerprogramm"
                                           << "ZE-Assembler: Anzeige des Quellprogramms" << false;
        QTest::newRow("Ausgabetext") << "Ausgabetext"
                                     << "ZE-Assembler: Anzeige des Ausgabetextes" << true;
        QTest::newRow("Code") << "Code" << QString::fromUtf8("ZE-Assembler: Anzeige des übersetzten Programmcodes")
                              << true;
        QTest::newRow("Symboltabelle") << "Symboltabelle"
                                       << "ZE-Assembler: Standardanzeige der Symboltabelle" << true;
        QTest::newRow("SymboltabelleLang")
            << "SymboltabelleLang" << QString::fromUtf8("ZE-Assembler: Vollständige Anzeige der Symboltabelle") << true;
        QTest::newRow("Laufzeitprotokoll") << "Laufzeitprotokoll"
                                           << "ZE-Assembler: Anzeige des Laufzeitprotokolls" << true;
    }
    void viewButtons() {
        QFETCH(QString, button);
        QFETCH(QString, message);
        QFETCH(bool, showsText3);
        S().OutputText = "Ausgabe\r\nZeile 2";
        W().findChild<QPushButton*>(button)->click();
        QCOMPARE(Field("Text2"), message);
        QCOMPARE(Text3()->isHidden(), !showsText3);
        QCOMPARE(Text4()->isHidden(), showsText3);
        QCOMPARE(Action("mnuAusschneiden")->isEnabled(), !showsText3);
        QCOMPARE(Action("mnuEinfügen")->isEnabled(), !showsText3);
        QVERIFY(Action("mnuKopieren")->isEnabled());
        if (button == "Ausgabetext") QCOMPARE(Text3()->toPlainText(), QStringLiteral("Ausgabe\nZeile 2"));
        if (showsText3) {
            QVERIFY(!Text3()->toPlainText().isEmpty());
            QCOMPARE(W().findChild<QLabel*>("LDatei")->text(), QStringLiteral("Aktueller Text:"));
        }
    }

    void viewMenuMessages() {
        const char* messages[] = {"",
                                  "Befehlsiste",
                                  "Assemblerprogramm wird angezeigt.",
                                  "Ausgabetext wird angezeigt",
                                  "Der Code wird angezeigt.",
                                  "Standard-Symboltabelle wird angezeigt.",
                                  "Vollständige Symboltabelle wird angezeigt.",
                                  "Prozessprotokoll wird angezeigt."};
        for (int index = 1; index <= 7; ++index) {
            W().findChild<QAction*>(QStringLiteral("mnuAnzeige%1").arg(index))->trigger();
            QCOMPARE(Field("Text2"), QString::fromUtf8(messages[index]));
        }
        S().OutputText.clear();  // after cls the output view is empty
        QVERIFY(zek::uitest::TriggerAction(W(), "mnuAnzeige", 3));
        QCOMPARE(Text3()->toPlainText(), QString());
    }

    void cutCopyPaste() {
        QClipboard* clipboard = QGuiApplication::clipboard();
        SetSource(QStringLiteral("mov a 1\nadd a 2"));
        QTextCursor cursor = Text4()->textCursor();
        cursor.setPosition(4);
        cursor.setPosition(7, QTextCursor::KeepAnchor);  // "a 1"
        Text4()->setTextCursor(cursor);

        QVERIFY(zek::uitest::TriggerAction(W(), "mnuKopieren"));
        QCOMPARE(clipboard->text(), QStringLiteral("a 1"));

        clipboard->setText(QStringLiteral("XY"));
        QVERIFY(
            zek::uitest::TriggerAction(W(), QString::fromUtf8("mnuEinfügen")));  // inserted in front of the selection
        QCOMPARE(Text4()->toPlainText(), QStringLiteral("mov XYa 1\nadd a 2"));
        QCOMPARE(Text4()->textCursor().selectionStart(), 4);
        QVERIFY(!Text4()->textCursor().hasSelection());

        cursor = Text4()->textCursor();
        cursor.setPosition(6, QTextCursor::KeepAnchor);  // "XY"
        Text4()->setTextCursor(cursor);
        QVERIFY(zek::uitest::TriggerAction(W(), "mnuAusschneiden"));
        QCOMPARE(clipboard->text(), QStringLiteral("XY"));
        QCOMPARE(Text4()->toPlainText(), QStringLiteral("mov a 1\nadd a 2"));
        QCOMPARE(Text4()->textCursor().position(), 4);

        QVERIFY(
            zek::uitest::TriggerAction(W(), "mnuAusschneiden"));  // empty selection: text unchanged, clipboard emptied
        QCOMPARE(Text4()->toPlainText(), QStringLiteral("mov a 1\nadd a 2"));
        QCOMPARE(clipboard->text(), QString());

        QVERIFY(zek::uitest::TriggerAction(W(), "mnuAnzeige", 4));  // copy from the report while it is shown
        auto report = Text3()->textCursor();
        report.setPosition(0);
        report.setPosition(3, QTextCursor::KeepAnchor);
        Text3()->setTextCursor(report);
        QVERIFY(zek::uitest::TriggerAction(W(), "mnuKopieren"));
        QCOMPARE(clipboard->text(), Text3()->toPlainText().left(3));
        clipboard->setText(QStringLiteral("nie"));
        QVERIFY(!Action("mnuEinfügen")->isEnabled());
        Action("mnuEinfügen")->trigger();  // as Ctrl+V would: no paste into the hidden editor
        QCOMPARE(Text4()->toPlainText(), QStringLiteral("mov a 1\nadd a 2"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindow_uitest.moc"

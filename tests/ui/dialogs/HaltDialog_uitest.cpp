#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "support/ui/FakeDialogHost.h"
#include "support/ui/ModalScript.h"
#include "ui/dialogs/HaltDialog.h"
#include "ui/util/MessageBoxes.h"
#include "ui/util/TextView.h"
#include "ui/util/Twips.h"

using zek::MessageAnswer;
using zek::MessageButtons;
using zek::ui::HaltDialog;
using zek::uitest::FakeDialogHost;
using zek::uitest::ModalScript;

class HaltDialogTest : public QObject {
    Q_OBJECT

    static QPushButton* Button(HaltDialog& dialog, const char* name) { return dialog.findChild<QPushButton*>(name); }
    static QString Text1(HaltDialog& dialog) { return dialog.findChild<zek::ui::TextView*>("Text1")->toPlainText(); }
    static QString Testmodus(HaltDialog& dialog) { return dialog.findChild<QLineEdit*>("Testmodus")->text(); }

private slots:
    void controls() {
        FakeDialogHost host;
        HaltDialog dialog(host);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("ZE-Maschine: Halt"));
        QVERIFY(dialog.findChild<zek::ui::TextView*>("Text1")->font().fixedPitch());
        QCOMPARE(dialog.findChild<QLineEdit*>("Testmodus")->toolTip(), QStringLiteral("Aktueller Testmodus"));
        const struct {
            const char* name;
            const char* caption;
            const char* tooltip;
        } buttons[] = {
            {"Fortsetzen", "Fortsetzen", "Fortsetzung in aktuellem Testmodus"},
            {"Abbruch", "Abbruch !!", "Weist Programmabbruch an"},
            {"OhneHalt", "'Ohne Halt'", "Stellt Testmodus 'Ohne Halt' ein"},
            {"Fehlerhalt", "'Fehlerhalt'", "Stellt Testmodus 'Fehlerhalt' ein"},
            {"Schrittweise", "'Schrittweise'", "Stellt Testmodus 'Schrittweise' ein"},
            {"Befehlsprotokoll", "Protokoll", "Zeigt Befehlsprotokoll an"},
            {"Laufzeitprotokoll", "L-Protokoll", "Zeigt Laufzeitprotokoll an"},
            {"Code", "Code", "Zeigt Codetabelle an"},
            {"Symboltabelle", "Symbole", "Zeigt Standardsymboltabelle (ohne Feldelemente) an"},
            {"SymboltabelleLang", "Symbole (l)", "Zeigt vollständige Symboltabelle (mit allen Feldelementen) an"},
            {"Ausgabetext", "Ausgabetext", "Zeigt Ausgabetext an"},
            {"Assemblerprogramm", "Programm", "Zeigt Programm an"},
            {"Befehlsliste", "Dokum.", "Zeigt Befehlsliste an"},
            {"Hilfe", "Hilfe", "Hilfe! Hilfe!"},
        };
        for (const auto& expected : buttons) {
            QPushButton* button = Button(dialog, expected.name);
            QVERIFY2(button, expected.name);
            QCOMPARE(button->text(), QString::fromUtf8(expected.caption));
            QCOMPARE(button->toolTip(), QString::fromUtf8(expected.tooltip));
        }
    }

    void loadShowsRunMode_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0") << 0 << "Ohne Halt";
        QTest::newRow("1") << 1 << "Fehlerhalt";
        QTest::newRow("2") << 2 << "Schrittweise";
        QTest::newRow("other") << 7 << "";
    }
    void loadShowsRunMode() {
        QFETCH(int, mode);
        QFETCH(QString, shown);
        FakeDialogHost host;
        host.state().RunMode = static_cast<zek::RunMode>(mode);
        HaltDialog dialog(host);
        QCOMPARE(Testmodus(dialog), shown);
    }

    void modeButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shown");
        QTest::newRow("OhneHalt") << "OhneHalt" << 0 << "Ohne Halt";
        QTest::newRow("Fehlerhalt") << "Fehlerhalt" << 1 << "Fehlerhalt";
        QTest::newRow("Schrittweise") << "Schrittweise" << 2 << "Schrittweise";
    }
    void modeButtons() {
        QFETCH(QString, button);
        QFETCH(int, mode);
        QFETCH(QString, shown);
        FakeDialogHost host;
        const zek::RunMode before = mode == 0 ? zek::RunMode::Schrittweise : zek::RunMode::OhneHalt;
        host.state().RunMode = before;
        HaltDialog dialog(host);
        dialog.findChild<QPushButton*>(button)->click();
        // The mode is the dialog's answer; the core applies it once the dialog has closed.
        QVERIFY(dialog.Answer().runMode == static_cast<zek::RunMode>(mode));
        QVERIFY(host.state().RunMode == before);
        QCOMPARE(Testmodus(dialog), shown);
        QCOMPARE(host.text2, QStringList{QStringLiteral("ZE-Prozessor in Modus '%1' versetzt").arg(shown)});
    }

    void viewButtonsShowTheirTexts() {
        FakeDialogHost host;
        host.source = QStringLiteral("mov a 1\nadd a 2");
        host.state().OutputText = "Summe\r\n3";
        host.state().InstructionProtocol = "Zeile 1\r\n";
        HaltDialog dialog(host);
        dialog.ShowText(QStringLiteral("Spur"));
        QCOMPARE(Text1(dialog), QStringLiteral("Spur"));
        Button(dialog, "Assemblerprogramm")->click();
        QCOMPARE(Text1(dialog), host.source);
        Button(dialog, "Ausgabetext")->click();
        QCOMPARE(Text1(dialog), QStringLiteral("Summe\n3"));
        Button(dialog, "Befehlsprotokoll")->click();
        QCOMPARE(Text1(dialog), QStringLiteral("Zeile 1\n"));
        for (const char* report : {"Laufzeitprotokoll", "Code", "Symboltabelle", "SymboltabelleLang", "Befehlsliste"}) {
            dialog.ShowText(QString());
            Button(dialog, report)->click();
            QVERIFY2(!Text1(dialog).isEmpty(), report);
        }
    }

    void abbruchAnsweredNeinKeepsTheDialog() {
        FakeDialogHost host;
        host.answers = {0};
        HaltDialog dialog(host);
        bool accepted = false;
        connect(&dialog, &QDialog::accepted, [&] { accepted = true; });
        Button(dialog, "Abbruch")->click();
        QCOMPARE(host.questions, std::vector<bool>{false});  // Debugger disabled
        QVERIFY(!accepted);
        QVERIFY(!host.state().AbortSignal);
        QVERIFY(dialog.Answer().outcome == zek::HaltOutcome::Continue);
        QVERIFY(host.text2.isEmpty());
    }

    void abbruchAnsweredJaAnswersAbort() {
        FakeDialogHost host;
        host.answers = {2};
        HaltDialog dialog(host);
        ModalScript script;
        script.Click("HaltDialog", "Abbruch");
        QCOMPARE(dialog.exec(), int(QDialog::Accepted));
        QVERIFY(dialog.Answer().outcome == zek::HaltOutcome::Abort);
        QVERIFY(!host.state().AbortSignal);  // the core sets it from the answer
        QCOMPARE(host.text2, QStringList{QStringLiteral("Abbruchsignal gesetzt")});
        QVERIFY(script.Done());
    }

    void fortsetzenTitleBarCloseAndEscEndTheDialog() {
        FakeDialogHost host;
        const std::function<void(QWidget*)> ways[] = {
            [](QWidget* open) { zek::uitest::ClickButton(open, "Fortsetzen"); },
            [](QWidget* open) { open->close(); },
            [](QWidget* open) { QTest::keyClick(open, Qt::Key_Escape); },
        };
        for (const auto& way : ways) {
            HaltDialog dialog(host);
            ModalScript script;
            script.Then("HaltDialog", way);
            dialog.exec();
            QVERIFY(script.Done());
            QVERIFY(dialog.Answer().outcome == zek::HaltOutcome::Continue);
            QVERIFY(!dialog.Answer().runMode);
            QVERIFY(!host.state().AbortSignal);
        }
    }

    void hilfe() {
        QString text;
        QString title;
        zek::ui::SetMessageBoxAnswerer([&](const QString& t, const QString& ti, MessageButtons buttons) {
            text = t;
            title = ti;
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        });
        FakeDialogHost host;
        HaltDialog dialog(host);
        Button(dialog, "Hilfe")->click();
        zek::ui::SetMessageBoxAnswerer(nullptr);
        QCOMPARE(title, QStringLiteral("ZE-Prozessor: Halt"));
        QVERIFY(text.startsWith(
            "Der ZE-Prozessor hat die Programmabarbeitung unterbrochen und angehalten. \n\nDies erfolgt: \n\n"
            " - im Testmodus 'Fehlerhalt' bei Fehlern\n"));
        QVERIFY(text.contains(" - bei Erkennen des Haltsignales \n\nEs wird"));
        QVERIFY(text.contains(QString::fromUtf8("Programmstart. Der Instruction Pointer")));
        QVERIFY(text.contains("'Ohne Halt' fortsetzen oder Abbruch betätigen.\n\n"));
        QVERIFY(text.endsWith("Assemblerfehlerliste. \n\nLaufzeitfehler werden im Laufzeitprotokoll gezählt."));
    }

    // Also run at 144 and 168 DPI (see tests/CMakeLists.txt), where the size
    // read back in twips lies a few twips under the minimum.
    void resizeSnapsToTheMinimum() {
        using namespace zek::ui;
        FakeDialogHost host;
        HaltDialog dialog(host);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.resize(TwipsToPixelsX(100), TwipsToPixelsY(100));
        // Outer size = client + frame allowance (246 x 330 twips).
        QTRY_VERIFY(std::abs(PixelsToTwipsX(dialog.width()) + 246 - 6960) <= 30);
        QTRY_VERIFY(std::abs(PixelsToTwipsY(dialog.height()) + 330 - 3360) <= 30);
        auto* text1 = dialog.findChild<zek::ui::TextView*>("Text1");
        QVERIFY(text1->geometry().bottom() < dialog.height());
        for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
            QVERIFY2(dialog.rect().contains(button->geometry()), qPrintable(button->objectName()));
            QVERIFY2(!button->geometry().intersects(text1->geometry()), qPrintable(button->objectName()));
        }
        dialog.close();
    }

    void cleanup() { QVERIFY(zek::uitest::OnlyVisibleTopLevel(nullptr)); }
};

QTEST_MAIN(HaltDialogTest)
#include "HaltDialog_uitest.moc"

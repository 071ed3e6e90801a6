#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "support/ui/FakeDialogHost.h"
#include "support/ui/ModalScript.h"
#include "ui/dialogs/IoDialog.h"
#include "ui/util/MessageBoxes.h"

using zek::MessageAnswer;
using zek::MessageButtons;
using zek::ui::IoDialog;
using zek::uitest::FakeDialogHost;
using zek::uitest::ModalScript;

namespace {

const QString Uebernehmen = QString::fromUtf8("Übernehmen");

struct Seen {
    bool symboltextVisible = false;
    bool symbolwertVisible = false;
    QString symbolwert;
    QString symboltext;
    QString mitteilung;
    QString button;
    QString title;
};

Seen Look(QWidget* dialog) {
    Seen seen;
    seen.symboltextVisible = dialog->findChild<QLabel*>("Symboltext")->isVisible();
    seen.symbolwertVisible = dialog->findChild<QPlainTextEdit*>("Symbolwert")->isVisible();
    seen.symbolwert = dialog->findChild<QPlainTextEdit*>("Symbolwert")->toPlainText();
    seen.symboltext = dialog->findChild<QLabel*>("Symboltext")->text();
    seen.mitteilung = dialog->findChild<QLabel*>("Mitteilung")->text();
    seen.button = dialog->findChild<QPushButton*>(Uebernehmen)->text();
    seen.title = dialog->windowTitle();
    return seen;
}

}  // namespace

class IoDialogTest : public QObject {
    Q_OBJECT

    // Runs one dialog for `instruction`; `act` acts on the open dialog.
    static double Show(FakeDialogHost& host, const QString& instruction, double value, ModalScript::Action act,
                       Seen* seen = nullptr) {
        IoDialog dialog(host);
        ModalScript script;
        script.Then("IoDialog", [&](QWidget* open) {
            if (seen) *seen = Look(open);
            act(open);
        });
        host.state().ErrorCode = 33;
        dialog.ZEKDialog(12, QStringLiteral("Anwenderprogramm"), instruction, QStringLiteral("Bitte Zahl"),
                         QStringLiteral("x"), value);
        if (!script.failures.isEmpty()) qWarning() << script.failures;
        return value;
    }
    static void Accept(QWidget* open) { zek::uitest::ClickButton(open, Uebernehmen); }

private slots:
    void layouts() {
        FakeDialogHost host;
        Seen seen;
        Show(host, "pause", 0, Accept, &seen);
        QVERIFY(!seen.symboltextVisible);
        QVERIFY(!seen.symbolwertVisible);
        QCOMPARE(seen.button, QStringLiteral("Fortsetzen"));
        QCOMPARE(seen.mitteilung, QStringLiteral("Bitte Zahl"));
        QCOMPARE(seen.title, QStringLiteral("Anwenderprogramm"));

        QCOMPARE(Show(host, "output", 2.5, Accept, &seen), 2.5);
        QVERIFY(seen.symboltextVisible);
        QVERIFY(!seen.symbolwertVisible);
        QCOMPARE(seen.button, QStringLiteral("Fortsetzen"));
        QCOMPARE(seen.symboltext, QStringLiteral("x = 2.5"));

        QCOMPARE(Show(host, "INPUT", 2.5, Accept, &seen), 2.5);
        QVERIFY(seen.symboltextVisible);
        QVERIFY(seen.symbolwertVisible);
        QCOMPARE(seen.button, Uebernehmen);
        QCOMPARE(seen.symbolwert, QStringLiteral("2.5"));
        QCOMPARE(host.state().ErrorCode, std::uint8_t{0});

        Show(host, "input", 0, Accept, &seen);
        QCOMPARE(seen.symbolwert, QString());
    }

    void entryIsRead_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << "1,5" << 1.5;
        QTest::newRow("point") << "1.5" << 1.5;
        QTest::newRow("exponent") << "1E3" << 1000.0;
        QTest::newRow("too large") << "1E400" << 9.999999999999E99;
        QTest::newRow("too small") << "-1E150" << -9.999999999999E99;
        QTest::newRow("unreadable") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
    }
    void entryIsRead() {
        QFETCH(QString, typed);
        QFETCH(double, value);
        FakeDialogHost host;
        QString label;
        const double result = Show(host, "input", 7, [&](QWidget* open) {
            open->findChild<QPlainTextEdit*>("Symbolwert")->setPlainText(typed);
            label = open->findChild<QLabel*>("Symboltext")->text();
            Accept(open);
        });
        QCOMPARE(result, value);
        QCOMPARE(label, QStringLiteral("x = ") + zek::ui::LocaleNumberText(value));
    }

    void enterAcceptsTheTextBeforeTheBreak() {
        FakeDialogHost host;
        const double result = Show(host, "input", 0, [](QWidget* open) {
            auto* field = open->findChild<QPlainTextEdit*>("Symbolwert");
            QTest::keyClicks(field, "1,5");
            QTest::keyClick(field, Qt::Key_Return);
        });
        QCOMPARE(result, 1.5);
    }

    void info() {
        QString text;
        QString title;
        zek::ui::SetMessageBoxAnswerer([&](const QString& t, const QString& ti, MessageButtons) {
            text = t;
            title = ti;
            return MessageAnswer::Ok;
        });
        FakeDialogHost host;
        Show(host, "input", 0, [](QWidget* open) {
            zek::uitest::ClickButton(open, "Info");
            Accept(open);
        });
        zek::ui::SetMessageBoxAnswerer(nullptr);
        QCOMPARE(title, QStringLiteral("ZE-Prozessor: input-Befehl"));
        QCOMPARE(text, QStringLiteral("Der ZE-Prozessor arbeitet einen input-Befehl ab. Es kann ein Mitteilungstext "
                                      "eingegeben werden.\n\nPunkt=Dezimalpunkt, E=Exponent.\n\n"
                                      "Programmname:  \tAnwenderprogramm\nProgrammzeile: \t12"));
    }

    void abbrechenNeinKeepsTheDialogOpen() {
        FakeDialogHost host;
        host.answers = {0};
        bool stillOpen = false;
        Show(host, "pause", 0, [&](QWidget* open) {
            zek::uitest::ClickButton(open, "Abbrechen");
            stillOpen = open->isVisible();
            Accept(open);
        });
        QVERIFY(stillOpen);
        QCOMPARE(host.questions, std::vector<bool>{true});
        QVERIFY(!host.state().HaltSignal && !host.state().AbortSignal && !host.state().ExitSignal);
    }

    void abbrechenDebuggerSetsTheHaltSignal() {
        FakeDialogHost host;
        host.answers = {1};
        Show(host, "pause", 0, [](QWidget* open) { zek::uitest::ClickButton(open, "Abbrechen"); });
        QVERIFY(host.state().HaltSignal);
        QVERIFY(!host.state().AbortSignal && !host.state().ExitSignal);
        QCOMPARE(host.text2, QStringList{QStringLiteral("Haltsignal gesetzt")});
    }

    void abbrechenJaAbortsAndKeepsTheTypedValue() {
        FakeDialogHost host;
        host.answers = {2};
        const double result = Show(host, "input", 0, [](QWidget* open) {
            open->findChild<QPlainTextEdit*>("Symbolwert")->setPlainText("42");
            zek::uitest::ClickButton(open, "Abbrechen");
        });
        QCOMPARE(result, 42.0);
        QVERIFY(host.state().AbortSignal && host.state().ExitSignal);
        QCOMPARE(host.state().ErrorCode, std::uint8_t{0});  // the Processor turns the signals into 90
        QCOMPARE(host.text2, QStringList{QStringLiteral("Abbruchsignal gesetzt")});
    }

    void localeDecimalSeparator() {
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString shown = zek::ui::LocaleNumberText(2.5);
        FakeDialogHost host;
        Seen seen;
        const double result = Show(host, "input", 2.5, Accept, &seen);
        QLocale::setDefault(saved);
        QCOMPARE(shown, QStringLiteral("2,5"));
        QCOMPARE(seen.symbolwert, QStringLiteral("2,5"));
        QCOMPARE(result, 2.5);
    }

    void cleanup() { QVERIFY(zek::uitest::OnlyVisibleTopLevel(nullptr)); }
};

QTEST_MAIN(IoDialogTest)
#include "IoDialog_uitest.moc"

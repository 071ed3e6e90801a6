#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "support/ui/FakeDialogHost.h"
#include "support/ui/ModalScript.h"
#include "ui/dialogs/IoDialog.h"
#include "ui/util/MessageBoxes.h"

using zek::IoDialogKind;
using zek::IoOutcome;
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

    IoOutcome outcome_ = IoOutcome::Failed;

    // Runs one dialog of `kind`; `act` acts on the open dialog. Returns the
    // answer's value and keeps its outcome in outcome_.
    double Show(FakeDialogHost& host, IoDialogKind kind, double value, ModalScript::Action act, Seen* seen = nullptr) {
        IoDialog dialog(host);
        ModalScript script;
        script.Then("IoDialog", [&](QWidget* open) {
            if (seen) *seen = Look(open);
            act(open);
        });
        host.state().ErrorCode = 33;
        const zek::IoAnswer answer = dialog.ZEKDialog(12, QStringLiteral("Anwenderprogramm"), kind,
                                                      QStringLiteral("Bitte Zahl"), QStringLiteral("x"), value);
        if (!script.failures.isEmpty()) qWarning() << script.failures;
        outcome_ = answer.outcome;
        return answer.value;
    }
    static void Accept(QWidget* open) { zek::uitest::ClickButton(open, Uebernehmen); }

private slots:
    void layouts() {
        FakeDialogHost host;
        Seen seen;
        Show(host, IoDialogKind::Pause, 0, Accept, &seen);
        QVERIFY(!seen.symboltextVisible);
        QVERIFY(!seen.symbolwertVisible);
        QCOMPARE(seen.button, QStringLiteral("Fortsetzen"));
        QCOMPARE(seen.mitteilung, QStringLiteral("Bitte Zahl"));
        QCOMPARE(seen.title, QStringLiteral("Anwenderprogramm"));

        QCOMPARE(Show(host, IoDialogKind::Output, 2.5, Accept, &seen), 2.5);
        QVERIFY(seen.symboltextVisible);
        QVERIFY(!seen.symbolwertVisible);
        QCOMPARE(seen.button, QStringLiteral("Fortsetzen"));
        QCOMPARE(seen.symboltext, QStringLiteral("x = ") + zek::ui::LocaleNumberText(2.5));

        QCOMPARE(Show(host, IoDialogKind::Input, 2.5, Accept, &seen), 2.5);
        QVERIFY(seen.symboltextVisible);
        QVERIFY(seen.symbolwertVisible);
        QCOMPARE(seen.button, Uebernehmen);
        QCOMPARE(seen.symbolwert, zek::ui::LocaleNumberText(2.5));
        QVERIFY(outcome_ == IoOutcome::Accepted);
        QCOMPARE(host.state().ErrorCode, std::uint8_t{33});  // only the core writes it

        Show(host, IoDialogKind::Input, 0, Accept, &seen);
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
        const double result = Show(host, IoDialogKind::Input, 7, [&](QWidget* open) {
            open->findChild<QPlainTextEdit*>("Symbolwert")->setPlainText(typed);
            label = open->findChild<QLabel*>("Symboltext")->text();
            Accept(open);
        });
        QCOMPARE(result, value);
        QCOMPARE(label, QStringLiteral("x = ") + zek::ui::LocaleNumberText(value));
    }

    void enterAcceptsTheTextBeforeTheBreak() {
        FakeDialogHost host;
        const double result = Show(host, IoDialogKind::Input, 0, [](QWidget* open) {
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
        Show(host, IoDialogKind::Input, 0, [](QWidget* open) {
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
        Show(host, IoDialogKind::Pause, 0, [&](QWidget* open) {
            zek::uitest::ClickButton(open, "Abbrechen");
            stillOpen = open->isVisible();
            Accept(open);
        });
        QVERIFY(stillOpen);
        QCOMPARE(host.questions, std::vector<bool>{true});
        QVERIFY(outcome_ == IoOutcome::Accepted);
        QVERIFY(!host.state().HaltSignal && !host.state().AbortSignal && !host.state().ExitSignal);
    }

    void abbrechenDebuggerAnswersHalt() {
        FakeDialogHost host;
        host.answers = {1};
        Show(host, IoDialogKind::Pause, 0, [](QWidget* open) { zek::uitest::ClickButton(open, "Abbrechen"); });
        QVERIFY(outcome_ == IoOutcome::Halt);
        QVERIFY(!host.state().HaltSignal && !host.state().AbortSignal && !host.state().ExitSignal);
        QCOMPARE(host.text2, QStringList{QStringLiteral("Haltsignal gesetzt")});
    }

    void abbrechenJaAnswersAbortAndKeepsTheTypedValue() {
        FakeDialogHost host;
        host.answers = {2};
        const double result = Show(host, IoDialogKind::Input, 0, [](QWidget* open) {
            open->findChild<QPlainTextEdit*>("Symbolwert")->setPlainText("42");
            zek::uitest::ClickButton(open, "Abbrechen");
        });
        QCOMPARE(result, 42.0);
        QVERIFY(outcome_ == IoOutcome::Abort);  // the Processor turns it into the signals and 90
        QVERIFY(!host.state().AbortSignal && !host.state().ExitSignal);
        QCOMPARE(host.state().ErrorCode, std::uint8_t{33});
        QCOMPARE(host.text2, QStringList{QStringLiteral("Abbruchsignal gesetzt")});
    }

    // Esc and the title bar's close never take a half-typed input unasked:
    // they ask as "Abbruch" does, and "Nein" returns to the dialog with the
    // typed text intact.
    void escAndTitleBarCloseOfTheInputAsk_data() {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("Esc") << true;
        QTest::newRow("title bar") << false;
    }
    void escAndTitleBarCloseOfTheInputAsk() {
        QFETCH(bool, byEsc);
        FakeDialogHost host;
        host.answers = {0, 2};
        QString keptText;
        bool stayed = false;
        const auto leave = [byEsc](QWidget* open) {
            if (byEsc)
                QTest::keyClick(open->findChild<QPlainTextEdit*>("Symbolwert"), Qt::Key_Escape);
            else
                open->close();
        };
        const double result = Show(host, IoDialogKind::Input, 7, [&](QWidget* open) {
            auto* field = open->findChild<QPlainTextEdit*>("Symbolwert");
            field->setPlainText("12");
            leave(open);  // answered Nein
            stayed = open->isVisible();
            keptText = field->toPlainText();
            leave(open);  // answered Ja
        });
        QVERIFY(stayed);
        QCOMPARE(keptText, QStringLiteral("12"));
        QCOMPARE(host.questions, (std::vector<bool>{true, true}));
        QVERIFY(outcome_ == IoOutcome::Abort);
        QCOMPARE(result, 12.0);
    }

    void escOfOutputAndPauseGoesOn() {
        for (IoDialogKind kind : {IoDialogKind::Output, IoDialogKind::Pause}) {
            FakeDialogHost host;
            const double result = Show(host, kind, 2.5, [](QWidget* open) { QTest::keyClick(open, Qt::Key_Escape); });
            QVERIFY(outcome_ == IoOutcome::Accepted);
            QCOMPARE(result, 2.5);
            QVERIFY(host.questions.empty());
        }
    }

    // Values show the decimal separator of the user's locale: the system's
    // (this test runs once more under a German one, see tests/CMakeLists.txt),
    // not the German default locale that the program gives Qt's own texts.
    void localeDecimalSeparator() {
        const QString expected = QLocale::system().decimalPoint() == QStringLiteral(",") ? "2,5" : "2.5";
        if (qEnvironmentVariable("LC_ALL").startsWith(QStringLiteral("de_"))) QCOMPARE(expected, QStringLiteral("2,5"));
        const QLocale saved;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString shown = zek::ui::LocaleNumberText(2.5);
        FakeDialogHost host;
        Seen seen;
        const double result = Show(host, IoDialogKind::Input, 2.5, Accept, &seen);
        QLocale::setDefault(saved);
        QCOMPARE(shown, expected);
        QCOMPARE(seen.symbolwert, expected);
        QCOMPARE(result, 2.5);
    }

    void cleanup() { QVERIFY(zek::uitest::OnlyVisibleTopLevel(nullptr)); }
};

QTEST_MAIN(IoDialogTest)
#include "IoDialog_uitest.moc"

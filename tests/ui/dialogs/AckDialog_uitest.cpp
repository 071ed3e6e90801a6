#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "support/ui/ModalScript.h"
#include "ui/dialogs/AckDialog.h"

using zek::ui::AckDialog;
using zek::uitest::ModalScript;

class AckDialogTest : public QObject {
    Q_OBJECT

private slots:
    void controls() {
        AckDialog dialog(QStringLiteral("Anwenderprogramm"), true);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("ZE-Maschine: Abbrechen?"));
        QCOMPARE(dialog.findChild<QLabel*>("Label1")->text(), QStringLiteral("Anwenderprogramm abbrechen?"));
        const struct {
            const char* name;
            const char* caption;
            const char* tooltip;
        } buttons[] = {
            {"Ja", "Ja", "Programm abbrechen: Abbruchsignal setzen"},
            {"Debugger", "Anhalten", "Programm unterbrechen: Haltsignal setzen"},
            {"Nein", "Nein", "Nicht abbrechen, weitermachen"},
        };
        for (const auto& expected : buttons) {
            auto* button = dialog.findChild<QPushButton*>(expected.name);
            QVERIFY2(button, expected.name);
            QCOMPARE(button->text(), QString::fromUtf8(expected.caption));
            QCOMPARE(button->toolTip(), QString::fromUtf8(expected.tooltip));
            QVERIFY(button->isEnabled());
        }
    }

    void debuggerDisabledWithoutHaltPermission() {
        AckDialog dialog(QStringLiteral("Zinsen"), false);
        QVERIFY(!dialog.findChild<QPushButton*>("Debugger")->isEnabled());
        QCOMPARE(dialog.findChild<QLabel*>("Label1")->text(), QStringLiteral("Zinsen abbrechen?"));
    }

    // A program name that looks like markup is shown as written.
    void programNameShownAsPlainText() {
        AckDialog dialog(QStringLiteral("<b>Zinsen</b>"), true);
        const auto* label = dialog.findChild<QLabel*>("Label1");
        QCOMPARE(label->text(), QStringLiteral("<b>Zinsen</b> abbrechen?"));
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void answers_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("Ja") << "Ja" << 2;
        QTest::newRow("Debugger") << "Debugger" << 1;
        QTest::newRow("Nein") << "Nein" << 0;
    }
    void answers() {
        QFETCH(QString, button);
        QFETCH(int, answer);
        AckDialog dialog(QStringLiteral("Anwenderprogramm"), true);
        ModalScript script;
        script.Click("AckDialog", button);
        QCOMPARE(int(dialog.Ask()), answer);
        QVERIFY2(script.failures.isEmpty(), qPrintable(script.failures.join("; ")));
    }

    void titleBarCloseAndEscAnswerNein() {
        for (bool byEsc : {false, true}) {
            AckDialog dialog(QStringLiteral("Anwenderprogramm"), true);
            ModalScript script;
            script.Then("AckDialog", [byEsc](QWidget* open) {
                if (byEsc)
                    QTest::keyClick(open, Qt::Key_Escape);
                else
                    open->close();
            });
            QCOMPARE(int(dialog.Ask()), 0);
            QVERIFY(script.Done());
        }
    }

    void cleanup() { QVERIFY(zek::uitest::OnlyVisibleTopLevel(nullptr)); }
};

QTEST_MAIN(AckDialogTest)
#include "AckDialog_uitest.moc"

#include <QPlainTextEdit>
#include <QTest>

#include "core/base/DocumentationText.h"
#include "core/store/OpcodeTable.h"
#include "support/ui/Actions.h"
#include "support/ui/MainWindowProbe.h"
#include "support/ui/ScriptedAnswers.h"
#include "ui/textwindow/TextWindow.h"
#include "ui/util/QtText.h"

using namespace zek;
using namespace zek::testing;
using ui::MainWindow;

class HelpPagesTest : public QObject {
    Q_OBJECT

    // Shows page `index` and returns the box it asked.
    AskedMessageBox Page(MainWindow& window, int index) {
        ScriptedMessageBoxes boxes({MessageAnswer::Ok});
        if (!uitest::TriggerAction(window, "mnuHilfe", index)) return {};
        if (boxes.asked.size() != 1) return {};
        return boxes.asked[0];
    }

private slots:
    void TitlesAndStatusMessages_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("status");  // "-" for unchanged
        QTest::newRow("1") << 1 << "ZEK-Hilfe: Über ZEK ... "
                           << "ZEK-Hilfe: Über ZEK  ...";
        QTest::newRow("2") << 2 << "ZEK-Hilfe: Assembler programmieren ..."
                           << "ZEK-Hilfe: Assembler programmieren ...";
        QTest::newRow("4") << 4 << "ZEK: Rechenbefehle I"
                           << "-";
        QTest::newRow("5") << 5 << "ZEK: Rechenbefehle II"
                           << "-";
        QTest::newRow("6") << 6 << "ZEK: Rechenbefehle III"
                           << "-";
        QTest::newRow("7") << 7 << "ZEK: Sprungbefehle"
                           << "-";
        QTest::newRow("8") << 8 << "ZEK: Ein-/Ausgabebefehle"
                           << "-";
        QTest::newRow("9") << 9 << "ZEK: Pointerbefehle"
                           << "-";
        QTest::newRow("10") << 10 << "ZEK: Systembefehle"
                            << "-";
        QTest::newRow("11") << 11 << "ZEK: Pseudobefehle"
                            << "-";
        QTest::newRow("99") << 99 << "ZEK-Hilfe: Info ... "
                            << "ZEK-Hilfe: Info  ...";
    }
    void TitlesAndStatusMessages() {
        QFETCH(int, index);
        QFETCH(QString, title);
        QFETCH(QString, status);
        ZekState state;
        MainWindow window(state);
        window.SetText2("vorher");
        const AskedMessageBox box = Page(window, index);
        QCOMPARE(box.title, title);
        QCOMPARE(box.buttons, MessageButtons::Ok);
        QCOMPARE(Text2Of(window), status == "-" ? QString("vorher") : status);
    }

    void InstructionPagesListOneMnemonicPerLine() {
        ZekState state;
        MainWindow window(state);
        QCOMPARE(Page(window, 4).text,
                 QString("mov\nclr\ninc\ndec\n\nadd\nsub\nmul\ndiv\n\npower\nroot\n\nexp\nexp10\nexp2\nexpx\n\n"
                         "log\nlog10\nlog2\nlogx"));
        QCOMPARE(
            Page(window, 7).text,
            QString("cmpgt\ncmpge\ncmplt\ncmple\ncmpeq\ncmpne\n\ntstgt\ntstge\ntstlt\ntstle\ntsteq\ntstne\n\njump"));
        QCOMPARE(Page(window, 9).text, QString("adrof\nget\nput"));
        QCOMPARE(Page(window, 11).text, QString("_name\n_var\n_dim\n_lab\n_config\n_end"));
    }

    // The instruction pages together list every name of the opcode table once,
    // except errjump, errcode and end, which only the manual describes; the
    // pages of one group of the table list that group whole.
    void InstructionPagesCoverTheOpcodeTable() {
        ZekState state;
        MainWindow window(state);
        QMap<QString, int> pageOf;
        for (int index = 4; index <= 11; ++index) {
            ScriptedMessageBoxes boxes({MessageAnswer::Ok});
            QVERIFY(zek::uitest::TriggerAction(window, QStringLiteral("mnuHilfe%1").arg(index)));
            QCOMPARE(boxes.asked.size(), std::size_t{1});
            for (const QString& line : boxes.asked[0].text.split('\n', Qt::SkipEmptyParts)) {
                QVERIFY2(!pageOf.contains(line), qPrintable(line + " is listed twice"));
                pageOf[line] = index;
            }
        }
        const QMap<int, int> wholeGroupOnPage = {{6, 8}, {5, 9}, {PseudoGroup, 11}};
        for (const OpcodeEntry& entry : OpcodeTable) {
            const QString name = QString::fromLatin1(entry.name.data(), entry.name.size());
            const bool onlyInTheManual = name == "errjump" || name == "errcode" || name == "end";
            QVERIFY2(pageOf.contains(name) != onlyInTheManual, qPrintable(name));
            if (wholeGroupOnPage.contains(entry.group)) QCOMPARE(pageOf.value(name), wholeGroupOnPage[entry.group]);
            if (entry.group == 3 || entry.group == 4) QCOMPARE(pageOf.value(name), 7);
            pageOf.remove(name);
        }
        QVERIFY2(pageOf.isEmpty(), qPrintable(QStringList(pageOf.keys()).join(' ') + " are not in the opcode table"));
    }

    void TheIntroductionAndTheInfoPage() {
        ZekState state;
        MainWindow window(state);
        const QStringList intro = Page(window, 2).text.split('\n');
        QCOMPARE(intro.size(), 14);
        QCOMPARE(intro[0], QString("Assemblerprogrammieren ist eigentlich ganz einfach. "));
        QCOMPARE(intro[3], QString());
        QCOMPARE(intro[4], QString("   add\tx\t20\t ; addiert 20 zu x hinzu, "));
        QCOMPARE(intro[7], QString("   div\tx\tb3\t ; teilt x durch eine Variable b3. "));
        QCOMPARE(intro[9], QString("So lassen sich beliebige mathematische Formeln abcoden."));
        QCOMPARE(Page(window, 99).text, QString("ZE-Assembler\n\nAusgabe 2.1.28\n\n\n"));
        QVERIFY(Page(window, 1).text.startsWith("\nDer ZE-Assembler\n\n"));
    }

    void TheDocumentationOpensInTheTextWindow() {
        ZekState state;
        MainWindow window(state);
        window.SetText2("vorher");
        QVERIFY(uitest::TriggerAction(window, "mnuHilfe", 21));
        auto* textWindow = window.findChild<ui::TextWindow*>();
        QVERIFY(textWindow);
        QVERIFY(textWindow->isVisible());
        QVERIFY(!textWindow->isModal());
        QCOMPARE(textWindow->windowTitle(), QString("ZE-Assembler: Dokumentation"));
        QVERIFY(textWindow->Text()->font().fixedPitch());
        QVERIFY(!textWindow->IsEditMode());
        QCOMPARE(Text2Of(window), QString("vorher"));
        QCOMPARE(ui::ToCoreLines(textWindow->Text()->toPlainText()).substr(0, 200), DocumentationText().substr(0, 200));

        // The assembler closes it without a question.
        ScriptedMessageBoxes boxes;
        window.CloseTextWindow();
        QTRY_VERIFY(!window.findChild<ui::TextWindow*>());
        QCOMPARE(Text2Of(window), QString("Editor ohne Textänderung beendet."));
        window.CloseTextWindow();  // nothing open: nothing happens
    }
};

QTEST_MAIN(HelpPagesTest)
#include "HelpPages_uitest.moc"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "support/ui/Actions.h"
#include "support/ui/ScriptedAnswers.h"
#include "support/ui/TestFiles.h"
#include "ui/textwindow/TextWindow.h"
#include "ui/util/Printing.h"
#include "ui/util/QtText.h"
#include "ui/util/TextView.h"

using namespace zek;
using namespace zek::testing;
using ui::TextWindow;

namespace {

// A text window with its status messages collected, showing `text`.
struct Fixture {
    QStringList messages;
    TextWindow window{[this](const QString& message) { messages << message; }};

    Fixture(const QString& text, bool editable) {
        window.Text()->setPlainText(text);
        window.SetEditable(editable);
        window.ShowModeless();
        messages.clear();
    }
    QString LastMessage() const { return messages.isEmpty() ? QString() : messages.back(); }
    template <typename T>
    T* Child(const char* name) {
        return window.findChild<T*>(QString::fromUtf8(name));
    }
    // Chooses the menu entry `name`, which must be enabled.
    void Choose(const char* name) { QVERIFY(uitest::TriggerAction(window, QString::fromUtf8(name))); }
    // Clicks the button `name`, which must show and be enabled.
    void Click(const char* name) { QVERIFY(uitest::ClickControl(window, QString::fromUtf8(name))); }
    void Type(const QString& text) {
        QTextCursor cursor = window.Text()->textCursor();
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(text);
    }
};

}  // namespace

class TextWindowTest : public QObject {
    Q_OBJECT

private slots:
    void ControlsAndStartState() {
        Fixture f("Text", false);
        for (const char* name : {"HScroll1", "Punkt", "Schriftart", "Abbrechen", "Schließen", "Codepagetext", "Text"})
            QVERIFY2(f.window.findChild<QWidget*>(QString::fromUtf8(name)), name);
        for (const char* name :
             {"mnuAbspeichern", "mnuDrucken", "mnuRücksetzen", "mnuAbbrechen", "mnuSchliessen", "mnuAusschneiden",
              "mnuKopieren", "mnuEinfügen", "mnuInDOS", "mnuInWin", "mnuHilfe", "mnuCodePageHilfe", "mnuEdithilfe"})
            QVERIFY2(f.window.findChild<QAction*>(QString::fromUtf8(name)), name);
        QCOMPARE(f.Child<QLabel>("Monospaced")->text(), QString("Courier New"));
        QCOMPARE(f.Child<QLabel>("Variospaced")->text(), QString("MS Sans Serif"));
        QCOMPARE(f.Child<QLineEdit>("Punkt")->text(), QString("10"));
        QCOMPARE(f.Child<QScrollBar>("HScroll1")->value(), 7);
        QCOMPARE(f.window.Text()->font().pointSize(), 10);
        QCOMPARE(f.Child<QLabel>("Codepagetext")->text(), QString("Zeichenbelegung: unbestimmt"));
    }

    void ActivationResetsTheSizeToTenPoint() {
        QStringList messages;
        TextWindow window([&messages](const QString& message) { messages << message; });
        window.ShowModeless();
        QCOMPARE(messages, QStringList());  // already at 10 point: no message

        window.findChild<QScrollBar*>("HScroll1")->setValue(3);
        window.ShowModeless();  // activates it again
        QCOMPARE(window.Text()->font().pointSize(), 10);
        QCOMPARE(messages, QStringList({"Textgröße 6 eingestellt.", "Textgröße 10 eingestellt."}));
    }

    void DisplayAndEditModeMenus() {
        for (bool edit : {false, true}) {
            Fixture f("Text", edit);
            QCOMPARE(f.Child<QAction>("mnuSchliessen")->text(),
                     edit ? QString("&Beenden und Übernehmen") : QString("&Beenden"));
            QCOMPARE(f.Child<QPushButton>("Schließen")->text(),
                     edit ? QString("B&eenden und Übernehmen") : QString("B&eenden"));
            for (const char* action : {"mnuRücksetzen", "mnuAbbrechen", "mnuInDOS", "mnuInWin", "mnuAusschneiden",
                                       "mnuEinfügen", "mnuCodePageHilfe"})
                QCOMPARE(f.Child<QAction>(action)->isEnabled(), edit);
            QVERIFY(f.Child<QAction>("mnuKopieren")->isEnabled());
            QCOMPARE(f.Child<QPushButton>("Abbrechen")->isHidden(), !edit);
        }
    }

    void SizeBarEnds() {
        Fixture f("Text", false);
        auto* bar = f.Child<QScrollBar>("HScroll1");
        const struct {
            int position;
            int points;
        } cases[] = {{1, 4}, {10, 16}, {8, 12}};
        for (const auto& c : cases) {
            bar->setValue(c.position);
            QCOMPARE(f.window.Text()->font().pointSize(), c.points);
            QCOMPARE(f.Child<QLineEdit>("Punkt")->text(), QString::number(c.points));
            QCOMPARE(f.LastMessage(), QString("Textgröße %1 eingestellt.").arg(c.points));
        }
        QCOMPARE(bar->minimum(), 1);
        QCOMPARE(bar->maximum(), 10);
    }

    void SwitchingTheFontTwiceReturns() {
        Fixture f("Text", false);
        auto* button = f.Child<QPushButton>("Schriftart");
        QVERIFY(!f.window.Text()->font().fixedPitch());
        QCOMPARE(button->text(), QString("Textschrift"));
        const QString startFamily = f.window.Text()->font().family();

        f.Click("Schriftart");
        QVERIFY(f.window.Text()->font().fixedPitch());
        QCOMPARE(f.window.Text()->font().family(), QString("Courier New"));
        QCOMPARE(button->text(), QString("Satzschrift"));
        QCOMPARE(button->font().family(), QString("MS Sans Serif"));
        QCOMPARE(f.LastMessage(), QString("Satzschrift (»MS Sans Serif«) eingestellt."));

        f.Click("Schriftart");
        QVERIFY(!f.window.Text()->font().fixedPitch());
        QCOMPARE(f.window.Text()->font().family(), startFamily);
        QCOMPARE(button->text(), QString("Textschrift"));
        QCOMPARE(f.LastMessage(), QString("Textschrift (»Courier New«) eingestellt."));
    }

    void ClosingInDisplayModeAsksNothing() {
        Fixture f("Dokumentation", false);
        ScriptedMessageBoxes boxes;
        f.Click("Schließen");
        QVERIFY(!f.window.isVisible());
        QCOMPARE(f.LastMessage(), QString("Editor ohne Textänderung beendet."));
        QCOMPARE(f.window.EditorResultText(), QString("Dokumentation"));
    }

    void ClosingAnUnchangedTextInEditMode() {
        Fixture f("abc", true);
        ScriptedMessageBoxes boxes;
        f.Click("Schließen");
        QVERIFY(!f.window.isVisible());
        QCOMPARE(f.LastMessage(), QString("Editor geschlossen. Textdatei  unverändert."));
    }

    void ClosingAChangedTextAsksWhetherToTakeIt() {
        Fixture f("abc", true);
        f.Type("d");
        ScriptedMessageBoxes boxes({MessageAnswer::No, MessageAnswer::Cancel, MessageAnswer::Yes});
        f.Click("Schließen");
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.LastMessage(), QString("Editor schliessen abgebrochen."));
        QCOMPARE(boxes.asked[0].title, QString("Sicherheitsabfrage"));
        QCOMPARE(boxes.asked[0].buttons, MessageButtons::YesNoCancel);
        QCOMPARE(boxes.asked[0].text, QString("Schließen: Textdatei  wurde geändert.\n\nGeänderten Text übernehmen?\n\n"
                                              "(Im Fall »Nein« muß der Editor mit »Abbrechen« verlassen werden)"));
        f.window.close();  // the title bar: edit mode hands the text back too
        QVERIFY(f.window.isVisible());
        f.Click("Schließen");
        QVERIFY(!f.window.isVisible());
        QCOMPARE(f.LastMessage(), QString("Editor geschlossen. Text geändert."));
        QCOMPARE(f.window.EditorResultText(), QString("abcd"));
        QVERIFY(boxes.AllAnswered());
    }

    void AbortingDiscardsChangesAfterAQuestion() {
        Fixture f("abc", true);
        f.Type("d");
        ScriptedMessageBoxes boxes({MessageAnswer::Cancel, MessageAnswer::Ok});
        f.Click("Abbrechen");
        QVERIFY(f.window.isVisible());
        QCOMPARE(f.LastMessage(), QString("Editorabbruch abgewehrt."));
        QCOMPARE(boxes.asked[0].text, QString("Abbrechen: Alle Änderungen an der Textdatei  gehen verloren!"));
        QCOMPARE(boxes.asked[0].buttons, MessageButtons::OkCancel);
        f.Click("Abbrechen");
        QVERIFY(!f.window.isVisible());
        QCOMPARE(f.window.Text()->toPlainText(), QString("abc"));
        QCOMPARE(f.window.EditorResultText(), QString("abc"));
        QCOMPARE(f.LastMessage(), QString("Editor mit Verwerfen aller Änderungen beendet."));
    }

    void ResettingAsksOnlyWhenChanged() {
        Fixture f("abc", true);
        ScriptedMessageBoxes boxes({MessageAnswer::Cancel, MessageAnswer::Ok});
        f.Choose("mnuRücksetzen");
        QVERIFY(boxes.asked.empty());
        f.Type("d");
        f.Choose("mnuRücksetzen");
        QCOMPARE(f.LastMessage(), QString("Editor: Text doch nicht zurückgesetzt."));
        QCOMPARE(f.window.Text()->toPlainText(), QString("abcd"));
        f.Choose("mnuRücksetzen");
        QCOMPARE(f.LastMessage(), QString("Editor: Text zurückgesetzt."));
        QCOMPARE(f.window.Text()->toPlainText(), QString("abc"));
        QCOMPARE(boxes.asked[0].text, QString("Rücksetzen: Alle Änderungen gehen verloren!"));
        QCOMPARE(boxes.asked[0].title, QString("Sicherheitsabfrage"));
    }

    void RecodingSwitchesTheMenusAndTheLabel() {
        Fixture f("Größe", true);
        ScriptedMessageBoxes boxes({MessageAnswer::Ok, MessageAnswer::Ok, MessageAnswer::Ok});
        f.Choose("mnuCodePageHilfe");
        QVERIFY(boxes.asked[0].text.endsWith("Aktuelle Codepage: \t... ist noch nicht eingestellt"));
        QCOMPARE(boxes.asked[0].title, QString("Über die Umkodierung"));

        f.Choose("mnuInDOS");
        QCOMPARE(ui::ToCoreLines(f.window.Text()->toPlainText()), std::string("Gr\x94\xE1"
                                                                              "e"));
        QVERIFY(!f.Child<QAction>("mnuInDOS")->isEnabled());
        QVERIFY(f.Child<QAction>("mnuInWin")->isEnabled());
        QCOMPARE(f.Child<QLabel>("Codepagetext")->text(), QString("Zeichenbelegung: DOS"));
        f.Choose("mnuCodePageHilfe");
        QVERIFY(boxes.asked[1].text.endsWith("Aktuelle Codepage: \tDOS (Umlaute nach Codepage 437 oder 850)"));

        f.Choose("mnuInWin");
        QCOMPARE(f.window.Text()->toPlainText(), QString("Größe"));
        QVERIFY(f.Child<QAction>("mnuInDOS")->isEnabled());
        QVERIFY(!f.Child<QAction>("mnuInWin")->isEnabled());
        QCOMPARE(f.Child<QLabel>("Codepagetext")->text(), QString("Zeichenbelegung: Windows"));
        f.Choose("mnuCodePageHilfe");
        QVERIFY(
            boxes.asked[2].text.endsWith("Aktuelle Codepage: \tWindows (Umlaute nach ANSI, ISO-8859-1 oder Unicode)"));
        QCOMPARE(f.LastMessage(), QString("Editor: Umkodierungs-Hilfsseite aufgerufen."));
    }

    void SavingNamesTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("text.txt");
        const QString plainFile = dir.filePath("datei");
        QVERIFY(WriteBytes(plainFile, "bleibt"));
        Fixture f("Zeile 1\nZeile \u00E4", true);
        ScriptedMessageBoxes boxes({MessageAnswer::Ok});
        // A missing folder is refused in the dialog; a file taken for a folder fails at the write.
        ScriptedFileDialogs dialogs({path, std::nullopt, plainFile + "/x.txt"});

        f.Choose("mnuAbspeichern");
        QCOMPARE(dialogs.asked[0].title, QString("Text in Datei sichern ..."));
        QCOMPARE(ReadBytes(path), QByteArray("Zeile 1\r\nZeile \xE4"));
        QCOMPARE(f.window.windowTitle(), "Texteditor " + path);
        QCOMPARE(f.LastMessage(), "Editor: Text in Datei " + path + " abgespeichert.");

        f.Choose("mnuAbspeichern");
        QCOMPARE(f.LastMessage(), QString("Editor: Abbruch bei Dateidialog für Abspeichern."));

        f.Choose("mnuAbspeichern");
        QCOMPARE(boxes.asked.size(), 1u);
        QCOMPARE(boxes.asked[0].text, QString("Text sichern ist fehlgeschlagen!"));
        QCOMPARE(boxes.asked[0].title, QString("Fehlermitteilung"));
        QCOMPARE(f.LastMessage(), QString("Editor: Fehler beim Abspeichern."));
    }

    void CloseMessagesNameTheSavedFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("text.txt");
        Fixture f("abc", true);
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs({path});
        f.Choose("mnuAbspeichern");
        f.Click("Schließen");
        QCOMPARE(f.LastMessage(), "Editor geschlossen. Textdatei " + path + " unverändert.");
    }

    void Printing() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("druck.pdf");
        Fixture f("Zeile 1\nZeile 2", false);
        ui::SetPrinterFactory([&pdf] { return std::unique_ptr<QPagedPaintDevice>(new QPdfWriter(pdf)); });
        f.Choose("mnuDrucken");
        QCOMPARE(f.LastMessage(), QString("Editor: Text an Drucker gesendet."));
        QVERIFY(ReadBytes(pdf).startsWith("%PDF"));

        ui::SetPrinterFactory([] { return std::unique_ptr<QPagedPaintDevice>(); });
        ScriptedMessageBoxes boxes({MessageAnswer::Ok});
        f.Choose("mnuDrucken");
        QCOMPARE(boxes.asked.size(), 1u);
        QCOMPARE(boxes.asked[0].text, QString("Beim Drucken des Textes gab es Probleme."));
        QCOMPARE(boxes.asked[0].title, QString("ZE-Assembler"));
        QCOMPARE(f.LastMessage(), QString("Editor: Fehler beim Drucken des Textes."));
        ui::SetPrinterFactory(nullptr);
    }

    void TheEditorHelpDescribesTheWindow() {
        for (bool edit : {false, true}) {
            Fixture f("ab\ncd\nef", edit);
            ScriptedMessageBoxes boxes({MessageAnswer::Ok});
            f.Choose("mnuEdithilfe");
            QCOMPARE(boxes.asked[0].title, QString("Über den Quarin-Editor"));
            const QStringList lines = boxes.asked[0].text.split('\n');
            QCOMPARE(
                lines[0],
                edit ? QString("Der Quarin-Editor ist ein ganz kleines Programm zur Bearbeitung einer Zeichenkette.")
                     : QString("Der Quarin-Editor zeigt ein ganz kleines Programm zur Anzeige einer Zeichenkette."));
            QCOMPARE(lines.contains("    <Strg+X> =  \tAusschneiden"), edit);
            QVERIFY(lines.contains("    <Strg+C> =  \tKopieren"));
            QVERIFY(lines.contains("Aktuelle Textlänge: \t10 Zeichen"));
            QVERIFY(lines.contains("Aktuelle Textzeilenanzahl: \t3 Zeile(n)"));
            QVERIFY(lines.contains("Aktuelle Schriftart:\tSatzschrift 10 Punkt"));
            QVERIFY(lines.contains(edit ? "Aktueller Editormodus: Editieren" : "Aktueller Editormodus: Anzeige"));
            QCOMPARE(lines.back(), QString("Textschriftname:          Courier New"));
            QCOMPARE(f.LastMessage(), QString("Editor: Interne Hilfsseite aufgerufen."));

            f.Click("Schriftart");
            boxes.Answer(MessageAnswer::Ok);
            f.Choose("mnuEdithilfe");
            QVERIFY(boxes.asked[1].text.contains("Aktuelle Schriftart:\t\tTextschrift 10 Punkt.\n"));
        }
    }

    void CutAndPasteWorkAtTheSelectionStart() {
        Fixture f("abcdef", true);
        QClipboard* clipboard = QGuiApplication::clipboard();
        QTextCursor cursor = f.window.Text()->textCursor();
        cursor.setPosition(2);
        cursor.setPosition(4, QTextCursor::KeepAnchor);
        f.window.Text()->setTextCursor(cursor);
        f.Choose("mnuAusschneiden");
        QCOMPARE(clipboard->text(), QString("cd"));
        QCOMPARE(f.window.Text()->toPlainText(), QString("abef"));
        QCOMPARE(f.window.Text()->textCursor().position(), 2);

        cursor.setPosition(1);
        cursor.setPosition(2, QTextCursor::KeepAnchor);
        f.window.Text()->setTextCursor(cursor);
        clipboard->setText("XY");
        f.Choose("mnuEinfügen");
        QCOMPARE(f.window.Text()->toPlainText(), QString("aXYbef"));
        QCOMPARE(f.window.Text()->textCursor().position(), 1);
        QVERIFY(!f.window.Text()->textCursor().hasSelection());

        f.Choose("mnuAusschneiden");  // empty selection
        QCOMPARE(clipboard->text(), QString());
        QCOMPARE(f.window.Text()->toPlainText(), QString("aXYbef"));
    }

    // Copied and cut text has "\n" line breaks, also for a Shift+Enter break.
    void CopiedLineBreaksAreNewlines() {
        Fixture f("ab\ncd", true);
        QTextCursor cursor = f.window.Text()->textCursor();
        cursor.setPosition(1);
        cursor.insertText(QString(QChar::LineSeparator));
        cursor.select(QTextCursor::Document);
        f.window.Text()->setTextCursor(cursor);
        f.Choose("mnuKopieren");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("a\nb\ncd"));
        f.Choose("mnuAusschneiden");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("a\nb\ncd"));
    }

    void ActivationFromAnotherWindowTakesANewActivationText() {
        Fixture f("abc", true);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));

        // The window's own dialog coming and going is no new activation.
        f.Type("d");
        {
            QDialog own(&f.window);
            own.show();
            own.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&own));
        }
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        {
            ScriptedMessageBoxes boxes({MessageAnswer::Cancel});
            f.Choose("mnuRücksetzen");  // still changed against "abc"
            QCOMPARE(boxes.asked.size(), 1u);
        }

        // Coming back from another window of the program is.
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        f.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        ScriptedMessageBoxes boxes;
        f.Choose("mnuRücksetzen");  // "abcd" is the new activation text
        QVERIFY(boxes.asked.empty());
    }

    // In display mode the box shows the text in its view, in the chosen font,
    // and copying takes the view's selection.
    void DisplayModeShowsTheTextInTheView() {
        Fixture f("erste\nzweite", false);
        ui::TextView* view = f.window.Text()->View();
        QVERIFY(view->isVisible());
        QCOMPARE(view->toPlainText(), QString("erste\nzweite"));
        f.Click("Schriftart");
        QCOMPARE(view->font().family(), QString("Courier New"));
        auto cursor = view->textCursor();
        cursor.setPosition(3);
        cursor.setPosition(8, QTextCursor::KeepAnchor);
        view->setTextCursor(cursor);
        f.Choose("mnuKopieren");
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("te\nzw"));
    }

    void CtrlDelDeletesTheRestOfTheLine() {
        Fixture f("erste Zeile\nzweite", true);
        QTextCursor cursor = f.window.Text()->textCursor();
        cursor.setPosition(5);
        f.window.Text()->setTextCursor(cursor);
        QTest::keyClick(f.window.Text()->Editor(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.window.Text()->toPlainText(), QString("erste\nzweite"));
    }
};

QTEST_MAIN(TextWindowTest)
#include "TextWindow_uitest.moc"

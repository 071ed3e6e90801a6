#include <unistd.h>

#include <QDir>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "support/ResourceLimit.h"
#include "support/ui/MainWindowProbe.h"
#include "support/ui/ScriptedAnswers.h"
#include "support/ui/TestFiles.h"
#include "ui/util/Printing.h"

using namespace zek;
using namespace zek::testing;
using ui::MainWindow;

class FileCommandsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString PathOf(const char* name) { return dir.filePath(QString::fromLatin1(name)); }

    static void Choose(MainWindow& window, const char* command) {
        QVERIFY(uitest::TriggerAction(window, QString::fromUtf8(command)));
    }

    // Opens `path` through the scripted dialog; the source must be unchanged.
    void Open(MainWindow& window, const QString& path) {
        ScriptedFileDialogs dialogs({path});
        QVERIFY(uitest::TriggerAction(window, "mnuDateiÖffnen"));
        QVERIFY(dialogs.AllAnswered());
    }

private slots:
    void OpeningAddsTheFinalLineBreakAndCountsAsUnchanged() {
        ZekState state;
        MainWindow window(state);
        ScriptedMessageBoxes boxes;  // no question is expected
        const QString path = PathOf("ohne.zek");
        QVERIFY(WriteBytes(path, "mov a b\r\nexit"));

        Open(window, path);
        QCOMPARE(SourceOf(window), QString("mov a b\nexit\n"));
        QCOMPARE(CurrentFileOf(window), path);
        QCOMPARE(Text2Of(window), QString("ZE-Assembler: Quellprogramm geöffnet"));

        Choose(window, "mnuDateiSpeichern");
        QCOMPARE(ReadBytes(path), QByteArray("mov a b\r\nexit\r\n"));
        QCOMPARE(Text2Of(window), "Text in Datei " + path + " abgespeichert.");

        QVERIFY(!AsksToSave(window, boxes));  // unchanged: asks nothing
        QVERIFY(boxes.asked.empty());
    }

    // Whatever the bytes, the text kept as saved is the one the editor
    // shows after opening: no save question follows, nor after a typed
    // character taken back.
    void AnOpenedFileCountsAsUnchanged_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("no final break") << QByteArray("mov a b\r\nexit");
        QTest::newRow("lone CR and LF") << QByteArray("a\rb\nc\r\r\nd\n\re");
        QTest::newRow("blanks and continuation") << QByteArray("mov a \xB6\r\n \t\r\n b\r\n\r\n");
        QTest::newRow("bytes 80 to 9F, no-break space") << QByteArray("\x80\x81\x8D\x8F\x90\x9D\xA0\xFF\r\n");
        QTest::newRow("NUL") << QByteArray("a\0b\r\n", 5);
    }
    void AnOpenedFileCountsAsUnchanged() {
        QFETCH(QByteArray, bytes);
        ZekState state;
        MainWindow window(state);
        ScriptedMessageBoxes boxes;  // no question is expected
        const QString path = PathOf("bytes.zek");
        QVERIFY(WriteBytes(path, bytes));
        Open(window, path);
        QVERIFY(!AsksToSave(window, boxes));
        Open(window, path);
        Text4Of(window)->moveCursor(QTextCursor::End);
        Text4Of(window)->insertPlainText(QStringLiteral("x"));
        Text4Of(window)->textCursor().deletePreviousChar();
        QVERIFY(!AsksToSave(window, boxes));
        QVERIFY(boxes.asked.empty());
    }

    void OpeningEmptyAndLfOnlyFiles() {
        ZekState state;
        MainWindow window(state);
        ScriptedMessageBoxes boxes;
        const QString empty = PathOf("leer.zek");
        QVERIFY(WriteBytes(empty, ""));
        Open(window, empty);
        QCOMPARE(SourceOf(window), QString());
        QCOMPARE(CurrentFileOf(window), empty);

        const QString lf = PathOf("lf.zek");
        QVERIFY(WriteBytes(lf,
                           "a\nb\n\xE4\x80\xA0"
                           "c"));
        Open(window, lf);
        QCOMPARE(SourceOf(window).left(6), QString("a\nb\n\u00E4\u20AC"));
        Choose(window, "mnuDateiSpeichern");
        QCOMPARE(ReadBytes(lf), QByteArray("a\r\nb\r\n\xE4\x80\xA0"
                                           "c\r\n"));  // the no-break space stays
        QVERIFY(!AsksToSave(window, boxes));
        QVERIFY(boxes.asked.empty());
    }

    void CancellingTheOpenDialogChangesNothing() {
        ZekState state;
        MainWindow window(state);
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs({std::nullopt});
        Choose(window, "mnuDateiÖffnen");
        QCOMPARE(state.ErrorCode, 0);  // a window command leaves the shared code alone
        QCOMPARE(Text2Of(window), QString("Öffnen abbgebrochen"));
        QCOMPARE(dialogs.asked[0].title, QString("ZEK: Assemblerprogramm öffnen"));
        QCOMPARE(CurrentFileOf(window), QString());

        // The code left by the cancel does not block the next open.
        const QString path = PathOf("danach.zek");
        QVERIFY(WriteBytes(path, "nop\r\n"));
        Open(window, path);
        QCOMPARE(SourceOf(window), QString("nop\n"));
    }

    void CancellingTheSaveQuestionKeepsTheEditor() {
        ZekState state;
        MainWindow window(state);
        SetSource(window, "geändert");
        {
            ScriptedMessageBoxes boxes({MessageAnswer::Cancel});
            ScriptedFileDialogs dialogs;  // never opened
            Choose(window, "mnuDateiÖffnen");
            QCOMPARE(boxes.asked.size(), 1u);
            QCOMPARE(boxes.asked[0].title, QString("ZE-Assembler: Sicherungsabfrage"));
        }
        QCOMPARE(SourceOf(window), QString("geändert"));
        {
            ScriptedMessageBoxes boxes({MessageAnswer::Cancel});
            Choose(window, "mnuAnzeigenNichts");
        }
        QCOMPARE(SourceOf(window), QString("geändert"));
        {
            ScriptedMessageBoxes boxes({MessageAnswer::No});
            Choose(window, "mnuAnzeigenNichts");
        }
        QCOMPARE(SourceOf(window), QString());
        QCOMPARE(Text2Of(window), QString("ZE-Assembler: Quellprogramm gelöscht"));
        QCOMPARE(CurrentFileOf(window), QString());
        ScriptedMessageBoxes boxes;
        QVERIFY(!AsksToSave(window, boxes));
    }

    void SavingAShorterTextLeavesNoOldBytes() {
        ZekState state;
        MainWindow window(state);
        ScriptedMessageBoxes boxes;
        const QString path = PathOf("lang.zek");
        QVERIFY(WriteBytes(path, QByteArray(500, 'x') + "\r\n"));
        Open(window, path);
        SetSource(window, "kurz\n");
        Choose(window, "mnuDateiSpeichern");
        QCOMPARE(ReadBytes(path), QByteArray("kurz\r\n"));
        QVERIFY(!AsksToSave(window, boxes));  // saved as it is
    }

    void SavingWithoutAFileName() {
        ZekState state;
        MainWindow window(state);
        // The command is enabled only while there is a current file; "Beenden"
        // forgets it also when the close is refused, and until the next
        // refresh the command can still be chosen.
        SetSource(window, "x");
        QVERIFY(SaveSourceAs(window, PathOf("x.zek")));
        SetSource(window, "xy");
        window.show();
        {
            ScriptedMessageBoxes question({MessageAnswer::Cancel});
            Choose(window, "mnuDateiBeenden");
            QVERIFY(window.isVisible());
        }
        ScriptedMessageBoxes boxes({MessageAnswer::Ok});
        Choose(window, "mnuDateiSpeichern");
        QCOMPARE(boxes.asked.size(), 1u);
        QCOMPARE(boxes.asked[0].text, QString("Kein aktueller Programmname vorhanden"));
        QCOMPARE(boxes.asked[0].title, QString("ZEK: Speichern"));
        QCOMPARE(Text2Of(window), QString("Speichern: Kein aktueller Programmname vorhanden."));
    }

    void SavingUnderANewName() {
        ZekState state;
        MainWindow window(state);
        ScriptedMessageBoxes boxes;
        SetSource(window, "mov a b\nexit");
        const QString path = PathOf("neu.zek");
        ScriptedFileDialogs dialogs({path});
        Choose(window, "mnuDateiSpeichernUnter");
        QCOMPARE(dialogs.asked[0].title, QString("ZEK: Assemblerprogramm speichern unter ..."));
        QCOMPARE(dialogs.asked[0].nameFilters, QStringList({"ZE-Assemblerprogramm (*.zek)", "Alle Dateien (*)"}));
        QCOMPARE(ReadBytes(path), QByteArray("mov a b\r\nexit"));
        QCOMPARE(CurrentFileOf(window), path);
        QCOMPARE(state.ErrorCode, 0);
        QCOMPARE(Text2Of(window), "Programm in Datei " + path + " abgespeichert.");

        dialogs.Answer(std::nullopt);
        state.ErrorCode = 0;
        Choose(window, "mnuDateiSpeichernUnter");
        QCOMPARE(Text2Of(window), QString("Speichern unter: Abbruch bei Dateidialog."));
        QCOMPARE(state.ErrorCode, 0);
        QCOMPARE(CurrentFileOf(window), path);
        QVERIFY(!AsksToSave(window, boxes));  // the text saved first still counts as saved
    }

    void AFailedSaveMarksTheTextChanged_data() {
        QTest::addColumn<bool>("underNewName");
        QTest::newRow("Programm speichern") << false;
        QTest::newRow("Programm speichern unter") << true;
    }
    void AFailedSaveMarksTheTextChanged() {
        QFETCH(bool, underNewName);
        ZekState state;
        MainWindow window(state);
        ScriptedMessageBoxes boxes;
        const QString plainFile = PathOf("datei");
        QVERIFY(WriteBytes(plainFile, "bleibt"));
        SetSource(window, "text");
        if (!underNewName) {  // the file's folder goes away after the text was saved there
            QVERIFY(QDir(dir.path()).mkdir("fehlt"));
            QVERIFY(SaveSourceAs(window, PathOf("fehlt/p.zek")));
            QVERIFY(QDir(PathOf("fehlt")).removeRecursively());
        }
        ScriptedFileDialogs dialogs;
        if (underNewName) {
            dialogs.Answer(plainFile + "/p.zek");
            Choose(window, "mnuDateiSpeichernUnter");
        } else {
            Choose(window, "mnuDateiSpeichern");
        }
        QCOMPARE(Text2Of(window), QString("Fehler bei Text speichern."));
        QCOMPARE(CurrentFileOf(window), QString());
        QVERIFY(AsksToSave(window, boxes));
        QCOMPARE(ReadBytes(plainFile), QByteArray("bleibt"));
        QCOMPARE(SourceOf(window), QString("text"));
    }

    // After "Ja" in the save question, a save that did not happen keeps
    // the editor's text: clearing, opening and closing stop there, with the
    // save's own message in Text2.
    void NothingIsLostWhenTheSaveAfterJaDidNotHappen_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("failure");
        for (const char* command : {"löschen", "öffnen", "Datei öffnen per Pfad", "schließen"})
            for (const char* failure : {"abgebrochen", "leerer Name", "Schreibfehler", "Schreibfehler mit Dateiname"})
                QTest::newRow((QString::fromUtf8(command) + ", " + failure).toUtf8())
                    << QString::fromUtf8(command) << QString::fromUtf8(failure);
    }
    void NothingIsLostWhenTheSaveAfterJaDidNotHappen() {
        QFETCH(QString, command);
        QFETCH(QString, failure);
        ZekState state;
        MainWindow window(state);
        const QString plainFile = PathOf("datei");
        QVERIFY(WriteBytes(plainFile, "bleibt"));
        if (failure == "Schreibfehler mit Dateiname") {  // saved before, then the file's folder went away
            QVERIFY(QDir(dir.path()).mkdir("weg"));
            SetSource(window, "alt");
            QVERIFY(SaveSourceAs(window, PathOf("weg/p.zek")));
            QVERIFY(QDir(PathOf("weg")).removeRecursively());
        }
        SetSource(window, "mov a 1");
        ScriptedMessageBoxes boxes({MessageAnswer::Yes});
        ScriptedFileDialogs dialogs;  // only the dialog of the save, never the open dialog
        QString message = QString("Fehler bei Text speichern.");
        if (failure == "abgebrochen") {
            dialogs.Answer(std::nullopt);
            message = "Speichern unter: Abbruch bei Dateidialog.";
        } else if (failure == "leerer Name") {
            dialogs.Answer(dir.path() + "/   ");
            message = "ZEK: Assemblerprogramm speichern unter ...: Leerer Dateiname bei Dateidialog.";
        } else if (failure == "Schreibfehler") {
            dialogs.Answer(plainFile + "/p.zek");
        }

        if (command == "löschen") {
            Choose(window, "mnuAnzeigenNichts");
        } else if (command == "öffnen") {
            Choose(window, "mnuDateiÖffnen");
        } else if (command == "Datei öffnen per Pfad") {
            QVERIFY(WriteBytes(PathOf("anderes.zek"), "nop\r\n"));
            window.OpenProgramFile(PathOf("anderes.zek"));
        } else {
            window.show();
            QVERIFY(!window.close());
            QVERIFY(window.isVisible());
        }
        QCOMPARE(SourceOf(window), QString("mov a 1"));
        QCOMPARE(Text2Of(window), message);
        QCOMPARE(boxes.asked.size(), 1u);
        QVERIFY(dialogs.AllAnswered());
        QCOMPARE(ReadBytes(plainFile), QByteArray("bleibt"));
    }

    // The start goes on after such a save: the text stays in the editor.
    void TheStartGoesOnAfterASaveThatDidNotHappen() {
        ZekState state;
        MainWindow window(state);
        SetSource(window, "mov a 1");
        ScriptedMessageBoxes boxes({MessageAnswer::Yes});
        ScriptedFileDialogs dialogs({std::nullopt});
        QVERIFY(uitest::TriggerAction(window, "mnuAusführen", 0));
        QCOMPARE(state.Code.at(1).mnemonic, std::string("mov"));
        QCOMPARE(Text2Of(window), QString("Assemblerfehler: Assemblerprogramm wurde beendet"));
        QCOMPARE(SourceOf(window), QString("mov a 1"));
    }

    // Bad names for "speichern unter" get a clear German answer and lose
    // nothing: the text stays, an old file stays as it was.
    void SavingUnderABadNameKeepsEverything_data() {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"fehlender Ordner", "schreibgeschützter Ordner", "volle Platte", "Ordner als Name"})
            QTest::newRow(kind) << QString::fromUtf8(kind);
    }
    void SavingUnderABadNameKeepsEverything() {
        QFETCH(QString, kind);
        ZekState state;
        MainWindow window(state);
        SetSource(window, "neu");
        ScriptedMessageBoxes boxes;
        ScriptedFileDialogs dialogs;
        QString message = QString("Fehler bei Text speichern.");
        std::optional<ScopedResourceLimit> fullDisk;
        const QString old = PathOf("alt.zek");
        QVERIFY(WriteBytes(old, "alt"));
        if (kind == "fehlender Ordner") {
            dialogs.Answer(PathOf("fehlt/p.zek"));  // refused, and the dialog comes again
            dialogs.Answer(std::nullopt);
            boxes.Answer(MessageAnswer::Ok);
            message = "Speichern unter: Abbruch bei Dateidialog.";
        } else if (kind == "schreibgeschützter Ordner") {
            if (::geteuid() == 0) QSKIP("root ignores permission bits; the full disk covers the failed write");
            QVERIFY(QDir(dir.path()).mkdir("nurlesen"));
            QVERIFY(QFile::setPermissions(PathOf("nurlesen"), QFile::ReadOwner | QFile::ExeOwner));
            dialogs.Answer(PathOf("nurlesen/p.zek"));
        } else if (kind == "volle Platte") {
            dialogs.Answer(old);
            boxes.Answer(MessageAnswer::Yes);  // replace the old file
            fullDisk.emplace(RLIMIT_FSIZE, 2);
            QVERIFY(fullDisk->Ok());
        } else {
            QVERIFY(QDir(dir.path()).mkdir("ordner.zek"));
            dialogs.Answer(PathOf("ordner.zek"));
        }
        Choose(window, "mnuDateiSpeichernUnter");
        fullDisk.reset();
        QCOMPARE(CurrentFileOf(window), QString());  // not saved under any name
        QCOMPARE(Text2Of(window), message);
        QCOMPARE(SourceOf(window), QString("neu"));
        QCOMPARE(ReadBytes(old), QByteArray("alt"));
        QVERIFY(dialogs.AllAnswered());
        QVERIFY(boxes.AllAnswered());
        if (kind == "fehlender Ordner") QVERIFY(boxes.asked[0].text.startsWith("Der Ordner "));
        if (kind == "schreibgeschützter Ordner")  // so that the temporary folder can go
            QFile::setPermissions(PathOf("nurlesen"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void SavingTheDisplayedText() {
        ZekState state;
        state.OutputText = "Ausgabe\r\nZeile 2\r\n";
        MainWindow window(state);
        ScriptedMessageBoxes boxes;
        SetSource(window, "quelle");
        const QString report = PathOf("bericht.txt");
        const QString source = PathOf("quelle.txt");
        ScriptedFileDialogs dialogs({report, source});

        QVERIFY(uitest::TriggerAction(window, "mnuAnzeige", 3));
        Choose(window, "mnuAktuellenTextSpeichernUnter");
        QCOMPARE(dialogs.asked[0].title, QString("ZEK: Aktuellen Text speichern unter ..."));
        QCOMPARE(dialogs.asked[0].defaultSuffix, QString("txt"));
        QCOMPARE(ReadBytes(report), QByteArray("Ausgabe\r\nZeile 2\r\n"));
        QCOMPARE(Text2Of(window), "Aktuell angezeigten Text in Datei " + report + " abgespeichert.");

        QVERIFY(uitest::ClickControl(window, "Assemblerprogramm"));
        Choose(window, "mnuAktuellenTextSpeichernUnter");
        QCOMPARE(ReadBytes(source), QByteArray("quelle"));
        QCOMPARE(CurrentFileOf(window), QString());
        QVERIFY(AsksToSave(window, boxes));  // saving the displayed text does not save the program
    }

    void Printing() {
        ZekState state;
        MainWindow window(state);
        SetSource(window, "mov a b\nexit\n");
        const QString pdf = PathOf("druck.pdf");
        ui::SetPrinterFactory([&pdf] { return std::unique_ptr<QPagedPaintDevice>(new QPdfWriter(pdf)); });
        {
            ScriptedMessageBoxes boxes;
            Choose(window, "mnuDrucken");
        }
        QCOMPARE(Text2Of(window), QString("ZE-Assembler: Text an Drucker gesendet."));
        QVERIFY(ReadBytes(pdf).startsWith("%PDF"));

        ui::SetPrinterFactory([] { return std::unique_ptr<QPagedPaintDevice>(); });  // no printer
        {
            ScriptedMessageBoxes boxes({MessageAnswer::Ok});
            Choose(window, "mnuDrucken");
            QCOMPARE(boxes.asked.size(), 1u);
            QCOMPARE(boxes.asked[0].text, QString("Beim Drucken des Textes gab es Probleme."));
            QCOMPARE(boxes.asked[0].title, QString("ZEK: Drucken ..."));
        }
        QCOMPARE(Text2Of(window), QString("Editor: Fehler beim Drucken des Textes."));
        ui::SetPrinterFactory(nullptr);
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommands_uitest.moc"

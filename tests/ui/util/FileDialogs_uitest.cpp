#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "support/ui/ScriptedAnswers.h"
#include "support/ui/TestFiles.h"
#include "ui/util/FileDialogs.h"

using namespace zek;
using namespace zek::testing;
using ui::FileDialogKind;
using ui::SaveChoice;

namespace {

struct Messages {
    QStringList lines;
    ui::StatusLine Sink() {
        return [this](const QString& message) { lines << message; };
    }
};

// Runs `action` on the file dialog once it is up.
void WhenDialogIsUp(std::function<void(QFileDialog&)> action) {
    QTimer::singleShot(10, [action] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return WhenDialogIsUp(action);
        action(*dialog);
    });
}

// Types `name` into the file dialog and accepts it.
void AcceptRealDialogWith(const QString& name) {
    WhenDialogIsUp([name](QFileDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
        QVERIFY(edit);
        edit->setText(name);
        QMetaObject::invokeMethod(&dialog, "accept");
    });
}

}  // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void FiltersInQtForm() {
        QCOMPARE(ui::NameFiltersOf("ZE-Assemblerprogramme|*.zek|Alle Dateien|*.*|"),
                 QStringList({"ZE-Assemblerprogramme (*.zek)", "Alle Dateien (*)"}));
        QCOMPARE(ui::NameFiltersOf("Bilder|*.png;*.bmp"), QStringList({"Bilder (*.png *.bmp)"}));
        // "Alle Dateien" lists names without an extension too.
        const QString all = ui::NameFiltersOf("Textdateien|*.txt|Alle Dateien|*.*|").back();
        QVERIFY(QDir::match(all.section(QLatin1Char('('), 1).chopped(1), QStringLiteral("LIESMICH")));
        QCOMPARE(ui::DefaultExtensionOf("ZE-Assemblerprogramme|*.zek"), QString("zek"));
        QCOMPARE(ui::DefaultExtensionOf("Textdateien|*.txt"), QString("txt"));
        QCOMPARE(ui::DefaultExtensionOf("ohne Punkt"), QString("ohne Punkt"));
    }

    void OpenAsksWithTitleFiltersAndExtension() {
        Messages messages;
        ScriptedFileDialogs dialogs({QString("/tmp/x.zek")});
        const std::optional<QString> path = ui::OpenFileDialog(
            nullptr, messages.Sink(), "ZEK: Assemblerprogramm öffnen", "ZE-Assemblerprogramme|*.zek");
        QCOMPARE(path, std::optional<QString>("/tmp/x.zek"));
        QCOMPARE(messages.lines, QStringList());
        QCOMPARE(dialogs.asked.size(), 1u);
        QCOMPARE(dialogs.asked[0].kind, FileDialogKind::Open);
        QCOMPARE(dialogs.asked[0].title, QString("ZEK: Assemblerprogramm öffnen"));
        QCOMPARE(dialogs.asked[0].nameFilters, QStringList({"ZE-Assemblerprogramme (*.zek)", "Alle Dateien (*)"}));
        QCOMPARE(dialogs.asked[0].defaultSuffix, QString("zek"));
    }

    void CancellingEitherDialog() {
        for (FileDialogKind kind : {FileDialogKind::Open, FileDialogKind::Save}) {
            Messages messages;
            ScriptedFileDialogs dialogs({std::nullopt});
            if (kind == FileDialogKind::Open) {
                QCOMPARE(ui::OpenFileDialog(nullptr, messages.Sink(), "Titel", "T|*.txt"), std::nullopt);
            } else {
                const ui::SaveDialogAnswer answer = ui::SaveFileDialog(nullptr, messages.Sink(), "Titel", "T|*.txt");
                QVERIFY(answer.choice == SaveChoice::Cancelled);
                QCOMPARE(answer.path, QString());
            }
            QCOMPARE(messages.lines, QStringList({"Titel: Fehlerabbruch bei Dateidialog."}));
        }
    }

    void ABlankName() {
        Messages messages;
        ScriptedFileDialogs dialogs({QString("/tmp/   ")});
        const ui::SaveDialogAnswer answer =
            ui::SaveFileDialog(nullptr, messages.Sink(), "Text in Datei sichern ...", "Textdateien|*.txt");
        QVERIFY(answer.choice == SaveChoice::BlankName);
        QCOMPARE(answer.path, QString());
        QCOMPARE(messages.lines, QStringList({"Text in Datei sichern ...: Leerer Dateiname bei Dateidialog."}));
    }

    // A name in a folder that does not exist is refused with a message, and
    // the dialog comes again; a file given as a folder is left to the write.
    void AMissingFolderIsRefused() {
        QTemporaryDir dir;
        Messages messages;
        const QString missing = dir.filePath("fehlt/unter/p.zek");
        ScriptedMessageBoxes boxes({MessageAnswer::Ok});
        ScriptedFileDialogs dialogs({missing, dir.filePath("p.zek")});
        const ui::SaveDialogAnswer answer =
            ui::SaveFileDialog(nullptr, messages.Sink(), "Speichern", "ZE-Assemblerprogramme|*.zek");
        QVERIFY(answer.choice == SaveChoice::Chosen);
        QCOMPARE(answer.path, dir.filePath("p.zek"));
        QCOMPARE(dialogs.asked.size(), 2u);
        QCOMPARE(boxes.asked.size(), 1u);
        QCOMPARE(boxes.asked[0].title, QString("Speichern"));
        QCOMPARE(boxes.asked[0].buttons, MessageButtons::Ok);
        QCOMPARE(boxes.asked[0].text, "Der Ordner " + dir.filePath("fehlt/unter") +
                                          " ist nicht vorhanden.\nBitte einen vorhandenen Ordner wählen.");
        QCOMPARE(ui::SavePathRefusal(dir.filePath("p.zek")), QString());
    }

    void OverwritingAnExistingFileIsConfirmed() {
        QTemporaryDir dir;
        const QString existing = dir.filePath("alt.txt");
        QVERIFY(WriteBytes(existing, "alt"));
        Messages messages;

        // No: the dialog comes again; the second choice is a new file.
        ScriptedMessageBoxes boxes({MessageAnswer::No});
        ScriptedFileDialogs dialogs({existing, dir.filePath("neu.txt")});
        QCOMPARE(ui::SaveFileDialog(nullptr, messages.Sink(), "Speichern", "Textdateien|*.txt").path,
                 dir.filePath("neu.txt"));
        QCOMPARE(dialogs.asked.size(), 2u);
        QCOMPARE(boxes.asked.size(), 1u);
        QCOMPARE(boxes.asked[0].title, QString("Speichern"));
        QCOMPARE(boxes.asked[0].buttons, MessageButtons::YesNo);
        QVERIFY(boxes.asked[0].text.contains(existing));

        // Yes: the existing file is the answer.
        boxes.Answer(MessageAnswer::Yes);
        dialogs.Answer(existing);
        const ui::SaveDialogAnswer answer =
            ui::SaveFileDialog(nullptr, messages.Sink(), "Speichern", "Textdateien|*.txt");
        QVERIFY(answer.choice == SaveChoice::Chosen);
        QCOMPARE(answer.path, existing);
        QCOMPARE(ReadBytes(existing), QByteArray("alt"));
    }

    void TheQtDialogIsSetUpInGerman() {
        QFileDialog open;
        ui::ConfigureFileDialog(open, {FileDialogKind::Open, "Öffnen ...", {"A (*.zek)", "Alle Dateien (*.*)"}, "zek"});
        QCOMPARE(open.windowTitle(), QString("Öffnen ..."));
        QCOMPARE(open.acceptMode(), QFileDialog::AcceptOpen);
        QCOMPARE(open.fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(open.nameFilters(), QStringList({"A (*.zek)", "Alle Dateien (*.*)"}));
        QCOMPARE(open.defaultSuffix(), QString("zek"));
        QCOMPARE(open.labelText(QFileDialog::Accept), QString("Öffnen"));
        QCOMPARE(open.labelText(QFileDialog::Reject), QString("Abbrechen"));

        QFileDialog save;
        ui::ConfigureFileDialog(save, {FileDialogKind::Save, "S", {"T (*.txt)"}, "txt"});
        QCOMPARE(save.acceptMode(), QFileDialog::AcceptSave);
        QCOMPARE(save.fileMode(), QFileDialog::AnyFile);
        QCOMPARE(save.labelText(QFileDialog::Accept), QString("Speichern"));
    }

    void TheRealSaveDialogAddsTheDefaultExtension() {
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        Messages messages;
        AcceptRealDialogWith(dir.filePath("programm"));
        const ui::SaveDialogAnswer answer =
            ui::SaveFileDialog(nullptr, messages.Sink(), "Speichern", "ZE-Assemblerprogramme|*.zek");
        QVERIFY(answer.choice == SaveChoice::Chosen);
        QCOMPARE(answer.path, dir.filePath("programm.zek"));
    }

    // The real dialog stays open on a name in a missing folder; the next
    // name is taken.
    void TheRealSaveDialogRefusesAMissingFolder() {
        QTemporaryDir dir;
        Messages messages;
        ScriptedMessageBoxes boxes({MessageAnswer::Ok});
        bool stayedOpen = false;
        WhenDialogIsUp([&](QFileDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>("fileNameEdit");
            edit->setText(dir.filePath("fehlt/programm"));
            QMetaObject::invokeMethod(&dialog, "accept");
            stayedOpen = dialog.isVisible();
            edit->setText(dir.filePath("programm"));
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        const ui::SaveDialogAnswer answer =
            ui::SaveFileDialog(nullptr, messages.Sink(), "Speichern", "ZE-Assemblerprogramme|*.zek");
        QVERIFY(stayedOpen);
        QCOMPARE(boxes.asked.size(), 1u);
        QVERIFY(boxes.asked[0].text.startsWith("Der Ordner "));
        QCOMPARE(answer.path, dir.filePath("programm.zek"));
    }

    // Nothing in the real dialog is cut off: the places show "Computer"
    // whole, and the size, type and date columns fit what they list.
    void TheRealDialogShowsItsTextsWhole() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Übungen"));
        WriteBytes(dir.filePath("schleife.zek"), "exit\r\n");
        Messages messages;
        WhenDialogIsUp([&dir](QFileDialog& dialog) {
            dialog.setDirectory(dir.path());
            auto* places = dialog.findChild<QWidget*>("sidebar");
            auto* files = dialog.findChild<QTreeView*>("treeView");
            QVERIFY(places && files);
            QVERIFY(places->width() > places->fontMetrics().horizontalAdvance("Computer") + 32);
            QTRY_VERIFY(files->model()->rowCount(files->rootIndex()) == 2);
            const QAbstractItemModel& model = *files->model();
            for (int column = 1; column < files->header()->count(); ++column)
                for (int row = 0; row < 2; ++row) {
                    const QString text = model.index(row, column, files->rootIndex()).data().toString();
                    QTRY_VERIFY2(files->columnWidth(column) > files->fontMetrics().horizontalAdvance(text),
                                 qPrintable(text));
                }
            dialog.reject();
        });
        ui::OpenFileDialog(nullptr, messages.Sink(), "Öffnen", "ZE-Assemblerprogramme|*.zek");
    }

    // The real dialog adds the default extension to a blank name; the name
    // counts as blank all the same.
    void TheRealSaveDialogWithABlankName() {
        QTemporaryDir dir;
        Messages messages;
        AcceptRealDialogWith(dir.path() + "/   ");
        const ui::SaveDialogAnswer answer =
            ui::SaveFileDialog(nullptr, messages.Sink(), "Speichern", "ZE-Assemblerprogramme|*.zek");
        QVERIFY(answer.choice == SaveChoice::BlankName);
        QCOMPARE(answer.path, QString());
        QCOMPARE(messages.lines, QStringList({"Speichern: Leerer Dateiname bei Dateidialog."}));
    }

    void TheRealOpenDialogCancelled() {
        Messages messages;
        WhenDialogIsUp([](QFileDialog& dialog) { dialog.reject(); });
        QCOMPARE(ui::OpenFileDialog(nullptr, messages.Sink(), "Öffnen", "A|*.zek"), std::nullopt);
        QCOMPARE(messages.lines, QStringList({"Öffnen: Fehlerabbruch bei Dateidialog."}));
    }

    void EscCancelsEitherRealDialog() {
        for (FileDialogKind kind : {FileDialogKind::Open, FileDialogKind::Save}) {
            Messages messages;
            WhenDialogIsUp([](QFileDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
            if (kind == FileDialogKind::Open)
                QCOMPARE(ui::OpenFileDialog(nullptr, messages.Sink(), "T", "A|*.zek"), std::nullopt);
            else
                QVERIFY(ui::SaveFileDialog(nullptr, messages.Sink(), "T", "A|*.zek").choice == SaveChoice::Cancelled);
            QCOMPARE(messages.lines, QStringList({"T: Fehlerabbruch bei Dateidialog."}));
        }
    }
};

QTEST_MAIN(FileDialogsTest)
#include "FileDialogs_uitest.moc"

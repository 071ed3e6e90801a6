#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "support/ui/ScriptedAnswers.h"
#include "support/ui/TestFiles.h"
#include "ui/util/FileDialogs.h"

using namespace zek;
using namespace zek::testing;
using ui::FileDialogKind;

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
        ZekState state;
        state.ErrorCode = 7;
        Messages messages;
        ScriptedFileDialogs dialogs({QString("/tmp/x.zek")});
        const QString path = ui::OpenFileDialog(nullptr, state, messages.Sink(), "ZEK: Assemblerprogramm öffnen",
                                                "ZE-Assemblerprogramme|*.zek");
        QCOMPARE(path, QString("/tmp/x.zek"));
        QCOMPARE(state.ErrorCode, 0);
        QCOMPARE(messages.lines, QStringList());
        QCOMPARE(dialogs.asked.size(), 1u);
        QCOMPARE(dialogs.asked[0].kind, FileDialogKind::Open);
        QCOMPARE(dialogs.asked[0].title, QString("ZEK: Assemblerprogramm öffnen"));
        QCOMPARE(dialogs.asked[0].nameFilters, QStringList({"ZE-Assemblerprogramme (*.zek)", "Alle Dateien (*)"}));
        QCOMPARE(dialogs.asked[0].defaultSuffix, QString("zek"));
    }

    void CancellingEitherDialogGives91() {
        for (FileDialogKind kind : {FileDialogKind::Open, FileDialogKind::Save}) {
            ZekState state;
            Messages messages;
            ScriptedFileDialogs dialogs({std::nullopt});
            const QString path = kind == FileDialogKind::Open
                                     ? ui::OpenFileDialog(nullptr, state, messages.Sink(), "Titel", "T|*.txt")
                                     : ui::SaveFileDialog(nullptr, state, messages.Sink(), "Titel", "T|*.txt");
            QCOMPARE(path, QString());
            QCOMPARE(state.ErrorCode, 91);
            QCOMPARE(messages.lines, QStringList({"Titel: Fehlerabbruch bei Dateidialog."}));
        }
    }

    void ABlankNameGives38() {
        ZekState state;
        Messages messages;
        ScriptedFileDialogs dialogs({QString("/tmp/   ")});
        QCOMPARE(ui::SaveFileDialog(nullptr, state, messages.Sink(), "Text in Datei sichern ...", "Textdateien|*.txt"),
                 QString());
        QCOMPARE(state.ErrorCode, 38);
        QCOMPARE(messages.lines, QStringList({"Text in Datei sichern ...: Leerer Dateiname bei Dateidialog."}));
    }

    void OverwritingAnExistingFileIsConfirmed() {
        QTemporaryDir dir;
        const QString existing = dir.filePath("alt.txt");
        QVERIFY(WriteBytes(existing, "alt"));
        ZekState state;
        Messages messages;

        // No: the dialog comes again; the second choice is a new file.
        ScriptedMessageBoxes boxes({MessageAnswer::No});
        ScriptedFileDialogs dialogs({existing, dir.filePath("neu.txt")});
        QCOMPARE(ui::SaveFileDialog(nullptr, state, messages.Sink(), "Speichern", "Textdateien|*.txt"),
                 dir.filePath("neu.txt"));
        QCOMPARE(dialogs.asked.size(), 2u);
        QCOMPARE(boxes.asked.size(), 1u);
        QCOMPARE(boxes.asked[0].title, QString("Speichern"));
        QCOMPARE(boxes.asked[0].buttons, MessageButtons::YesNo);
        QVERIFY(boxes.asked[0].text.contains(existing));

        // Yes: the existing file is the answer.
        boxes.Answer(MessageAnswer::Yes);
        dialogs.Answer(existing);
        QCOMPARE(ui::SaveFileDialog(nullptr, state, messages.Sink(), "Speichern", "Textdateien|*.txt"), existing);
        QCOMPARE(state.ErrorCode, 0);
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
        ZekState state;
        Messages messages;
        AcceptRealDialogWith(dir.filePath("programm"));
        const QString path =
            ui::SaveFileDialog(nullptr, state, messages.Sink(), "Speichern", "ZE-Assemblerprogramme|*.zek");
        QCOMPARE(path, dir.filePath("programm.zek"));
        QCOMPARE(state.ErrorCode, 0);
    }

    // The real dialog adds the default extension to a blank name; the name
    // counts as blank all the same.
    void TheRealSaveDialogWithABlankName() {
        QTemporaryDir dir;
        ZekState state;
        Messages messages;
        AcceptRealDialogWith(dir.path() + "/   ");
        QCOMPARE(ui::SaveFileDialog(nullptr, state, messages.Sink(), "Speichern", "ZE-Assemblerprogramme|*.zek"),
                 QString());
        QCOMPARE(state.ErrorCode, 38);
        QCOMPARE(messages.lines, QStringList({"Speichern: Leerer Dateiname bei Dateidialog."}));
    }

    void TheRealOpenDialogCancelled() {
        ZekState state;
        Messages messages;
        WhenDialogIsUp([](QFileDialog& dialog) { dialog.reject(); });
        QCOMPARE(ui::OpenFileDialog(nullptr, state, messages.Sink(), "Öffnen", "A|*.zek"), QString());
        QCOMPARE(state.ErrorCode, 91);
    }
};

QTEST_MAIN(FileDialogsTest)
#include "FileDialogs_uitest.moc"

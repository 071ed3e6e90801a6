#include <QAbstractItemModel>
#include <QApplication>
#include <QFileDialog>
#include <QLocale>
#include <QMimeDatabase>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include "ui/util/FileDialogs.h"
#include "ui/util/GermanQtTexts.h"

// Qt's own texts come out German after InstallGermanQtTexts, whatever the
// locale (the tests run under LC_ALL=C.UTF-8).
class GermanQtTextsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(zek::ui::InstallGermanQtTexts(*qApp)); }

    void theFileDialogSpeaksGerman() {
        QFileDialog dialog;
        zek::ui::ConfigureFileDialog(
            dialog, {zek::ui::FileDialogKind::Save, "Speichern", {"ZE-Assemblerprogramme (*.zek)"}, "zek"});
        dialog.setViewMode(QFileDialog::Detail);
        const QAbstractItemModel* model = dialog.findChild<QTreeView*>("treeView")->model();
        QStringList headers;
        for (int column = 0; column < model->columnCount(); ++column)
            headers << model->headerData(column, Qt::Horizontal).toString();
        QCOMPARE(headers, QStringList({"Name", "Größe", "Typ", "Änderungsdatum"}));

        QStringList toolTips;
        for (const char* name : {"backButton", "forwardButton", "toParentButton", "newFolderButton"})
            toolTips << dialog.findChild<QToolButton*>(name)->toolTip();
        QCOMPARE(toolTips, QStringList({"Zurück", "Vorwärts", "Übergeordnetes Verzeichnis", "Neuen Ordner erstellen"}));
    }

    // File types are named as a German desktop names them: the file dialog's
    // "Typ" column reads "Einfaches Textdokument", not "plain text document".
    void fileTypesHaveGermanNames() {
        QCOMPARE(QLocale().language(), QLocale::German);
        QCOMPARE(QMimeDatabase().mimeTypeForName("text/plain").comment(), QString("Einfaches Textdokument"));
    }

    void qtWarningsSpeakGerman() {
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Are you sure you want to delete '%1'?"),
                 QString("Sind Sie sicher, dass Sie '%1' löschen möchten?"));
    }
};

QTEST_MAIN(GermanQtTextsTest)
#include "GermanQtTexts_uitest.moc"

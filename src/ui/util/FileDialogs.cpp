#include "ui/util/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QSplitter>
#include <QTreeView>

#include "ui/util/MessageBoxes.h"

namespace zek::ui {
namespace {

FileDialogAnswerer& Answerer() {
    static FileDialogAnswerer answerer;
    return answerer;
}

const QString AllFilesFilter = QStringLiteral("|Alle Dateien|*.*|");

FileDialogRequest RequestFor(FileDialogKind kind, const QString& title, const QString& filter) {
    return {kind, title, NameFiltersOf(filter + AllFilesFilter), DefaultExtensionOf(filter)};
}

// Qt's file dialog, which refuses a name in a missing folder and stays open,
// as the saving commands need it.
class FileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override {
        if (acceptMode() == AcceptSave && !selectedFiles().isEmpty()) {
            const QString refusal = SavePathRefusal(selectedFiles().front());
            if (!refusal.isEmpty()) {
                ShowMessageBox(this, refusal, windowTitle(), MessageButtons::Ok);
                return;
            }
        }
        QFileDialog::accept();
    }
};

std::optional<QString> AskForPath(QWidget* parent, const FileDialogRequest& request) {
    if (Answerer()) return Answerer()(request);
    FileDialog dialog(parent);
    ConfigureFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

// Only a file is replaced; a folder of that name makes the write fail.
bool ConfirmOverwrite(QWidget* parent, const QString& title, const QString& path) {
    const QFileInfo existing(path);
    if (!existing.exists() || existing.isDir()) return true;
    const QString question = QStringLiteral("Die Datei %1 ist bereits vorhanden.\nSoll sie ersetzt werden?").arg(path);
    return ShowMessageBox(parent, question, title, MessageButtons::YesNo) == MessageAnswer::Yes;
}

// A name of blanks only; the dialog may have added the default extension.
bool IsBlankName(const QString& path, const QString& defaultSuffix) {
    QString name = QFileInfo(path).fileName();
    const QString suffix = QLatin1Char('.') + defaultSuffix;
    if (name.endsWith(suffix)) name.chop(suffix.size());
    return name.trimmed().isEmpty();
}

void ReportCancel(const StatusLine& text2, const QString& title) {
    text2(title + QStringLiteral(": Fehlerabbruch bei Dateidialog."));
}

// The path the user settles on for saving: asked again after a refused
// folder (the real dialog does not even close then) and after an overwrite
// that was not confirmed.
std::optional<QString> AskForSavePath(QWidget* parent, const FileDialogRequest& request) {
    for (;;) {
        const std::optional<QString> path = AskForPath(parent, request);
        if (!path || IsBlankName(*path, request.defaultSuffix)) return path;
        if (const QString refusal = SavePathRefusal(*path); !refusal.isEmpty()) {
            ShowMessageBox(parent, refusal, request.title, MessageButtons::Ok);
            continue;
        }
        if (ConfirmOverwrite(parent, request.title, *path)) return path;
    }
}

// Room for the German texts: the dialog is wide enough for whole dates,
// the places beside the files show their names, and the detail view's size,
// type and date columns fit their contents once a folder has been read.
void MakeRoomForTheTexts(QFileDialog& dialog) {
    const QFontMetrics metrics = dialog.fontMetrics();
    dialog.resize(dialog.sizeHint().expandedTo(QSize(metrics.averageCharWidth() * 130, metrics.height() * 28)));
    if (auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter")))
        splitter->setSizes(
            {metrics.horizontalAdvance(QStringLiteral("Computer")) + 8 * metrics.averageCharWidth(), dialog.width()});
    auto* files = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (!files || !model) return;
    QObject::connect(model, &QFileSystemModel::directoryLoaded, files, [files] {
        for (int column = 1; column < files->header()->count(); ++column) files->resizeColumnToContents(column);
    });
}

}  // namespace

void SetFileDialogAnswerer(FileDialogAnswerer answerer) { Answerer() = std::move(answerer); }

QStringList NameFiltersOf(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList nameFilters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty()) continue;
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'));
        // "*.*" means every file here; Qt would match only names with a dot.
        for (QString& pattern : patterns)
            if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        nameFilters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return nameFilters;
}

QString DefaultExtensionOf(const QString& filter) { return filter.mid(filter.lastIndexOf(QLatin1Char('.')) + 1); }

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request) {
    const bool open = request.kind == FileDialogKind::Open;
    dialog.setWindowTitle(request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);   // German labels everywhere
    dialog.setOption(QFileDialog::DontConfirmOverwrite);  // SaveFileDialog asks in German
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(request.nameFilters);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog.setLabelText(QFileDialog::Accept, open ? QStringLiteral("Öffnen") : QStringLiteral("Speichern"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    MakeRoomForTheTexts(dialog);
}

QString SavePathRefusal(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (QFileInfo::exists(folder)) return {};
    return QStringLiteral("Der Ordner %1 ist nicht vorhanden.\nBitte einen vorhandenen Ordner wählen.")
        .arg(QDir::toNativeSeparators(folder));
}

std::optional<QString> OpenFileDialog(QWidget* parent, const StatusLine& text2, const QString& title,
                                      const QString& filter) {
    const std::optional<QString> path = AskForPath(parent, RequestFor(FileDialogKind::Open, title, filter));
    if (!path || path->isEmpty()) {
        ReportCancel(text2, title);
        return std::nullopt;
    }
    return path;
}

SaveDialogAnswer SaveFileDialog(QWidget* parent, const StatusLine& text2, const QString& title, const QString& filter) {
    const FileDialogRequest request = RequestFor(FileDialogKind::Save, title, filter);
    const std::optional<QString> path = AskForSavePath(parent, request);
    if (!path) {
        ReportCancel(text2, title);
        return {SaveChoice::Cancelled, {}};
    }
    if (IsBlankName(*path, request.defaultSuffix)) {
        text2(title + QStringLiteral(": Leerer Dateiname bei Dateidialog."));
        return {SaveChoice::BlankName, {}};
    }
    return {SaveChoice::Chosen, *path};
}

}  // namespace zek::ui

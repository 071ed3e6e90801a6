#include "ui/util/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

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

std::optional<QString> AskForPath(QWidget* parent, const FileDialogRequest& request) {
    if (Answerer()) return Answerer()(request);
    QFileDialog dialog(parent);
    ConfigureFileDialog(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

bool ConfirmOverwrite(QWidget* parent, const QString& title, const QString& path) {
    if (!QFileInfo::exists(path)) return true;
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

void ReportCancel(ZekState& state, const StatusLine& text2, const QString& title) {
    state.ErrorCode = 91;
    text2(title + QStringLiteral(": Fehlerabbruch bei Dateidialog."));
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
}

QString OpenFileDialog(QWidget* parent, ZekState& state, const StatusLine& text2, const QString& title,
                       const QString& filter) {
    state.ErrorCode = 0;
    const std::optional<QString> path = AskForPath(parent, RequestFor(FileDialogKind::Open, title, filter));
    if (!path || path->isEmpty()) {
        ReportCancel(state, text2, title);
        return {};
    }
    return *path;
}

QString SaveFileDialog(QWidget* parent, ZekState& state, const StatusLine& text2, const QString& title,
                       const QString& filter) {
    state.ErrorCode = 0;
    const FileDialogRequest request = RequestFor(FileDialogKind::Save, title, filter);
    for (;;) {
        const std::optional<QString> path = AskForPath(parent, request);
        if (!path) {
            ReportCancel(state, text2, title);
            return {};
        }
        if (IsBlankName(*path, request.defaultSuffix)) {
            state.ErrorCode = 38;
            text2(title + QStringLiteral(": Leerer Dateiname bei Dateidialog."));
            return {};
        }
        if (ConfirmOverwrite(parent, title, *path)) return *path;
    }
}

}  // namespace zek::ui

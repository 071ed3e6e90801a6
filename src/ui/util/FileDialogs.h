#pragma once
// The file dialogs for opening and saving with the program's conventions:
// a filter text "Beschreibung|*.ext", the choice "Alle Dateien" added, the
// default extension taken from the filter, cancellation reported through
// ErrorCode and the message field Text2.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/store/ZekState.h"
#include "ui/util/StatusLine.h"

class QFileDialog;
class QWidget;

namespace zek::ui {

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind;
    QString title;
    QStringList nameFilters;  // Qt form: "ZE-Assemblerprogramme (*.zek)"
    QString defaultSuffix;    // without the dot: "zek"
};

// The path of an existing file to open, or "" with ErrorCode 91 (cancelled,
// and Title + ": Fehlerabbruch bei Dateidialog." in Text2). ErrorCode is 0
// when a file was chosen.
QString OpenFileDialog(QWidget* parent, ZekState& state, const StatusLine& text2, const QString& title,
                       const QString& filter);

// The path of the file to write, or "" with ErrorCode 91 (cancelled) or 38
// (a blank file name, Title + ": Leerer Dateiname bei Dateidialog."). An
// existing file is replaced only after the user has confirmed it.
QString SaveFileDialog(QWidget* parent, ZekState& state, const StatusLine& text2, const QString& title,
                       const QString& filter);

// "ZE-Assemblerprogramme|*.zek|Alle Dateien|*.*|" as Qt name filters.
QStringList NameFiltersOf(const QString& filter);
// The part of the filter after its last "." ("zek"); the whole filter when
// it holds no ".".
QString DefaultExtensionOf(const QString& filter);
// Sets up a Qt file dialog for the request (German labels, no native
// dialog, overwriting confirmed by SaveFileDialog itself).
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request);

// A test seam: while set, the dialogs call it instead of showing a file
// dialog. It returns the chosen path, or std::nullopt for "cancelled".
using FileDialogAnswerer = std::function<std::optional<QString>(const FileDialogRequest& request)>;
void SetFileDialogAnswerer(FileDialogAnswerer answerer);

}  // namespace zek::ui

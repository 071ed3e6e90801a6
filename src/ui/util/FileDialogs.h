#pragma once
// The file dialogs for opening and saving with the program's conventions:
// a filter text "Beschreibung|*.ext", the choice "Alle Dateien" added, the
// default extension taken from the filter, cancellation reported in the
// message field Text2. They return what was chosen; the callers decide what
// follows from it.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

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

// The path of an existing file to open, or nothing when the dialog was
// cancelled (Title + ": Fehlerabbruch bei Dateidialog." in Text2).
std::optional<QString> OpenFileDialog(QWidget* parent, const StatusLine& text2, const QString& title,
                                      const QString& filter);

// How the save dialog ended: a path was chosen, the dialog was cancelled
// (Title + ": Fehlerabbruch bei Dateidialog." in Text2), or the name was
// blank (Title + ": Leerer Dateiname bei Dateidialog.").
enum class SaveChoice { Chosen, Cancelled, BlankName };
struct SaveDialogAnswer {
    SaveChoice choice = SaveChoice::Cancelled;
    QString path;  // only when chosen
};

// Asks for the file to write. A name in a folder that does not exist is
// refused with a message and the dialog comes again; an existing file is
// replaced only after the user has confirmed it.
SaveDialogAnswer SaveFileDialog(QWidget* parent, const StatusLine& text2, const QString& title, const QString& filter);

// "ZE-Assemblerprogramme|*.zek|Alle Dateien|*.*|" as Qt name filters.
QStringList NameFiltersOf(const QString& filter);
// The part of the filter after its last "." ("zek"); the whole filter when
// it holds no ".".
QString DefaultExtensionOf(const QString& filter);
// Sets up a Qt file dialog for the request (German labels, no native
// dialog, overwriting confirmed by SaveFileDialog itself).
void ConfigureFileDialog(QFileDialog& dialog, const FileDialogRequest& request);
// Why a save dialog must not take `path`: the message for a folder that
// does not exist; empty when the path may be taken.
QString SavePathRefusal(const QString& path);

// A test seam: while set, the dialogs call it instead of showing a file
// dialog. It returns the chosen path, or std::nullopt for "cancelled".
using FileDialogAnswerer = std::function<std::optional<QString>(const FileDialogRequest& request)>;
void SetFileDialogAnswerer(FileDialogAnswerer answerer);

}  // namespace zek::ui

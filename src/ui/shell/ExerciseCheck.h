#pragma once
// The window command "Aufgabe prüfen ...": checks the editor's text, saved
// or not, against a teacher's test file. Every case runs on a private state
// in a directory of its own, so the shared tables, the OutputText and the
// run flags stay as they are. A check that takes longer than a moment shows
// a progress dialog with a cancel button.

#include <QString>
#include <optional>
#include <string>

#include "ui/util/StatusLine.h"

class QWidget;

namespace zek::ui {

// What a finished check shows: the report for the display box and the
// summary for the message field.
struct ExerciseCheckReport {
    QString text;
    QString summary;
};

class ExerciseCheck {
public:
    ExerciseCheck(QWidget* parent, StatusLine text2) : parent_(parent), text2_(std::move(text2)) {}

    // Asks for a test file and checks `source` (Windows-1252, CR LF lines)
    // against it. Nothing when no check was done: a run is active, the text
    // is empty, the file dialog was cancelled, the file is unreadable or
    // invalid, or the check was cancelled; each has said why.
    std::optional<ExerciseCheckReport> Check(const std::string& source, bool runActive);

private:
    void Refuse(const QString& message);

    QWidget* parent_;
    StatusLine text2_;
};

}  // namespace zek::ui

#pragma once
// Reading the main window's fields in tests, and bringing its source into a
// state the way a user does: typing, saving under a name, asking whether
// the text counts as changed.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTimer>

#include "support/ui/Actions.h"
#include "support/ui/ScriptedAnswers.h"
#include "ui/shell/MainWindow.h"
#include "ui/util/TextView.h"
#include "ui/workbench/SourceEditor.h"

namespace zek::testing {

inline QString Text2Of(ui::MainWindow& window) { return window.findChild<QLineEdit*>("Text2")->text(); }

// The source editor Text4 and the display box Text3.
inline ui::SourceEditor* Text4Of(ui::MainWindow& window) { return window.findChild<ui::SourceEditor*>("Text4"); }
inline ui::TextView* Text3Of(ui::MainWindow& window) { return window.findChild<ui::TextView*>("Text3"); }

// Waits for the next tick of the window's timer, which brings the fields and
// the enabled state of the commands up to date four times a second.
inline void WaitForTimerTick(ui::MainWindow& window) {
    QSignalSpy tick(window.findChild<QTimer*>(QStringLiteral("Timer1")), &QTimer::timeout);
    QVERIFY(tick.wait(2000));
}

// Puts `text` into the editor as if typed (it is not saved), and waits until
// the commands show it.
inline void SetSource(ui::MainWindow& window, const QString& text) {
    Text4Of(window)->setPlainText(text);
    WaitForTimerTick(window);
}

inline QString SourceOf(ui::MainWindow& window) { return Text4Of(window)->toPlainText(); }

// The current file as the label above the editor names it; empty when there
// is none. Any other label (the display box is shown) comes back whole.
inline QString CurrentFileOf(ui::MainWindow& window) {
    const QString label = window.findChild<QLabel*>("LDatei")->text();
    const QString prefix = QStringLiteral("Assemblerprogramm ");
    if (label == QStringLiteral("Assemblerprogramm (keine Datei vorhanden):")) return {};
    if (!label.startsWith(prefix) || !label.endsWith(QLatin1Char(':'))) return label;
    return label.mid(prefix.size(), label.size() - prefix.size() - 1);
}

// Saves the editor's text under `path`, which must not exist yet, with
// "Programm speichern unter ...": it becomes the current file. Installs its
// own file dialog answers, so a test's own come after it.
inline bool SaveSourceAs(ui::MainWindow& window, const QString& path) {
    ScriptedFileDialogs dialogs({path});
    return uitest::TriggerAction(window, QStringLiteral("mnuDateiSpeichernUnter")) && dialogs.AllAnswered();
}

// Whether the editor's text counts as changed, as the user finds out:
// "Programm löschen" then asks the save question, answered here with
// "Abbrechen" so that nothing changes. An unchanged text is cleared
// without a question, and the current file is forgotten.
inline bool AsksToSave(ui::MainWindow& window, ScriptedMessageBoxes& boxes) {
    const std::size_t before = boxes.asked.size();
    boxes.Answer(MessageAnswer::Cancel);
    uitest::TriggerAction(window, QStringLiteral("mnuAnzeigenNichts"));
    const bool asked = boxes.asked.size() > before;
    if (!asked) boxes.Withdraw();
    return asked;
}

}  // namespace zek::testing

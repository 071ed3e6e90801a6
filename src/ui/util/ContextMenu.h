#pragma once
// The German context menu of the text boxes. Its cut, copy and paste are the
// window's Bearbeiten commands, so that the menu follows the same rules as
// the menu bar (paste inserts in front of a selection).

#include <functional>

class QMenu;
class QPlainTextEdit;
class QWidget;

namespace zek::ui {

class TextView;

// One entry: what it does, and whether it can be chosen now (always when
// `enabled` is empty). An entry without `run` is left out of the menu.
struct ContextCommand {
    std::function<void()> run;
    std::function<bool()> enabled;
};

struct BearbeitenCommands {
    ContextCommand undo;
    ContextCommand redo;
    ContextCommand cut;
    ContextCommand copy;
    ContextCommand paste;
    ContextCommand remove;
    ContextCommand selectAll;
};

// Gives `box` the German context menu made of `commands` instead of its own
// (for a scroll area the menu opens where the viewport was clicked).
void InstallBearbeitenContextMenu(QWidget& box, BearbeitenCommands commands);

// The menu itself, as the box shows it: "Rückgängig", "Wiederherstellen",
// "Ausschneiden", "Kopieren", "Einfügen", "Löschen", "Alles auswählen";
// each action is named by its text without blanks.
QMenu* BearbeitenContextMenu(QWidget* parent, const BearbeitenCommands& commands);

// The commands of a plain text box: undo, redo, delete and select-all of
// the box itself, cut, copy and paste as given. Changing entries are
// disabled while the box is read-only.
BearbeitenCommands PlainTextCommands(QPlainTextEdit& box, std::function<void()> cut, std::function<void()> copy,
                                     std::function<void()> paste);

// The commands of a read-only text view: copy as given and select-all of the
// view; nothing that would change the text.
BearbeitenCommands TextViewCommands(TextView& view, std::function<void()> copy);

}  // namespace zek::ui

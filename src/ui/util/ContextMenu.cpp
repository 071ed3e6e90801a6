#include "ui/util/ContextMenu.h"

#include <QAbstractScrollArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "ui/util/TextView.h"

namespace zek::ui {
namespace {

void AddEntry(QMenu& menu, const char* name, const char* caption, const char* keys, const ContextCommand& command) {
    if (!command.run) return;
    QString text = QString::fromUtf8(caption);
    if (*keys) text += QLatin1Char('\t') + QString::fromUtf8(keys);
    QAction* action = menu.addAction(text);
    action->setObjectName(QString::fromUtf8(name));
    action->setEnabled(!command.enabled || command.enabled());
    QObject::connect(action, &QAction::triggered, &menu, command.run);
}

}  // namespace

QMenu* BearbeitenContextMenu(QWidget* parent, const BearbeitenCommands& commands) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("BearbeitenKontextmenü"));
    AddEntry(*menu, "Rückgängig", "&Rückgängig", "Strg+Z", commands.undo);
    AddEntry(*menu, "Wiederherstellen", "&Wiederherstellen", "Strg+Y", commands.redo);
    menu->addSeparator();
    AddEntry(*menu, "Ausschneiden", "&Ausschneiden", "Strg+X", commands.cut);
    AddEntry(*menu, "Kopieren", "&Kopieren", "Strg+C", commands.copy);
    AddEntry(*menu, "Einfügen", "&Einfügen", "Strg+V", commands.paste);
    AddEntry(*menu, "Löschen", "&Löschen", "", commands.remove);
    menu->addSeparator();
    AddEntry(*menu, "Allesauswählen", "Alles a&uswählen", "Strg+A", commands.selectAll);
    return menu;
}

void InstallBearbeitenContextMenu(QWidget& box, BearbeitenCommands commands) {
    box.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&box, &QWidget::customContextMenuRequested, &box,
                     [&box, commands = std::move(commands)](const QPoint& position) {
                         QMenu* menu = BearbeitenContextMenu(&box, commands);
                         menu->setAttribute(Qt::WA_DeleteOnClose);
                         const auto* area = qobject_cast<QAbstractScrollArea*>(&box);
                         menu->popup((area ? area->viewport() : &box)->mapToGlobal(position));
                     });
}

BearbeitenCommands PlainTextCommands(QPlainTextEdit& box, std::function<void()> cut, std::function<void()> copy,
                                     std::function<void()> paste) {
    QPlainTextEdit* const edit = &box;
    const auto writable = [edit] { return !edit->isReadOnly(); };
    const auto selected = [edit] { return edit->textCursor().hasSelection(); };
    BearbeitenCommands commands;
    commands.undo = {[edit] { edit->undo(); },
                     [edit, writable] { return writable() && edit->document()->isUndoAvailable(); }};
    commands.redo = {[edit] { edit->redo(); },
                     [edit, writable] { return writable() && edit->document()->isRedoAvailable(); }};
    commands.cut = {std::move(cut), [writable, selected] { return writable() && selected(); }};
    commands.copy = {std::move(copy), selected};
    commands.paste = {std::move(paste), writable};
    commands.remove = {[edit] { edit->textCursor().removeSelectedText(); },
                       [writable, selected] { return writable() && selected(); }};
    commands.selectAll = {[edit] { edit->selectAll(); }, [edit] { return !edit->document()->isEmpty(); }};
    return commands;
}

BearbeitenCommands TextViewCommands(TextView& view, std::function<void()> copy) {
    TextView* const shown = &view;
    BearbeitenCommands commands;
    commands.copy = {std::move(copy), [shown] { return shown->textCursor().hasSelection(); }};
    commands.selectAll = {[shown] { shown->selectAll(); }, [shown] { return shown->CharacterCount() > 0; }};
    return commands;
}

}  // namespace zek::ui

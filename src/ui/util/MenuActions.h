#pragma once
// Menu entries as the windows make them: an object name, a German caption
// (UTF-8) and a shortcut.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>

namespace zek::ui {

inline QAction* MakeAction(QMenu* menu, const QString& name, const char* caption, QKeySequence shortcut = {}) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

}  // namespace zek::ui

#pragma once
// Triggering a window's commands in tests the way a user does: through the
// action or button found by its object name, and only when it is enabled
// (a disabled entry cannot be chosen, so a test that needs one fails here).

#include <QAbstractButton>
#include <QAction>
#include <QTest>
#include <QWidget>

namespace zek::uitest {

// Triggers the action `objectName` of `window` after checking that it exists
// and is enabled; returns false (and records a failure) otherwise.
inline bool TriggerAction(QWidget& window, const QString& objectName) {
    auto* action = window.findChild<QAction*>(objectName);
    if (!action) {
        QTest::qFail(qPrintable(QStringLiteral("no action ") + objectName), __FILE__, __LINE__);
        return false;
    }
    if (!action->isEnabled()) {
        QTest::qFail(qPrintable(QStringLiteral("action is disabled: ") + objectName), __FILE__, __LINE__);
        return false;
    }
    action->trigger();
    return true;
}

// Triggers element `index` of the menu control array `array` (named by
// array and index, "mnuAnzeige3"), after checking that it also carries that
// index in its property "index", exists and is enabled.
inline bool TriggerAction(QWidget& window, const QString& array, int index) {
    const QString name = array + QString::number(index);
    const auto* action = window.findChild<QAction*>(name);
    if (action && action->property("index") != QVariant(index)) {
        QTest::qFail(qPrintable(QStringLiteral("wrong index property: ") + name), __FILE__, __LINE__);
        return false;
    }
    return TriggerAction(window, name);
}

// Clicks the button `objectName` of `window` after checking that it exists,
// is not hidden (it shows whenever the window does) and is enabled; returns
// false (and records a failure) otherwise.
inline bool ClickControl(QWidget& window, const QString& objectName) {
    auto* button = window.findChild<QAbstractButton*>(objectName);
    if (!button) {
        QTest::qFail(qPrintable(QStringLiteral("no button ") + objectName), __FILE__, __LINE__);
        return false;
    }
    if (!button->isVisibleTo(&window)) {
        QTest::qFail(qPrintable(QStringLiteral("button is hidden: ") + objectName), __FILE__, __LINE__);
        return false;
    }
    if (!button->isEnabled()) {
        QTest::qFail(qPrintable(QStringLiteral("button is disabled: ") + objectName), __FILE__, __LINE__);
        return false;
    }
    button->click();
    return true;
}

}  // namespace zek::uitest

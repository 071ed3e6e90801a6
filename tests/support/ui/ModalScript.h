#pragma once
// Drives modal dialogs in window tests: each step waits until a modal
// widget with the given object name is active, then acts on it. Steps run
// in order, also when one step's action opens the next dialog. A step that
// does not come within its timeout is recorded as a failure and every open
// modal widget is closed, so that no test waits for a human.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>

class QWidget;

namespace zek::uitest {

class ModalScript : public QObject {
public:
    using Action = std::function<void(QWidget* dialog)>;

    explicit ModalScript(int timeoutMs = 5000);

    // Adds a step: wait for a modal widget named `objectName`, then run `action`.
    ModalScript& Then(const QString& objectName, Action action);
    // Adds a step that clicks the button `buttonName` of the dialog `objectName`.
    ModalScript& Click(const QString& objectName, const QString& buttonName);

    bool Done() const { return steps_.empty(); }
    QStringList failures;

private:
    struct Step {
        QString objectName;
        Action action;
    };
    void Poll();

    std::deque<Step> steps_;
    QTimer timer_;
    int timeoutMs_;
    int waitedMs_ = 0;
    bool pending_ = false;
    int running_ = 0;  // actions on the stack; their dialog is still open
};

// Clicks the push button `buttonName` inside `dialog`; records nothing when it is missing.
bool ClickButton(QWidget* dialog, const QString& buttonName);

// True when no top-level widget except `allowed` is visible.
bool OnlyVisibleTopLevel(const QWidget* allowed);

}  // namespace zek::uitest

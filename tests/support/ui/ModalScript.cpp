#include "support/ui/ModalScript.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

namespace zek::uitest {
namespace {
constexpr int PollMs = 5;
}

ModalScript::ModalScript(int timeoutMs) : timeoutMs_(timeoutMs) {
    timer_.setInterval(PollMs);
    connect(&timer_, &QTimer::timeout, this, &ModalScript::Poll);
    timer_.start();
}

ModalScript& ModalScript::Then(const QString& objectName, Action action) {
    steps_.push_back({objectName, std::move(action)});
    waitedMs_ = 0;
    timer_.start();
    return *this;
}

ModalScript& ModalScript::Click(const QString& objectName, const QString& buttonName) {
    return Then(objectName, [this, objectName, buttonName](QWidget* dialog) {
        if (!ClickButton(dialog, buttonName)) failures << objectName + QStringLiteral(": no button ") + buttonName;
    });
}

void ModalScript::Poll() {
    if (pending_) return;
    QWidget* modal = QApplication::activeModalWidget();
    if (steps_.empty()) {
        if (running_ == 0 && modal && modal->isVisible()) {
            failures << QStringLiteral("unexpected ") + modal->objectName();
            modal->close();
        }
        return;
    }
    if (modal && modal->objectName() == steps_.front().objectName && modal->isVisible()) {
        // The action runs from a timer of its own: a timer does not fire
        // again while its own handler runs, and the action may open a
        // nested dialog that this one has to find.
        Step step = std::move(steps_.front());
        steps_.pop_front();
        waitedMs_ = 0;
        pending_ = true;
        QTimer::singleShot(0, this, [this, action = std::move(step.action), dialog = QPointer<QWidget>(modal)] {
            pending_ = false;
            ++running_;
            if (dialog) action(dialog);
            --running_;
        });
        return;
    }
    waitedMs_ += PollMs;
    if (waitedMs_ < timeoutMs_) return;
    failures << QStringLiteral("timed out waiting for ") + steps_.front().objectName +
                    QStringLiteral(" (active modal: ") + (modal ? modal->objectName() : QStringLiteral("none")) +
                    QStringLiteral(")");
    steps_.clear();
    while (QWidget* open = QApplication::activeModalWidget()) open->close();
}

bool ClickButton(QWidget* dialog, const QString& buttonName) {
    auto* button = dialog->findChild<QPushButton*>(buttonName);
    if (!button || !button->isEnabled()) return false;
    button->click();
    return true;
}

bool OnlyVisibleTopLevel(const QWidget* allowed) {
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget != allowed && widget->isVisible() && widget->windowType() != Qt::ToolTip) return false;
    }
    return true;
}

}  // namespace zek::uitest

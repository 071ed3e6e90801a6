#pragma once
// Window tests that run a program only an abort can end. WhenRunning acts
// as soon as the run is active (from its first yield on), without a fixed
// delay; RunGuard bounds the run, so that an abort that does not act fails
// the test with a message instead of hanging until CTest's timeout.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/store/ZekState.h"

namespace zek::uitest {

// Runs `action` once, as soon as `state` shows an active run.
inline void WhenRunning(const ZekState& state, std::function<void()> action) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(0);  // due at every pass of the event loop: the run's first yield
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &state, action = std::move(action)] {
        if (!state.ProcessorActive) return;
        poll->stop();
        poll->deleteLater();
        action();
    });
    poll->start();
}

class RunGuard {
public:
    explicit RunGuard(ZekState& state, int limitMs = 20000) : state_(state) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Expire(); });
        timer_.start(limitMs);
    }

    // True when the run had to be ended by the guard.
    bool Expired() const { return expired_; }

private:
    // Ends the run through its signals and closes the dialogs it waits in,
    // until it has returned.
    void Expire() {
        if (!state_.ProcessorActive) return;
        expired_ = true;
        state_.AbortSignal = true;
        state_.ExitSignal = true;
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        timer_.start(50);
    }

    ZekState& state_;
    QTimer timer_;
    bool expired_ = false;
};

}  // namespace zek::uitest

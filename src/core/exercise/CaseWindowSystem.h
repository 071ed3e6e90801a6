#pragma once
// The window system of one checked case: input reads the case's lines in
// order, every halt continues as after "Fortsetzen", messages and the
// output and pause dialogs show nothing. The end of the input answers the
// dialog's "Abbruch" with "Ja", as zekrun does at the end of its input: the
// run ends after the input line with result 90. A cancelled check aborts
// the run at its next yield.

#include <atomic>
#include <string>
#include <vector>

#include "core/base/NumberReading.h"
#include "core/store/WindowSystem.h"
#include "core/store/ZekState.h"

namespace zek {

class CaseWindowSystem : public WindowSystem {
public:
    CaseWindowSystem(ZekState& state, const std::vector<std::string>& input, const std::atomic<bool>& cancelled)
        : state_(state), input_(input), cancelled_(cancelled) {}

    bool InputExhausted() const { return exhausted_; }
    std::size_t LinesRead() const { return next_; }

    MessageAnswer MessageBox(const std::string&, const std::string&, MessageButtons buttons) override {
        return UnattendedAnswer(buttons);
    }
    void SetText1(const std::string&) override {}
    void SetText2(const std::string&) override {}
    HaltAnswer ShowHaltDialog(const std::string&, const std::string&, HaltLocation) override { return {}; }
    IoAnswer ZEKDialog(const IoRequest& request) override {
        if (request.kind != IoDialogKind::Input) return {IoOutcome::Accepted, request.value};
        if (next_ < input_.size()) return {IoOutcome::Accepted, TypedNumber(input_[next_++])};
        exhausted_ = true;
        return {IoOutcome::Abort, request.value};
    }
    void Yield() override {
        if (!cancelled_.load(std::memory_order_relaxed)) return;
        state_.AbortSignal = true;
        state_.ExitSignal = true;
    }
    void CloseTextWindow() override {}

private:
    ZekState& state_;
    const std::vector<std::string>& input_;
    const std::atomic<bool>& cancelled_;
    std::size_t next_ = 0;
    bool exhausted_ = false;
};

}  // namespace zek

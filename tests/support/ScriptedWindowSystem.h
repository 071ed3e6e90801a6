#pragma once
// A window system for tests: records everything shown and answers from
// queues. An empty queue answers with the defaults below. Like the real
// dialogs it only answers; the core acts on the answers.

#include <deque>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/store/WindowSystem.h"
#include "core/store/ZekState.h"

namespace zek::testing {

class ScriptedWindowSystem : public WindowSystem {
public:
    struct ShownMessage {
        std::string text;
        std::string title;
        MessageButtons buttons;
    };
    struct ShownHalt {
        std::string caption;
        std::string text;
        HaltLocation where;
    };
    struct ShownDialog {
        std::int32_t programLine;
        std::string programName;
        std::string instruction;
        std::string message;
        std::string symbolName;
        double value;
    };

    // Runs while a halt dialog is "open": it may look at the state, act on
    // it as the main window's buttons do, and answer. An action that returns
    // nothing answers "Fortsetzen".
    class HaltAction {
    public:
        HaltAction() = default;
        HaltAction(std::nullptr_t) {}
        template <typename F, typename = std::enable_if_t<std::is_invocable_v<F&, ZekState&>>>
        HaltAction(F action) {
            if constexpr (std::is_void_v<std::invoke_result_t<F&, ZekState&>>)
                act_ = [action](ZekState& state) mutable {
                    action(state);
                    return HaltAnswer{};
                };
            else
                act_ = std::move(action);
        }
        HaltAnswer operator()(ZekState& state) const { return act_ ? act_(state) : HaltAnswer{}; }

    private:
        std::function<HaltAnswer(ZekState&)> act_;
    };

    // Runs while an I/O dialog is "open": it may change the value the dialog
    // holds and answer how the dialog ends. An action that returns nothing
    // answers "Übernehmen".
    class DialogAction {
    public:
        DialogAction() = default;
        DialogAction(std::nullptr_t) {}
        template <typename F, typename = std::enable_if_t<std::is_invocable_v<F&, ZekState&, double&>>>
        DialogAction(F action) {
            if constexpr (std::is_void_v<std::invoke_result_t<F&, ZekState&, double&>>)
                act_ = [action](ZekState& state, double& value) mutable {
                    action(state, value);
                    return IoOutcome::Accepted;
                };
            else
                act_ = std::move(action);
        }
        IoOutcome operator()(ZekState& state, double& value) const {
            return act_ ? act_(state, value) : IoOutcome::Accepted;
        }

    private:
        std::function<IoOutcome(ZekState&, double&)> act_;
    };

    explicit ScriptedWindowSystem(ZekState& state) : state_(state) {}

    // Answers, consumed in order.
    std::deque<MessageAnswer> messageAnswers;  // default: Cancel (Ok for an OK box)
    std::deque<HaltAction> haltActions;        // default: continue ("Fortsetzen")
    std::deque<DialogAction> dialogActions;    // default: accept the value as it is
    std::function<void(ZekState&)> onYield;    // runs at every Yield

    // What was shown.
    std::vector<ShownMessage> messages;
    std::vector<ShownHalt> halts;
    std::vector<ShownDialog> dialogs;
    std::vector<std::string> text1;
    std::vector<std::string> text2;
    int yields = 0;
    int textWindowCloses = 0;

    MessageAnswer MessageBox(const std::string& text, const std::string& title, MessageButtons buttons) override {
        messages.push_back({text, title, buttons});
        if (messageAnswers.empty()) return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        const MessageAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }
    void SetText1(const std::string& text) override { text1.push_back(text); }
    void SetText2(const std::string& text) override { text2.push_back(text); }
    HaltAnswer ShowHaltDialog(const std::string& caption, const std::string& text, HaltLocation where) override {
        halts.push_back({caption, text, where});
        if (haltActions.empty()) return {};
        const HaltAction action = std::move(haltActions.front());
        haltActions.pop_front();
        return action(state_);
    }
    IoAnswer ZEKDialog(const IoRequest& request) override {
        dialogs.push_back({request.programLine, request.programName, std::string(InstructionName(request.kind)),
                           request.message, request.symbolName, request.value});
        IoAnswer answer{IoOutcome::Accepted, request.value};
        if (!dialogActions.empty()) {
            const DialogAction action = std::move(dialogActions.front());
            dialogActions.pop_front();
            answer.outcome = action(state_, answer.value);
        }
        return answer;
    }
    void Yield() override {
        ++yields;
        if (onYield) onYield(state_);
    }
    void CloseTextWindow() override { ++textWindowCloses; }

    // Halt answer of the halt dialog's confirmed "Abbruch".
    static HaltAction Abort() {
        return [](ZekState&) { return HaltAnswer{HaltOutcome::Abort, {}}; };
    }
    // Halt answer of a mode button followed by "Fortsetzen".
    static HaltAction SetMode(int mode) {
        return [mode](ZekState&) { return HaltAnswer{HaltOutcome::Continue, static_cast<RunMode>(mode)}; };
    }
    // I/O dialog answer: a typed number.
    static DialogAction Enter(double typed) {
        return [typed](ZekState&, double& value) { value = typed; };
    }
    // I/O dialog answer: "Abbruch" confirmed with "Ja".
    static DialogAction AbortRun() {
        return [](ZekState&, double&) { return IoOutcome::Abort; };
    }
    // I/O dialog answer: "Abbruch" answered with "Anhalten".
    static DialogAction HaltRun() {
        return [](ZekState&, double&) { return IoOutcome::Halt; };
    }
    // I/O dialog answer: the dialog broke down.
    static DialogAction Fail() {
        return [](ZekState&, double&) { return IoOutcome::Failed; };
    }

private:
    ZekState& state_;
};

}  // namespace zek::testing

#pragma once
// A window system for tests: records everything shown and answers from
// queues. An empty queue answers with the defaults below.

#include <deque>
#include <functional>
#include <string>
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
    // Acts on the state while a halt dialog or an I/O dialog is "open".
    using HaltAction = std::function<void(ZekState&)>;
    using DialogAction = std::function<void(ZekState&, double& value)>;

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
    void ShowHaltDialog(const std::string& caption, const std::string& text, HaltLocation where) override {
        halts.push_back({caption, text, where});
        if (haltActions.empty()) return;
        HaltAction action = std::move(haltActions.front());
        haltActions.pop_front();
        if (action) action(state_);
    }
    void ZEKDialog(std::int32_t programLine, const std::string& programName, const std::string& instruction,
                   const std::string& message, const std::string& symbolName, double& value) override {
        dialogs.push_back({programLine, programName, instruction, message, symbolName, value});
        if (!dialogActions.empty()) {
            DialogAction action = std::move(dialogActions.front());
            dialogActions.pop_front();
            if (action) action(state_, value);
        }
        state_.ErrorCode = 0;
    }
    void Yield() override {
        ++yields;
        if (onYield) onYield(state_);
    }
    void CloseTextWindow() override { ++textWindowCloses; }

    // Halt action of the halt dialog's confirmed "Abbruch".
    static HaltAction Abort() {
        return [](ZekState& s) { s.AbortSignal = true; };
    }
    // Halt action of a mode button followed by "Fortsetzen".
    static HaltAction SetMode(int mode) {
        return [mode](ZekState& s) { s.RunMode = mode; };
    }
    // I/O dialog answer: a typed number.
    static DialogAction Enter(double typed) {
        return [typed](ZekState&, double& value) { value = typed; };
    }
    // I/O dialog answer: "Abbruch" confirmed with "Ja".
    static DialogAction AbortRun() {
        return [](ZekState& s, double&) {
            s.AbortSignal = true;
            s.ExitSignal = true;
            s.ErrorCode = 90;
        };
    }

private:
    ZekState& state_;
};

}  // namespace zek::testing

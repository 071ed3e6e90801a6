#pragma once
// A dialog host for dialog tests: fresh state, a scripted window system,
// a source text, the recorded Text2 messages and scripted abort answers.

#include <QStringList>
#include <deque>

#include "support/ScriptedWindowSystem.h"
#include "ui/dialogs/DialogHost.h"

namespace zek::uitest {

class FakeDialogHost : public ui::DialogHost {
public:
    ZekState& state() override { return state_; }
    WindowSystem& windows() override { return windows_; }
    QString SourceText() const override { return source; }
    void SetText2(const QString& text) override { text2 << text; }
    AckAnswer ZEKSicherheitsabfrage(bool haltAllowed) override {
        questions.push_back(haltAllowed);
        if (answers.empty()) return AckAnswer::Nein;
        const auto answer = static_cast<AckAnswer>(answers.front());
        answers.pop_front();
        return answer;
    }

    QString source;
    QStringList text2;
    std::deque<std::uint8_t> answers;  // 2 Ja, 1 Debugger, 0 Nein
    std::vector<bool> questions;       // the halt permission of each question

private:
    ZekState state_;
    testing::ScriptedWindowSystem windows_{state_};
};

}  // namespace zek::uitest

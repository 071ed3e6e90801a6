#pragma once
// Answers message boxes and file dialogs from a script, for window tests:
// each object installs its seam while it lives and records what was asked.
// A question that the script does not expect fails the test (and is
// answered with Cancel), so no test ever waits for a human.

#include <QString>
#include <QTest>
#include <deque>
#include <optional>
#include <vector>

#include "ui/util/FileDialogs.h"
#include "ui/util/MessageBoxes.h"

namespace zek::testing {

struct AskedMessageBox {
    QString text;
    QString title;
    MessageButtons buttons;
};

class ScriptedMessageBoxes {
public:
    explicit ScriptedMessageBoxes(std::deque<MessageAnswer> answers = {}) : answers_(std::move(answers)) {
        ui::SetMessageBoxAnswerer([this](const QString& text, const QString& title, MessageButtons buttons) {
            asked.push_back({text, title, buttons});
            if (answers_.empty()) {
                QTest::qFail(qPrintable(QStringLiteral("unexpected message box: ") + title + " / " + text), __FILE__,
                             __LINE__);
                return MessageAnswer::Cancel;
            }
            const MessageAnswer answer = answers_.front();
            answers_.pop_front();
            return answer;
        });
    }
    ~ScriptedMessageBoxes() { ui::SetMessageBoxAnswerer(nullptr); }
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void Answer(MessageAnswer answer) { answers_.push_back(answer); }
    // Takes back the last answer given with Answer() while it is unused.
    void Withdraw() { answers_.pop_back(); }
    bool AllAnswered() const { return answers_.empty(); }

    std::vector<AskedMessageBox> asked;

private:
    std::deque<MessageAnswer> answers_;
};

class ScriptedFileDialogs {
public:
    // Each answer is a path, or std::nullopt for "cancelled".
    explicit ScriptedFileDialogs(std::deque<std::optional<QString>> answers = {}) : answers_(std::move(answers)) {
        ui::SetFileDialogAnswerer([this](const ui::FileDialogRequest& request) -> std::optional<QString> {
            asked.push_back(request);
            if (answers_.empty()) {
                QTest::qFail(qPrintable(QStringLiteral("unexpected file dialog: ") + request.title), __FILE__,
                             __LINE__);
                return std::nullopt;
            }
            const bool cancelled = !answers_.front().has_value();
            const QString path = answers_.front().value_or(QString());
            answers_.pop_front();
            if (cancelled) return std::nullopt;
            return path;
        });
    }
    ~ScriptedFileDialogs() { ui::SetFileDialogAnswerer(nullptr); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void Answer(std::optional<QString> answer) { answers_.push_back(std::move(answer)); }
    bool AllAnswered() const { return answers_.empty(); }

    std::vector<ui::FileDialogRequest> asked;

private:
    std::deque<std::optional<QString>> answers_;
};

}  // namespace zek::testing

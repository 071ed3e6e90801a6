#pragma once
// What the run-time dialogs need from the window that opens them: the
// shared state, the window system, the source text, the message field and
// the abort question. The main window provides it; dialog tests fake it.

#include <QString>

#include "core/store/WindowSystem.h"
#include "core/store/ZekState.h"

namespace zek::ui {

class DialogHost {
public:
    virtual ~DialogHost() = default;

    virtual ZekState& state() = 0;
    virtual WindowSystem& windows() = 0;

    // The text of the source editor Text4.
    virtual QString SourceText() const = 0;

    // The main window's message field Text2, repainted at once.
    virtual void SetText2(const QString& text) = 0;

    // Shows the acknowledge dialog modally, with its "Anhalten" button
    // enabled only when `haltAllowed`; returns the answer left in AckAnswer.
    virtual AckAnswer ZEKSicherheitsabfrage(bool haltAllowed) = 0;
};

}  // namespace zek::ui

#pragma once
// Cut, copy and paste of the windows' text boxes: the same rules in the
// main window and the text window.

class QPlainTextEdit;

namespace zek::ui {

class TextView;

// Replaces the clipboard's content with the selected characters of `box`,
// with "\n" line breaks (also where Shift+Enter made a line separator) and
// no-break spaces kept. An empty selection leaves the clipboard empty.
void CopySelectionToClipboard(const QPlainTextEdit& box);
void CopySelectionToClipboard(const TextView& view);

// Copies the selection as above and removes it from `box`.
void CutSelectionToClipboard(QPlainTextEdit& box);

// Inserts the clipboard's text in front of the selection of `box` instead of
// replacing it and leaves the cursor at the start of the inserted text.
void PasteInFrontOfSelection(QPlainTextEdit& box);

}  // namespace zek::ui

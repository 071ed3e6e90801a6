#pragma once
// What the editor keeps on one of its lines (a text block): the line number
// it began in the last assembly (which gives its code address and its
// listed errors) and whether it carries a breakpoint. The marks move with
// the line's text while it is edited.

#include <QTextBlock>
#include <QTextBlockUserData>
#include <cstdint>

class QTextDocument;

namespace zek::ui {

struct LineMarks : QTextBlockUserData {
    std::int32_t assembledLine = 0;  // 0: none
    bool errorListed = false;        // the last assembly listed this line
    bool breakpoint = false;
};

// The marks of `block`, or null when it has none.
LineMarks* MarksOf(const QTextBlock& block);

// The marks of `block`, made when it has none.
LineMarks& MarksFor(QTextBlock block);

// Keeps the marks with their text while the document is edited: lines
// inserted in front of a line leave its marks on it (the document would
// leave them on the first inserted line), and a line whose text changes
// loses its error mark. Call it from QTextDocument::contentsChange.
void MoveMarksWithText(QTextDocument& document, int position, int removed, int added);

// The block that began line `assembledLine` in the last assembly, or an
// invalid block. `hint` is where it stood then (its physical line).
QTextBlock BlockOfAssembledLine(const QTextDocument& document, std::int32_t assembledLine, int hint);

}  // namespace zek::ui

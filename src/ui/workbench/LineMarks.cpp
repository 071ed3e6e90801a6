#include "ui/workbench/LineMarks.h"

#include <QTextDocument>

namespace zek::ui {

LineMarks* MarksOf(const QTextBlock& block) { return static_cast<LineMarks*>(block.userData()); }

LineMarks& MarksFor(QTextBlock block) {
    if (!block.userData()) block.setUserData(new LineMarks);
    return *MarksOf(block);
}

void MoveMarksWithText(QTextDocument& document, int position, int removed, int added) {
    QTextBlock first = document.findBlock(position);
    const QTextBlock last = document.findBlock(position + added);
    if (!first.isValid()) return;
    // Whole lines inserted in front of a line: its text now begins the last
    // of the blocks, its marks still sit on the first.
    const bool linesInFront = removed == 0 && added > 0 && first.position() == position && last.isValid() &&
                              last != first && last.position() == position + added;
    if (linesInFront) {
        if (const LineMarks* moved = MarksOf(first)) {
            LineMarks& marks = MarksFor(last);
            marks.assembledLine = moved->assembledLine;
            marks.errorListed = moved->errorListed;
            marks.breakpoint = moved->breakpoint;
            first.setUserData(nullptr);
        }
        return;
    }
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (LineMarks* marks = MarksOf(block)) marks->errorListed = false;
        if (block == last) break;
    }
}

QTextBlock BlockOfAssembledLine(const QTextDocument& document, std::int32_t assembledLine, int hint) {
    if (assembledLine <= 0) return {};
    const QTextBlock atHint = document.findBlockByNumber(hint);
    if (const LineMarks* marks = MarksOf(atHint); marks && marks->assembledLine == assembledLine) return atHint;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (const LineMarks* marks = MarksOf(block); marks && marks->assembledLine == assembledLine) return block;
    return {};
}

}  // namespace zek::ui

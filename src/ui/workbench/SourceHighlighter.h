#pragma once
// Colours the lines of the source editor as the reader and the Assembler
// see them. Only the lines about to be painted are formatted, and only when
// their formats change, so a long program opens and scrolls without
// formatting the lines nobody looks at.

#include <QList>
#include <QString>
#include <QTextLayout>
#include <functional>
#include <vector>

#include "core/assembler/SourceTokens.h"
#include "ui/workbench/WorkbenchColours.h"

class QTextBlock;

namespace zek::ui {

class LineNumbering;

class SourceHighlighter {
public:
    explicit SourceHighlighter(LineNumbering& numbering) : numbering_(numbering) {}

    void SetColours(const WorkbenchColours& colours) { colours_ = colours; }

    // Formats `first` and the blocks after it while `wanted` says so.
    void Format(QTextBlock first, const std::function<bool(const QTextBlock&)>& wanted);

    // The Assembler's complaint about the part of `block` at `position` (an
    // unknown mnemonic), or an empty text.
    QString ComplaintAt(const QTextBlock& block, int position);

private:
    // The formats of the parts of one line.
    QList<QTextLayout::FormatRange> FormatsOf(const std::vector<SourceToken>& tokens) const;
    // What `block` takes over from the lines before it in its logical line.
    LineContext ContextOf(const QTextBlock& block);
    QTextCharFormat FormatOf(const SourceToken& token) const;

    LineNumbering& numbering_;
    WorkbenchColours colours_;
};

}  // namespace zek::ui

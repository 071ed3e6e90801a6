#pragma once
// The line numbers of the text in an editor, as the Assembler will count
// them, kept up to date while the text is edited: each line (text block)
// keeps its shape (blank, continued with "¶") in its block state, and the
// numbering is counted again from the shapes only when one has changed or
// lines came or went.

#include <QObject>
#include <QStringView>
#include <functional>

#include "core/store/SourceMap.h"

class QTextBlock;
class QTextDocument;

namespace zek::ui {

class LineNumbering : public QObject {
public:
    explicit LineNumbering(QTextDocument& document);

    // The numbering of the current text (block number = physical line).
    const SourceMap& Map();

    // Lets `put` replace the whole text of the document with `text`; the
    // shapes of the new lines are read from `text` in one pass instead of
    // from each block the document made of it.
    void Replace(const QString& text, const std::function<void()>& put);

private:
    void ContentsChanged(int position, int removed, int added);
    bool ShapesFromText(QStringView text);

    QTextDocument& document_;
    SourceMap map_;
    bool current_ = false;
    int blockCount_ = 0;
    bool replacing_ = false;
};

}  // namespace zek::ui

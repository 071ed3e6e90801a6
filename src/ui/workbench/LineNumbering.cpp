#include "ui/workbench/LineNumbering.h"

#include <QTextBlock>
#include <QTextDocument>

#include "core/assembler/SourceReader.h"

namespace zek::ui {
namespace {

// Block states: the shape of the line; -1 (Qt's "none") is not yet known.
enum Shape { Blank = 0, Plain = 1, Continued = 2 };

int ShapeOf(QStringView line) {
    const PhysicalLineShape shape =
        ShapeOfPhysicalLine(std::u16string_view(reinterpret_cast<const char16_t*>(line.utf16()), line.size()));
    return shape.blank ? Blank : shape.continued ? Continued : Plain;
}

int ShapeOf(const QTextBlock& block) { return ShapeOf(block.text()); }

}  // namespace

LineNumbering::LineNumbering(QTextDocument& document) : QObject(&document), document_(document) {
    blockCount_ = document.blockCount();
    connect(&document, &QTextDocument::contentsChange, this, &LineNumbering::ContentsChanged);
}

void LineNumbering::Replace(const QString& text, const std::function<void()>& put) {
    replacing_ = true;
    put();
    replacing_ = false;
    blockCount_ = document_.blockCount();
    current_ = false;
    if (!ShapesFromText(text)) ContentsChanged(0, 0, document_.characterCount());
}

// Each block must hold exactly its line of `text`, or the shapes found so
// far are of no use (the document broke the text elsewhere, at a CR say).
bool LineNumbering::ShapesFromText(QStringView text) {
    qsizetype start = 0;
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        if (start > text.size()) return false;
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0) end = text.size();
        if (block.length() != end - start + 1) return false;
        block.setUserState(ShapeOf(text.sliced(start, end - start)));
        start = end + 1;
    }
    return start == text.size() + 1;
}

void LineNumbering::ContentsChanged(int position, int /*removed*/, int added) {
    if (replacing_) return;
    if (document_.blockCount() != blockCount_) {
        blockCount_ = document_.blockCount();
        current_ = false;
    }
    const QTextBlock last = document_.findBlock(position + added);
    for (QTextBlock block = document_.findBlock(position); block.isValid(); block = block.next()) {
        const int shape = ShapeOf(block);
        if (shape != block.userState()) {
            block.setUserState(shape);
            current_ = false;
        }
        if (block == last) break;
    }
}

const SourceMap& LineNumbering::Map() {
    if (current_) return map_;
    map_.Clear();
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        if (block.userState() < 0) block.setUserState(ShapeOf(block));
        map_.AddPhysicalLine(block.userState() == Blank, block.userState() == Continued);
    }
    current_ = true;
    return map_;
}

}  // namespace zek::ui

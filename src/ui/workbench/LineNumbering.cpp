#include "ui/workbench/LineNumbering.h"

#include <QTextBlock>
#include <QTextDocument>

#include "core/assembler/SourceReader.h"

namespace zek::ui {
namespace {

// Block states: the shape of the line; -1 (Qt's "none") is not yet known.
enum Shape { Blank = 0, Plain = 1, Continued = 2 };

int ShapeOf(const QTextBlock& block) {
    const QString text = block.text();
    const PhysicalLineShape shape =
        ShapeOfPhysicalLine(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
    return shape.blank ? Blank : shape.continued ? Continued : Plain;
}

}  // namespace

LineNumbering::LineNumbering(QTextDocument& document) : QObject(&document), document_(document) {
    blockCount_ = document.blockCount();
    connect(&document, &QTextDocument::contentsChange, this, &LineNumbering::ContentsChanged);
}

void LineNumbering::ContentsChanged(int position, int /*removed*/, int added) {
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

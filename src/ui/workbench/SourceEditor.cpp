#include "ui/workbench/SourceEditor.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>
#include <algorithm>

#include "core/assembler/Assembler.h"
#include "core/assembler/SourceReader.h"
#include "ui/util/DroppedProgram.h"
#include "ui/util/QtText.h"
#include "ui/workbench/Gutter.h"
#include "ui/workbench/LineMarks.h"

namespace zek::ui {

SourceEditor::SourceEditor(QWidget* parent)
    : QPlainTextEdit(parent),
      numbering_(*document()),
      highlighter_(numbering_),
      colours_(WorkbenchColours::Of(palette())) {
    highlighter_.SetColours(colours_);
    gutter_ = new Gutter(*this);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) { MoveMarksWithText(*document(), position, removed, added); });
    connect(this, &QPlainTextEdit::blockCountChanged, this, &SourceEditor::UpdateGutter);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            gutter_->scroll(0, dy);
        else
            gutter_->update(0, rect.y(), gutter_->width(), rect.height());
    });
    UpdateGutter();
}

void SourceEditor::SetSourceText(const QString& text) {
    expectedBlocks_ = static_cast<int>(text.count(QLatin1Char('\n'))) + 1;
    UpdateGutter();
    numbering_.Replace(text, [&] { setPlainText(text); });
    expectedBlocks_ = 0;
}

std::int32_t SourceEditor::CursorLine() { return Numbering().LineOfPhysical(textCursor().blockNumber()); }

// ---- breakpoints ----

std::pair<QTextBlock, QTextBlock> SourceEditor::BlocksOfLine(std::int32_t line) {
    const SourceMap& map = Numbering();
    const QTextBlock first = document()->findBlockByNumber(map.FirstPhysicalOf(line));
    if (map.FirstPhysicalOf(line) < 0 || !first.isValid()) return {};
    QTextBlock last = first;
    for (QTextBlock block = first.next(); block.isValid(); block = block.next()) {
        const std::int32_t of = map.LineOfPhysical(block.blockNumber());
        if (of == line)
            last = block;
        else if (of != SourceMap::NoLine)
            break;
    }
    return {first, last};
}

bool SourceEditor::LineYieldsInstruction(std::int32_t line) {
    const auto [first, last] = BlocksOfLine(line);
    if (!first.isValid()) return false;
    QString text;
    for (QTextBlock block = first;; block = block.next()) {
        text += block.text() + QLatin1Char('\n');
        if (block == last) break;
    }
    const std::vector<std::string> lines = ReadSourceLines(ToCoreLines(text));
    return !lines.empty() && zek::YieldsInstruction(lines.front());
}

SourceEditor::BreakpointChange SourceEditor::ToggleBreakpoint(int blockNumber) {
    const std::int32_t line = Numbering().LineOfPhysical(blockNumber);
    if (line == SourceMap::NoLine || !LineYieldsInstruction(line)) {
        emit BreakpointToggled(BreakpointChange::NoInstruction, line);
        return BreakpointChange::NoInstruction;
    }
    // After edits a breakpoint may sit on any block of its line: all go.
    const auto [first, last] = BlocksOfLine(line);
    bool had = false;
    for (QTextBlock block = first;; block = block.next()) {
        if (LineMarks* marks = MarksOf(block); marks && marks->breakpoint) {
            marks->breakpoint = false;
            had = true;
        }
        if (block == last) break;
    }
    if (!had) MarksFor(first).breakpoint = true;
    gutter_->update();
    const BreakpointChange change = had ? BreakpointChange::Removed : BreakpointChange::Set;
    emit BreakpointToggled(change, line);
    return change;
}

void SourceEditor::ClearBreakpoints() {
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        if (LineMarks* marks = MarksOf(block)) marks->breakpoint = false;
    gutter_->update();
}

std::set<std::int32_t> SourceEditor::BreakpointLines() {
    std::set<std::int32_t> lines;
    const SourceMap& map = Numbering();
    int number = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next(), ++number) {
        const LineMarks* marks = MarksOf(block);
        if (marks && marks->breakpoint && map.LineOfPhysical(number) != SourceMap::NoLine)
            lines.insert(map.LineOfPhysical(number));
    }
    return lines;
}

// ---- the last assembly ----

void SourceEditor::ShowAssembly(const SourceMap& assembled) {
    assembled_ = assembled;
    std::vector<bool> listed(static_cast<std::size_t>(assembled.LineCount()) + 1, false);
    for (const ListedError& error : assembled.Errors())
        if (error.line >= 1 && error.line <= assembled.LineCount()) listed[static_cast<std::size_t>(error.line)] = true;
    int number = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next(), ++number) {
        const std::int32_t line = assembled.StartsLine(number) ? assembled.LineOfPhysical(number) : 0;
        const std::int32_t address = assembled.CodeAddressOf(line);
        const bool shown = line != 0 && (address >= 0 || listed[static_cast<std::size_t>(line)]);
        if (!shown && !MarksOf(block)) continue;
        LineMarks& marks = MarksFor(block);
        marks.assembledLine = shown ? line : 0;
        marks.errorListed = shown && listed[static_cast<std::size_t>(line)];
    }
    gutter_->update();
}

std::int32_t SourceEditor::CodeAddressOf(const QTextBlock& block) const {
    const LineMarks* marks = MarksOf(block);
    return marks ? assembled_.CodeAddressOf(marks->assembledLine) : SourceMap::NoAddress;
}

QTextBlock SourceEditor::BlockOfAssembled(std::int32_t assembledLine) const {
    return BlockOfAssembledLine(*document(), assembledLine, assembled_.FirstPhysicalOf(assembledLine));
}

// ---- halts ----

QRect SourceEditor::ShowHalt(std::int32_t ip, std::int32_t nextIP) {
    haltLine_ = assembled_.LineOfCodeAddress(ip);
    nextLine_ = assembled_.LineOfCodeAddress(nextIP);
    QList<QTextEdit::ExtraSelection> marks;
    const QTextBlock halted = BlockOfAssembled(haltLine_);
    if (halted.isValid()) {
        const QTextBlock last = BlocksOfLine(Numbering().LineOfPhysical(halted.blockNumber())).second;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(halted);
        if (last.isValid()) mark.cursor.setPosition(last.position(), QTextCursor::KeepAnchor);
        mark.format.setBackground(colours_.haltLine);
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks << mark;
    }
    setExtraSelections(marks);
    gutter_->update();
    const QTextBlock shown = halted.isValid() ? halted : BlockOfAssembled(nextLine_);
    if (!shown.isValid()) return {};
    ScrollIntoView(shown);
    return OnScreen(shown);
}

void SourceEditor::ClearHalt() {
    haltLine_ = 0;
    nextLine_ = 0;
    setExtraSelections({});
    gutter_->update();
}

QRect SourceEditor::RevealAssembledLine(std::int32_t assembledLine) {
    const QTextBlock block = BlockOfAssembled(assembledLine);
    if (!block.isValid()) return {};
    ScrollIntoView(block);
    return OnScreen(block);
}

void SourceEditor::ScrollIntoView(const QTextBlock& block) {
    const QRectF place = blockBoundingGeometry(block).translated(contentOffset());
    if (place.top() >= 0 && place.bottom() <= viewport()->height()) return;
    const int shownLines = std::max(1, viewport()->height() / std::max(1, fontMetrics().lineSpacing()));
    verticalScrollBar()->setValue(std::max(0, block.firstLineNumber() - shownLines / 2));
}

QRect SourceEditor::OnScreen(const QTextBlock& block) {
    const QRect place = blockBoundingGeometry(block).translated(contentOffset()).toAlignedRect();
    return {viewport()->mapToGlobal(QPoint(0, place.top())), QSize(viewport()->width(), place.height())};
}

// ---- selecting a line ----

bool SourceEditor::SelectLine(std::int32_t line) {
    const auto [first, last] = BlocksOfLine(line);
    if (!first.isValid()) return false;
    QTextCursor cursor(first);
    cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    ScrollIntoView(first);
    setTextCursor(cursor);
    return true;
}

bool SourceEditor::SelectAssembledLine(std::int32_t assembledLine) {
    const QTextBlock block = BlockOfAssembled(assembledLine);
    return block.isValid() && SelectLine(Numbering().LineOfPhysical(block.blockNumber()));
}

// ---- the gutter ----

std::vector<SourceEditor::VisibleLine> SourceEditor::VisibleLines() {
    std::vector<VisibleLine> lines;
    const QPointF offset = contentOffset();
    const int bottom = viewport()->height();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF place = blockBoundingGeometry(block).translated(offset);
        if (place.top() > bottom) break;
        if (block.isVisible()) lines.push_back({block, qRound(place.top()), qRound(place.height())});
    }
    return lines;
}

QTextBlock SourceEditor::BlockAtY(int y) {
    for (const VisibleLine& line : VisibleLines())
        if (y >= line.top && y < line.top + line.height) return line.block;
    return {};
}

// A margin set again lays out the scroll area anew: only a new width is set.
void SourceEditor::UpdateGutter() {
    const int width = gutter_->WidthNeeded();
    if (width != viewportMargins().left()) setViewportMargins(width, 0, 0, 0);
    PlaceGutter();
    gutter_->update();
}

void SourceEditor::PlaceGutter() {
    const QRect contents = contentsRect();
    gutter_->setGeometry(contents.left(), contents.top(), gutter_->WidthNeeded(), contents.height());
}

// ---- events ----

void SourceEditor::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    PlaceGutter();
}

// The lines about to be painted get their colours first.
void SourceEditor::paintEvent(QPaintEvent* event) {
    const QPointF offset = contentOffset();
    const int bottom = viewport()->height();
    highlighter_.Format(firstVisibleBlock(), [&](const QTextBlock& block) {
        return blockBoundingGeometry(block).translated(offset).top() <= bottom;
    });
    QPlainTextEdit::paintEvent(event);
}

// Shift+Enter starts a new line as Enter does: a line break inside a line
// would be a line of the file that the editor does not count.
void SourceEditor::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text());
        QPlainTextEdit::keyPressEvent(&plain);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void SourceEditor::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) UpdateGutter();
    if (event->type() == QEvent::PaletteChange) {
        colours_ = WorkbenchColours::Of(palette());
        highlighter_.SetColours(colours_);
        viewport()->update();
        gutter_->update();
    }
}

// An unknown mnemonic shows the Assembler's complaint; elsewhere the box
// keeps its own tooltip.
bool SourceEditor::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QTextCursor cursor = cursorForPosition(help->pos());
        const QString complaint = highlighter_.ComplaintAt(cursor.block(), cursor.positionInBlock());
        if (!complaint.isEmpty()) {
            QToolTip::showText(help->globalPos(), complaint, viewport());
            return true;
        }
    }
    return QPlainTextEdit::viewportEvent(event);
}

void SourceEditor::dragEnterEvent(QDragEnterEvent* event) {
    if (DroppedProgramFile(event->mimeData()).isEmpty()) return QPlainTextEdit::dragEnterEvent(event);
    event->acceptProposedAction();
}

void SourceEditor::dragMoveEvent(QDragMoveEvent* event) {
    if (DroppedProgramFile(event->mimeData()).isEmpty()) return QPlainTextEdit::dragMoveEvent(event);
    event->acceptProposedAction();
}

void SourceEditor::dropEvent(QDropEvent* event) {
    const QString path = DroppedProgramFile(event->mimeData());
    if (path.isEmpty()) return QPlainTextEdit::dropEvent(event);
    event->acceptProposedAction();
    emit ProgramFileDropped(path);
}

}  // namespace zek::ui

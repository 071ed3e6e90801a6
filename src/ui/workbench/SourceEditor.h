#pragma once
// The source editor: a plain text box with the Assembler's line numbers,
// code addresses and breakpoints in a gutter inside its margin, the source
// coloured as the Assembler reads it, the line a halted run has just
// executed marked, and the lines of the last error list flagged.
//
// Lines are counted as the Assembler counts them (see SourceMap): "line"
// means such a number, "block" a line of the text box.

#include <QPlainTextEdit>
#include <QTextBlock>
#include <cstdint>
#include <set>
#include <vector>

#include "core/store/SourceMap.h"
#include "ui/workbench/LineNumbering.h"
#include "ui/workbench/SourceHighlighter.h"
#include "ui/workbench/WorkbenchColours.h"

namespace zek::ui {

class Gutter;

class SourceEditor : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit SourceEditor(QWidget* parent = nullptr);

    // Replaces the text; the gutter takes its width for the new text first.
    void SetSourceText(const QString& text);
    // While SetSourceText works: the number of lines coming.
    int ExpectedBlocks() const { return expectedBlocks_; }

    // The numbering of the current text.
    const SourceMap& Numbering() { return numbering_.Map(); }
    // The line the text cursor stands in, or SourceMap::NoLine on a blank line.
    std::int32_t CursorLine();

    enum class BreakpointChange { Set, Removed, NoInstruction };
    Q_ENUM(BreakpointChange)
    // Sets or removes the breakpoint of the line that `blockNumber` belongs
    // to; only a line that the Assembler makes an instruction of takes one.
    BreakpointChange ToggleBreakpoint(int blockNumber);
    void ClearBreakpoints();
    // The lines that carry a breakpoint, in the current numbering.
    std::set<std::int32_t> BreakpointLines();

    // The result of an assembly of the current text: code addresses and
    // the lines of the error list.
    void ShowAssembly(const SourceMap& assembled);
    const SourceMap& Assembled() const { return assembled_; }
    // The code address of the instruction that `block` began in the last
    // assembly, or SourceMap::NoAddress.
    std::int32_t CodeAddressOf(const QTextBlock& block) const;

    // Where a run halted: marks the line of `ip` and scrolls it into view,
    // and puts the arrow at the line of `nextIP`. The line's place on the
    // screen is returned (a null rectangle when neither line is known).
    QRect ShowHalt(std::int32_t ip, std::int32_t nextIP);
    void ClearHalt();
    std::int32_t NextLine() const { return nextLine_; }

    // Scrolls line `assembledLine` of the last assembly into view and
    // returns its place on the screen (null when it is gone).
    QRect RevealAssembledLine(std::int32_t assembledLine);

    // Selects the whole of line `line` (current numbering), or of line
    // `assembledLine` of the last assembly, and shows it. False when there
    // is no such line.
    bool SelectLine(std::int32_t line);
    bool SelectAssembledLine(std::int32_t assembledLine);

    // For the gutter: the blocks on screen with their place in the viewport.
    struct VisibleLine {
        QTextBlock block;
        int top;
        int height;
    };
    std::vector<VisibleLine> VisibleLines();
    QTextBlock BlockAtY(int y);
    const WorkbenchColours& Colours() const { return colours_; }

signals:
    void BreakpointToggled(zek::ui::SourceEditor::BreakpointChange change, int line);
    // A program file was dropped onto the editor.
    void ProgramFileDropped(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void UpdateGutter();
    void PlaceGutter();
    // The blocks of line `line` (current numbering): first and last.
    std::pair<QTextBlock, QTextBlock> BlocksOfLine(std::int32_t line);
    bool LineYieldsInstruction(std::int32_t line);
    void ScrollIntoView(const QTextBlock& block);
    QRect OnScreen(const QTextBlock& block);
    QTextBlock BlockOfAssembled(std::int32_t assembledLine) const;

    LineNumbering numbering_;
    SourceHighlighter highlighter_;
    WorkbenchColours colours_;
    Gutter* gutter_ = nullptr;
    SourceMap assembled_;
    int expectedBlocks_ = 0;
    std::int32_t haltLine_ = 0;  // lines of the last assembly; 0 none
    std::int32_t nextLine_ = 0;
};

}  // namespace zek::ui

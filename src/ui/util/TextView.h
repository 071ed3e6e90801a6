#pragma once
// A read-only text box that shows long texts at once: it keeps the text's
// Windows-1252 bytes and where each line starts, lays out only what is on
// the screen and converts only that to Qt text. It wraps at its width or
// not at all; the vertical scroll bar counts rows, the horizontal one (for
// unwrapped text) pixels. Caret and selection follow the mouse and the keys
// (arrows, Home, End, the page keys, with Ctrl to the ends of the text and
// with Shift selecting); Ctrl+A selects everything and Ctrl+C copies, Space
// and Shift+Space turn pages. Screen readers read it as a read-only
// multi-line text box, the tooltip as its description (TextViewAccessible).
//
// The methods with Qt's own names (setPlainText, toPlainText, textCursor,
// setTextCursor, selectAll, setTabStopDistance) behave as QPlainTextEdit's.

#include <QAbstractScrollArea>
#include <QTextCursor>
#include <algorithm>
#include <string>
#include <utility>

#include "ui/util/DisplayText.h"
#include "ui/util/RowLayout.h"

namespace zek::ui {

class TextView : public QAbstractScrollArea {
    Q_OBJECT

public:
    // The caret and the selection, as positions in toPlainText().
    class Cursor {
    public:
        int position() const { return position_; }
        int anchor() const { return anchor_; }
        bool hasSelection() const { return position_ != anchor_; }
        int selectionStart() const { return std::min(position_, anchor_); }
        int selectionEnd() const { return std::max(position_, anchor_); }
        void setPosition(int position, QTextCursor::MoveMode mode = QTextCursor::MoveAnchor);
        void clearSelection() { anchor_ = position_; }

    private:
        int position_ = 0;
        int anchor_ = 0;
    };

    explicit TextView(QWidget* parent = nullptr);

    // Shows `text`: Windows-1252 bytes, lines ending with CR LF, LF or CR.
    void SetCoreText(std::string text);
    // Shows a Qt text; characters outside Windows-1252 show as "?".
    void setPlainText(const QString& text);
    QString toPlainText() const;
    // The text with CR LF line ends.
    std::string CoreText() const;
    int CharacterCount() const;
    // The characters from `from` up to `to`, line breaks as "\n".
    QString Characters(int from, int to) const;

    Cursor textCursor() const { return cursor_; }
    void setTextCursor(const Cursor& cursor);
    QString SelectedText() const;
    void selectAll();

    // Wraps at the box width (the default) or not at all.
    void SetWrapping(bool wrap);
    void setTabStopDistance(qreal distance);

    // Where characters are: rectangles and hits in viewport coordinates.
    QRect CharacterRect(int position) const;
    int PositionAt(QPoint point) const;  // -1 outside the text
    // The row around `position` as it is wrapped on the screen: start and end.
    std::pair<int, int> RowAround(int position) const;
    // The line around `position`, from one line break to the next.
    std::pair<int, int> LineAround(int position) const;
    // Scrolls so that `position` is on the screen.
    void EnsureVisible(int position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Keyboard and mouse (TextViewInput.cpp).
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    enum class Motion { Left, Right, WordLeft, WordRight, Up, Down, RowStart, RowEnd, PageUp, PageDown, Start, End };

    void MeasureFont();
    void Relayout();
    void UpdateScrollBars();
    int VisibleRows() const;
    double WrapWidth() const;
    int TopRow() const;
    // Where a row starts on the viewport, scrolled.
    double TopMargin() const;
    QPointF RowOrigin(std::size_t row) const;
    // The row at `y` pixels on the viewport, counted from the top row (negative above it).
    int RowsDown(double y) const;
    void PaintRow(QPainter& painter, std::size_t row, const QRect& area) const;
    void PaintCaret(QPainter& painter) const;

    void SetCursor(const Cursor& cursor, bool ensureVisible);
    void MoveTo(std::size_t position, bool select);
    std::size_t PositionNear(QPoint point) const;
    std::size_t PositionAfter(Motion motion) const;
    std::size_t RowStep(int rows) const;
    std::size_t WordStep(bool forward) const;
    bool HandleMotionKey(QKeyEvent* event);
    void SelectWordAt(std::size_t position);

    DisplayText text_;
    RowLayout rows_;
    CharWidths widths_;
    QFont drawFont_;
    double rowHeight_ = 1;
    double ascent_ = 0;
    bool wrap_ = true;
    double layoutWidth_ = 0;
    Cursor cursor_;
};

}  // namespace zek::ui

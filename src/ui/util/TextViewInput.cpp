// The text view's keyboard and mouse: moving the caret, selecting, copying.

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include "core/base/Encoding1252.h"
#include "ui/util/Clipboard.h"
#include "ui/util/TextView.h"

namespace zek::ui {
namespace {

bool IsWordCharacter(char c) {
    const QChar character(static_cast<char16_t>(zek::CodePointOf1252(static_cast<unsigned char>(c))));
    return character.isLetterOrNumber() || c == '_';
}

}  // namespace

void TextView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->matches(QKeySequence::Copy)) {
        CopySelectionToClipboard(*this);
    } else if (event->key() == Qt::Key_Space && (event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
        const bool back = event->modifiers() & Qt::ShiftModifier;
        verticalScrollBar()->triggerAction(back ? QAbstractSlider::SliderPageStepSub
                                                : QAbstractSlider::SliderPageStepAdd);
    } else if (!HandleMotionKey(event)) {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

bool TextView::HandleMotionKey(QKeyEvent* event) {
    static const struct {
        QKeySequence::StandardKey move;
        QKeySequence::StandardKey select;
        Motion motion;
    } keys[] = {
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Motion::Left},
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Motion::Right},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Motion::WordLeft},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Motion::WordRight},
        {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Motion::Up},
        {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Motion::Down},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Motion::RowStart},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Motion::RowEnd},
        {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Motion::PageUp},
        {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Motion::PageDown},
        {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Motion::Start},
        {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Motion::End},
    };
    for (const auto& key : keys) {
        const bool select = event->matches(key.select);
        if (!select && !event->matches(key.move)) continue;
        // The page keys turn the page and take the caret along.
        if (key.motion == Motion::PageUp || key.motion == Motion::PageDown)
            verticalScrollBar()->triggerAction(key.motion == Motion::PageUp ? QAbstractSlider::SliderPageStepSub
                                                                            : QAbstractSlider::SliderPageStepAdd);
        MoveTo(PositionAfter(key.motion), select);
        return true;
    }
    return false;
}

std::size_t TextView::PositionAfter(Motion motion) const {
    const auto position = static_cast<std::size_t>(cursor_.position());
    switch (motion) {
        case Motion::Left: return position > 0 ? position - 1 : 0;
        case Motion::Right: return std::min(position + 1, text_.size());
        case Motion::WordLeft: return WordStep(false);
        case Motion::WordRight: return WordStep(true);
        case Motion::Up: return RowStep(-1);
        case Motion::Down: return RowStep(1);
        case Motion::RowStart: return static_cast<std::size_t>(RowAround(cursor_.position()).first);
        case Motion::RowEnd: return static_cast<std::size_t>(RowAround(cursor_.position()).second);
        case Motion::PageUp: return RowStep(-VisibleRows());
        case Motion::PageDown: return RowStep(VisibleRows());
        case Motion::Start: return 0;
        case Motion::End: return text_.size();
    }
    return position;
}

// The same place `rows` rows up or down, as near to the caret's column as the row allows.
std::size_t TextView::RowStep(int rows) const {
    const auto position = static_cast<std::size_t>(cursor_.position());
    const std::size_t row = rows_.RowOf(position);
    const double x = rows_.XOf(row, position);
    const auto last = static_cast<long long>(rows_.RowCount()) - 1;
    const auto target = std::clamp(static_cast<long long>(row) + rows, 0LL, last);
    return rows_.PositionAt(static_cast<std::size_t>(target), x);
}

// Forward: past the rest of the word and the gap to the next one;
// backward: to the start of this or the previous word.
std::size_t TextView::WordStep(bool forward) const {
    auto position = static_cast<std::size_t>(cursor_.position());
    if (forward) {
        while (position < text_.size() && IsWordCharacter(text_.At(position))) ++position;
        while (position < text_.size() && !IsWordCharacter(text_.At(position))) ++position;
    } else {
        while (position > 0 && !IsWordCharacter(text_.At(position - 1))) --position;
        while (position > 0 && IsWordCharacter(text_.At(position - 1))) --position;
    }
    return position;
}

void TextView::MoveTo(std::size_t position, bool select) {
    Cursor cursor = cursor_;
    cursor.setPosition(static_cast<int>(position), select ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
    setTextCursor(cursor);
}

void TextView::SelectWordAt(std::size_t position) {
    std::size_t start = position;
    std::size_t end = position;
    while (start > 0 && IsWordCharacter(text_.At(start - 1))) --start;
    while (end < text_.size() && IsWordCharacter(text_.At(end))) ++end;
    Cursor cursor;
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

// ---- mouse ----

void TextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
    MoveTo(PositionNear(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
}

// Dragging selects; beyond the edges the view follows a row at a time.
void TextView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return QAbstractScrollArea::mouseMoveEvent(event);
    MoveTo(PositionNear(event->position().toPoint()), true);
}

// The left button's release ends a selection; it needs nothing more.
void TextView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) QAbstractScrollArea::mouseReleaseEvent(event);
}

void TextView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseDoubleClickEvent(event);
    SelectWordAt(PositionNear(event->position().toPoint()));
}

}  // namespace zek::ui

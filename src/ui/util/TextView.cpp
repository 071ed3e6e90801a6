#include "ui/util/TextView.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <climits>
#include <cmath>

#include "core/base/Encoding1252.h"
#include "ui/util/QtText.h"
#include "ui/util/TextViewAccessible.h"

namespace zek::ui {
namespace {

// The blank space around the text, as in Qt's text boxes.
constexpr int Margin = 4;
// Replaced texts up to this many characters in all are sent to screen readers.
constexpr std::size_t AnnouncedTextLimit = 1 << 18;
// A box too narrow for this many characters still wraps at this width, so
// that a long text in a tiny box does not turn into millions of rows.
constexpr int NarrowestWrap = 16;

int ToInt(std::size_t value) { return static_cast<int>(std::min<std::size_t>(value, INT_MAX)); }

std::size_t Clamped(int position, std::size_t size) {
    return std::min(static_cast<std::size_t>(std::max(position, 0)), size);
}

}  // namespace

void TextView::Cursor::setPosition(int position, QTextCursor::MoveMode mode) {
    position_ = position;
    if (mode == QTextCursor::MoveAnchor) anchor_ = position;
}

TextView::TextView(QWidget* parent) : QAbstractScrollArea(parent) {
    InstallTextViewAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    horizontalScrollBar()->setSingleStep(20);
    MeasureFont();
    Relayout();
}

// ---- the text ----

// Screen readers learn of a new text as from Qt's text boxes: the old text
// removed, the new one inserted, both sent whole over the accessibility bus.
// For long texts that would take seconds; they learn of those from the
// caret, which stands at the start of the new text, and read them through
// the text interface as any other.
void TextView::SetCoreText(std::string text) {
    const bool accessible = QAccessible::isActive();
    const bool announceTexts = accessible && text_.size() + text.size() <= AnnouncedTextLimit;
    const QString oldText = announceTexts ? toPlainText() : QString();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    text_ = DisplayText(std::move(text));
    cursor_ = Cursor();
    Relayout();
    if (announceTexts) {
        QAccessibleTextUpdateEvent event(this, 0, oldText, toPlainText());
        QAccessible::updateAccessibility(&event);
    } else if (accessible) {
        QAccessibleTextCursorEvent event(this, 0);
        QAccessible::updateAccessibility(&event);
    }
}

void TextView::setPlainText(const QString& text) { SetCoreText(ToCoreLines(text)); }

QString TextView::toPlainText() const { return Characters(0, CharacterCount()); }

std::string TextView::CoreText() const { return text_.WithCrLf(); }

int TextView::CharacterCount() const { return ToInt(text_.size()); }

QString TextView::Characters(int from, int to) const {
    return FromCore(text_.Chars(Clamped(from, text_.size()), Clamped(to, text_.size())));
}

// ---- caret and selection ----

void TextView::setTextCursor(const Cursor& cursor) { SetCursor(cursor, true); }

void TextView::SetCursor(const Cursor& cursor, bool ensureVisible) {
    Cursor clamped;
    clamped.setPosition(ToInt(Clamped(cursor.anchor(), text_.size())));
    clamped.setPosition(ToInt(Clamped(cursor.position(), text_.size())), QTextCursor::KeepAnchor);
    const bool moved = clamped.position() != cursor_.position();
    const bool selected =
        clamped.selectionStart() != cursor_.selectionStart() || clamped.selectionEnd() != cursor_.selectionEnd();
    cursor_ = clamped;
    if (ensureVisible) EnsureVisible(cursor_.position());
    viewport()->update();
    if (moved) {
        QAccessibleTextCursorEvent event(this, cursor_.position());
        QAccessible::updateAccessibility(&event);
    }
    if (selected) {
        QAccessibleTextSelectionEvent event(this, cursor_.selectionStart(), cursor_.selectionEnd());
        QAccessible::updateAccessibility(&event);
    }
}

QString TextView::SelectedText() const { return Characters(cursor_.selectionStart(), cursor_.selectionEnd()); }

// Like a Qt text box, selecting everything leaves the view where it is.
void TextView::selectAll() {
    Cursor all;
    all.setPosition(CharacterCount(), QTextCursor::KeepAnchor);
    SetCursor(all, false);
}

// ---- layout ----

void TextView::SetWrapping(bool wrap) {
    wrap_ = wrap;
    Relayout();
}

void TextView::setTabStopDistance(qreal distance) {
    widths_.tabDistance = distance;
    Relayout();
}

void TextView::MeasureFont() {
    // Without kerning and shaping every character keeps its own advance, so
    // that a row's width is the sum of its characters' widths.
    drawFont_ = font();
    drawFont_.setKerning(false);
    drawFont_.setStyleStrategy(QFont::PreferNoShaping);
    const QFontMetricsF metrics(drawFont_, viewport());
    for (std::size_t c = 0; c < widths_.advance.size(); ++c)
        widths_.advance[c] =
            metrics.horizontalAdvance(QChar(static_cast<char16_t>(CodePointOf1252(static_cast<unsigned char>(c)))));
    // A row is as high as a Qt text box's line: the line spacing, rounded up.
    rowHeight_ = std::max(1.0, std::ceil(metrics.lineSpacing()));
    ascent_ = metrics.ascent();
}

double TextView::WrapWidth() const {
    if (!wrap_) return 0;
    return std::max<double>(viewport()->width() - 2 * Margin, NarrowestWrap * widths_.Widest());
}

// Lays the text out again; the row at the top keeps its first character on the screen.
void TextView::Relayout() {
    const int top = TopRow();
    const std::size_t topPosition = top < static_cast<int>(rows_.RowCount()) ? rows_.RowStart(top) : 0;
    layoutWidth_ = WrapWidth();
    rows_.Build(text_, widths_, layoutWidth_);
    UpdateScrollBars();
    verticalScrollBar()->setValue(ToInt(rows_.RowOf(std::min(topPosition, text_.size()))));
    viewport()->update();
}

int TextView::VisibleRows() const {
    return std::max(1, static_cast<int>((viewport()->height() - Margin) / rowHeight_));
}

int TextView::TopRow() const { return verticalScrollBar()->value(); }

void TextView::UpdateScrollBars() {
    const int visible = VisibleRows();
    verticalScrollBar()->setRange(0, std::max(0, ToInt(rows_.RowCount()) - visible));
    verticalScrollBar()->setPageStep(visible);
    const double textWidth = wrap_ ? 0 : std::ceil(rows_.Widest()) + 2 * Margin + 1;
    horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(textWidth) - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
}

void TextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    if (WrapWidth() != layoutWidth_)
        Relayout();
    else
        UpdateScrollBars();
}

void TextView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        MeasureFont();
        Relayout();
    }
}

void TextView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void TextView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

// ---- geometry ----

// As in a Qt text box, the margin above the text scrolls away with the first row.
double TextView::TopMargin() const { return TopRow() == 0 ? Margin : 0; }

QPointF TextView::RowOrigin(std::size_t row) const {
    return {static_cast<double>(Margin - horizontalScrollBar()->value()),
            TopMargin() + (static_cast<double>(row) - TopRow()) * rowHeight_};
}

int TextView::RowsDown(double y) const { return static_cast<int>(std::floor((y - TopMargin()) / rowHeight_)); }

QRect TextView::CharacterRect(int position) const {
    if (position < 0 || position > CharacterCount()) return {};
    const std::size_t at = static_cast<std::size_t>(position);
    const std::size_t row = rows_.RowOf(at);
    const QPointF origin = RowOrigin(row);
    const double left = rows_.XOf(row, at);
    const unsigned char c = at < rows_.RowEnd(row) ? static_cast<unsigned char>(text_.At(at)) : ' ';
    return QRectF(origin.x() + left, origin.y(), std::max(1.0, widths_.Of(c, left)), rowHeight_).toRect();
}

int TextView::PositionAt(QPoint point) const {
    const int down = RowsDown(point.y());
    if (!viewport()->rect().contains(point) || down < 0) return -1;
    const auto row = static_cast<std::size_t>(TopRow() + down);
    if (row >= rows_.RowCount()) return -1;
    return ToInt(rows_.PositionAt(row, point.x() - RowOrigin(row).x()));
}

std::size_t TextView::PositionNear(QPoint point) const {
    const int row = std::clamp(TopRow() + RowsDown(point.y()), 0, ToInt(rows_.RowCount()) - 1);
    const auto index = static_cast<std::size_t>(row);
    return rows_.PositionAt(index, point.x() - RowOrigin(index).x());
}

// A row that wraps after a blank ends before that blank, as a Qt text
// box's end of a line does.
std::pair<int, int> TextView::RowAround(int position) const {
    const std::size_t row = rows_.RowOf(Clamped(position, text_.size()));
    std::size_t end = rows_.RowEnd(row);
    if (!rows_.EndsLine(row) && end > rows_.RowStart(row) && text_.At(end - 1) == ' ') --end;
    return {ToInt(rows_.RowStart(row)), ToInt(end)};
}

std::pair<int, int> TextView::LineAround(int position) const {
    const std::size_t line = text_.LineOf(Clamped(position, text_.size()));
    return {ToInt(text_.LineStart(line)), ToInt(text_.LineEnd(line))};
}

void TextView::EnsureVisible(int position) {
    const std::size_t at = Clamped(position, text_.size());
    const int row = ToInt(rows_.RowOf(at));
    const int visible = VisibleRows();
    if (row < TopRow()) verticalScrollBar()->setValue(row);
    if (row >= TopRow() + visible) verticalScrollBar()->setValue(row - visible + 1);
    if (wrap_) return;
    // On the viewport the position stands at Margin + x - value, and is to
    // stay within a margin of either side.
    const double x = rows_.XOf(static_cast<std::size_t>(row), at);
    QScrollBar* bar = horizontalScrollBar();
    if (x < bar->value()) bar->setValue(static_cast<int>(x));
    if (Margin + x - bar->value() > viewport()->width() - Margin - 1)
        bar->setValue(static_cast<int>(std::ceil(x)) + 2 * Margin + 1 - viewport()->width());
}

// ---- painting ----

void TextView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setFont(drawFont_);
    const QRect area = event->rect();
    const int first = TopRow() + std::max(0, RowsDown(area.top()));
    for (std::size_t row = static_cast<std::size_t>(first); row < rows_.RowCount(); ++row) {
        if (RowOrigin(row).y() > area.bottom()) break;
        PaintRow(painter, row, area);
    }
    if (hasFocus()) PaintCaret(painter);
}

namespace {

// The row's characters between `left` and `right` pixels from its start, in
// runs between tabs, each at the place the layout gives it.
struct Run {
    double x;
    QString chars;
};

std::vector<Run> VisibleRuns(const DisplayText& text, const RowLayout& rows, const CharWidths& widths, std::size_t row,
                             double left, double right) {
    std::vector<Run> runs;
    const std::size_t end = rows.RowEnd(row);
    std::size_t i = rows.RowStart(row);
    std::size_t runStart = i;
    double runX = 0;
    bool inRun = false;
    for (double x = 0; i < end && x <= right; ++i) {
        const auto c = static_cast<unsigned char>(text.At(i));
        const double advance = widths.Of(c, x);
        const bool visible = c != '\t' && x + advance > left;
        if (visible && !inRun) {
            runStart = i;
            runX = x;
        } else if (!visible && inRun) {
            runs.push_back({runX, FromCore(text.Chars(runStart, i))});
        }
        inRun = visible;
        x += advance;
    }
    if (inRun) runs.push_back({runX, FromCore(text.Chars(runStart, i))});
    return runs;
}

}  // namespace

// The row's text, and the selected part again over its highlight.
void TextView::PaintRow(QPainter& painter, std::size_t row, const QRect& area) const {
    const QPointF origin = RowOrigin(row);
    const std::vector<Run> runs =
        VisibleRuns(text_, rows_, widths_, row, area.left() - origin.x(), area.right() - origin.x());
    const auto draw = [&] {
        for (const Run& run : runs) painter.drawText(QPointF(origin.x() + run.x, origin.y() + ascent_), run.chars);
    };
    painter.setPen(palette().color(QPalette::Text));
    draw();

    const std::size_t start = rows_.RowStart(row);
    const std::size_t end = rows_.RowEnd(row);
    const auto selectionStart = static_cast<std::size_t>(cursor_.selectionStart());
    const auto selectionEnd = static_cast<std::size_t>(cursor_.selectionEnd());
    const std::size_t from = std::max(selectionStart, start);
    const std::size_t to = std::min(selectionEnd, end);
    const bool breakSelected = rows_.EndsLine(row) && selectionStart <= end && selectionEnd > end;
    if (from > to || (from == to && !breakSelected)) return;
    const double left = rows_.XOf(row, from);
    const double width = rows_.XOf(row, to) - left + (breakSelected ? widths_.advance[' '] : 0);
    const QRectF mark(origin.x() + left, origin.y(), width, rowHeight_);
    painter.fillRect(mark, palette().brush(QPalette::Highlight));
    painter.save();
    painter.setClipRect(mark);
    painter.setPen(palette().color(QPalette::HighlightedText));
    draw();
    painter.restore();
}

void TextView::PaintCaret(QPainter& painter) const {
    const QRect at = CharacterRect(cursor_.position());
    painter.fillRect(QRect(at.left(), at.top(), 1, at.height()), palette().color(QPalette::Text));
}

}  // namespace zek::ui

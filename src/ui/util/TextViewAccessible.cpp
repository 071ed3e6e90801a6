#include "ui/util/TextViewAccessible.h"

#include <QTextBoundaryFinder>
#include <QWidget>

#include "ui/util/TextView.h"

namespace zek::ui {
namespace {

// The characters at which Qt's text boxes end a word besides blanks.
bool IsWordSeparator(QChar c) { return QStringView(u".,?!@#$:;-<>[](){}=/+%&^*'\"`~|\\").contains(c); }

bool IsWordCharacter(QChar c) { return !c.isSpace() && !IsWordSeparator(c); }

QAccessibleInterface* TextViewFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(TextView::staticMetaObject.className()) && object && object->isWidgetType())
        return new TextViewAccessible(static_cast<TextView*>(object));
    return nullptr;
}

}  // namespace

void InstallTextViewAccessibility() {
    static const bool installed = (QAccessible::installFactory(&TextViewFactory), true);
    (void)installed;
}

TextViewAccessible::TextViewAccessible(TextView* view) : QAccessibleWidget(view, QAccessible::EditableText) {}

TextView* TextViewAccessible::view() const { return static_cast<TextView*>(widget()); }

QString TextViewAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return view()->toPlainText();
    return QAccessibleWidget::text(t);
}

QAccessible::State TextViewAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.selectableText = true;
    state.multiLine = true;
    state.readOnly = true;
    return state;
}

void* TextViewAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

// ---- caret and selection ----

void TextViewAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    const TextView::Cursor cursor = view()->textCursor();
    if (selectionIndex != 0 || !cursor.hasSelection()) return;
    *startOffset = cursor.selectionStart();
    *endOffset = cursor.selectionEnd();
}

int TextViewAccessible::selectionCount() const { return view()->textCursor().hasSelection() ? 1 : 0; }

void TextViewAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void TextViewAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex != 0) return;
    TextView::Cursor cursor = view()->textCursor();
    cursor.clearSelection();
    view()->setTextCursor(cursor);
}

void TextViewAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) return;
    TextView::Cursor cursor;
    cursor.setPosition(startOffset);
    cursor.setPosition(endOffset, QTextCursor::KeepAnchor);
    view()->setTextCursor(cursor);
}

int TextViewAccessible::cursorPosition() const { return view()->textCursor().position(); }

void TextViewAccessible::setCursorPosition(int position) {
    TextView::Cursor cursor;
    cursor.setPosition(position);
    view()->setTextCursor(cursor);
}

// ---- text ----

QString TextViewAccessible::text(int startOffset, int endOffset) const {
    return view()->Characters(startOffset, endOffset);
}

int TextViewAccessible::characterCount() const { return view()->CharacterCount(); }

// A line is a row as it is wrapped on the screen, a paragraph a line of the text.
std::pair<int, int> TextViewAccessible::Boundaries(int offset, QAccessible::TextBoundaryType boundaryType) const {
    const int count = characterCount();
    offset = std::clamp(offset, 0, count);
    switch (boundaryType) {
        case QAccessible::CharBoundary: return {offset, std::min(offset + 1, count)};
        case QAccessible::WordBoundary: return WordAround(offset);
        case QAccessible::SentenceBoundary: return SentenceAround(offset);
        case QAccessible::LineBoundary: return view()->RowAround(offset);
        case QAccessible::ParagraphBoundary: return view()->LineAround(offset);
        case QAccessible::NoBoundary: return {0, count};
    }
    return {offset, offset};
}

// The word begins where a Qt text box's "start of word" goes and ends
// where its "end of word" goes from there: blanks end a word, and so does a
// run of separators such as "." or "-".
std::pair<int, int> TextViewAccessible::WordAround(int offset) const {
    const auto [lineStart, lineEnd] = view()->LineAround(offset);
    const QString line = view()->Characters(lineStart, lineEnd);
    const auto at = [&line](int i) { return line.at(i); };
    int start = offset - lineStart;
    const int length = static_cast<int>(line.size());
    const bool atEndAfterGap = start == length && start > 0 && !IsWordCharacter(at(start - 1));
    if (start > 0 && !atEndAfterGap) {
        if (start < length) ++start;
        while (start > 0 && at(start - 1).isSpace()) --start;
        if (start > 0 && IsWordSeparator(at(start - 1))) {
            while (start > 0 && IsWordSeparator(at(start - 1))) --start;
        } else {
            while (start > 0 && IsWordCharacter(at(start - 1))) --start;
        }
    }
    int end = start;
    if (end < length && IsWordSeparator(at(end))) {
        while (end < length && IsWordSeparator(at(end))) ++end;
    } else {
        while (end < length && IsWordCharacter(at(end))) ++end;
    }
    return {lineStart + start, lineStart + end};
}

std::pair<int, int> TextViewAccessible::SentenceAround(int offset) const {
    const auto [lineStart, lineEnd] = view()->LineAround(offset);
    const QString line = view()->Characters(lineStart, lineEnd);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Sentence, line);
    finder.setPosition(offset - lineStart);
    const int previous = (finder.boundaryReasons() & QTextBoundaryFinder::StartOfItem) ? offset - lineStart
                                                                                       : finder.toPreviousBoundary();
    const int next = finder.toNextBoundary();
    return {previous < 0 ? lineStart : lineStart + previous, next < 0 ? lineEnd : lineStart + next};
}

QString TextViewAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const {
    const auto [start, end] = Boundaries(offset, boundaryType);
    *startOffset = start;
    *endOffset = end;
    return text(start, end);
}

// The piece before the one at `offset`; at the start of the text the piece
// at `offset` itself, as Qt's text boxes answer.
QString TextViewAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                             int* endOffset) const {
    const int start = Boundaries(offset, boundaryType).first;
    return textAtOffset(start > 0 ? start - 1 : offset, boundaryType, startOffset, endOffset);
}

QString TextViewAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                            int* endOffset) const {
    return textAtOffset(Boundaries(offset, boundaryType).second, boundaryType, startOffset, endOffset);
}

// ---- places on the screen ----

QRect TextViewAccessible::characterRect(int offset) const {
    QRect rect = view()->CharacterRect(offset);
    if (rect.isValid()) rect.moveTopLeft(view()->viewport()->mapToGlobal(rect.topLeft()));
    return rect;
}

int TextViewAccessible::offsetAtPoint(const QPoint& point) const {
    return view()->PositionAt(view()->viewport()->mapFromGlobal(point));
}

void TextViewAccessible::scrollToSubstring(int startIndex, int endIndex) {
    view()->EnsureVisible(endIndex);
    view()->EnsureVisible(startIndex);
}

// One font for the whole text: the run of equal attributes is the line,
// or the line break on its own.
QString TextViewAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    const int count = characterCount();
    if (offset == -1 || offset == count) offset = count - 1;
    if (offset < 0 || offset > count) {
        *startOffset = *endOffset = -1;
        return {};
    }
    const auto [lineStart, lineEnd] = view()->LineAround(offset);
    const bool atBreak = offset == lineEnd && lineEnd < count;
    *startOffset = atBreak ? lineEnd : lineStart;
    *endOffset = atBreak ? lineEnd + 1 : lineEnd;
    const QFont font = view()->font();
    QString family = font.family();
    for (const QChar special : QStringView(u"\\:,=;\"")) family.replace(special, QStringLiteral("\\") + special);
    return QStringLiteral(
               "font-family:\"%1\";font-size:%2pt;font-weight:%3;font-style:%4;"
               "text-position:baseline;text-align:left;")
        .arg(family)
        .arg(font.pointSize())
        .arg(font.weight() > QFont::Normal ? QStringLiteral("bold") : QStringLiteral("normal"))
        .arg(font.style() == QFont::StyleItalic    ? QStringLiteral("italic")
             : font.style() == QFont::StyleOblique ? QStringLiteral("oblique")
                                                   : QStringLiteral("normal"));
}

// ---- a read-only box takes no changes ----

void TextViewAccessible::deleteText(int, int) {}

void TextViewAccessible::insertText(int, const QString&) {}

void TextViewAccessible::replaceText(int, int, const QString&) {}

}  // namespace zek::ui

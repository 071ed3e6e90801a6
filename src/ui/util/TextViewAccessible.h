#pragma once
// What screen readers see of a TextView: the same as of a read-only
// QPlainTextEdit. Role EditableText, states read-only, multi-line and
// selectable text, the tooltip as description, the whole text as value, and
// text, caret, selection, rows and character places through the text
// interface. The editable-text interface is there, as with any Qt text box,
// but changes nothing in a read-only box.

#include <QAccessibleWidget>

namespace zek::ui {

class TextView;

class TextViewAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit TextViewAccessible(TextView* view);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // QAccessibleEditableTextInterface: a read-only box takes no changes.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    TextView* view() const;
    // Start and end of the piece of text of `boundaryType` around `offset`.
    std::pair<int, int> Boundaries(int offset, QAccessible::TextBoundaryType boundaryType) const;
    std::pair<int, int> WordAround(int offset) const;
    std::pair<int, int> SentenceAround(int offset) const;
};

// Lets Qt's accessibility find TextViewAccessible for every TextView; the
// first call installs it, later calls do nothing.
void InstallTextViewAccessibility();

}  // namespace zek::ui

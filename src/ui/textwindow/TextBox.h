#pragma once
// The text window's box "Text": a TextView while it is read-only (display
// mode), which shows long texts at once, and a plain text editor once it is
// made writable (edit mode). The text lives in whichever of the two is
// shown and moves over when the mode changes. The methods with Qt's names
// act on that one, as a QPlainTextEdit's would; the cursor methods are the
// editor's.

#include <QPlainTextEdit>
#include <QWidget>
#include <string>

namespace zek::ui {

class TextView;

class TextBox : public QWidget {
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return readOnly_; }

    void setPlainText(const QString& text);
    // Shows a core text: Windows-1252, lines ending with CR LF.
    void SetCoreText(std::string text);
    // The text with "\n" line breaks, no-break spaces kept.
    QString toPlainText() const;
    // The text as Windows-1252 with CR LF line ends.
    std::string CoreText() const;
    // Replaces the text; in edit mode as one step that Ctrl+Z takes back.
    void ReplaceText(const QString& text);

    QTextCursor textCursor() const { return editor_->textCursor(); }
    void setTextCursor(const QTextCursor& cursor) { editor_->setTextCursor(cursor); }
    void setTabStopDistance(qreal distance);

    TextView* View() { return view_; }
    QPlainTextEdit* Editor() { return editor_; }
    // The one of the two that is shown.
    QWidget* Shown();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool readOnly_ = true;
    TextView* view_ = nullptr;
    QPlainTextEdit* editor_ = nullptr;
};

}  // namespace zek::ui

#include "ui/util/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "ui/util/PlainText.h"
#include "ui/util/TextView.h"

namespace zek::ui {
namespace {

void ReplaceClipboardText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    if (!text.isEmpty()) clipboard->setText(text);
}

}  // namespace

void CopySelectionToClipboard(const QPlainTextEdit& box) {
    const QTextCursor cursor = box.textCursor();
    ReplaceClipboardText(
        PlainTextOf(box).mid(cursor.selectionStart(), cursor.selectionEnd() - cursor.selectionStart()));
}

void CopySelectionToClipboard(const TextView& view) { ReplaceClipboardText(view.SelectedText()); }

void CutSelectionToClipboard(QPlainTextEdit& box) {
    CopySelectionToClipboard(box);
    QTextCursor cursor = box.textCursor();
    cursor.removeSelectedText();
    box.setTextCursor(cursor);
}

void PasteInFrontOfSelection(QPlainTextEdit& box) {
    QString pasted = QGuiApplication::clipboard()->text();
    pasted.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const int start = box.textCursor().selectionStart();
    QTextCursor cursor(box.document());
    cursor.setPosition(start);
    cursor.insertText(pasted);
    cursor.setPosition(start);
    box.setTextCursor(cursor);
}

}  // namespace zek::ui

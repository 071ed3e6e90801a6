#include "ui/workbench/TextSearch.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace zek::ui {
namespace {

QTextDocument::FindFlags FlagsOf(SearchOptions options) {
    QTextDocument::FindFlags flags;
    if (options.caseSensitive) flags |= QTextDocument::FindCaseSensitively;
    if (options.backward) flags |= QTextDocument::FindBackward;
    return flags;
}

}  // namespace

SearchResult FindNext(QPlainTextEdit& box, const QString& term, SearchOptions options) {
    const QTextDocument& document = *box.document();
    QTextCursor found = document.find(term, box.textCursor(), FlagsOf(options));
    SearchResult result = SearchResult::Found;
    if (found.isNull()) {
        QTextCursor from(box.document());
        if (options.backward) from.movePosition(QTextCursor::End);
        found = document.find(term, from, FlagsOf(options));
        result = SearchResult::FoundAfterWrap;
    }
    if (found.isNull()) return SearchResult::NotFound;
    box.setTextCursor(found);
    return result;
}

bool ReplaceSelection(QPlainTextEdit& box, const QString& term, const QString& replacement, bool caseSensitive) {
    QTextCursor cursor = box.textCursor();
    const Qt::CaseSensitivity sensitivity = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (!cursor.hasSelection() || cursor.selectedText().compare(term, sensitivity) != 0) return false;
    cursor.insertText(replacement);
    box.setTextCursor(cursor);
    return true;
}

int ReplaceAll(QPlainTextEdit& box, const QString& term, const QString& replacement, bool caseSensitive) {
    if (term.isEmpty()) return 0;
    QTextDocument& document = *box.document();
    const QTextDocument::FindFlags flags = FlagsOf({caseSensitive, false});
    QTextCursor edit(&document);
    edit.beginEditBlock();
    int count = 0;
    for (QTextCursor found = document.find(term, 0, flags); !found.isNull();
         found = document.find(term, found, flags)) {
        found.insertText(replacement);
        ++count;
    }
    edit.endEditBlock();
    return count;
}

}  // namespace zek::ui

#pragma once
// Finding and replacing text in a text box.

#include <QString>

class QPlainTextEdit;

namespace zek::ui {

struct SearchOptions {
    bool caseSensitive = false;
    bool backward = false;
};

enum class SearchResult { Found, FoundAfterWrap, NotFound };

// Selects the next occurrence of `term` after the selection (before it when
// backward), going on from the other end of the text when there is none.
SearchResult FindNext(QPlainTextEdit& box, const QString& term, SearchOptions options);

// Replaces the selection when it is an occurrence of `term`, then finds the
// next one. Returns true when it replaced one.
bool ReplaceSelection(QPlainTextEdit& box, const QString& term, const QString& replacement, bool caseSensitive);

// Replaces every occurrence of `term` as one step to undo; returns how many.
int ReplaceAll(QPlainTextEdit& box, const QString& term, const QString& replacement, bool caseSensitive);

}  // namespace zek::ui

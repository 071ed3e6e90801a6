#include "ui/util/PlainText.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace zek::ui {

QString PlainTextOf(const QPlainTextEdit& box) {
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

}  // namespace zek::ui

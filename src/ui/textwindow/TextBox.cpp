#include "ui/textwindow/TextBox.h"

#include <QTextCursor>

#include "ui/util/PlainText.h"
#include "ui/util/QtText.h"
#include "ui/util/TextView.h"

namespace zek::ui {

TextBox::TextBox(QWidget* parent) : QWidget(parent) {
    view_ = new TextView(this);
    view_->setObjectName(QStringLiteral("Anzeige"));
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    editor_ = new QPlainTextEdit(this);
    editor_->setObjectName(QStringLiteral("Editor"));
    editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor_->hide();
    setFocusProxy(view_);
}

QWidget* TextBox::Shown() { return readOnly_ ? static_cast<QWidget*>(view_) : editor_; }

void TextBox::setReadOnly(bool readOnly) {
    if (readOnly == readOnly_) return;
    const QString text = toPlainText();
    readOnly_ = readOnly;
    if (readOnly) {
        view_->setPlainText(text);
        editor_->clear();
    } else {
        editor_->setPlainText(text);
        view_->SetCoreText({});
    }
    view_->setVisible(readOnly);
    editor_->setVisible(!readOnly);
    setFocusProxy(Shown());
}

void TextBox::setPlainText(const QString& text) {
    if (readOnly_)
        view_->setPlainText(text);
    else
        editor_->setPlainText(text);
}

void TextBox::SetCoreText(std::string text) {
    if (readOnly_)
        view_->SetCoreText(std::move(text));
    else
        editor_->setPlainText(FromCoreLines(text));
}

QString TextBox::toPlainText() const { return readOnly_ ? view_->toPlainText() : PlainTextOf(*editor_); }

std::string TextBox::CoreText() const { return readOnly_ ? view_->CoreText() : ToCoreLines(PlainTextOf(*editor_)); }

void TextBox::ReplaceText(const QString& text) {
    if (readOnly_) return view_->setPlainText(text);
    QTextCursor cursor(editor_->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(text);
}

void TextBox::setTabStopDistance(qreal distance) {
    view_->setTabStopDistance(distance);
    editor_->setTabStopDistance(distance);
}

void TextBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    view_->setGeometry(rect());
    editor_->setGeometry(rect());
}

}  // namespace zek::ui

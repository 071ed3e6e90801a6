#include "ui/util/MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace zek::ui {
namespace {

MessageBoxAnswerer& Answerer() {
    static MessageBoxAnswerer answerer;
    return answerer;
}

struct ButtonChoice {
    QMessageBox::ButtonRole role;
    const char* caption;
    MessageAnswer answer;
};

}  // namespace

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) { Answerer() = std::move(answerer); }

MessageAnswer ShowMessageBox(QWidget* parent, const QString& text, const QString& title, MessageButtons buttons) {
    if (Answerer()) return Answerer()(text, title, buttons);

    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);  // file and program names may hold "<" and "&"
    box.setIcon(buttons == MessageButtons::Ok ? QMessageBox::Information : QMessageBox::Question);

    std::vector<ButtonChoice> choices;
    switch (buttons) {
        case MessageButtons::Ok: choices = {{QMessageBox::AcceptRole, "OK", MessageAnswer::Ok}}; break;
        case MessageButtons::OkCancel:
            choices = {{QMessageBox::AcceptRole, "OK", MessageAnswer::Ok},
                       {QMessageBox::RejectRole, "Abbrechen", MessageAnswer::Cancel}};
            break;
        case MessageButtons::YesNo:
            choices = {{QMessageBox::YesRole, "Ja", MessageAnswer::Yes},
                       {QMessageBox::NoRole, "Nein", MessageAnswer::No}};
            break;
        case MessageButtons::YesNoCancel:
            choices = {{QMessageBox::YesRole, "Ja", MessageAnswer::Yes},
                       {QMessageBox::NoRole, "Nein", MessageAnswer::No},
                       {QMessageBox::RejectRole, "Abbrechen", MessageAnswer::Cancel}};
            break;
    }
    std::vector<QPushButton*> pushButtons;
    for (const ButtonChoice& choice : choices)
        pushButtons.push_back(box.addButton(QString::fromUtf8(choice.caption), choice.role));
    box.setDefaultButton(pushButtons.front());
    box.setEscapeButton(pushButtons.back());
    box.exec();

    for (std::size_t i = 0; i < pushButtons.size(); ++i)
        if (box.clickedButton() == pushButtons[i]) return choices[i].answer;
    return choices.back().answer;
}

}  // namespace zek::ui

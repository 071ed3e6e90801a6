#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/util/MessageBoxes.h"

using zek::MessageAnswer;
using zek::MessageButtons;

class MessageBoxesTest : public QObject {
    Q_OBJECT

private slots:
    // A question naming a file like "<b>x.zek" shows the name as written,
    // and the German button answers as which it was pressed.
    void textShownAsWrittenAndAnswerOfTheButton() {
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            poll.stop();
            shown = box->text();
            format = box->textFormat();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == QStringLiteral("Nein")) button->click();
        });
        poll.start(10);
        QTimer::singleShot(5000, [] {
            if (QWidget* open = QApplication::activeModalWidget()) open->close();
        });
        const QString question = QStringLiteral("Speichern in Datei /tmp/<b>x</b>.zek?");
        const MessageAnswer answer = zek::ui::ShowMessageBox(
            nullptr, question, QStringLiteral("ZE-Assembler: Sicherungsabfrage"), MessageButtons::YesNoCancel);
        QCOMPARE(shown, question);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(answer, MessageAnswer::No);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "MessageBoxes_uitest.moc"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/util/MessageBoxes.h"

using zek::MessageAnswer;
using zek::MessageButtons;

Q_DECLARE_METATYPE(MessageButtons)
Q_DECLARE_METATYPE(MessageAnswer)

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

    // Esc answers with the box's last button: Cancel, or No without one.
    void escAnswersTheLastButton_data() {
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("OK") << MessageButtons::Ok << MessageAnswer::Ok;
        QTest::newRow("OK, Abbrechen") << MessageButtons::OkCancel << MessageAnswer::Cancel;
        QTest::newRow("Ja, Nein") << MessageButtons::YesNo << MessageAnswer::No;
        QTest::newRow("Ja, Nein, Abbrechen") << MessageButtons::YesNoCancel << MessageAnswer::Cancel;
    }
    void escAnswersTheLastButton() {
        QFETCH(MessageButtons, buttons);
        QFETCH(MessageAnswer, answer);
        QTimer poll;
        connect(&poll, &QTimer::timeout, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                poll.stop();
                QTest::keyClick(box, Qt::Key_Escape);
            }
        });
        poll.start(5);
        QCOMPARE(zek::ui::ShowMessageBox(nullptr, "Frage?", "ZEK", buttons), answer);
    }
};

QTEST_MAIN(MessageBoxesTest)
#include "MessageBoxes_uitest.moc"

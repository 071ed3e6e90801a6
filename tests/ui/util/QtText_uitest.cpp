#include <QTest>

#include "ui/util/QtText.h"

using zek::ui::FromCore;
using zek::ui::FromCoreLines;
using zek::ui::ToCore;
using zek::ui::ToCoreLines;

class QtTextTest : public QObject {
    Q_OBJECT

private slots:
    // Qt text to core bytes: one byte per character, "?" for a character
    // the code page lacks, also when it takes two UTF-16 code units.
    void ToCoreOneBytePerCharacter_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("umlauts") << QString::fromUtf8("äöüß") << QByteArray("\xE4\xF6\xFC\xDF");
        QTest::newRow("bytes 80 to 9F") << QString::fromUtf8("€„“") << QByteArray("\x80\x84\x93");
        QTest::newRow("no-break space") << QString(QChar(0xA0)) << QByteArray("\xA0");
        QTest::newRow("outside the code page") << QString::fromUtf8("a\u03C0b") << QByteArray("a?b");
        QTest::newRow("beyond U+FFFF") << QString::fromUtf8("a\U0001F600b") << QByteArray("a?b");
        QTest::newRow("lone surrogate") << QString(QChar(0xD83D)) + QStringLiteral("b") << QByteArray("?b");
    }
    void ToCoreOneBytePerCharacter() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(QByteArray::fromStdString(ToCore(text)), bytes);
    }

    // Only a CR that a LF follows goes; every other CR and LF stays.
    void FromCoreLinesJoinsOnlyCrLf_data() {
        QTest::addColumn<QByteArray>("core");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringLiteral("a\nb\n");
        QTest::newRow("lone CR and LF") << QByteArray("a\rb\nc") << QStringLiteral("a\rb\nc");
        QTest::newRow("CR CR LF") << QByteArray("a\r\r\nb") << QStringLiteral("a\r\nb");
        QTest::newRow("LF CR") << QByteArray("a\n\rb") << QStringLiteral("a\n\rb");
        QTest::newRow("CR last") << QByteArray("a\r") << QStringLiteral("a\r");
        QTest::newRow("CR LF CR LF") << QByteArray("\r\n\r\n") << QStringLiteral("\n\n");
        QTest::newRow("high bytes") << QByteArray("\x80\r\n\xFF") << QString::fromUtf8("€\n\u00FF");
        QTest::newRow("NUL") << QByteArray("a\0b", 3) << QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b");
    }
    void FromCoreLinesJoinsOnlyCrLf() {
        QFETCH(QByteArray, core);
        QFETCH(QString, text);
        QCOMPARE(FromCoreLines(core.toStdString()), text);
    }

    void LineBreaksAndBytesRoundTrip() {
        const std::string core =
            "a\xA0"
            "b\r\n\x80\x81\x9D\r\n";
        const QString qt = FromCoreLines(core);
        QCOMPARE(qt, QString::fromUtf8("a\u00A0b\n€") + QChar(0x81) + QChar(0x9D) + QStringLiteral("\n"));
        QCOMPARE(ToCoreLines(qt), core);
        QCOMPARE(FromCore("\r\n"), QStringLiteral("\r\n"));
        QCOMPARE(ToCoreLines(QStringLiteral("a\r\nb")), std::string("a\r\nb"));
    }
};

QTEST_MAIN(QtTextTest)
#include "QtText_uitest.moc"

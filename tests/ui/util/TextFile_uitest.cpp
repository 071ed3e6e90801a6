#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include "core/assembler/SourceReader.h"
#include "support/ResourceLimit.h"
#include "support/ui/TestFiles.h"
#include "ui/util/TextFile.h"

using namespace zek::testing;
using zek::SourceTextFromBytes;
using zek::ui::ReadSourceFile;
using zek::ui::WriteTextFile;

class TextFileTest : public QObject {
    Q_OBJECT

private slots:
    void LinesEndAtCrLfCrAndLf_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty file") << QByteArray() << QByteArray();
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("no final break") << QByteArray("a\r\nb") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QByteArray("a\r\nb\r\n");
        QTest::newRow("lone LF") << QByteArray("a\nb\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("empty lines") << QByteArray("\r\n\n\r") << QByteArray("\r\n\r\n\r\n");
        QTest::newRow("final CR alone") << QByteArray("x\r") << QByteArray("x\r\n");
        QTest::newRow("high bytes kept") << QByteArray("\xE4\xB6\x80") << QByteArray("\xE4\xB6\x80\r\n");
    }
    void LinesEndAtCrLfCrAndLf() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, text);
        QCOMPARE(QByteArray::fromStdString(SourceTextFromBytes(bytes.toStdString())), text);
        QCOMPARE(zek::IsSourceText(bytes.toStdString()), bytes == text);
        QVERIFY(zek::IsSourceText(text.toStdString()));
    }

    void ReadsAFileAndFailsOnAMissingOne() {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.zek");
        QVERIFY(WriteBytes(path, "mov a b\nexit"));
        std::string text = "old";
        QVERIFY(ReadSourceFile(path, text));
        QCOMPARE(text, std::string("mov a b\r\nexit\r\n"));

        text = "untouched";
        QVERIFY(!ReadSourceFile(dir.filePath("missing.zek"), text));
        QCOMPARE(text, std::string("untouched"));
    }

    void WritingReplacesALongerFileCompletely() {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.zek");
        QVERIFY(WriteBytes(path, QByteArray(1000, 'x')));
        QVERIFY(WriteTextFile(path, "ab\r\n"));
        QCOMPARE(ReadBytes(path), QByteArray("ab\r\n"));
        QVERIFY(WriteTextFile(path, ""));
        QCOMPARE(ReadBytes(path), QByteArray());
    }

    void WritingKeepsEveryByte() {
        QTemporaryDir dir;
        const QString path = dir.filePath("bytes.txt");
        std::string all;
        for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
        QVERIFY(WriteTextFile(path, all));
        QCOMPARE(ReadBytes(path), QByteArray::fromStdString(all));
    }

    void AFailedWriteLeavesNoFileBehind() {
        QTemporaryDir dir;
        QVERIFY(!WriteTextFile(dir.filePath("no/such/dir/p.zek"), "x"));
        QVERIFY(!WriteTextFile("", "x"));

        const QString plainFile = dir.filePath("plain");
        QVERIFY(WriteBytes(plainFile, "keep"));
        QVERIFY(!WriteTextFile(plainFile + "/p.zek", "x"));  // a file used as a directory
        QCOMPARE(ReadBytes(plainFile), QByteArray("keep"));

        QVERIFY(!WriteTextFile(dir.path(), "x"));  // a directory as the target
        QVERIFY(QFileInfo(dir.path()).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"plain"}));  // no temporary files
    }

    // A full disk: a text that fits into the write buffer fails only when it
    // is flushed, and must not be committed cut short.
    void AFullDiskIsAFailedWrite_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("buffered") << 3;
        QTest::newRow("written at once") << 100000;
    }
    void AFullDiskIsAFailedWrite() {
        QFETCH(int, size);
        QTemporaryDir dir;
        const QString path = dir.filePath("p.zek");
        QVERIFY(WriteBytes(path, "alt"));
        bool written = true;
        {
            const ScopedResourceLimit fullDisk(RLIMIT_FSIZE, 2);
            QVERIFY(fullDisk.Ok());
            written = WriteTextFile(path, std::string(static_cast<std::size_t>(size), 'x'));
        }
        QVERIFY(!written);
        QCOMPARE(ReadBytes(path), QByteArray("alt"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"p.zek"}));
    }
};

QTEST_GUILESS_MAIN(TextFileTest)
#include "TextFile_uitest.moc"

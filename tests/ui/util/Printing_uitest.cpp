#include <QFontMetricsF>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "support/ui/TestFiles.h"
#include "ui/util/Printing.h"

using namespace zek::testing;

namespace {

std::unique_ptr<QPdfWriter> A4Writer(const QString& path) {
    auto writer = std::make_unique<QPdfWriter>(path);
    writer->setPageSize(QPageSize(QPageSize::A4));
    writer->setPageMargins(QMarginsF(0, 0, 0, 0));
    return writer;
}

int PageCount(const QByteArray& pdf) {
    return static_cast<int>(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")));
}

QString Lines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i) lines << QStringLiteral("Zeile %1\tmit Tabulator").arg(i);
    return lines.join('\n');
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void PagesFollowTheLineCount() {
        QTemporaryDir dir;
        const QFont font = zek::ui::PrinterFont("Courier", true);
        int linesPerPage = 0;
        {
            auto writer = A4Writer(dir.filePath("probe.pdf"));
            const QFontMetricsF metrics(font, writer.get());
            linesPerPage = static_cast<int>((writer->height() - writer->height() / 14.0) / metrics.lineSpacing());
        }
        QVERIFY(linesPerPage > 40);

        const struct {
            int lines;
            int pages;
        } cases[] = {{1, 1}, {linesPerPage, 1}, {linesPerPage + 1, 2}, {3 * linesPerPage + 5, 4}};
        for (const auto& c : cases) {
            const QString path = dir.filePath(QStringLiteral("t%1.pdf").arg(c.lines));
            auto writer = A4Writer(path);
            QVERIFY(zek::ui::PrintText(*writer, Lines(c.lines), font));
            writer.reset();
            const QByteArray pdf = ReadBytes(path);
            QVERIFY(pdf.startsWith("%PDF"));
            QCOMPARE(PageCount(pdf), c.pages);
        }
    }

    void AFinalLineBreakAddsNoPage() {
        QTemporaryDir dir;
        const QFont font = zek::ui::PrinterFont("Courier", true);
        int linesPerPage = 0;
        {
            auto writer = A4Writer(dir.filePath("probe.pdf"));
            linesPerPage = static_cast<int>((writer->height() - writer->height() / 14.0) /
                                            QFontMetricsF(font, writer.get()).lineSpacing());
        }
        const QString path = dir.filePath("full.pdf");
        auto writer = A4Writer(path);
        QVERIFY(zek::ui::PrintText(*writer, Lines(linesPerPage) + '\n', font));
        writer.reset();
        QCOMPARE(PageCount(ReadBytes(path)), 1);
    }

    void TheDefaultPrinterSeam() {
        QTemporaryDir dir;
        const QString path = dir.filePath("job.pdf");
        zek::ui::SetPrinterFactory([&path] { return std::unique_ptr<QPagedPaintDevice>(A4Writer(path)); });
        QVERIFY(zek::ui::PrintOnDefaultPrinter("Hallo", zek::ui::PrinterFont("Courier", true)));
        QVERIFY(ReadBytes(path).startsWith("%PDF"));

        zek::ui::SetPrinterFactory([] { return std::unique_ptr<QPagedPaintDevice>(); });
        QVERIFY(!zek::ui::PrintOnDefaultPrinter("Hallo", zek::ui::PrinterFont("Courier", true)));
        zek::ui::SetPrinterFactory(nullptr);
    }

    void TheFontIsTenPointAndFixedPitch() {
        const QFont font = zek::ui::PrinterFont("Courier", true);
        QCOMPARE(font.pointSize(), 10);
        QVERIFY(QFontInfo(font).fixedPitch());
        QCOMPARE(zek::ui::PrinterFont("MS Sans Serif", false).pointSize(), 10);
    }
};

QTEST_MAIN(PrintingTest)
#include "Printing_uitest.moc"

#include "ui/util/Printing.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextOption>

#include "ui/util/Fonts.h"

namespace zek::ui {
namespace {

PrinterFactory& Factory() {
    static PrinterFactory factory;
    return factory;
}

std::unique_ptr<QPagedPaintDevice> DefaultPrinter() {
    const QList<QPrinterInfo> printers = QPrinterInfo::availablePrinters();
    if (printers.isEmpty()) return nullptr;
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    auto printer = std::make_unique<QPrinter>(defaultPrinter.isNull() ? printers.front() : defaultPrinter);
    if (!printer->isValid()) return nullptr;
    return printer;
}

}  // namespace

QFont PrinterFont(const QString& family, bool fixedPitch) { return FontOf(family, fixedPitch, 10); }

bool PrintText(QPagedPaintDevice& device, const QString& text, const QFont& font) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setFont(font);

    const qreal left = device.width() / 20.0;
    const qreal top = device.height() / 14.0;
    const qreal bottom = device.height();
    const QFontMetricsF metrics(painter.font(), &device);
    const qreal lineHeight = metrics.lineSpacing();

    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::NoWrap);
    option.setTabStopDistance(8 * metrics.horizontalAdvance(QLatin1Char(' ')));

    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();  // the final line break
    qreal y = top;
    for (const QString& line : lines) {
        if (y + lineHeight > bottom && y > top) {
            if (!device.newPage()) return false;
            y = top;
        }
        painter.drawText(QRectF(left, y, device.width() - left, lineHeight), line, option);
        y += lineHeight;
    }
    return painter.end();
}

bool PrintOnDefaultPrinter(const QString& text, const QFont& font) {
    std::unique_ptr<QPagedPaintDevice> device = Factory() ? Factory()() : DefaultPrinter();
    return device && PrintText(*device, text, font);
}

void SetPrinterFactory(PrinterFactory factory) { Factory() = std::move(factory); }

}  // namespace zek::ui

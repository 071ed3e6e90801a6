#pragma once
// Printing a multi-line text: one print job per call, the text's own line
// breaks only, the page origin at 1/20 of the page width from the left and
// 1/14 of the page height from the top, a new page when a page is full.

#include <QFont>
#include <QString>
#include <functional>
#include <memory>

class QPagedPaintDevice;

namespace zek::ui {

// The printer font: `family` at 10 point. A fixed-pitch request falls back
// to any fixed-pitch font when the family is not installed.
QFont PrinterFont(const QString& family, bool fixedPitch);

// Paints `text` (lines separated by "\n") onto `device` as one job.
// Returns false when the device cannot be painted on.
bool PrintText(QPagedPaintDevice& device, const QString& text, const QFont& font);

// Prints `text` on the system's default printer. Returns false when there
// is no usable printer or printing fails.
bool PrintOnDefaultPrinter(const QString& text, const QFont& font);

// A test seam: while set, PrintOnDefaultPrinter prints on the device it
// returns (for example a QPdfWriter) instead of the default printer; a null
// device counts as "no printer".
using PrinterFactory = std::function<std::unique_ptr<QPagedPaintDevice>()>;
void SetPrinterFactory(PrinterFactory factory);

}  // namespace zek::ui

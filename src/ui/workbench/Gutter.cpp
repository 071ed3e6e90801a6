#include "ui/workbench/Gutter.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>
#include <QToolTip>
#include <algorithm>

#include "ui/util/QtText.h"
#include "ui/workbench/LineMarks.h"
#include "ui/workbench/SourceEditor.h"

namespace zek::ui {
namespace {

int DigitsOf(int number) { return static_cast<int>(QString::number(std::max(number, 0)).size()); }

}  // namespace

Gutter::Gutter(SourceEditor& editor) : QWidget(&editor), editor_(editor) {
    setObjectName(QStringLiteral("Zeilenleiste"));
    setAccessibleName(QStringLiteral("Zeilenleiste"));
    setToolTip(QStringLiteral("Zeilennummern, Codeadressen und Haltepunkte (Klick: Haltepunkt ein/aus)"));
    setCursor(Qt::PointingHandCursor);
}

int Gutter::DigitWidth() const { return editor_.fontMetrics().horizontalAdvance(QLatin1Char('9')); }

int Gutter::MarkerWidth() const { return editor_.fontMetrics().height(); }

// No line number and no code address has more digits than the number of
// lines (blocks); the width follows that count alone, so that it seldom
// changes: a new width lays out every line of the text again.
int Gutter::Digits() const {
    return std::max(4, DigitsOf(std::max(editor_.blockCount(), editor_.ExpectedBlocks()) + 1));
}

int Gutter::WidthNeeded() const { return MarkerWidth() + DigitWidth() * (2 * Digits() + 2); }

void Gutter::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const WorkbenchColours& colours = editor_.Colours();
    painter.fillRect(event->rect(), colours.gutterBackground);
    painter.setFont(editor_.font());
    const SourceMap& numbering = editor_.Numbering();
    const int digit = DigitWidth();
    const int numberLeft = MarkerWidth();
    const int addressLeft = numberLeft + digit * (Digits() + 1);
    for (const SourceEditor::VisibleLine& line : editor_.VisibleLines()) {
        const int number = line.block.blockNumber();
        const LineMarks* marks = MarksOf(line.block);
        const bool errorListed = marks && marks->errorListed;
        if (numbering.StartsLine(number)) {
            QFont font = editor_.font();
            font.setBold(errorListed);
            painter.setFont(font);
            painter.setPen(errorListed ? colours.error : colours.gutterText);
            painter.drawText(QRect(numberLeft, line.top, digit * Digits(), line.height),
                             Qt::AlignRight | Qt::AlignVCenter, QString::number(numbering.LineOfPhysical(number)));
        }
        const std::int32_t address = editor_.CodeAddressOf(line.block);
        if (address >= 0) {
            painter.setFont(editor_.font());
            painter.setPen(colours.gutterCode);
            painter.drawText(QRect(addressLeft, line.top, digit * Digits(), line.height),
                             Qt::AlignLeft | Qt::AlignVCenter,
                             QString::number(address).rightJustified(4, QLatin1Char('0')));
        }
        const bool arrow = marks && marks->assembledLine != 0 && marks->assembledLine == editor_.NextLine();
        PaintMarkers(painter, QRect(0, line.top, MarkerWidth(), line.height), marks && marks->breakpoint, arrow);
    }
}

void Gutter::PaintMarkers(QPainter& painter, QRect marker, bool breakpoint, bool arrow) const {
    painter.setRenderHint(QPainter::Antialiasing);
    const WorkbenchColours& colours = editor_.Colours();
    const QRectF box = QRectF(marker).adjusted(2.5, 2.5, -2.5, -2.5);
    if (breakpoint) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.error);
        painter.drawEllipse(box);
    }
    if (arrow) {
        QPainterPath path;
        path.moveTo(box.left(), box.top() + box.height() * 0.2);
        path.lineTo(box.right(), box.center().y());
        path.lineTo(box.left(), box.bottom() - box.height() * 0.2);
        path.closeSubpath();
        painter.setPen(QPen(colours.gutterBackground, 1));
        painter.setBrush(colours.arrow);
        painter.drawPath(path);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void Gutter::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QTextBlock block = editor_.BlockAtY(event->position().toPoint().y());
    if (block.isValid()) editor_.ToggleBreakpoint(block.blockNumber());
}

bool Gutter::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = ToolTipAt(help->pos());
        if (!text.isEmpty()) {
            QToolTip::showText(help->globalPos(), text, this);
            return true;
        }
    }
    return QWidget::event(event);
}

// The error lines of a listed line; otherwise the strip's own tooltip.
QString Gutter::ToolTipAt(QPoint position) const {
    const QTextBlock block = editor_.BlockAtY(position.y());
    const LineMarks* marks = block.isValid() ? MarksOf(block) : nullptr;
    if (!marks || !marks->errorListed) return {};
    QStringList lines;
    for (const ListedError& error : editor_.Assembled().Errors())
        if (error.line == marks->assembledLine) lines << FromCore(error.text);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace zek::ui

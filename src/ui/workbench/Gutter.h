#pragma once
// The strip at the left of the source editor: for each line the number the
// Assembler gives it, the code address of its instruction after an
// assembly, its breakpoint, the arrow at the instruction a halted run
// executes next, and the lines of the last error list (their error lines as
// tooltip). A click toggles the line's breakpoint.

#include <QWidget>

namespace zek::ui {

class SourceEditor;

class Gutter : public QWidget {
    Q_OBJECT

public:
    explicit Gutter(SourceEditor& editor);

    // The width the strip needs for the current numbers and font.
    int WidthNeeded() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    int DigitWidth() const;
    int MarkerWidth() const;
    int Digits() const;
    void PaintMarkers(QPainter& painter, QRect marker, bool breakpoint, bool arrow) const;
    QString ToolTipAt(QPoint position) const;

    SourceEditor& editor_;
};

}  // namespace zek::ui

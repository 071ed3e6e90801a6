#include "ui/util/MessageLine.h"

#include <QLineEdit>

namespace zek::ui {

MessageLine::MessageLine(QLineEdit& field) : QObject(&field), field_(field) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Show(waiting_); });
}

void MessageLine::Show(const QString& text) {
    timer_.stop();
    field_.setText(text);
    field_.repaint();
    sinceShown_.start();
}

void MessageLine::ShowSoon(const QString& text) {
    const qint64 due = sinceShown_.isValid() ? Interval.count() - sinceShown_.elapsed() : 0;
    if (due <= 0) return Show(text);
    waiting_ = text;
    if (!timer_.isActive()) timer_.start(static_cast<int>(due));
}

}  // namespace zek::ui

#pragma once
// The main window's message field Text2. A message normally shows and is
// repainted at once. A message that may wait (the core's progress texts,
// written every thousand symbols) shows at most every Interval: within an
// interval the latest one waits and shows when the interval is over, unless
// a message that shows at once has come meanwhile.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>

class QLineEdit;

namespace zek::ui {

class MessageLine : public QObject {
public:
    // Lives as long as `field`, its parent.
    explicit MessageLine(QLineEdit& field);

    void Show(const QString& text);
    void ShowSoon(const QString& text);

    static constexpr std::chrono::milliseconds Interval{50};

private:
    QLineEdit& field_;
    QTimer timer_;
    QString waiting_;
    QElapsedTimer sinceShown_;
};

}  // namespace zek::ui

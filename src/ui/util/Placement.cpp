#include "ui/util/Placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace zek::ui {
namespace {

constexpr int Gap = 8;  // between the window and what it leaves visible

}  // namespace

std::optional<QPoint> PositionBeside(QSize size, QRect keepVisible, QRect screen, QPoint preferred) {
    if (!QRect(preferred, size).intersects(keepVisible)) return preferred;
    const int x = std::clamp(preferred.x(), screen.left(), std::max(screen.left(), screen.right() + 1 - size.width()));
    const int below = keepVisible.bottom() + 1 + Gap;
    const int above = keepVisible.top() - Gap - size.height();
    const bool fitsBelow = below + size.height() <= screen.bottom() + 1;
    const bool fitsAbove = above >= screen.top();
    const bool moreRoomBelow = screen.bottom() - keepVisible.bottom() >= keepVisible.top() - screen.top();
    if (fitsBelow && (moreRoomBelow || !fitsAbove)) return QPoint(x, below);
    if (fitsAbove) return QPoint(x, above);
    return std::nullopt;
}

void KeepVisibleBeside(QWidget& dialog, QRect keepVisible) {
    if (keepVisible.isNull()) return;
    const QWidget* parent = dialog.parentWidget() ? dialog.parentWidget()->window() : nullptr;
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // The frame is not known before the dialog is shown; the title bar is
    // about as high as the style's title bar.
    const int titleBar = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize size = dialog.size() + QSize(0, titleBar);
    const QPoint centre = parent ? parent->frameGeometry().center() : screen->availableGeometry().center();
    const QPoint preferred = centre - QPoint(size.width() / 2, size.height() / 2);
    const auto position = PositionBeside(size, keepVisible, screen->availableGeometry(), preferred);
    if (position && *position != preferred) dialog.move(*position);
}

}  // namespace zek::ui

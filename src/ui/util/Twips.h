#pragma once
// Window geometry is designed in twips (1440 per inch); the screen's
// logical DPI turns it into pixels.

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <cmath>

namespace zek::ui {

inline double LogicalDpiX() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}
inline double LogicalDpiY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

inline int TwipsToPixelsX(int twips) { return static_cast<int>(std::lround(twips * LogicalDpiX() / 1440.0)); }
inline int TwipsToPixelsY(int twips) { return static_cast<int>(std::lround(twips * LogicalDpiY() / 1440.0)); }
inline int PixelsToTwipsX(int pixels) { return static_cast<int>(std::lround(pixels * 1440.0 / LogicalDpiX())); }
inline int PixelsToTwipsY(int pixels) { return static_cast<int>(std::lround(pixels * 1440.0 / LogicalDpiY())); }

inline QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width), TwipsToPixelsY(height));
}

}  // namespace zek::ui

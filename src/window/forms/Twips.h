#pragma once

#include <QRect>
#include <QtMath>

// The layout is measured in twips; the screen in device-independent pixels, 15 twips each.
namespace Twips {
constexpr double perPixel = 15.0;

inline int toPixels(double twips) {
    return qRound(twips / perPixel);
}
inline double fromPixels(int pixels) {
    return pixels * perPixel;
}
inline QRect rect(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}
} // namespace Twips

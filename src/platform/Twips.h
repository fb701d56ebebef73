#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Positions and sizes are designed in twips; a logical pixel is 15 of them.
namespace twips {

constexpr int kPerPixel = 15;

constexpr int toPixels(int t) {
    // Round half away from zero, so a negative position mirrors a positive one.
    return t >= 0 ? (t + kPerPixel / 2) / kPerPixel : -((-t + kPerPixel / 2) / kPerPixel);
}
constexpr int fromPixels(int px) { return px * kPerPixel; }

inline QSize toPixels(int width, int height) { return {toPixels(width), toPixels(height)}; }
inline QRect toPixels(int left, int top, int width, int height) {
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

// Point sizes are fixed at 96 dots per inch, like the twip conversion.
constexpr int pointsToPixels(double points) { return static_cast<int>(points * 96.0 / 72.0 + 0.5); }

}  // namespace twips

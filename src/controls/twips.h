#pragma once

#include <cmath>

namespace controls {

// Geometry is kept in twips; widgets are placed in device-independent pixels. One factor serves
// the whole window (15 twips a pixel at 100 %), so the window could later be scaled as a whole.
inline constexpr float kTwipsPerPixel = 15.0f;

inline int toPixels(double twips, double twipsPerPixel = kTwipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

} // namespace controls

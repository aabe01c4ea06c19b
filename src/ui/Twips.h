// Lengths of the headless windows are in twips; on screen 15 twips make one pixel (96 dpi),
// and Qt scales the pixels for high-dpi screens.
#pragma once

#include <QRect>

#include <cmath>

namespace quillon::ui {

inline constexpr double kTwipsPerPixel = 15.0;

inline int Px(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline double Twips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Left and top are rounded on their own and the size from the far edge, so two controls that
// touch in twips still touch on screen.
inline QRect PxRect(double left, double top, double width, double height) {
    const int l = Px(left), t = Px(top);
    return QRect(l, t, Px(left + width) - l, Px(top + height) - t);
}

} // namespace quillon::ui

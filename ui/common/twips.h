// Window geometry is laid out in twips (1/1440 inch); 15 twips make one logical pixel at 96 dots
// per inch, and Qt scales logical pixels for high-density screens.
#pragma once

#include <QRect>
#include <QSize>

namespace quillon {

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel.
constexpr int fromTwips(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

inline QRect fromTwips(const QRect& twips) {
    return {fromTwips(twips.x()), fromTwips(twips.y()), fromTwips(twips.width()),
            fromTwips(twips.height())};
}

inline QSize fromTwips(const QSize& twips) {
    return {fromTwips(twips.width()), fromTwips(twips.height())};
}

} // namespace quillon

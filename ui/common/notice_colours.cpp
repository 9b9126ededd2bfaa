#include "ui/common/notice_colours.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

double relativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

// The colour itself when it stands out enough from the ground; otherwise black or white, whichever
// stands out more (one of them always reaches 4.5 to 1).
QColor standingOut(const QColor& colour, const QColor& ground, double ratio) {
    if (contrastRatio(colour, ground) >= ratio) {
        return colour;
    }
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, ground) >= contrastRatio(white, ground) ? black : white;
}

} // namespace

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

NoticeColours noticeColours(const QPalette& palette) {
    NoticeColours colours;
    colours.ground = palette.color(QPalette::Active, QPalette::ToolTipBase);
    colours.text = standingOut(palette.color(QPalette::Active, QPalette::ToolTipText),
                               colours.ground, kTextContrast);
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    colours.edge =
        standingOut(palette.color(QPalette::Active, QPalette::WindowText), window, kEdgeContrast);
    return colours;
}

} // namespace quillon

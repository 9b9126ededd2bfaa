#include "ui/common/colour_contrast.h"

#include <QPalette>

#include <algorithm>
#include <cmath>
#include <optional>

namespace quillon {

namespace {

// The steps by which an edge moves from its start towards the text.
constexpr int kSteps = 100;

bool standsOut(const QColor& edge, const QPalette& palette) {
    return contrastRatio(edge, palette.color(QPalette::Window)) >= kEdgeContrast &&
           contrastRatio(edge, palette.color(QPalette::Base)) >= kEdgeContrast;
}

// The first colour on the way from `start` to the window's text that stands out; nothing when
// none does.
std::optional<QColor> firstStandingOut(const QColor& start, const QPalette& palette) {
    const QColor text = palette.color(QPalette::WindowText);
    for (int step = 0; step <= kSteps; ++step) {
        const QColor candidate = mixColours(start, text, static_cast<double>(step) / kSteps);
        if (standsOut(candidate, palette))
            return candidate;
    }
    return std::nullopt;
}

} // namespace

double relativeLuminance(const QColor& colour) {
    const auto linear = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& first, const QColor& second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor mixColours(const QColor& from, const QColor& to, double towards) {
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    const auto channel = [towards](int x, int y) {
        return static_cast<int>(std::lround(x + (y - x) * towards));
    };
    return {channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue())};
}

QColor edgeColour(const QPalette& palette) {
    const QColor window = palette.color(QPalette::Window);
    const QColor halfWay = mixColours(window, palette.color(QPalette::WindowText), 0.5);
    if (const std::optional<QColor> edge = firstStandingOut(halfWay, palette))
        return *edge;
    // No colour towards the text will do (faint text, or a fill far from the window's colour):
    // the grey that stands out best from both.
    const auto weakest = [&palette](const QColor& colour) {
        return std::min(contrastRatio(colour, palette.color(QPalette::Window)),
                        contrastRatio(colour, palette.color(QPalette::Base)));
    };
    QColor best(Qt::black);
    for (int step = 1; step <= kSteps; ++step) {
        const QColor grey = mixColours(Qt::black, Qt::white, static_cast<double>(step) / kSteps);
        if (weakest(grey) > weakest(best))
            best = grey;
    }
    return best;
}

QColor focusEdgeColour(const QPalette& palette) {
    return firstStandingOut(palette.color(QPalette::Highlight), palette)
        .value_or(edgeColour(palette));
}

} // namespace quillon

#include "figures/figure_layout.h"

#include <algorithm>
#include <cmath>

namespace quillon {

using namespace figure_layout;

double PanelFrame::x(double value) const {
    const double span = panel->x.high - panel->x.low;
    return left + (span > 0.0 ? (value - panel->x.low) / span : 0.5) * width;
}

double PanelFrame::y(double value) const {
    const double span = panel->y.high - panel->y.low;
    return top + height - (span > 0.0 ? (value - panel->y.low) / span : 0.5) * height;
}

std::vector<PanelFrame> panelFrames(const Figure& figure, double width, double height) {
    const std::size_t count = std::max<std::size_t>(figure.panels.size(), 1);
    const double slot = width / static_cast<double>(count);
    std::vector<PanelFrame> frames;
    frames.reserve(figure.panels.size());
    for (std::size_t i = 0; i < figure.panels.size(); ++i) {
        const double gap = i > 0 ? kGap : 0.0;
        frames.push_back(PanelFrame{
            slot * static_cast<double>(i) + kMarginLeft + gap, kTitleHeight + kMarginTop,
            std::max(10.0, slot - kMarginLeft - kMarginRight - gap),
            std::max(10.0, height - kTitleHeight - kMarginTop - kMarginBottom), &figure.panels[i]});
    }
    return frames;
}

double estimatedLabelWidth(std::string_view text) {
    // Characters, not bytes: UTF-8 continuation bytes add nothing.
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return 0.6 * kLabelFont * static_cast<double>(characters);
}

std::vector<MarkerLabelPlace> markerLabelPlaces(const PanelFrame& frame, const TextWidth& widthOf) {
    const double leftmost = frame.left - kMarginLeft;
    const double rightmost = frame.right() + kMarginRight;
    std::vector<MarkerLabelPlace> places;
    double lastX = -1e9;
    int row = 0;
    for (const Marker& marker : frame.panel->markers) {
        const double x = std::clamp(frame.x(marker.x), frame.left, frame.right());
        row = std::fabs(x - lastX) < kMarkerNear ? 1 - row : 0;
        lastX = x;
        Anchor anchor = x < frame.left + kMarkerEdge      ? Anchor::Start
                        : x > frame.right() - kMarkerEdge ? Anchor::End
                                                          : Anchor::Middle;
        if (anchor == Anchor::Middle) {
            const double half = widthOf(marker.label) / 2.0;
            if (x + half > rightmost)
                anchor = Anchor::End;
            else if (x - half < leftmost)
                anchor = Anchor::Start;
        }
        places.push_back(
            MarkerLabelPlace{x, x, frame.top - kMarkerLabelRaise - kMarkerRowHeight * row, anchor});
    }
    return places;
}

} // namespace quillon

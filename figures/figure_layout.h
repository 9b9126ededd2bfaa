// Where the parts of a figure stand on a page of a given size: the title, each panel's plot
// rectangle, the axes' tick labels and titles and the markers' labels. Every renderer places a
// figure by these rules, so that the picture in a window and the one in a file agree.
#pragma once

#include "figures/figure.h"

#include <functional>
#include <string_view>
#include <vector>

namespace quillon {

// Sizes in pixels of the page (device-independent in a window).
namespace figure_layout {
inline constexpr double kTitleBaseline = 19.0;
inline constexpr double kTitleHeight = 28.0;
inline constexpr double kMarginLeft = 62.0;
inline constexpr double kMarginRight = 18.0;
inline constexpr double kMarginTop = 34.0; // room for the markers' labels
inline constexpr double kMarginBottom = 46.0;
inline constexpr double kGap = 12.0;
inline constexpr double kTickLength = 5.0;
inline constexpr double kXTickLabelDrop = 18.0;  // below the x axis, to the label's baseline
inline constexpr double kYTickLabelGap = 8.0;    // left of the y axis, to the label's end
inline constexpr double kYTickLabelRaise = 4.0;  // the label's baseline below the tick
inline constexpr double kXTitleDrop = 38.0;      // below the x axis, to the title's baseline
inline constexpr double kYTitleOffset = 48.0;    // left of the y axis, to the title's centre
inline constexpr double kMarkerLabelRaise = 6.0; // above the plot, to the first row's baseline
inline constexpr double kMarkerRowHeight = 13.0;
inline constexpr double kMarkerNear = 120.0; // markers closer than this alternate rows
inline constexpr double kMarkerEdge = 40.0;  // labels this close to a side align to it
inline constexpr double kErrorBarCap = 8.0;  // half the width of an error bar's caps
inline constexpr double kDotRadius = 3.5;
inline constexpr double kTitleFont = 14.0;
inline constexpr double kAxisTitleFont = 12.0;
inline constexpr double kLabelFont = 11.0;
inline constexpr double kShadeOpacity = 0.55;
// Pages smaller or larger than these are drawn at these.
inline constexpr int kSmallestWidth = 120;
inline constexpr int kSmallestHeight = 100;
inline constexpr int kLargest = 20000;
} // namespace figure_layout

// Maps a panel's data onto its rectangle of the page; an axis without a span puts everything
// at its middle.
struct PanelFrame {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
    const Panel* panel = nullptr;

    double x(double value) const;
    double y(double value) const;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// The plot rectangle of each panel on a page of that size, side by side.
std::vector<PanelFrame> panelFrames(const Figure& figure, double width, double height);

// A marker's label: its point (the baseline's anchor) and how it aligns there.
struct MarkerLabelPlace {
    double lineX = 0.0; // where the marker's line stands, held inside the plot
    double x = 0.0;
    double y = 0.0;
    Anchor anchor = Anchor::Middle;
};

// How wide a label's text is at the label font, in pixels.
using TextWidth = std::function<double(std::string_view)>;

// A width for a renderer that cannot measure text: an average sans-serif advance a character.
double estimatedLabelWidth(std::string_view text);

// Labels above the plot, a second row when two markers stand close, aligned to a side near it
// or where a label centred on its line would run past the panel's margins.
std::vector<MarkerLabelPlace> markerLabelPlaces(const PanelFrame& frame, const TextWidth& widthOf);

} // namespace quillon

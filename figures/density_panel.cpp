#include "figures/density_panel.h"

#include "figures/figure_builders.h"

#include "figures/ticks.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillon {
namespace {

constexpr int kCurvePoints = 241;
// A marked value may widen the view up to this many times its natural width; one further out is
// marked at the edge instead, where the curve would otherwise be a spike.
constexpr double kWidestView = 3.0;

struct View {
    double low = 0.0;
    double high = 0.0;
    double top = 0.0; // the highest density drawn
};

bool finite(double value) {
    return std::isfinite(value);
}

std::optional<View> naturalView(const Density& density) {
    const double centre = density.quantile(0.5);
    const double far = density.quantile(0.9995);
    const double usual = density.quantile(0.975);
    if (!finite(centre) || !finite(far) || !finite(usual))
        return std::nullopt;
    View view;
    if (density.positive) {
        const double near = density.quantile(0.0005);
        view.high = std::min(far, kWidestView * usual) * 1.05;
        view.low = finite(near) && near > 0.3 * view.high ? near * 0.95 : 0.0;
    } else {
        const double half = std::min(far - centre, 3.2 * (usual - centre)) * 1.15;
        view.low = centre - half;
        view.high = centre + half;
    }
    if (!finite(view.low) || !finite(view.high) || !(view.high > view.low))
        return std::nullopt;
    return view;
}

// Widens the view to hold x, within its widest; a value further out stays beyond the edge.
void include(View& view, double x, const View& natural, bool positive) {
    const double width = natural.high - natural.low;
    const double margin = 0.08 * width;
    if (x > view.high - margin && x <= natural.high + kWidestView * width)
        view.high = std::max(view.high, x + margin);
    if (x < view.low + margin && x >= natural.low - kWidestView * width)
        view.low = std::min(view.low, positive ? std::max(0.0, x - margin) : x - margin);
}

std::vector<PlotPoint> curveBetween(const Density& density, double from, double to, int count,
                                    double top) {
    std::vector<PlotPoint> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double x = count == 1 ? from : from + (to - from) * i / (count - 1);
        const double y = density.pdf(x);
        if (finite(y))
            points.push_back({x, std::clamp(y, 0.0, top)});
    }
    return points;
}

void shade(Panel& panel, const Density& density, const View& view, double from, double to) {
    from = std::max(from, view.low);
    to = std::min(to, view.high);
    if (!(to > from))
        return;
    const int count = std::max(
        2, static_cast<int>(std::lround(kCurvePoints * (to - from) / (view.high - view.low))) + 1);
    ShadedArea area{.ink = Ink::Shade, .from = from, .to = to};
    area.outline.push_back({from, 0.0});
    for (const PlotPoint& point : curveBetween(density, from, to, count, view.top))
        area.outline.push_back(point);
    area.outline.push_back({to, 0.0});
    panel.areas.push_back(std::move(area));
}

// A marker inside the view; one beyond it stands at the edge and says so.
void mark(Panel& panel, const View& view, double x, std::string label, Ink ink) {
    if (x > view.high) {
        x = view.high;
        label += " (beyond the edge)";
    } else if (x < view.low) {
        x = view.low;
        label += " (beyond the edge)";
    }
    panel.markers.push_back({x, std::move(label), ink});
}

std::string negated(const std::string& text) {
    if (text.empty())
        return text;
    return text.front() == '-' ? text.substr(1) : "-" + text;
}

} // namespace

std::optional<DensityPanel> densityPanel(const Density& density, const DensityMarks& marks) {
    const std::optional<View> natural = naturalView(density);
    if (!natural)
        return std::nullopt;
    View view = *natural;
    const double centre = density.positive ? 0.0 : density.quantile(0.5);
    const double distance = std::fabs(marks.value - centre);
    switch (marks.part) {
    case ShadedPart::TwoTails:
        include(view, centre + distance, *natural, density.positive);
        include(view, centre - distance, *natural, density.positive);
        break;
    case ShadedPart::UpperTail:
        include(view, marks.value, *natural, density.positive);
        break;
    case ShadedPart::Range:
        include(view, marks.lower, *natural, density.positive);
        include(view, marks.upper, *natural, density.positive);
        break;
    }

    // The density's height: its highest point drawn, but no more than three times its height at
    // the median, so that a density without bound at 0 leaves the rest of its curve readable.
    double top = 0.0;
    const std::vector<PlotPoint> raw = curveBetween(density, view.low, view.high, kCurvePoints,
                                                    std::numeric_limits<double>::max());
    for (const PlotPoint& point : raw)
        top = std::max(top, point.y);
    const double atMedian = density.pdf(density.quantile(0.5));
    if (finite(atMedian) && atMedian > 0.0)
        top = std::min(top, 3.0 * atMedian);
    if (raw.size() < 2 || !(top > 0.0) || !finite(top))
        return std::nullopt;
    view.top = top;

    DensityPanel result;
    Panel& panel = result.panel;
    panel.x = makeAxis(marks.symbol, view.low, view.high);
    panel.y = makeAxis("Density", 0.0, top * 1.12, 4);
    const std::string share = percentLabel(marks.probability);
    const std::string p = probabilityPhrase(marks.probabilityText);
    switch (marks.part) {
    case ShadedPart::TwoTails: {
        shade(panel, density, view, view.low, centre - distance);
        shade(panel, density, view, centre + distance, view.high);
        const std::string mirrorText = negated(marks.valueText);
        const double mirror = 2.0 * centre - marks.value;
        mark(panel, view, marks.value, marks.symbol + " = " + marks.valueText + ", " + p,
             Ink::Accent);
        mark(panel, view, mirror, mirrorText, Ink::Second);
        const bool negative = marks.value < centre;
        result.sentence = "the two tails beyond " + (negative ? marks.valueText : mirrorText) +
                          " and " + (negative ? mirrorText : marks.valueText) + " are shaded, " +
                          share + " in all (" + p + ")";
        break;
    }
    case ShadedPart::UpperTail:
        shade(panel, density, view, marks.value, view.high);
        mark(panel, view, marks.value, marks.symbol + " = " + marks.valueText + ", " + p,
             Ink::Accent);
        result.sentence =
            "the tail beyond " + marks.valueText + " is shaded, " + share + " (" + p + ")";
        break;
    case ShadedPart::Range: {
        const bool swapped = marks.lower > marks.upper;
        const double from = swapped ? marks.upper : marks.lower;
        const double to = swapped ? marks.lower : marks.upper;
        const std::string& fromText = swapped ? marks.upperText : marks.lowerText;
        const std::string& toText = swapped ? marks.lowerText : marks.upperText;
        shade(panel, density, view, from, to);
        mark(panel, view, from, fromText, Ink::Accent);
        mark(panel, view, to, toText + ", " + p + " within", Ink::Accent);
        result.sentence = "the range from " + fromText + " to " + toText + " is shaded, " + share +
                          " of values (" + p + ")";
        break;
    }
    }
    panel.curves.push_back({curveBetween(density, view.low, view.high, kCurvePoints, top)});
    return result;
}

} // namespace quillon

// A picture of an answer in the data's own coordinates: one or more panels side by side, each
// with its two axes and what is drawn on them, a title and a description in words for whoever
// cannot see it. A renderer maps data to pixels and inks to colours; it decides nothing else.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillon {

// What a mark stands for; the renderer's colour set gives each its colour.
enum class Ink {
    Curve,  // the density or the data
    Shade,  // the area of the answer
    Accent, // the observed value, the mean, the fitted line
    Second, // a second statistic (the median), the outcomes outside the tail
    Muted,  // guides: the zero line, interval whiskers' caps
};

struct PlotPoint {
    double x = 0.0;
    double y = 0.0;
};

struct Tick {
    double value = 0.0;
    std::string label;
};

struct Axis {
    std::string title;
    double low = 0.0;
    double high = 1.0;
    std::vector<Tick> ticks;
};

struct Curve {
    std::vector<PlotPoint> points; // a polyline
    Ink ink = Ink::Curve;
};

// A closed polygon, typically the area under a curve between two bounds.
struct ShadedArea {
    std::vector<PlotPoint> outline;
    Ink ink = Ink::Shade;
    double from = 0.0; // the bounds on x the area covers
    double to = 0.0;
};

struct Dot {
    PlotPoint at;
    Ink ink = Ink::Curve;
};

struct Segment {
    PlotPoint from;
    PlotPoint to;
    Ink ink = Ink::Accent;
    bool dashed = false;
};

// A vertical interval around a centre at x.
struct ErrorBar {
    double x = 0.0;
    double centre = 0.0;
    double low = 0.0;
    double high = 0.0;
    Ink ink = Ink::Accent;
};

// A bar from 0 up to height between left and right on x.
struct Bar {
    double left = 0.0;
    double right = 0.0;
    double height = 0.0;
    Ink ink = Ink::Curve;
};

// A vertical line across the panel at x, labelled at its top.
struct Marker {
    double x = 0.0;
    std::string label;
    Ink ink = Ink::Accent;
};

enum class Anchor { Start, Middle, End };

struct TextLabel {
    PlotPoint at;
    std::string text;
    Anchor anchor = Anchor::Middle;
    Ink ink = Ink::Curve;
};

struct Panel {
    Axis x;
    Axis y;
    std::vector<ShadedArea> areas;
    std::vector<Bar> bars;
    std::vector<Curve> curves;
    std::vector<Segment> segments;
    std::vector<ErrorBar> errorBars;
    std::vector<Dot> dots;
    std::vector<Marker> markers;
    std::vector<TextLabel> labels;
};

struct Figure {
    std::string title;
    std::string description; // the accessible description: what the picture shows, in words
    std::vector<Panel> panels;
};

// A figure, or why there is none.
struct FigureOutcome {
    std::optional<Figure> figure;
    std::string reason; // set when figure is empty
};

// Whether every number the figure holds is finite.
bool allFinite(const Figure& figure);

} // namespace quillon

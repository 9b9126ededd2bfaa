#include "figures/figure.h"

#include <cmath>

namespace quillon {
namespace {

bool finite(double value) {
    return std::isfinite(value);
}

bool finite(const PlotPoint& point) {
    return finite(point.x) && finite(point.y);
}

bool finite(const Axis& axis) {
    if (!finite(axis.low) || !finite(axis.high))
        return false;
    for (const Tick& tick : axis.ticks)
        if (!finite(tick.value))
            return false;
    return true;
}

template <typename Item, typename Check> bool every(const std::vector<Item>& items, Check check) {
    for (const Item& item : items)
        if (!check(item))
            return false;
    return true;
}

bool finite(const Panel& panel) {
    return finite(panel.x) && finite(panel.y) &&
           every(
               panel.areas,
               [](const ShadedArea& a) {
                   return finite(a.from) && finite(a.to) &&
                          every(
                              a.outline, [](const PlotPoint& p) { return finite(p); });
               }) &&
           every(
               panel.bars,
               [](const Bar& b) {
                   return finite(b.left) && finite(b.right) && finite(b.height);
               }) &&
           every(
               panel.curves,
               [](const Curve& c) {
                   return every(
                       c.points, [](const PlotPoint& p) { return finite(p); });
               }) &&
           every(
               panel.segments, [](const Segment& s) { return finite(s.from) && finite(s.to); }) &&
           every(
               panel.errorBars,
               [](const ErrorBar& e) {
                   return finite(e.x) && finite(e.centre) && finite(e.low) && finite(e.high);
               }) &&
           every(
               panel.dots, [](const Dot& d) { return finite(d.at); }) &&
           every(
               panel.markers, [](const Marker& m) { return finite(m.x); }) &&
           every(
               panel.labels, [](const TextLabel& l) { return finite(l.at); });
}

} // namespace

bool allFinite(const Figure& figure) {
    return every(
        figure.panels, [](const Panel& p) { return finite(p); });
}

} // namespace quillon

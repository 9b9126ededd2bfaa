#include "figures/svg_writer.h"

#include "figures/figure_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quillon {
namespace {

using namespace figure_layout;

// Coordinates with two decimals; the figure holds only finite numbers, and a pixel beyond the page
// is held a little outside it.
std::string px(double value) {
    if (!std::isfinite(value))
        value = 0.0;
    value = std::clamp(value, -1e5, 1e5);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    std::string text = buffer;
    if (text == "-0.00")
        text = "0.00";
    return text;
}

const std::string& colourOf(Ink ink, const FigureColours& colours) {
    switch (ink) {
    case Ink::Curve:
        return colours.curve;
    case Ink::Shade:
        return colours.shade;
    case Ink::Accent:
        return colours.accent;
    case Ink::Second:
        return colours.second;
    case Ink::Muted:
        return colours.muted;
    }
    return colours.curve;
}

using Frame = PanelFrame;

const char* anchorOf(Anchor anchor) {
    switch (anchor) {
    case Anchor::Start:
        return "start";
    case Anchor::End:
        return "end";
    case Anchor::Middle:
        return "middle";
    }
    return "middle";
}

void text(std::string& out, double x, double y, std::string_view content, const char* anchor,
          const std::string& colour, int size, const char* extra = "") {
    out += "<text x=\"" + px(x) + "\" y=\"" + px(y) + "\" text-anchor=\"" + anchor + "\" fill=\"" +
           colour + "\" font-size=\"" + std::to_string(size) + "\"" + extra + ">" +
           escapeXml(content) + "</text>\n";
}

void polyline(std::string& out, const Frame& f, const std::vector<PlotPoint>& points,
              const std::string& colour) {
    if (points.size() < 2)
        return;
    out += "<polyline fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"2\" points=\"";
    for (const PlotPoint& p : points)
        out += px(f.x(p.x)) + "," + px(f.y(p.y)) + " ";
    out += "\"/>\n";
}

void line(std::string& out, double x1, double y1, double x2, double y2, const std::string& colour,
          double width, bool dashed = false) {
    out += "<line x1=\"" + px(x1) + "\" y1=\"" + px(y1) + "\" x2=\"" + px(x2) + "\" y2=\"" +
           px(y2) + "\" stroke=\"" + colour + "\" stroke-width=\"" + px(width) + "\"" +
           (dashed ? " stroke-dasharray=\"5,4\"" : "") + "/>\n";
}

void writePanel(std::string& out, const Frame& f, int index, const FigureColours& c) {
    const Panel& panel = *f.panel;
    const std::string clip = "plot" + std::to_string(index);
    out += "<defs><clipPath id=\"" + clip + "\"><rect x=\"" + px(f.left) + "\" y=\"" + px(f.top) +
           "\" width=\"" + px(f.width) + "\" height=\"" + px(f.height) + "\"/></clipPath></defs>\n";
    out += "<g clip-path=\"url(#" + clip + ")\">\n";
    for (const ShadedArea& area : panel.areas) {
        if (area.outline.size() < 3)
            continue;
        out += "<polygon fill=\"" + colourOf(area.ink, c) + "\" fill-opacity=\"0.55\" points=\"";
        for (const PlotPoint& p : area.outline)
            out += px(f.x(p.x)) + "," + px(f.y(p.y)) + " ";
        out += "\"/>\n";
    }
    for (const Bar& bar : panel.bars) {
        const double x1 = f.x(bar.left);
        const double x2 = f.x(bar.right);
        const double y1 = f.y(bar.height);
        const double y0 = f.y(0.0);
        out += "<rect x=\"" + px(std::min(x1, x2)) + "\" y=\"" + px(std::min(y0, y1)) +
               "\" width=\"" + px(std::max(std::fabs(x2 - x1), 0.5)) + "\" height=\"" +
               px(std::fabs(y0 - y1)) + "\" fill=\"" + colourOf(bar.ink, c) + "\"/>\n";
    }
    for (const Curve& curve : panel.curves)
        polyline(out, f, curve.points, colourOf(curve.ink, c));
    for (const Segment& s : panel.segments)
        line(out, f.x(s.from.x), f.y(s.from.y), f.x(s.to.x), f.y(s.to.y), colourOf(s.ink, c), 2.0,
             s.dashed);
    for (const ErrorBar& e : panel.errorBars) {
        const std::string& colour = colourOf(e.ink, c);
        line(out, f.x(e.x), f.y(e.low), f.x(e.x), f.y(e.high), colour, 2.0);
        line(out, f.x(e.x) - kErrorBarCap, f.y(e.low), f.x(e.x) + kErrorBarCap, f.y(e.low), colour,
             2.0);
        line(out, f.x(e.x) - kErrorBarCap, f.y(e.high), f.x(e.x) + kErrorBarCap, f.y(e.high),
             colour, 2.0);
    }
    for (const Dot& d : panel.dots)
        out += "<circle cx=\"" + px(f.x(d.at.x)) + "\" cy=\"" + px(f.y(d.at.y)) +
               "\" r=\"3.5\" fill=\"" + colourOf(d.ink, c) + "\"/>\n";
    out += "</g>\n";

    // Axes with their ticks and titles.
    const double bottom = f.top + f.height;
    line(out, f.left, bottom, f.left + f.width, bottom, c.text, 1.0);
    line(out, f.left, f.top, f.left, bottom, c.text, 1.0);
    for (const Tick& tick : panel.x.ticks) {
        const double x = f.x(tick.value);
        line(out, x, bottom, x, bottom + kTickLength, c.text, 1.0);
        text(out, x, bottom + kXTickLabelDrop, tick.label, "middle", c.text, 11);
    }
    for (const Tick& tick : panel.y.ticks) {
        const double y = f.y(tick.value);
        line(out, f.left - kTickLength, y, f.left, y, c.text, 1.0);
        text(out, f.left - kYTickLabelGap, y + kYTickLabelRaise, tick.label, "end", c.text, 11);
    }
    text(out, f.left + f.width / 2.0, bottom + kXTitleDrop, panel.x.title, "middle", c.text, 12);
    if (!panel.y.title.empty()) {
        const double x = f.left - kYTitleOffset;
        const double y = f.top + f.height / 2.0;
        const std::string turn = " transform=\"rotate(-90 " + px(x) + " " + px(y) + ")\"";
        text(out, x, y, panel.y.title, "middle", c.text, 12, turn.c_str());
    }

    // Markers: a dashed line across the plot, the label above it.
    const std::vector<MarkerLabelPlace> places = markerLabelPlaces(f, estimatedLabelWidth);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const Marker& m = panel.markers[i];
        const std::string& colour = colourOf(m.ink, c);
        line(out, places[i].lineX, f.top, places[i].lineX, bottom, colour, 1.5, true);
        text(out, places[i].x, places[i].y, m.label, anchorOf(places[i].anchor), colour, 11);
    }
    for (const TextLabel& label : panel.labels)
        text(out, f.x(label.at.x), f.y(label.at.y), label.text, anchorOf(label.anchor),
             colourOf(label.ink, c), 11);
}

// The first code point's length when the bytes at i are well-formed UTF-8 of a character XML
// allows, else 0.
std::size_t allowedCharacter(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return lead >= 0x20 || lead == '\t' || lead == '\n' || lead == '\r' ? 1 : 0;
    std::size_t length = 0;
    unsigned long code = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (i + length > s.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3Fu);
    }
    const unsigned long smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ||
        code == 0xFFFE || code == 0xFFFF)
        return 0;
    return length;
}

} // namespace

FigureColours lightFigureColours() {
    return {"#ffffff", "#202020", "#1f4e9c", "#7fa7e0", "#c0392b", "#2e7d32", "#8a8a8a"};
}

FigureColours darkFigureColours() {
    return {"#1e1e1e", "#e6e6e6", "#8ab4f8", "#3d6bb3", "#ff8a65", "#81c784", "#9e9e9e"};
}

std::string escapeXml(std::string_view textIn) {
    std::string out;
    out.reserve(textIn.size());
    for (std::size_t i = 0; i < textIn.size();) {
        const std::size_t length = allowedCharacter(textIn, i);
        if (length == 0) {
            ++i;
            continue;
        }
        switch (textIn[i]) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out.append(textIn.substr(i, length));
        }
        i += length;
    }
    return out;
}

std::string writeSvg(const Figure& figure, SvgSize size, const FigureColours& colours) {
    const double width = std::clamp(size.width, kSmallestWidth, kLargest);
    const double height = std::clamp(size.height, kSmallestHeight, kLargest);
    std::string out;
    out.reserve(64 * 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + px(width) +
           "\" height=\"" + px(height) + "\" viewBox=\"0 0 " + px(width) + " " + px(height) +
           "\" font-family=\"sans-serif\" role=\"img\">\n";
    out += "<title>" + escapeXml(figure.title) + "</title>\n";
    out += "<desc>" + escapeXml(figure.description) + "</desc>\n";
    out += "<rect x=\"0\" y=\"0\" width=\"" + px(width) + "\" height=\"" + px(height) +
           "\" fill=\"" + colours.background + "\"/>\n";
    text(out, width / 2.0, kTitleBaseline, figure.title, "middle", colours.text, 14,
         " font-weight=\"bold\"");
    const std::vector<PanelFrame> frames = panelFrames(figure, width, height);
    for (std::size_t i = 0; i < frames.size(); ++i)
        writePanel(out, frames[i], static_cast<int>(i), colours);
    out += "</svg>\n";
    return out;
}

} // namespace quillon

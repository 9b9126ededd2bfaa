#include "ui/common/figure_painter.h"

#include "figures/figure_layout.h"
#include "ui/common/colour_contrast.h"
#include "ui/common/text_conversion.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace quillon {

using namespace figure_layout;

namespace {

// Lines and dots stand out from the background as graphical objects must (WCAG 3 to 1, with a
// margin); the shaded area, which lies under a line of its own, a little less.
constexpr double kInkContrast = 3.2;
constexpr double kShadeContrast = 1.8;
constexpr int kSteps = 50;

QColor standingOut(const QColor& start, const QColor& background, const QColor& text,
                   double contrast) {
    for (int step = 0; step <= kSteps; ++step) {
        const QColor candidate = mixColours(start, text, static_cast<double>(step) / kSteps);
        if (contrastRatio(candidate, background) >= contrast)
            return candidate;
    }
    return text;
}

// A pixel far beyond the page is held a little outside it, as the SVG writer does.
double held(double value) {
    return std::isfinite(value) ? std::clamp(value, -1e5, 1e5) : 0.0;
}

QPointF at(const PanelFrame& frame, const PlotPoint& point) {
    return {held(frame.x(point.x)), held(frame.y(point.y))};
}

const QColor& colourOf(Ink ink, const FigurePalette& palette) {
    switch (ink) {
    case Ink::Curve:
        return palette.curve;
    case Ink::Shade:
        return palette.shade;
    case Ink::Accent:
        return palette.accent;
    case Ink::Second:
        return palette.second;
    case Ink::Muted:
        return palette.muted;
    }
    return palette.curve;
}

QFont fontOf(const QPainter& painter, double pixels, bool bold = false) {
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

// Text with its baseline at `point`, aligned there as the anchor says.
void drawText(QPainter& painter, QPointF point, const std::string& content, Anchor anchor,
              const QColor& colour) {
    const QString text = toQString(content);
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(text);
    const double shift = anchor == Anchor::Start ? 0.0 : anchor == Anchor::End ? width : width / 2;
    painter.setPen(colour);
    painter.drawText(QPointF(held(point.x() - shift), held(point.y())), text);
}

QPen linePen(const QColor& colour, double width, bool dashed = false) {
    QPen pen(colour, width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (dashed)
        pen.setDashPattern({5.0 / width, 4.0 / width});
    return pen;
}

void paintPlot(QPainter& painter, const PanelFrame& f, const FigurePalette& c) {
    const Panel& panel = *f.panel;
    painter.save();
    painter.setClipRect(QRectF(f.left, f.top, f.width, f.height));
    painter.setPen(Qt::NoPen);
    for (const ShadedArea& area : panel.areas) {
        if (area.outline.size() < 3)
            continue;
        QPolygonF polygon;
        for (const PlotPoint& p : area.outline)
            polygon << at(f, p);
        QColor fill = colourOf(area.ink, c);
        fill.setAlphaF(static_cast<float>(kShadeOpacity));
        painter.setBrush(fill);
        painter.drawPolygon(polygon);
    }
    for (const Bar& bar : panel.bars) {
        const double x1 = held(f.x(bar.left));
        const double x2 = held(f.x(bar.right));
        const double y1 = held(f.y(bar.height));
        const double y0 = held(f.y(0.0));
        painter.setBrush(colourOf(bar.ink, c));
        painter.drawRect(QRectF(std::min(x1, x2), std::min(y0, y1),
                                std::max(std::fabs(x2 - x1), 0.5), std::fabs(y0 - y1)));
    }
    painter.setBrush(Qt::NoBrush);
    for (const Curve& curve : panel.curves) {
        if (curve.points.size() < 2)
            continue;
        QPolygonF line;
        for (const PlotPoint& p : curve.points)
            line << at(f, p);
        painter.setPen(linePen(colourOf(curve.ink, c), 2.0));
        painter.drawPolyline(line);
    }
    for (const Segment& s : panel.segments) {
        painter.setPen(linePen(colourOf(s.ink, c), 2.0, s.dashed));
        painter.drawLine(at(f, s.from), at(f, s.to));
    }
    for (const ErrorBar& e : panel.errorBars) {
        painter.setPen(linePen(colourOf(e.ink, c), 2.0));
        const double x = held(f.x(e.x));
        const double low = held(f.y(e.low));
        const double high = held(f.y(e.high));
        painter.drawLine(QPointF(x, low), QPointF(x, high));
        painter.drawLine(QPointF(x - kErrorBarCap, low), QPointF(x + kErrorBarCap, low));
        painter.drawLine(QPointF(x - kErrorBarCap, high), QPointF(x + kErrorBarCap, high));
    }
    painter.setPen(Qt::NoPen);
    for (const Dot& d : panel.dots) {
        painter.setBrush(colourOf(d.ink, c));
        painter.drawEllipse(at(f, d.at), kDotRadius, kDotRadius);
    }
    painter.restore();
}

void paintAxes(QPainter& painter, const PanelFrame& f, const FigurePalette& c) {
    const Panel& panel = *f.panel;
    const double bottom = f.bottom();
    painter.setPen(linePen(c.text, 1.0));
    painter.drawLine(QPointF(f.left, bottom), QPointF(f.right(), bottom));
    painter.drawLine(QPointF(f.left, f.top), QPointF(f.left, bottom));
    painter.setFont(fontOf(painter, kLabelFont));
    for (const Tick& tick : panel.x.ticks) {
        const double x = held(f.x(tick.value));
        painter.setPen(linePen(c.text, 1.0));
        painter.drawLine(QPointF(x, bottom), QPointF(x, bottom + kTickLength));
        drawText(painter, {x, bottom + kXTickLabelDrop}, tick.label, Anchor::Middle, c.text);
    }
    for (const Tick& tick : panel.y.ticks) {
        const double y = held(f.y(tick.value));
        painter.setPen(linePen(c.text, 1.0));
        painter.drawLine(QPointF(f.left - kTickLength, y), QPointF(f.left, y));
        drawText(painter, {f.left - kYTickLabelGap, y + kYTickLabelRaise}, tick.label, Anchor::End,
                 c.text);
    }
    painter.setFont(fontOf(painter, kAxisTitleFont));
    drawText(painter, {f.left + f.width / 2.0, bottom + kXTitleDrop}, panel.x.title, Anchor::Middle,
             c.text);
    if (!panel.y.title.empty()) {
        painter.save();
        painter.translate(f.left - kYTitleOffset, f.top + f.height / 2.0);
        painter.rotate(-90.0);
        drawText(painter, {0.0, 0.0}, panel.y.title, Anchor::Middle, c.text);
        painter.restore();
    }
}

void paintMarkersAndLabels(QPainter& painter, const PanelFrame& f, const FigurePalette& c) {
    const Panel& panel = *f.panel;
    painter.setFont(fontOf(painter, kLabelFont));
    const QFontMetricsF metrics(painter.font());
    const std::vector<MarkerLabelPlace> places =
        markerLabelPlaces(f, [&metrics](std::string_view label) {
            return metrics.horizontalAdvance(toQString(label));
        });
    for (std::size_t i = 0; i < places.size(); ++i) {
        const QColor& colour = colourOf(panel.markers[i].ink, c);
        painter.setPen(linePen(colour, 1.5, true));
        painter.drawLine(QPointF(places[i].lineX, f.top), QPointF(places[i].lineX, f.bottom()));
        drawText(painter, {places[i].x, places[i].y}, panel.markers[i].label, places[i].anchor,
                 colour);
    }
    for (const TextLabel& label : panel.labels)
        drawText(painter, at(f, label.at), label.text, label.anchor, colourOf(label.ink, c));
}

QString hex(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

} // namespace

FigurePalette figurePalette(const QPalette& palette) {
    const QColor background = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const bool dark = relativeLuminance(background) < relativeLuminance(text);
    const FigureColours set = dark ? darkFigureColours() : lightFigureColours();
    const auto ink = [&](const std::string& start, double contrast) {
        return standingOut(QColor(QString::fromStdString(start)), background, text, contrast);
    };
    return FigurePalette{background,
                         text,
                         ink(set.curve, kInkContrast),
                         ink(set.shade, kShadeContrast),
                         ink(set.accent, kInkContrast),
                         ink(set.second, kInkContrast),
                         ink(set.muted, kInkContrast)};
}

FigureColours svgColours(const FigurePalette& palette) {
    const auto name = [](const QColor& colour) { return toStdString(hex(colour)); };
    return FigureColours{name(palette.background), name(palette.text),   name(palette.curve),
                         name(palette.shade),      name(palette.accent), name(palette.second),
                         name(palette.muted)};
}

void paintFigure(QPainter& painter, const Figure& figure, QSizeF size,
                 const FigurePalette& palette) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(QRectF(QPointF(0, 0), size), palette.background);
    const double width = std::clamp(size.width(), double(kSmallestWidth), double(kLargest));
    const double height = std::clamp(size.height(), double(kSmallestHeight), double(kLargest));
    painter.setFont(fontOf(painter, kTitleFont, true));
    drawText(painter, {width / 2.0, kTitleBaseline}, figure.title, Anchor::Middle, palette.text);
    for (const PanelFrame& frame : panelFrames(figure, width, height)) {
        paintPlot(painter, frame, palette);
        paintAxes(painter, frame, palette);
        paintMarkersAndLabels(painter, frame, palette);
    }
    painter.restore();
}

void paintFigureReason(QPainter& painter, const QString& reason, QSizeF size,
                       const FigurePalette& palette) {
    painter.save();
    const QRectF page(QPointF(0, 0), size);
    painter.fillRect(page, palette.background);
    painter.setPen(palette.text);
    painter.drawText(page.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap, reason);
    painter.restore();
}

QImage figureImage(const Figure& figure, QSize size, double scale, const FigurePalette& palette) {
    const QSize pixels(static_cast<int>(std::lround(size.width() * scale)),
                       static_cast<int>(std::lround(size.height() * scale)));
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(palette.background);
    QPainter painter(&image);
    paintFigure(painter, figure, QSizeF(size), palette);
    painter.end();
    return image;
}

} // namespace quillon

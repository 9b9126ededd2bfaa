// Paints a figure with QPainter by the same layout as its SVG (figures/figure_layout.h), in
// device-independent pixels so that it is crisp at any scale factor, with colours derived from
// the palette. It draws only what the figure holds.
#pragma once

#include "figures/figure.h"
#include "figures/svg_writer.h"

#include <QColor>
#include <QImage>
#include <QSize>

class QPainter;
class QPalette;
class QString;

namespace quillon {

struct FigurePalette {
    QColor background;
    QColor text; // axes, ticks, titles
    QColor curve;
    QColor shade;
    QColor accent;
    QColor second;
    QColor muted;
};

// The figure's colours on the palette's boxes: the light or the dark set, whichever suits the
// background, each ink moved towards the text until it stands out from the background.
FigurePalette figurePalette(const QPalette& palette);
// The same colours for the SVG writer.
FigureColours svgColours(const FigurePalette& palette);

// Paints the figure over the rectangle (0, 0) to `size`, background included.
void paintFigure(QPainter& painter, const Figure& figure, QSizeF size,
                 const FigurePalette& palette);
// Paints why there is no figure, in words, in the middle of the rectangle.
void paintFigureReason(QPainter& painter, const QString& reason, QSizeF size,
                       const FigurePalette& palette);

// The figure as an image of `size` device-independent pixels at `scale` device pixels each.
QImage figureImage(const Figure& figure, QSize size, double scale, const FigurePalette& palette);

} // namespace quillon

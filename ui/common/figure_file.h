// A figure onto the clipboard as an image, and into a file as PNG or SVG.
#pragma once

#include "figures/figure.h"
#include "ui/common/figure_painter.h"

#include <QSize>
#include <QString>

namespace quillon {

// PNG at twice the size asked for, so that it stays crisp when enlarged.
inline constexpr double kFigureFileScale = 2.0;

// Puts the figure, painted at `size`, on the clipboard as an image.
void copyFigureImage(const Figure& figure, QSize size, const FigurePalette& palette);

enum class FigureFormat { Png, Svg };

// The format a file name asks for: SVG for a name ending in .svg (any case), else PNG.
FigureFormat figureFormatOf(const QString& path);

// Writes the figure into the file whole or not at all; false when it cannot be written.
bool saveFigure(const Figure& figure, const QString& path, QSize size,
                const FigurePalette& palette);

} // namespace quillon

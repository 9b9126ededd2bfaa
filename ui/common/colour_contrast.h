// Contrast between colours as the WCAG 2.1 guidelines measure it, and the colours of the edges
// that mark out boxes, cells, check boxes and option buttons, derived from the palette so that
// every colour scheme shows them: at least 3 to 1 against the window and against the boxes' fill.
#pragma once

#include <QColor>

class QPalette;

namespace quillon {

// The least contrast an edge keeps against the window and against a box's fill: the WCAG 3 to 1
// for graphical objects, with a margin for the rounding of colours in between.
inline constexpr double kEdgeContrast = 3.2;

// WCAG relative luminance: 0 for black, 1 for white.
double relativeLuminance(const QColor& colour);

// WCAG contrast ratio, from 1 (the same luminance) to 21 (black and white).
double contrastRatio(const QColor& first, const QColor& second);

// The colour that lies the fraction `towards` of the way from `from` to `to` (0 is `from`).
QColor mixColours(const QColor& from, const QColor& to, double towards);

// The edge of a box or cell: half way from the window's colour to its text, or further towards
// the text until it stands out from both the window and the boxes' fill (Base) by kEdgeContrast;
// when no colour on that way does, the grey that stands out best from both.
QColor edgeColour(const QPalette& palette);

// The edge of the control with the keyboard focus: the highlight colour, moved towards the text
// until it stands out from the window and the boxes' fill like an edge; the edge colour when
// the highlight cannot.
QColor focusEdgeColour(const QPalette& palette);

} // namespace quillon

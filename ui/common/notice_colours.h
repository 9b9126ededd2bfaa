// The colours of a notice shown over a window: its ground, its text and its edge, taken from the
// palette and made legible in any of them (light, dark, high contrast), with the contrast ratios of
// the WCAG guidelines: text at least 4.5 to 1 against the notice's ground, the edge at least 3 to 1
// against the window around it.
#pragma once

#include <QColor>

class QPalette;

namespace quillon {

// The least contrast of a notice's text against its ground and of its edge against the window.
inline constexpr double kNoticeTextContrast = 4.5;
inline constexpr double kNoticeEdgeContrast = 3.0;

struct NoticeColours {
    QColor ground;
    QColor text;
    QColor edge;
};

// A tooltip's colours and the window's text colour as the edge, each replaced by black or white
// where the palette's own falls short of its ratio.
NoticeColours noticeColours(const QPalette& palette);

} // namespace quillon

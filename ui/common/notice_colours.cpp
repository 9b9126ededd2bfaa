#include "ui/common/notice_colours.h"

#include "ui/common/colour_contrast.h"

#include <QPalette>

namespace quillon {
namespace {

// The colour itself when it stands out enough from the ground; otherwise black or white, whichever
// stands out more (one of them always reaches 4.5 to 1).
QColor standingOut(const QColor& colour, const QColor& ground, double ratio) {
    if (contrastRatio(colour, ground) >= ratio)
        return colour;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, ground) >= contrastRatio(white, ground) ? black : white;
}

} // namespace

NoticeColours noticeColours(const QPalette& palette) {
    NoticeColours colours;
    colours.ground = palette.color(QPalette::Active, QPalette::ToolTipBase);
    colours.text = standingOut(palette.color(QPalette::Active, QPalette::ToolTipText),
                               colours.ground, kNoticeTextContrast);
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    colours.edge = standingOut(palette.color(QPalette::Active, QPalette::WindowText), window,
                               kNoticeEdgeContrast);
    return colours;
}

} // namespace quillon

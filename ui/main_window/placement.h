// Where windows open: the main window centred on the screen, the others centred over it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace quillon {

// The top-left corner that centres a window of the given outer size over an area, then lowers it.
inline QPoint centredOver(const QRect& area, const QSize& size, int lower = 0) {
    return {area.x() + (area.width() - size.width()) / 2,
            area.y() + (area.height() - size.height()) / 2 + lower};
}

} // namespace quillon

#include "ui/common/program_icon.h"

// Resources of a static library are registered by hand; the name is the .qrc file's.
static void registerIcons() {
    Q_INIT_RESOURCE(icons);
}

namespace quillon {

QIcon programIcon() {
    registerIcons();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quillon-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace quillon

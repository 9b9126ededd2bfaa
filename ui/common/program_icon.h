// The program's logo: its window icon and the picture of the About and Support windows.
#pragma once

#include <QIcon>

namespace quillon {

QIcon programIcon();

} // namespace quillon

// The About and Technical Support windows as the menu opens them.
#pragma once

#include "ui/common/window_registry.h"

namespace quillon {

// Registers `Help3` and `Support`, centred on the main window without the drop of the calculation
// windows.
void registerInformationWindows(WindowRegistry& registry);

} // namespace quillon

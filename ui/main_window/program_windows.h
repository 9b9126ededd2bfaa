// Every window the main window's menu opens: a calculator or data sheet window for each catalogue
// row, and the information windows.
#pragma once

#include "calculations/catalogue.h"
#include "ui/common/window_registry.h"

#include <span>

namespace quillon {

// Registers the window of every row whose calculation is built: a calculator window for a row
// asked through questions, a data sheet window for a row over a grid. The windows refer to the
// rows, which must outlive the registry.
void registerCalculationWindows(WindowRegistry& registry, std::span<const CatalogueEntry> rows);

// Every window of the program.
WindowRegistry programWindows();

} // namespace quillon

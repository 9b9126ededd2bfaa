#include "ui/main_window/program_windows.h"

#include "ui/calculator/calculator_window.h"
#include "ui/data_sheet/data_sheet_window.h"
#include "ui/information/information_windows.h"

namespace quillon {

namespace {

QDialog* openCalculator(const CatalogueEntry& row, QWidget* owner) {
    auto* window = new CalculatorWindow(row, owner);
    window->prepare();
    return window;
}

QDialog* openDataSheet(const CatalogueEntry& row, QWidget* owner) {
    return new DataSheetWindow(row, owner);
}

} // namespace

void registerCalculationWindows(WindowRegistry& registry, std::span<const CatalogueEntry> rows) {
    for (const CatalogueEntry& row : rows) {
        if (const auto* asked = std::get_if<QuestionInputs>(&row.inputs)) {
            if (asked->calculate != nullptr) {
                registry.add(row.windowName,
                             {[&row](QWidget* owner) { return openCalculator(row, owner); }});
            }
        } else if (std::get<SheetInputs>(row.inputs).calculate != nullptr) {
            registry.add(row.windowName,
                         {[&row](QWidget* owner) { return openDataSheet(row, owner); }});
        }
    }
}

WindowRegistry programWindows() {
    WindowRegistry registry;
    registerCalculationWindows(registry, catalogue());
    registerInformationWindows(registry);
    return registry;
}

} // namespace quillon

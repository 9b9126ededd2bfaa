#include "ui/main_window/window_registry.h"

#include "ui/calculator/calculator_window.h"
#include "ui/data_sheet/data_sheet_window.h"
#include "ui/information/information_windows.h"

namespace quillon {

void WindowRegistry::add(std::string_view name, WindowEntry entry) {
    entries_.insert_or_assign(std::string(name), std::move(entry));
}

const WindowEntry* WindowRegistry::find(std::string_view name) const {
    const auto found = entries_.find(name);
    return found == entries_.end() ? nullptr : &found->second;
}

void registerCalculatorWindows(WindowRegistry& registry,
                               const std::vector<CalculatorDefinition>& definitions) {
    for (const CalculatorDefinition& definition : definitions) {
        if (definition.calculate == nullptr) {
            continue;
        }
        registry.add(definition.name, {[&definition](QWidget* owner) -> QDialog* {
                         auto* window = new CalculatorWindow(definition, owner);
                         window->prepare();
                         return window;
                     }});
    }
}

WindowRegistry programWindows() {
    WindowRegistry registry;
    registerCalculatorWindows(registry, calculatorDefinitions());
    registerInformationWindows(registry);
    registerDataSheetWindows(registry);
    return registry;
}

} // namespace quillon

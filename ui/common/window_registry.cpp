#include "ui/common/window_registry.h"

namespace quillon {

void WindowRegistry::add(std::string_view name, WindowEntry entry) {
    entries_.insert_or_assign(std::string(name), std::move(entry));
}

const WindowEntry* WindowRegistry::find(std::string_view name) const {
    const auto found = entries_.find(name);
    return found == entries_.end() ? nullptr : &found->second;
}

} // namespace quillon

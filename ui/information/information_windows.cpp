#include "ui/information/information_windows.h"

#include "ui/information/about_window.h"
#include "ui/information/support_window.h"

namespace quillon {

void registerInformationWindows(WindowRegistry& registry) {
    registry.add("Help3", {[](QWidget* owner) -> QDialog* { return new AboutWindow(owner); }, 0});
    registry.add("Support",
                 {[](QWidget* owner) -> QDialog* { return new SupportWindow(owner); }, 0});
}

} // namespace quillon

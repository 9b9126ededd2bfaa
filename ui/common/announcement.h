// Tells screen readers that a widget has news for them: an answer that came, a notice that
// appeared. Qt already tells them of a widget shown and of a name or description changed; this
// adds the alert that platforms read out at once. Tests listen in here, since without a screen
// reader running the platform passes nothing on.
#pragma once

#include <functional>

class QWidget;

namespace quillon {

void announce(QWidget* widget);

// Hears every announcement from now on, besides the platform; an empty listener stops it.
void listenToAnnouncements(std::function<void(QWidget*)> listener);

} // namespace quillon

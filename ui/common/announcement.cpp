#include "ui/common/announcement.h"

#include <QAccessible>
#include <QWidget>

#include <utility>

namespace quillon {
namespace {

std::function<void(QWidget*)>& listener() {
    static std::function<void(QWidget*)> heard;
    return heard;
}

} // namespace

void announce(QWidget* widget) {
    if (widget == nullptr)
        return;
    QAccessibleEvent alert(widget, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    if (listener())
        listener()(widget);
}

void listenToAnnouncements(std::function<void(QWidget*)> heard) {
    listener() = std::move(heard);
}

} // namespace quillon

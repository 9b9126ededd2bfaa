#include "ui/information/url_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace quillon {

namespace {

UrlOpener*& currentOpener() {
    static DesktopUrlOpener desktop;
    static UrlOpener* current = &desktop;
    return current;
}

} // namespace

void DesktopUrlOpener::open(const QUrl& url) {
    // A missing mail program or browser has no effect here; the desktop may say so itself.
    QDesktopServices::openUrl(url);
}

UrlOpener& urlOpener() {
    return *currentOpener();
}

UrlOpenerOverride::UrlOpenerOverride(UrlOpener& replacement) : previous_(currentOpener()) {
    currentOpener() = &replacement;
}

UrlOpenerOverride::~UrlOpenerOverride() {
    currentOpener() = previous_;
}

} // namespace quillon

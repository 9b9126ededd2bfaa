// Mail and web links leave the program through this one interface, so that widget tests can
// record the addresses instead of starting a mail program or a browser.
#pragma once

class QUrl;

namespace quillon {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hands the address to the desktop; whether anything opens is the desktop's business.
    virtual void open(const QUrl& url) = 0;
};

// The desktop's own handler for the address's scheme (mail program, browser).
class DesktopUrlOpener : public UrlOpener {
public:
    void open(const QUrl& url) override;
};

// The opener every window uses: DesktopUrlOpener unless replaced.
UrlOpener& urlOpener();

// Replaces the program's opener for its lifetime (tests record the addresses this way).
class UrlOpenerOverride {
public:
    explicit UrlOpenerOverride(UrlOpener& replacement);
    ~UrlOpenerOverride();
    UrlOpenerOverride(const UrlOpenerOverride&) = delete;
    UrlOpenerOverride& operator=(const UrlOpenerOverride&) = delete;

private:
    UrlOpener* previous_;
};

} // namespace quillon

// Beeps and "Error" message boxes go through this one interface, so that widget tests can record
// them instead of waiting for a person to close a box.
#pragma once

#include <QString>

class QWidget;

namespace quillon {

class Alerts {
public:
    virtual ~Alerts() = default;
    virtual void beep() = 0;
    // A modal message box titled "Error" with the given text and an OK button only.
    virtual void showError(QWidget* parent, const QString& text) = 0;
};

// The system beep and a real message box.
class SystemAlerts : public Alerts {
public:
    void beep() override;
    void showError(QWidget* parent, const QString& text) override;
};

// The alerts every window uses: SystemAlerts unless replaced.
Alerts& alerts();

// Replaces the program's alerts for its lifetime (tests record them this way).
class AlertsOverride {
public:
    explicit AlertsOverride(Alerts& replacement);
    ~AlertsOverride();
    AlertsOverride(const AlertsOverride&) = delete;
    AlertsOverride& operator=(const AlertsOverride&) = delete;

private:
    Alerts* previous_;
};

} // namespace quillon

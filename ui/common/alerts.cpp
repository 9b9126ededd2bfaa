#include "ui/common/alerts.h"

#include <QApplication>
#include <QMessageBox>

namespace quillon {

namespace {

Alerts*& currentAlerts() {
    static SystemAlerts system;
    static Alerts* current = &system;
    return current;
}

} // namespace

void SystemAlerts::beep() {
    QApplication::beep();
}

void SystemAlerts::showError(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
    box.exec();
}

Alerts& alerts() {
    return *currentAlerts();
}

AlertsOverride::AlertsOverride(Alerts& replacement) : previous_(currentAlerts()) {
    currentAlerts() = &replacement;
}

AlertsOverride::~AlertsOverride() {
    currentAlerts() = previous_;
}

} // namespace quillon

// Shared by the widget tests: recorded beeps and "Error" boxes, a watchdog against real modal
// boxes, and a stand-in calculation whose outcome each test chooses.
#pragma once

#include "alerts.h"
#include "calculator_definitions.h"
#include "window_registry.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace quillon::testing {

class RecordingAlerts : public Alerts {
public:
    void beep() override { ++beeps; }
    void showError(QWidget*, const QString& text) override { errors << text; }
    int beeps = 0;
    QStringList errors;
};

// Closes any real message box that opens and remembers it, so that a test fails instead of
// waiting for a person.
class ModalWatchdog : public QObject {
public:
    ModalWatchdog() {
        connect(&timer_, &QTimer::timeout, this, &ModalWatchdog::check);
        timer_.start(20);
    }
    void check() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
                seen << box->windowTitle() + QStringLiteral(": ") + box->text();
                box->done(QMessageBox::Ok);
            }
        }
    }
    QStringList seen;

private:
    QTimer timer_;
};

// The calculation behind every stand-in window; tests set what it does.
struct StandIn {
    static inline std::function<Outcome(InputTexts)> behaviour;
    static inline std::vector<std::vector<std::string>> calls;
    static Outcome calculate(InputTexts inputs) {
        calls.emplace_back(inputs.begin(), inputs.end());
        return behaviour ? behaviour(inputs) : Outcome{Answer{}};
    }
    static void reset() {
        behaviour = nullptr;
        calls.clear();
    }
};

// The program's calculator definitions, each calculating with the stand-in.
inline const std::vector<CalculatorDefinition>& standInDefinitions() {
    static const std::vector<CalculatorDefinition> definitions = [] {
        std::vector<CalculatorDefinition> copies = calculatorDefinitions();
        for (CalculatorDefinition& definition : copies) {
            definition.calculate = &StandIn::calculate;
        }
        return copies;
    }();
    return definitions;
}

inline const CalculatorDefinition& standInDefinition(std::string_view name) {
    for (const CalculatorDefinition& definition : standInDefinitions()) {
        if (definition.name == name) {
            return definition;
        }
    }
    throw std::invalid_argument("no such calculator");
}

// Every calculator window with the stand-in calculation, and plain dialogs for the data sheets.
inline WindowRegistry standInWindows() {
    WindowRegistry registry;
    registerCalculatorWindows(registry, standInDefinitions());
    const std::pair<const char*, const char*> sheets[] = {
        {"Counts1", "Chi-square test"},
        {"Means0", "Mean and standard deviation of a sample"},
        {"Means1", "Matched pairs t-test between means"},
        {"Means6", "Compare three or more means"},
        {"Correl", "Linear regression"},
    };
    for (const auto& sheetNames : sheets) {
        const char* name = sheetNames.first;
        const char* title = sheetNames.second;
        registry.add(name, {[name, title](QWidget* owner) -> QDialog* {
                         auto* sheet = new QDialog(owner);
                         sheet->setObjectName(QString::fromLatin1(name));
                         sheet->setWindowTitle(QString::fromLatin1(title));
                         sheet->setFixedSize(480, 400);
                         return sheet;
                     }});
    }
    return registry;
}

} // namespace quillon::testing

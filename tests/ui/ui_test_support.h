// Shared by the widget tests: recorded beeps and "Error" boxes, a watchdog against real modal
// boxes, and a stand-in calculation whose outcome each test chooses.
#pragma once

#include "calculations/catalogue.h"
#include "ui/common/alerts.h"
#include "ui/common/text_conversion.h"
#include "ui/data_sheet/data_sheet_layout.h"
#include "ui/main_window/program_windows.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
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

// What a window test puts around each case: beeps and "Error" texts recorded instead of shown
// (the override can be dropped to see the real ones), and any real message box closed and
// remembered.
struct AlertsOnRecord {
    AlertsOnRecord() { override.emplace(recorded); }
    // The message boxes that opened, after a last look for one still open.
    QStringList unexpectedBoxes() {
        watchdog.check();
        return watchdog.seen;
    }
    RecordingAlerts recorded;
    std::optional<AlertsOverride> override;
    ModalWatchdog watchdog;
};

// Opens a widget's context menu as a right click at its centre would, and chooses the entry
// whose text (without its access key and shortcut) is given; false when there is no such entry.
inline bool chooseFromContextMenu(QWidget* widget, const QString& entry) {
    const QPoint centre = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, centre, widget->mapToGlobal(centre));
    QApplication::sendEvent(widget, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr)
        return false;
    for (QAction* action : menu->actions()) {
        if (action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0) == entry &&
            action->isEnabled()) {
            menu->close();
            action->trigger();
            return true;
        }
    }
    menu->close();
    return false;
}

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

// The catalogue's rows asked through questions, each calculating with the stand-in.
inline const std::vector<CatalogueEntry>& standInDefinitions() {
    static const std::vector<CatalogueEntry> rows = [] {
        std::vector<CatalogueEntry> copies;
        for (const CatalogueEntry& row : catalogue()) {
            if (std::holds_alternative<QuestionInputs>(row.inputs)) {
                CatalogueEntry& copy = copies.emplace_back(row);
                std::get<QuestionInputs>(copy.inputs).calculate = &StandIn::calculate;
            }
        }
        return copies;
    }();
    return rows;
}

inline const CatalogueEntry& standInDefinition(std::string_view name) {
    for (const CatalogueEntry& row : standInDefinitions())
        if (row.windowName == name)
            return row;
    throw std::invalid_argument("no such calculator");
}

// The questions of a row asked through questions.
inline const QuestionInputs& askedOf(const CatalogueEntry& row) {
    return std::get<QuestionInputs>(row.inputs);
}

// The grid of a row over a grid.
inline const SheetInputs& sheetOf(const CatalogueEntry& row) {
    return std::get<SheetInputs>(row.inputs);
}

// The calculation behind every stand-in data sheet window; tests set what it does.
struct SheetStandIn {
    static inline std::function<Outcome(const DataSheetInput&)> behaviour;
    static inline std::vector<DataSheetInput> calls;
    static Outcome calculate(const DataSheetInput& input) {
        calls.push_back(input);
        return behaviour ? behaviour(input) : Outcome{Answer{}};
    }
    static void reset() {
        behaviour = nullptr;
        calls.clear();
    }
};

// The catalogue's row of a data sheet window, calculating with the stand-in.
inline const CatalogueEntry& standInLayout(std::string_view name) {
    static std::deque<CatalogueEntry> copies;
    for (const CatalogueEntry& copy : copies)
        if (copy.windowName == name)
            return copy;
    const CatalogueEntry* row = findByWindow(name);
    if (row == nullptr || !std::holds_alternative<SheetInputs>(row->inputs))
        throw std::invalid_argument("no such data sheet");
    CatalogueEntry& copy = copies.emplace_back(*row);
    std::get<SheetInputs>(copy.inputs).calculate = &SheetStandIn::calculate;
    return copy;
}

// Every calculator window with the stand-in calculation, and plain dialogs for the data sheets.
inline WindowRegistry standInWindows() {
    WindowRegistry registry;
    registerCalculationWindows(registry, standInDefinitions());
    for (const CatalogueEntry& calculation : catalogue()) {
        if (!std::holds_alternative<SheetInputs>(calculation.inputs))
            continue;
        registry.add(calculation.windowName, {[&calculation](QWidget* owner) -> QDialog* {
                         auto* sheet = new QDialog(owner);
                         sheet->setObjectName(toQString(calculation.windowName));
                         sheet->setWindowTitle(toQString(calculation.title));
                         sheet->setFixedSize(480, 400);
                         return sheet;
                     }});
    }
    return registry;
}

} // namespace quillon::testing

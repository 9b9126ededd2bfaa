// The windows the menu can open, by window name. A menu item whose window is not registered stays
// disabled, so a new kind of window (the data sheets, About, Support) plugs in by registering here.
#pragma once

#include "calculations/catalogue.h"

#include <QDialog>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct WindowEntry {
    // Creates the window ready to show, owned by the given main window: its title, texts and
    // fixed size set, inputs and answer empty. Every opening calls it afresh.
    std::function<QDialog*(QWidget* owner)> create;
    // How far below the main window's centre the window is placed, in twips.
    int dropTwips = 300;
};

class WindowRegistry {
public:
    void add(std::string_view name, WindowEntry entry);
    const WindowEntry* find(std::string_view name) const;

private:
    std::map<std::string, WindowEntry, std::less<>> entries_;
};

// Registers a calculator window for every definition whose calculation is built. The windows refer
// to the definitions, which must outlive the registry.
void registerCalculatorWindows(WindowRegistry& registry,
                               const std::vector<CalculatorDefinition>& definitions);

// Every window of the program that is built so far.
WindowRegistry programWindows();

} // namespace quillon

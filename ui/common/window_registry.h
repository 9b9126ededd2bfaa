// The windows the menu can open, by window name. A menu item whose window is not registered stays
// disabled, so a kind of window plugs in by registering its windows here; the registry itself
// knows no kind of window.
#pragma once

#include <QDialog>

#include <functional>
#include <map>
#include <string>
#include <string_view>

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

} // namespace quillon

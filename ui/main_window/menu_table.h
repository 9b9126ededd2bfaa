// The main window's menu, entry by entry in the order shown: menus, items and separators with
// their names and captions, and the window each calculation item opens.
#pragma once

#include <span>
#include <string_view>

namespace quillon {

struct MenuEntry {
    int depth;                 // 0: on the menu bar, 1: in a menu, 2: in a submenu
    std::string_view name;     // objectName of the menu, item or separator
    std::string_view caption;  // "&" marks the access key; "-" makes a separator
    std::string_view window;   // the window the item opens; empty for menus and commands
    std::string_view shortcut; // a key sequence such as "F1", or empty
};

// An entry followed by a deeper one is a menu; any other entry is an item.
std::span<const MenuEntry> menuEntries();

// The order in which closing the main window closes the other windows.
std::span<const std::string_view> windowCloseOrder();

} // namespace quillon

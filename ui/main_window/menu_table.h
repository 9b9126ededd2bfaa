// What the main window's menu holds beside the catalogue's rows: the File and Help menus and
// the order in which windows close; the captions of the calculations' menus are the catalogue's.
#pragma once

#include "calculations/menu_captions.h"

#include <span>
#include <string_view>

namespace quillon {

// An item of the File or Help menu.
struct MenuItem {
    std::string_view name;     // objectName of the item or separator
    std::string_view caption;  // "&" marks the access key; "-" makes a separator
    std::string_view window;   // the window the item opens; empty for commands and separators
    std::string_view shortcut; // a key sequence such as "F1", or empty
};

struct FixedMenu {
    std::string_view name;
    std::string_view caption;
    std::span<const MenuItem> items;
};

// Before the calculations' menus, and after them.
const FixedMenu& fileMenu();
const FixedMenu& helpMenu();

// The order in which closing the main window closes the other windows.
std::span<const std::string_view> windowCloseOrder();

} // namespace quillon

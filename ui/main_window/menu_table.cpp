#include "ui/main_window/menu_table.h"

#include "calculations/catalogue.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quillon {

namespace {

constexpr std::array kFileItems = {
    MenuItem{"FileExit", "&Exit", {}, {}},
};

constexpr std::array kHelpItems = {
    MenuItem{"HelpContents", "Contents", {}, "F1"},
    MenuItem{"HelpSearch", "Search For Help On...", {}, {}},
    MenuItem{"HelpLine1", "-", {}, {}},
    MenuItem{"HelpHelpAbout", "About Quillon", "Help3", {}},
    MenuItem{"HelpLine2", "-", {}, {}},
    MenuItem{"HelpTech", "&Technical Support", "Support", {}},
};

// The windows that are not calculations, closed after them.
constexpr std::array<std::string_view, 2> kLastClosed = {"Help3", "Support"};

std::vector<std::string_view> makeCloseOrder() {
    std::vector<std::string_view> order;
    for (const CatalogueEntry& calculation : catalogue())
        order.push_back(calculation.windowName);
    order.insert(order.end(), kLastClosed.begin(), kLastClosed.end());
    return order;
}

} // namespace

const FixedMenu& fileMenu() {
    static const FixedMenu menu{"File", "File", kFileItems};
    return menu;
}

const FixedMenu& helpMenu() {
    static const FixedMenu menu{"Help", "&Help", kHelpItems};
    return menu;
}

std::span<const std::string_view> windowCloseOrder() {
    static const std::vector<std::string_view> order = makeCloseOrder();
    return order;
}

} // namespace quillon

#include "ui/main_window/menu_table.h"

#include "calculations/catalogue.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quillon {

namespace {

// The captions of the menus that hold calculations, by their path of objectNames.
struct MenuCaption {
    std::string_view path;
    std::string_view caption;
};

constexpr std::array kMenuCaptions = {
    MenuCaption{"Distributions", "&Distributions"},
    MenuCaption{"Distributions/Z", "Normal distribution"},
    MenuCaption{"Distributions/T", "T distribution"},
    MenuCaption{"Distributions/F", "F distribution"},
    MenuCaption{"Distributions/ChiSquare2", "Chi-square distribution"},
    MenuCaption{"Counts", "&Counts"},
    MenuCaption{"Percents", "&Percents"},
    MenuCaption{"Means", "&Means"},
    MenuCaption{"Sampling", "&Sampling"},
};

// Before the calculations, and after them.
constexpr std::array kFileMenu = {
    MenuEntry{0, "File", "File", {}, {}},
    MenuEntry{1, "FileExit", "&Exit", {}, {}},
};

constexpr std::array kHelpMenu = {
    MenuEntry{0, "Help", "&Help", {}, {}},
    MenuEntry{1, "HelpContents", "Contents", {}, "F1"},
    MenuEntry{1, "HelpSearch", "Search For Help On...", {}, {}},
    MenuEntry{1, "HelpLine1", "-", {}, {}},
    MenuEntry{1, "HelpHelpAbout", "About Quillon", "Help3", {}},
    MenuEntry{1, "HelpLine2", "-", {}, {}},
    MenuEntry{1, "HelpTech", "&Technical Support", "Support", {}},
};

// The windows that are not calculations, closed after them.
constexpr std::array<std::string_view, 2> kLastClosed = {"Help3", "Support"};

std::string_view menuCaption(std::string_view path) {
    const auto found = std::find_if(kMenuCaptions.begin(), kMenuCaptions.end(),
                                    [path](const MenuCaption& menu) { return menu.path == path; });
    return found == kMenuCaptions.end() ? path : found->caption;
}

// The objectNames along a menu path: "Distributions/Z" gives "Distributions" and "Z".
std::vector<std::string_view> menuNames(std::string_view path) {
    std::vector<std::string_view> names;
    while (!path.empty()) {
        const std::size_t slash = path.find('/');
        names.push_back(path.substr(0, slash));
        path = slash == std::string_view::npos ? std::string_view{} : path.substr(slash + 1);
    }
    return names;
}

// The calculations in catalogue order, each menu opened where its first item comes.
std::vector<MenuEntry> makeMenu() {
    std::vector<MenuEntry> entries(kFileMenu.begin(), kFileMenu.end());
    std::vector<std::string_view> open;
    for (const CatalogueEntry& calculation : catalogue()) {
        const std::vector<std::string_view> names = menuNames(calculation.menuPath);
        std::size_t kept = 0;
        while (kept < open.size() && kept < names.size() && open[kept] == names[kept])
            ++kept;
        for (std::size_t depth = kept; depth < names.size(); ++depth) {
            const std::size_t pathLength = static_cast<std::size_t>(
                names[depth].data() + names[depth].size() - calculation.menuPath.data());
            entries.push_back({static_cast<int>(depth),
                               names[depth],
                               menuCaption(calculation.menuPath.substr(0, pathLength)),
                               {},
                               {}});
        }
        open = names;
        entries.push_back({static_cast<int>(names.size()),
                           calculation.menuItem,
                           calculation.menuCaption,
                           calculation.windowName,
                           {}});
    }
    entries.insert(entries.end(), kHelpMenu.begin(), kHelpMenu.end());
    return entries;
}

std::vector<std::string_view> makeCloseOrder() {
    std::vector<std::string_view> order;
    for (const CatalogueEntry& calculation : catalogue())
        order.push_back(calculation.windowName);
    order.insert(order.end(), kLastClosed.begin(), kLastClosed.end());
    return order;
}

} // namespace

std::span<const MenuEntry> menuEntries() {
    static const std::vector<MenuEntry> entries = makeMenu();
    return entries;
}

std::span<const std::string_view> windowCloseOrder() {
    static const std::vector<std::string_view> order = makeCloseOrder();
    return order;
}

} // namespace quillon

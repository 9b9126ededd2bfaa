#include "calculations/menu_captions.h"

#include <algorithm>
#include <array>

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

} // namespace

std::string_view menuCaption(std::string_view path) {
    const auto found = std::find_if(kMenuCaptions.begin(), kMenuCaptions.end(),
                                    [path](const MenuCaption& menu) { return menu.path == path; });
    return found == kMenuCaptions.end() ? path : found->caption;
}

} // namespace quillon

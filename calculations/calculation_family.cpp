#include "calculations/calculation_family.h"

#include "calculations/menu_captions.h"

namespace quillon {

std::string withoutAccessKey(std::string_view caption) {
    std::string read;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        read += caption[i];
    }
    return read;
}

std::string familyCaption(const CatalogueEntry& row) {
    if (row.menuPath.empty())
        return withoutAccessKey(row.menuCaption);
    return withoutAccessKey(menuCaption(row.menuPath));
}

} // namespace quillon

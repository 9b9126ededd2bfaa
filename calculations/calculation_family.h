// The family a calculation belongs to, as its menu names it: the caption of the menu that holds
// its item ("T distribution", "Means"), or, for an item on the menu bar itself, its own caption
// ("Correlation"); without the "&" of the access key.
#pragma once

#include "calculations/catalogue.h"

#include <string>
#include <string_view>

namespace quillon {

std::string familyCaption(const CatalogueEntry& row);

// A menu caption as people read it: the "&" that marks the access key left out, "&&" read as "&".
std::string withoutAccessKey(std::string_view caption);

} // namespace quillon

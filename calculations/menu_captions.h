// The captions of the menus that group the calculations, by the menu paths of the catalogue's rows.
#pragma once

#include <string_view>

namespace quillon {

// The caption of the menu that a catalogue row's menu path names up to its last part: "&Means"
// for "Means", "T distribution" for "Distributions/T".
std::string_view menuCaption(std::string_view path);

} // namespace quillon

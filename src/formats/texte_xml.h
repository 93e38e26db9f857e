#pragma once

#include <string>
#include <string_view>

namespace bilobe {

// Text from the user (a fuselage's name) inside an SVG element or attribute:
// the five XML specials as entities, and control characters, which XML 1.0
// cannot hold, as spaces.
std::string texte_xml(std::string_view texte);

} // namespace bilobe

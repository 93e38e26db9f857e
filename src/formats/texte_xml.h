#pragma once

#include <string>
#include <string_view>

namespace bilobe {

// Text from the user (a fuselage's name) as a document's title or text:
// control characters as spaces, U+FFFE and U+FFFF left out. XML 1.0 can hold
// none of them, and a PDF reader shows them as garbage.
std::string texte_sans_controles(std::string_view texte);

// The same inside an SVG element or attribute, the five XML specials as entities.
std::string texte_xml(std::string_view texte);

} // namespace bilobe

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace bilobe {

// What to tell the user about a field's text that is not wholly a number:
// what it is read as, and why ("lu 45 : le séparateur décimal est le point").
// Nothing for a text that is one number. The reading itself is unchanged.
std::optional<std::string> defaut_champ(std::string_view texte);

} // namespace bilobe

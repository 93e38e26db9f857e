#pragma once

#include "geometry/serie.h"

#include <string>
#include <string_view>

namespace bilobe {

// Reads a fuselage file (TOML 1.0, French keys): the stations, how the
// formers are spread and interpolated, their shared fields, the sheet.
// Anything wrong raises DescriptionInvalide with one French line that names
// the file, the line (and column, for a syntax error) and the key.
DescriptionSerie lire_description(std::string_view texte, const std::string& nom_fichier);

} // namespace bilobe

#pragma once

#include "fichiers/fichiers.h"
#include "serie/description.h"

#include <string>
#include <string_view>

namespace bilobe {

// Reads a fuselage file (TOML 1.0, French keys): the stations, how the
// formers are spread and interpolated, their shared fields, the sheet.
// Anything wrong raises DescriptionInvalide with one French line that names
// the file, the line (and column, for a syntax error) and the key.
DescriptionSerie lire_description(std::string_view texte, const std::string& nom_fichier);

// The fuselage file at `chemin`, read through `fichiers` and checked; a file
// error (exit 1 for the command) or DescriptionInvalide.
inline constexpr std::size_t TAILLE_MAX_FUSELAGE = 1 << 20; // bytes: a fuselage file is a few hundred
DescriptionSerie lire_fichier_fuselage(const std::string& chemin, const Fichiers& fichiers = fichiers_du_systeme());

// A description as a fuselage file that reads back to exactly the same
// description: every number in its shortest exact form, the texts escaped.
std::string texte_fuselage(const DescriptionSerie& description);

} // namespace bilobe

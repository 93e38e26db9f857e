#pragma once

// The lines file that bilobe-serie --depuis-lignes turns into a fuselage file.
#include "fichiers/fichiers.h"
#include "serie/description.h"

#include <string>
#include <string_view>

namespace bilobe {

// A lines file: "nom", "nombre" or "positions", [lignes] (dos, ventre, the
// optional niveau, demi_largeur: points in mm), [section] (xa, ya, ep) and
// an optional [planche]. It becomes a fuselage description whose stations
// follow the lines within ECART_MAX_LIGNES, its lines kept in its [plan].
// Raises DescriptionInvalide naming the file, the line and the key.
DescriptionSerie fuselage_depuis_lignes(std::string_view texte, const std::string& nom_fichier);
DescriptionSerie lire_fichier_lignes(const std::string& chemin, const Fichiers& fichiers = fichiers_du_systeme());

} // namespace bilobe

#pragma once

// The traced lines in files: the [plan] table of a fuselage file, and the
// lines file that bilobe-serie turns into a fuselage file.
#include "fichiers/fichiers.h"
#include "serie/description.h"
#include "serie/plan_trace.h"

#include <optional>
#include <string>
#include <string_view>

namespace bilobe {

inline constexpr std::size_t POINTS_MAX_LIGNE = 10000; // clicks on one line

// The [plan] table as text, to follow the rest of a fuselage file, and back.
std::string texte_plan(const PlanTrace& plan);
std::optional<PlanTrace> plan_du_texte(std::string_view texte);

// A lines file: "nom", "nombre" or "positions", [lignes] (dos, ventre, the
// optional niveau, demi_largeur: points in mm), [section] (xa, ya, ep) and
// an optional [planche]. It becomes a fuselage description whose stations
// follow the lines within ECART_MAX_LIGNES, its lines kept in its [plan].
// Raises DescriptionInvalide naming the file, the line and the key.
DescriptionSerie fuselage_depuis_lignes(std::string_view texte, const std::string& nom_fichier);
DescriptionSerie lire_fichier_lignes(const std::string& chemin, const Fichiers& fichiers = fichiers_du_systeme());

} // namespace bilobe

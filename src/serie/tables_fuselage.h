#pragma once

// Tables that the fuselage file and the lines file write alike.
#include "serie/description.h"
#include "serie/lecteur_toml.h"
#include "serie/plan_trace.h"

#include <optional>
#include <string>
#include <string_view>

namespace bilobe {

inline constexpr std::size_t POINTS_MAX_LIGNE = 10000; // clicks on one line

// The text as a TOML table, its size and depth checked first; a fault
// names the file, the line and the column.
toml::table racine_toml(const Lecteur& lecteur, std::string_view texte, const std::string& nom_fichier);

// "nombre" or "positions".
void lire_positions(const Lecteur& lecteur, const toml::table& racine, DescriptionSerie& d);
// [planche], the kerf and the constant wall with it.
void lire_planche(const Lecteur& lecteur, const toml::table& racine, DescriptionSerie& d);

// A table the parent must (or may) hold; a fault when the key is something else.
const toml::table* table_de(const Lecteur& lecteur, const toml::table& parent, std::string_view cle,
                            const std::string& nom, bool requise);
// [lignes] (or [plan.lignes]) and [section] (or [plan.section]); `prefixe` names their keys.
LignesTracees lire_lignes(const Lecteur& lecteur, const toml::table& t, const std::string& prefixe);
SectionReference lire_section(const Lecteur& lecteur, const toml::table& t, const std::string& prefixe);

// The [plan] table, when the file has one: the plan's file and page, how it
// lies, [plan.lignes] and [plan.section].
std::optional<PlanTrace> lire_plan(const Lecteur& lecteur, const toml::table& racine);

} // namespace bilobe

#pragma once

// Tables that the fuselage file and the lines file write alike.
#include "serie/description.h"
#include "serie/lecteur_toml.h"

namespace bilobe {

// "nombre" or "positions".
void lire_positions(const Lecteur& lecteur, const toml::table& racine, DescriptionSerie& d);
// [planche], the kerf and the constant wall with it.
void lire_planche(const Lecteur& lecteur, const toml::table& racine, DescriptionSerie& d);

// The [plan] table, when the file has one: the plan's file and page, how it
// lies, [plan.lignes] and [plan.section].
std::optional<PlanTrace> lire_plan(const Lecteur& lecteur, const toml::table& racine);

} // namespace bilobe

#pragma once

#include "geometry/parametres.h"

#include <optional>
#include <string>
#include <string_view>

namespace bilobe {

// What to tell the user about a field's text that is not wholly a number:
// what it is read as, and why ("lu 45 : le séparateur décimal est le point").
// Nothing for a text that is one number. The reading itself is unchanged.
std::optional<std::string> defaut_champ(std::string_view texte);

// The fields an error's place names ("xa / xtot") and what each was read
// as: "« Largeur totale » se lit 0". When some of them are not wholly a
// number, only those: they are the likely cause. Empty when the place names
// no field.
std::string champs_en_cause(const std::string& lieu, const ChampsCouple& champs);

} // namespace bilobe

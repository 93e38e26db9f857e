#pragma once

#include "geometry/kit.h"

#include <optional>
#include <string>

namespace bilobe {

// A notch's place as a text: "dos" (0), "ventre" (1), "niveau", or a number
// from 0 to 1 with "." as separator. Nothing when it is none of these.
std::optional<Encoche> lire_place(const std::string& texte);
// "dos", "ventre", "niveau" or the number, as lire_place reads it back.
std::string texte_place(const Encoche& encoche);

// "PLACE:LARGEUR:PROFONDEUR", e.g. "0.3:3:2" or "dos:4:3"; nothing when the
// text is not of that form.
std::optional<Encoche> lire_encoche(const std::string& texte);
// "COTE:LARGEUR:ECART:DISTANCE", e.g. "dessous:6:15:80".
std::optional<Pattes> lire_pattes(const std::string& texte);

// A number of these texts: "." as separator, no sign, no exponent needed.
std::optional<double> lire_mm(const std::string& texte);

} // namespace bilobe

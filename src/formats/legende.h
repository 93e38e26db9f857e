#pragma once

#include "geometry/gabarit.h"

#include <string>

namespace bilobe {

// "Couple bi-lobé 100 x 140 mm - paroi 8.33 à 10.00 mm": width, then height;
// with a kerf, then " - coupe 100.3 x 140.3 mm, saignée 0.3 mm".
std::string legende_gabarit(const Gabarit& gabarit);

// "paroi 8.33 à 10.00 mm": the thinnest and thickest wall, to 0.01 mm.
std::string texte_paroi(const Paroi& paroi);

} // namespace bilobe

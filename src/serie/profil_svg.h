#pragma once

#include "serie/serie_imbriquee.h"

#include <string>

namespace bilobe {

// The fuselage seen from the side (the top and bottom lines, the formers
// standing on their level line) and from above (the width), through the
// stations as the series interpolates them; each former a vertical line
// labelled with its name. One millimetre per user unit.
std::string contenu_profil_svg(const SerieTracee& serie);

} // namespace bilobe

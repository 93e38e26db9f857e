#pragma once

#include "serie/serie_imbriquee.h"

#include <string>

namespace bilobe {

// One nested sheet as a standalone SVG file at true size (mm): its edge, the
// formers' lines to cut (each hollow before its outline) and their names.
std::string contenu_planche_svg(const SerieTracee& serie, int planche);

// Every sheet side by side in one DXF file (mm): the edges on layer PLANCHE,
// the lines to cut on CONTOUR, the names on REPERES.
std::string contenu_planches_dxf(const SerieTracee& serie);

// Sheets lie this far apart in the DXF file.
inline constexpr double ECART_PLANCHES = 20; // mm

} // namespace bilobe

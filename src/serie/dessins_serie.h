#pragma once

#include "formats/dessin.h"
#include "serie/serie_imbriquee.h"

#include <string>
#include <vector>

namespace bilobe {

// One nested sheet at true size (y up, the sheet's top left corner at the
// origin): its edge, the formers' cut lines, the tab marks, the names.
Dessin dessin_planche(const SerieTracee& serie, int planche);

// The formers' full templates, several to an upright A4 page where they fit,
// in the series' order, each with its name and dimensions above it; a
// former too large for a page is a drawing of its own, tiled.
struct PageCouples {
  Dessin dessin;
  std::string legende; // "F1, F2, F3"
};
std::vector<PageCouples> pages_couples(const SerieTracee& serie);

// What a builder lays on the board, at true size: the side view above the
// top view, the level line and the centre line, each former's station line
// with its name and its position from the nose, the overall length.
Dessin dessin_plan(const SerieTracee& serie);

} // namespace bilobe

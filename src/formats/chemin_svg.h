#pragma once

#include "common/texte_mm.h"
#include "geometry/gabarit.h"

#include <string>

namespace bilobe {

// A closed line as an SVG path element on a line of its own, each point
// placed on the page by `placer` (mm, y down).
template <class Placer> std::string chemin_svg(const Boucle& boucle, const Placer& placer) {
  std::string d;
  for (std::size_t k = 0; k < boucle.size(); ++k) {
    const PointMm p = placer(boucle[k]);
    d.append(k == 0 ? "M " : " L ").append(texte_mm(p.x)).append(",").append(texte_mm(p.y));
  }
  return "    <path d=\"" + d + " Z\"/>\n";
}

} // namespace bilobe

#pragma once

#include "geometry/gabarit.h"

#include <string>
#include <vector>

namespace bilobe {

// The template at 1:1 on A4 sheets: the former tiled over as many sheets
// as it needs, each with the 50 mm scale bar, the 10 mm square, the
// dimensions line and its place in the set.
std::string contenu_pdf(const Gabarit& gabarit);

// Several templates one after the other in one PDF, each tiled as above and
// each sheet labelled with its template's name ("F3").
struct GabaritNomme {
  std::string nom;
  const Gabarit* gabarit;
};
std::string contenu_pdf(const std::vector<GabaritNomme>& gabarits, const std::string& titre);

} // namespace bilobe

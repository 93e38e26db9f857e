#pragma once

#include "geometry/gabarit.h"

#include <string>
#include <vector>

namespace bilobe {

// The template at 1:1 on A4 sheets, drawn with Qt's PDF writer: the former
// tiled over as many sheets as it needs, each with the 50 mm scale bar, the
// 10 mm square, the dimensions line and its place in the set. Needs Qt's
// fonts: when the program has no Qt application (the command line), an
// off-screen one lives for the time of the drawing.
std::string contenu_pdf(const Gabarit& gabarit);

// Several templates one after the other in one PDF, each tiled as above and
// each sheet labelled with its template's name ("F3").
struct GabaritNomme {
  std::string nom;
  const Gabarit* gabarit;
};
std::string contenu_pdf(const std::vector<GabaritNomme>& gabarits, const std::string& titre);

} // namespace bilobe

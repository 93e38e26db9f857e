#pragma once

#include "formats/dessin.h"

#include <string>
#include <vector>

namespace bilobe {

// One drawing of a PDF and the first line of its pages' band ("Planche 1 - 200 x 150 mm").
struct DessinAImprimer {
  const Dessin* dessin;
  std::string legende;
};

// Each drawing at 1:1 over as few A4 pages as its box needs, the page
// landscape when that needs fewer, every page of its grid printed so that
// the pages join up; crosses in the overlaps, the scale bar, the 10 mm
// square and the page's place on every page.
std::string contenu_pdf_a4(const std::vector<DessinAImprimer>& dessins, const std::string& titre);

} // namespace bilobe

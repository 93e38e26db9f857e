#pragma once

#include "formats/dessin.h"
#include "formats/ecrivain_pdf.h"
#include "formats/pages_pdf.h"

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

// One page of a drawing: its lines and words cut at the drawing area
// (framed in dashes when the drawing takes several pages), and the crosses
// of the overlaps.
void dessiner_page(EcrivainPdf& pdf, const Dessin& d, const PageGabarit& page, const FeuilleA4& feuille,
                   bool en_plusieurs);

} // namespace bilobe

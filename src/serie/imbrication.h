#pragma once

#include "serie/description.h"

#include <string>
#include <vector>

namespace bilobe {

// A part to lay out: its name and the box around everything that is cut, in mm.
struct PieceAImbriquer {
  std::string nom;
  double largeur = 0;
  double hauteur = 0;
};

// Where a part lands: its sheet (from 0) and its box's top left corner, in
// mm from the sheet's top left corner, y down. Parts are never turned.
struct PiecePlacee {
  int planche = 0;
  double x = 0;
  double y = 0;
};

struct Imbrication {
  int planches = 0;
  std::vector<PiecePlacee> pieces; // in the order of the parts given
};

// Lays the parts on as many sheets as they need: boxes at least
// `espacement` apart and `marge` inside the edges. The larger parts go first,
// each on the first sheet where it fits, at the free place that fits it most
// closely. The same parts always give the same layout. A part larger than an
// empty sheet is an ErreurCouple naming it.
Imbrication imbriquer(const std::vector<PieceAImbriquer>& pieces, const Planche& planche);

// The ErreurCouple of a part larger than an empty sheet; nothing for one that fits.
void verifier_taille(const PieceAImbriquer& piece, const Planche& planche);

} // namespace bilobe

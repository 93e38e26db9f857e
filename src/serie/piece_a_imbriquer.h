#pragma once

#include "geometry/boucle.h"

#include <string>
#include <vector>

namespace bilobe {

// A part to lay out: its name and its cut lines, in its own frame (mm, y up):
// the outer line, and the hollows where smaller parts may go.
struct PieceAImbriquer {
  std::string nom;
  Boucle exterieur;
  std::vector<Boucle> creux;
};

} // namespace bilobe

#pragma once

#include "geometry/boucle.h"
#include "geometry/trace.h"

#include <vector>

namespace bilobe {

// The outer and inner lines of a traced former as closed loops, both halves.
struct Lignes {
  Boucle exterieur;
  Boucle interieur;
};
Lignes lignes_du_couple(const ResultatTrace& trace);

// The half line (x >= 0, from one end on the centre line to the other) and
// its mirror image as one closed loop. Points within `tolerance` of the
// centre line are put on it, so that each end appears once; repeated points
// are merged.
Boucle boucle_symetrique(const std::vector<PointMm>& moitie, double tolerance);

} // namespace bilobe

#pragma once

#include "geometry/boucle.h"

#include <cstddef>
#include <vector>

namespace bilobe {

// The right half (x >= 0) of a closed loop that is its own mirror image in
// the centre line and turns counter-clockwise: from where it crosses the
// centre line at the bottom to where it crosses it at the top, both ends on
// x = 0. A loop that does not cross the centre line exactly twice is an
// invalid-operation error at `lieu`.
std::vector<PointMm> moitie_droite(const Boucle& boucle, const char* lieu);

// `intervalles` + 1 points spread evenly by length along the line, its two
// ends kept: every point lies on the line.
std::vector<PointMm> repartir(const std::vector<PointMm>& ligne, std::size_t intervalles);

// The whole section, counter-clockwise, from its right half: the half, then
// its mirror image back to the bottom, the two ends on the centre line once.
Boucle anneau(const std::vector<PointMm>& moitie);

} // namespace bilobe

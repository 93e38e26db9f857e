#pragma once

#include "geometry/boucle.h"
#include "volume/maillage.h"

#include <span>
#include <vector>

namespace bilobe {

// A cross-section of a solid: where it stands along z and its outline, and
// for a hollow solid the outline of its hollow. Every section of one solid
// has the same number of points on each outline, point k of one section
// joining point k of the next; each outline turns counter-clockwise.
struct Tranche {
  double z = 0;
  Boucle exterieur;
  Boucle interieur; // empty for a solid without a hollow
};

// The closed solid through the sections, in increasing z (at least two): the
// outlines joined section to section, the two ends closed by a cap, or by a
// ring between the outline and the hollow. A mesh that would hold a
// triangle without area is an invalid-operation error at `lieu`.
Maillage solide_par_tranches(std::span<const Tranche> tranches, const char* lieu);

} // namespace bilobe

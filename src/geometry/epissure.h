#pragma once

#include "geometry/saillies_kit.h"

#include <optional>
#include <vector>

namespace bilobe {

// The notched and tabbed outline made by splicing: each rectangle's corners
// put in the loop between the two points where its sides cross it, the
// points in between left out. Nothing when a rectangle does not cross the
// loop that simply (a notch over a bend sharper than itself, a side that
// does not reach it): the general boolean operation then decides. The
// rectangles must not touch one another.
std::optional<Boucle> episser(const Boucle& exterieur, const std::vector<EncochePlacee>& encoches,
                              const std::vector<PattePlacee>& pattes);

} // namespace bilobe

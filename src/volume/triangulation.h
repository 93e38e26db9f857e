#pragma once

#include "geometry/boucle.h"

#include <array>
#include <cstddef>
#include <vector>

namespace bilobe {

// A simple polygon turning counter-clockwise cut into triangles whose
// corners are its own points, each triangle counter-clockwise; every point
// is a corner of some triangle, points on a straight run included, so that
// the cut shares its edges with whatever the polygon's sides join. A polygon
// that crosses itself, or with no area, is an invalid-operation error at `lieu`.
std::vector<std::array<std::size_t, 3>> trianguler(const Boucle& polygone, const char* lieu);

} // namespace bilobe

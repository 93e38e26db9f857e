#pragma once

#include "geometry/gabarit.h"

#include <string>

namespace bilobe {

namespace gabarit_svg {
inline constexpr double MARGE = 10;        // mm around the former
inline constexpr double BANDE_LEGENDE = 8; // mm under the bottom margin, for the dimensions line
} // namespace gabarit_svg

// A standalone SVG 1.1 file at true size: width and height in mm, one user
// unit per millimetre. The contours are closed paths in the cut colour, the
// construction lines a dashed group of their own, then the dimensions line.
std::string contenu_svg(const Gabarit& gabarit);

} // namespace bilobe

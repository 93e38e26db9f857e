#pragma once

#include "geometry/boucle.h"

namespace bilobe {

// The closed loop offset by `distance` mm, outward when positive and inward
// when negative, its corners rounded (on integer micrometres). The
// result turns counter-clockwise. An offset that leaves nothing, or splits
// the loop in several, is an invalid-operation error at `lieu`.
Boucle decaler(const Boucle& boucle, double distance, const char* lieu);

} // namespace bilobe

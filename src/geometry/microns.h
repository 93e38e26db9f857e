#pragma once

#include "geometry/boucle.h"

#include "geometry/polygones.h"

namespace bilobe::microns {

// The polygon operations work on integers: micrometres, far finer than any
// cutter.
inline constexpr double MICRONS_PAR_MM = 1000;

// A loop in micrometres, positive; a coordinate too large for the
// operations is an overflow error at `lieu`.
polygones::Chemin en_chemin(const Boucle& boucle, const char* lieu);
// Back to millimetres, counter-clockwise, without the segments a cutter
// chokes on: points closer than 5 µm to the one before, and points within
// 1 µm of the line through their neighbours, are dropped.
Boucle en_boucle(polygones::Chemin chemin);

// Points closer than 5 µm to the one before dropped, the last one too when
// it is that close to the first.
void sans_points_proches(Boucle& boucle);

// The one closed piece left by an operation: nothing left, or several
// pieces or a hole, is an invalid-operation error at `lieu` saying `quoi`.
Boucle piece_unique(const polygones::Zone& resultat, const char* lieu, const char* quoi);

} // namespace bilobe::microns

#pragma once

#include "geometry/polygones.h"

namespace bilobe::convexe {

// Polygons in whole micrometres. A convex polygon here has a positive area
// and no three points in line.

// The convex hull of the points.
polygones::Chemin enveloppe(polygones::Chemin points);

// The Minkowski sum of two convex polygons: every a + b.
polygones::Chemin somme(const polygones::Chemin& a, const polygones::Chemin& b);

// A regular polygon around the disc of this radius (µm), centred on the
// origin: a convex offset that never gives less than the radius.
polygones::Chemin disque(double rayon);

// Where the convex `motif` may go inside the convex `conteneur`: every t
// such that motif + t lies in it; nothing when it cannot. The corners are
// rounded to the micrometre, within one of the exact ones.
polygones::Chemin erosion(const polygones::Chemin& conteneur, const polygones::Chemin& motif);

// The polygon turned half a turn about the origin: every -p.
polygones::Chemin oppose(polygones::Chemin p);

polygones::Chemin translate(polygones::Chemin p, polygones::Point de);

// Fewer points: a point is dropped when it, and every point dropped with
// it, lies within `tolerance` of the chord that replaces them. The loop
// then stays within `tolerance` of the original, and the original of it.
polygones::Chemin simplifier(const polygones::Chemin& boucle, double tolerance);

// Offsets with round joins that never give less than `delta` (outward when
// positive, inward when negative), however the arcs are cut into chords.
polygones::Zone decaler_au_moins(const polygones::Zone& zone, double delta);

} // namespace bilobe::convexe

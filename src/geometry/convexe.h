#pragma once

#include <clipper.hpp>

namespace bilobe::convexe {

// Polygons in whole micrometres, as Clipper takes them. A convex polygon
// here has a positive area (Clipper's orientation) and no three points in line.

// The convex hull of the points.
ClipperLib::Path enveloppe(ClipperLib::Path points);

// The Minkowski sum of two convex polygons: every a + b.
ClipperLib::Path somme(const ClipperLib::Path& a, const ClipperLib::Path& b);

// A regular polygon around the disc of this radius (µm), centred on the
// origin: a convex offset that never gives less than the radius.
ClipperLib::Path disque(double rayon);

// Where the convex `motif` may go inside the convex `conteneur`: every t
// such that motif + t lies in it; nothing when it cannot. The corners are
// rounded to the micrometre, within one of the exact ones.
ClipperLib::Path erosion(const ClipperLib::Path& conteneur, const ClipperLib::Path& motif);

// The polygon turned half a turn about the origin: every -p.
ClipperLib::Path oppose(ClipperLib::Path p);

ClipperLib::Path translate(ClipperLib::Path p, ClipperLib::IntPoint de);

// Fewer points: a point is dropped when it, and every point dropped with
// it, lies within `tolerance` of the chord that replaces them. The loop
// then stays within `tolerance` of the original, and the original of it.
ClipperLib::Path simplifier(const ClipperLib::Path& boucle, double tolerance);

// Offsets with round joins that never give less than `delta` (outward when
// positive, inward when negative), however the arcs are cut into chords.
ClipperLib::Paths decaler_au_moins(const ClipperLib::Paths& boucles, double delta);

} // namespace bilobe::convexe

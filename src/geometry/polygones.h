#pragma once

#include <cstdint>
#include <vector>

// Polygons in whole micrometres, and the operations on them: unions,
// differences, intersections and round offsets (Boost.Geometry, header-only,
// so the same code on every system). Each result is rounded back to the
// micrometre: a chain of operations does not drift.
namespace bilobe::polygones {

using Entier = std::int64_t;

struct Point {
  Entier x = 0, y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// A ring, its last point not repeated: positive area (counter-clockwise
// when y goes up) for an outline, negative for a hole.
using Chemin = std::vector<Point>;

struct Polygone {
  Chemin exterieur;
  std::vector<Chemin> trous;
};

// The region that any of its polygons covers. The operations take polygons
// that may overlap and give disjoint ones.
using Zone = std::vector<Polygone>;

// The signed area of a ring, in µm²; of a zone's disjoint polygons, their sum.
double aire(const Chemin& chemin);
double aire(const Zone& zone);
// The ring turned to a positive area.
Chemin positif(Chemin chemin);

Zone reunion(Zone zone);
Zone difference(const Zone& sujet, const Zone& outil);
Zone intersection(const Zone& sujet, const Zone& outil);

// The zone grown by `delta` µm (shrunk when negative), its corners rounded
// by arcs whose chords stray from the circle by at most `ecart_arc` µm,
// inside it; the points are rounded to the micrometre.
Zone decaler(const Zone& zone, double delta, double ecart_arc);

Zone zone_de(Chemin exterieur);

} // namespace bilobe::polygones

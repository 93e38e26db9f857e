#pragma once

#include "geometry/trace.h"

#include <string>
#include <vector>

namespace bilobe {

// A point of the whole former in millimetres: x across from the centre line,
// y up from the level where the side is widest (the trace's own frame).
struct PointMm {
  double x = 0;
  double y = 0;
  bool operator==(const PointMm&) const = default;
};

// A closed line: the last point joins the first and is not repeated.
using Boucle = std::vector<PointMm>;

struct Cadre {
  double gauche = 0;
  double droite = 0;
  double bas = 0;
  double haut = 0;
  double largeur() const { return droite - gauche; }
  double hauteur() const { return haut - bas; }
};

// A thin construction line of the templates.
struct Repere {
  PointMm debut;
  PointMm fin;
};

// The whole former at its true size: the outer and inner lines, each the
// traced half and its mirror image in one closed loop; the area of the ring
// between them; the box around both; the dimensions line.
struct Gabarit {
  Boucle exterieur; // counter-clockwise
  Boucle interieur; // clockwise, as the half is traced
  double surface = 0;
  Cadre cadre;
  std::string legende; // "Couple bi-lobé 100 x 140 mm - paroi 10 mm": width, then height
  Repere axe;          // the centre line, a little past the former
  Repere niveau;       // the level line of the widest point (y = 0)
};

// The template of a traced former. A line that is left with fewer than three
// distinct points cannot be cut: that is an invalid-operation error.
Gabarit construire_gabarit(const ResultatTrace& trace);

// The half line (x >= 0, from one end on the centre line to the other) and
// its mirror image as one closed loop. Points within `tolerance` of the
// centre line are put on it, so that each end appears once; repeated points
// are merged.
Boucle boucle_symetrique(const std::vector<PointMm>& moitie, double tolerance);

// Shoelace formula: positive for a counter-clockwise loop.
double aire_signee(const Boucle& boucle);

} // namespace bilobe

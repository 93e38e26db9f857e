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

// The thinnest and thickest wall: from a point of the inner line to the
// outer line.
struct Paroi {
  double mince = 0;
  double epaisse = 0;
};

// How the template is cut: a wall of constant thickness (the inner line the
// true inward offset of the outer one by ep) and the kerf, the width of the
// cut, half of it given outside the part and half inside its hollow.
struct OptionsGabarit {
  bool paroi_constante = false;
  double saignee = 0; // mm
};

// The whole former at its true size: the outer and inner lines, each the
// traced half and its mirror image in one closed loop, as the cutter follows
// them; the area of the ring between them and the box of the part; the box
// around the lines; the dimensions line.
struct Gabarit {
  Boucle exterieur; // counter-clockwise
  Boucle interieur; // clockwise, as the half is traced
  double surface = 0;
  Paroi paroi;
  double saignee = 0;
  Cadre piece;         // the part, without the kerf
  Cadre cadre;         // the lines as drawn
  std::string legende; // "Couple bi-lobé 100 x 140 mm - paroi 8.33 à 10.00 mm": width, then height
  Repere axe;          // the centre line, a little past the former
  Repere niveau;       // the level line of the widest point (y = 0)
};

// The outer and inner lines of a traced former as closed loops, both halves.
struct Lignes {
  Boucle exterieur;
  Boucle interieur;
};
Lignes lignes_du_couple(const ResultatTrace& trace);

// The template of a traced former. A line left with fewer than three
// distinct points, and a shape that cannot be cut (lines that cross, the
// inner line outside the outer one, a wall that is not positive, a negative
// dimension), are invalid-operation errors.
Gabarit construire_gabarit(const ResultatTrace& trace, const OptionsGabarit& options = {});

// The half line (x >= 0, from one end on the centre line to the other) and
// its mirror image as one closed loop. Points within `tolerance` of the
// centre line are put on it, so that each end appears once; repeated points
// are merged.
Boucle boucle_symetrique(const std::vector<PointMm>& moitie, double tolerance);

// "paroi 8.33 à 10.00 mm": the thinnest and thickest wall, to 0.01 mm.
std::string texte_paroi(const Paroi& paroi);

// Shoelace formula: positive for a counter-clockwise loop.
double aire_signee(const Boucle& boucle);

} // namespace bilobe

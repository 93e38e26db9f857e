#pragma once

#include "geometry/boucle.h"
#include "geometry/forme.h"
#include "geometry/kit.h"
#include "geometry/lignes.h"
#include "geometry/trace.h"

#include <optional>
#include <vector>

namespace bilobe {

// A thin construction line of the templates.
struct Repere {
  PointMm debut;
  PointMm fin;
};

// How the template is cut: a wall of constant thickness (the inner line the
// true inward offset of the outer one by ep) and the kerf, the width of the
// cut, half of it given outside the part and half inside its hollow.
// Notches and tabs make the part a kit piece; the inner line ignores them.
struct OptionsGabarit {
  bool paroi_constante = false;
  double saignee = 0; // mm
  std::vector<Encoche> encoches;
  std::optional<Pattes> pattes;
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
  Cadre piece;                 // the part, without the kerf
  Cadre cadre;                 // the lines as drawn
  double largeur_nominale = 0; // 2 xtot and yinf + ytot, as the fields read: the dimensions the texts give
  double hauteur_nominale = 0;
  Repere axe;    // the centre line, a little past the former
  Repere niveau; // the level line of the widest point (y = 0)
  std::vector<EncochePlacee> encoches;
  std::vector<Repere> marques_pattes;           // where each tab is cut off after gluing
  std::vector<std::vector<PointMm>> traits_kit; // each notch and tab as drawn over the plain outline
};

// The template of a traced former. A line left with fewer than three
// distinct points, and a shape that cannot be cut (lines that cross, the
// inner line outside the outer one, a wall that is not positive, a negative
// dimension), are invalid-operation errors.
Gabarit construire_gabarit(const ResultatTrace& trace, const OptionsGabarit& options = {});

} // namespace bilobe

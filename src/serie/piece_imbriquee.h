#pragma once

#include "geometry/microns.h"
#include "serie/description.h"
#include "serie/piece_a_imbriquer.h"

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

// A part as the nesting sees it: in whole micrometres, from its box's top
// left corner, y down; its outline grown and its hollows shrunk by half the
// spacing, upright and turned half a turn.
namespace bilobe::imbrication {

using polygones::Chemin;
using polygones::Entier;
using polygones::Point;
using polygones::Polygone;
using polygones::Zone;
using Chemins = std::vector<Chemin>;

// The layout is worked out in whole micrometres, as every polygon operation
// is, so that it is exact and the same on every machine.
using microns::MICRONS_PAR_MM;

Entier vers_le_haut(double mm);
Entier vers_le_bas(double mm);

struct Boite {
  Entier x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  bool croise(const Boite& b) const { return b.x0 < x1 && x0 < b.x1 && b.y0 < y1 && y0 < b.y1; }
  bool touche(const Boite& b) const { return b.x0 <= x1 && x0 <= b.x1 && b.y0 <= y1 && y0 <= b.y1; }
  bool contient(const Boite& b) const { return x0 <= b.x0 && b.x1 <= x1 && y0 <= b.y0 && b.y1 <= y1; }
  Boite decalee(Point d) const { return {x0 + d.x, y0 + d.y, x1 + d.x, y1 + d.y}; }
  Boite reunie(const Boite& b) const {
    return {std::min(x0, b.x0), std::min(y0, b.y0), std::max(x1, b.x1), std::max(y1, b.y1)};
  }
  Boite coupee(const Boite& b) const {
    return {std::max(x0, b.x0), std::max(y0, b.y0), std::min(x1, b.x1), std::min(y1, b.y1)};
  }
};

Boite boite_de(const Chemin& p);
// The box of a zone that is not empty.
Boite boite_de(const Zone& zone);
Zone rectangle(const Boite& b);
Polygone translate(Polygone p, Point de);

// Every corner of the zone, its holes' too.
template <typename F> void pour_chaque_sommet(const Zone& zone, F f) {
  for (const Polygone& p : zone) {
    for (const Point& q : p.exterieur) f(q);
    for (const Chemin& t : p.trous)
      for (const Point& q : t) f(q);
  }
}

// A part grown by half the spacing (convex: smaller parts never slip into
// its notches), and its hollows shrunk by as much.
struct Contours {
  Chemin exterieur;
  Chemins creux;
};

// One way round of a part, in µm from its box's top left corner, y down.
struct Sens {
  Contours recherche, test;
  Boite boite_test;
  // Each hollow as searched: its convex hull, the hulls of the pockets
  // between the hull and the hollow's line, and its box.
  struct Creux {
    Chemin coque;
    Chemins poches;
    Boite boite;
  };
  std::vector<Creux> creux;
  double aire_creux = 0; // µm², as tested
};

struct Piece {
  Entier largeur = 0, hauteur = 0;
  Sens sens[2];
  double aire = 0;  // µm², of the grown outline as tested
  double rayon = 0; // µm: a disc this large fits in that outline…
  Point centre;     // …about this point, as drawn (turned, about the box's opposite point)
};

// The box of the part's outer line, and its size in µm (rounded up);
// nothing for a size that is not one.
Cadre cadre_exterieur(const PieceAImbriquer& piece);
std::optional<std::pair<Entier, Entier>> taille(const Cadre& c);

Piece preparer(const PieceAImbriquer& piece, const Planche& planche);

} // namespace bilobe::imbrication

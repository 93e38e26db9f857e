#pragma once

#include "serie/description.h"

#include <string>
#include <vector>

namespace bilobe {

// A stringer (or keel, spine, longeron) of the cut list: it runs through
// the bottoms of one notch of every former, from the first to the last.
struct Lisse {
  std::size_t numero = 0; // the notch's number, from 1
  bool gauche = false;    // the mirror image of a pair
  bool sur_l_axe = false; // a notch on the centre line: one stringer
  Encoche encoche;
  double longueur = 0;             // mm, the 3D polyline through the bottoms
  std::vector<PointMm> cote;       // its run in the side view: (position, height)
  std::vector<PointMm> vue_dessus; // and from above: (position, half-width)
};

// One stringer per notch place and side, over the traced formers in order.
std::vector<Lisse> lisses_de(const std::vector<CoupleTrace>& couples, const std::vector<Encoche>& encoches);

// Debit.csv: a header row, then a row a stringer; ";" between columns and a
// decimal comma, in UTF-8 with its mark, as a French spreadsheet opens it.
std::string texte_debit(const std::vector<Lisse>& lisses);

// "Débit : 5 lisses, longueur totale 4012.35 mm".
std::string ligne_debit(const std::vector<Lisse>& lisses);

} // namespace bilobe

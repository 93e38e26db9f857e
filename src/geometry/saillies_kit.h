#pragma once

#include "geometry/boucle.h"

#include <cstddef>

namespace bilobe {

// What a notch or a tab makes of the outline, as the splicing and the
// checks see it.

// A notch where it falls on the outline: the point of the outline, the
// outline's unit tangent and inward normal there, and the middle of its
// bottom, where the stringer's edge lies.
struct EncochePlacee {
  std::size_t numero = 0; // from 1, in the order given
  bool gauche = false;    // the mirror image of a pair
  PointMm point;
  PointMm tangente;
  PointMm normale;
  PointMm fond;
  Boucle rectangle; // what it removes, reaching out past the outline
};

// A tab: the region between the board line and the outline over its width
// (its top follows the outline, a micrometre inside the part so that the two
// join), and the mark across it where it meets the outline.
struct PattePlacee {
  std::size_t numero = 0; // from 1, left to right
  bool dessus = false;
  double chantier = 0;  // the board line's y
  Boucle region;        // counter-clockwise
  PointMm marque_debut; // at its left side
  PointMm marque_fin;   // at its right side
};

} // namespace bilobe

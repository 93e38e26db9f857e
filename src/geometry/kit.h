#pragma once

#include "geometry/boucle.h"

#include <optional>
#include <vector>

namespace bilobe {

// A notch for a stringer, longeron, keel or spine: a rectangle `largeur`
// across the outline and `profondeur` into the part, at a place of the
// outer line. The place runs from 0, the top on the centre line, to 1, the
// bottom on it, along the half line's length; `au_niveau` puts it where the
// side is widest, on the level line. Between 0 and 1 it makes a mirrored pair.
struct Encoche {
  double place = 0;
  bool au_niveau = false;
  double largeur = 0;
  double profondeur = 0;
};

// Jig tabs: rectangles `largeur` wide, centred `ecart` from the centre line
// on each side (one on the line when 0), from the outline to the board line,
// `distance` below (dessous) or above (dessus) the level line.
struct Pattes {
  bool dessus = false;
  double largeur = 0;
  double ecart = 0;
  double distance = 0;
};

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

// The notches of a closed outer line (counter-clockwise, its right half
// first, from the bottom on the centre line to the top). A size that is not
// positive, or a place outside 0 to 1, is an invalid-argument error naming
// the notch.
std::vector<EncochePlacee> placer_encoches(const Boucle& exterieur, const std::vector<Encoche>& encoches);

// A tab: its rectangle, from the board line to just inside the part, and
// the mark across it where it meets the outline.
struct PattePlacee {
  std::size_t numero = 0; // from 1, left to right
  bool dessus = false;
  double chantier = 0; // the board line's y
  Boucle rectangle;
  PointMm marque_debut;
  PointMm marque_fin;
};

// The tabs under (or over) a closed outer line. A board line that does not
// clear the part, and a tab wider than the part's side, are invalid-operation
// errors.
std::vector<PattePlacee> placer_pattes(const Boucle& exterieur, const Pattes& pattes);

// What a notch or a tab adds to the drawing of the outline, as an open line:
// a notch's two walls and bottom from its point's tangent; a tab's sides and
// its end on the board line, between its two marks.
std::vector<PointMm> trait_kit(const EncochePlacee& encoche);
std::vector<PointMm> trait_kit(const PattePlacee& patte);

// The notched and tabbed outline. A notch that reaches or touches the inner
// line, or overlaps another notch or a tab, and a tab that reaches the inner
// line, are invalid-operation errors that name them.
Boucle decouper_kit(const Boucle& exterieur, const Boucle& interieur, const std::vector<EncochePlacee>& encoches,
                    const std::vector<PattePlacee>& pattes);

} // namespace bilobe

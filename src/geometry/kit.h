#pragma once

#include "geometry/saillies_kit.h"

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

// A former takes at most this many notches: more is surely a typing error,
// and the checks between them grow with their square.
inline constexpr std::size_t ENCOCHES_MAX = 64;
// Widths, depths and distances of notches and tabs, in mm: under the
// smallest, a side would fold onto itself; over the largest, a typing error.
inline constexpr double COTE_KIT_MIN = 0.01;
inline constexpr double COTE_KIT_MAX = 1e6;
inline bool cote_kit_valide(double mm) { return mm >= COTE_KIT_MIN && mm < COTE_KIT_MAX; }
inline bool ecart_kit_valide(double mm) { return mm >= 0 && mm < COTE_KIT_MAX; }

// Jig tabs, `largeur` wide, centred `ecart` from the centre line on each
// side (one on the line when 0): each fills the space between the outline
// and the board line, `distance` below (dessous) or above (dessus) the level
// line, over its width. In a series, `distance` is the guard beyond the
// former that reaches furthest, and the board line the same for all.
struct Pattes {
  bool dessus = false;
  double largeur = 0;
  double ecart = 0;
  double distance = 0;
};

// The notches of a closed outer line (counter-clockwise, its right half
// first, from the bottom on the centre line to the top). A size that is not
// from 0.01 mm to 1e6 mm, a place outside 0 to 1, or more than ENCOCHES_MAX
// notches, is an invalid-operation error naming the notch.
std::vector<EncochePlacee> placer_encoches(const Boucle& exterieur, const std::vector<Encoche>& encoches);

// The tabs under (or over) a closed outer line. A board line that does not
// clear the part, and a tab that reaches beyond the part's side, are
// invalid-operation errors.
std::vector<PattePlacee> placer_pattes(const Boucle& exterieur, const Pattes& pattes);

// What a notch or a tab adds to the drawing of the outline, as an open line:
// a notch's two walls and bottom from its point's tangent; a tab's sides and
// its end on the board line, between its two marks.
std::vector<PointMm> trait_kit(const EncochePlacee& encoche);
std::vector<PointMm> trait_kit(const PattePlacee& patte);

// The notched and tabbed outline. A notch that reaches or touches the inner
// line, whose removed material meets another notch's, or that cuts into a
// tab, and a tab that reaches the inner line (where the wall leaves no gap),
// are invalid-operation errors that name them.
Boucle decouper_kit(const Boucle& exterieur, const Boucle& interieur, const std::vector<EncochePlacee>& encoches,
                    const std::vector<PattePlacee>& pattes);

} // namespace bilobe

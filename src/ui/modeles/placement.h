#pragma once

#include <optional>

namespace bilobe {

// A window's place on the screen, in pixels, frame included.
struct Rectangle {
  int x = 0, y = 0, largeur = 0, hauteur = 0;
};

// Where a new window goes beside `voisine`, never larger than the screen's
// free area `ecran` and within it, top-aligned with `voisine` as far as the
// area allows:
// - at the size wanted, to its right, else to its left, where there is room;
// - else narrower, down to `largeur_min`, on the side with more room;
// - else `voisine` moves to the area's left edge (`voisine_x`) and the new
//   window goes beside it, or over all of it but its first `a_garder`
//   pixels (its fields stay in sight);
// - else at the area's left edge.
struct Placement {
  Rectangle fenetre;
  std::optional<int> voisine_x;
};
Placement placer_a_cote(const Rectangle& voisine, int largeur, int hauteur, const Rectangle& ecran, int largeur_min = 0,
                        int a_garder = 0);

} // namespace bilobe

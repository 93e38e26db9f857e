#pragma once

namespace bilobe {

// A window's place on the screen, in pixels, frame included.
struct Rectangle {
  int x = 0, y = 0, largeur = 0, hauteur = 0;
};

// Where a new window of the size wanted goes: never larger than the
// screen's free area `ecran`, within it, beside `voisine` (to its right,
// else to its left) where there is room, else at the area's left edge.
// Top-aligned with `voisine` as far as the area allows.
Rectangle placer_a_cote(const Rectangle& voisine, int largeur, int hauteur, const Rectangle& ecran);

} // namespace bilobe

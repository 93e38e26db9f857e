#pragma once

#include "common/liste_points.h"

#include <cstdint>

namespace bilobe {

// Entries premiere to derniere of an outline, both included; empty when
// derniere < premiere.
struct Plage {
  int premiere = 1;
  int derniere = 0;
};

// The outline in millimetres as the contours build it, with its pieces.
struct ContourMm {
  ListePoints liste{1000}; // its nbpts is the point count
  Plage exterieur;         // from the bottom on the centre line round to the top
  Plage marche_haut;       // from the top down the centre line into the wall
  Plage interieur;         // from the inner top round to the inner bottom
  Plage marche_bas;        // from the inner bottom down through the wall to the first point

  std::int16_t nbpts() const { return liste.nbpts(); }
  // Each line of the former as the templates cut it: its contour, closed on
  // the centre line by the first point of the wall step that follows.
  Plage ligne_exterieure() const { return {exterieur.premiere, marche_haut.premiere}; }
  Plage ligne_interieure() const { return {interieur.premiere, marche_bas.premiere}; }
};

} // namespace bilobe

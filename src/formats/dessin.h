#pragma once

#include "formats/style_gabarit.h"
#include "geometry/boucle.h"
#include "geometry/gabarit.h"

#include <string>
#include <vector>

namespace bilobe {

// A drawing to print at true size: lines and words in mm, y up.
struct TraitDessin {
  std::vector<PointMm> points;
  bool ferme = false;
  style_gabarit::Trait style;
};

struct TexteDessin {
  PointMm base; // the start of its baseline
  std::string texte;
  double hauteur = 0;   // of the font, mm
  bool montant = false; // reading upwards
};

struct Dessin {
  std::vector<TraitDessin> traits;
  std::vector<TexteDessin> textes;
  Cadre cadre; // what the pages must cover

  void trait(std::vector<PointMm> points, const style_gabarit::Trait& style, bool ferme = false) {
    traits.push_back({std::move(points), ferme, style});
  }
  void ecrire(PointMm base, std::string texte, double hauteur, bool montant = false) {
    textes.push_back({base, std::move(texte), hauteur, montant});
  }
};

// The same drawing moved by (dx, dy).
Dessin deplace(Dessin d, double dx, double dy);

// A former's template as a drawing, in its own frame: the lines to cut (the
// inner one first, as a cutter should take them), then the axis, the level
// and the tabs' marks; its box is the template's.
Dessin dessin_gabarit(const Gabarit& g);

} // namespace bilobe

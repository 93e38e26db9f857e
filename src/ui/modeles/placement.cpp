#include "ui/modeles/placement.h"

#include <algorithm>

namespace bilobe {

Rectangle placer_a_cote(const Rectangle& voisine, int largeur, int hauteur, const Rectangle& ecran) {
  constexpr int ECART = 8; // between the two windows
  Rectangle r;
  r.largeur = std::max(1, std::min(largeur, ecran.largeur));
  r.hauteur = std::max(1, std::min(hauteur, ecran.hauteur));
  const int droite_ecran = ecran.x + ecran.largeur;
  if (voisine.x + voisine.largeur + ECART + r.largeur <= droite_ecran)
    r.x = voisine.x + voisine.largeur + ECART;
  else if (voisine.x - ECART - r.largeur >= ecran.x)
    r.x = voisine.x - ECART - r.largeur;
  else
    r.x = ecran.x;
  r.y = std::clamp(voisine.y, ecran.y, ecran.y + ecran.hauteur - r.hauteur);
  return r;
}

} // namespace bilobe

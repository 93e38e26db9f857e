#include "ui/modeles/placement.h"

#include <algorithm>

namespace bilobe {

Placement placer_a_cote(const Rectangle& voisine, int largeur, int hauteur, const Rectangle& ecran, int largeur_min,
                        int a_garder) {
  constexpr int ECART = 8; // between the two windows
  Placement p;
  Rectangle& r = p.fenetre;
  r.largeur = std::max(1, std::min(largeur, ecran.largeur));
  r.hauteur = std::max(1, std::min(hauteur, ecran.hauteur));
  r.y = std::clamp(voisine.y, ecran.y, ecran.y + ecran.hauteur - r.hauteur);
  const int droite_ecran = ecran.x + ecran.largeur;
  const int place_a_droite = droite_ecran - (voisine.x + voisine.largeur + ECART);
  const int place_a_gauche = voisine.x - ECART - ecran.x;
  largeur_min = std::min(largeur_min, r.largeur);
  if (place_a_droite >= r.largeur) {
    r.x = voisine.x + voisine.largeur + ECART;
  } else if (place_a_gauche >= r.largeur) {
    r.x = voisine.x - ECART - r.largeur;
  } else if (largeur_min > 0 && std::max(place_a_droite, place_a_gauche) >= largeur_min) {
    r.largeur = std::max(place_a_droite, place_a_gauche);
    r.x = place_a_droite >= place_a_gauche ? droite_ecran - r.largeur : ecran.x;
  } else if (const int apres = ecran.x + std::min(voisine.largeur, a_garder) + ECART;
             largeur_min > 0 && droite_ecran - apres >= largeur_min) {
    p.voisine_x = ecran.x;
    const int a_cote = ecran.x + voisine.largeur + ECART;
    r.x = droite_ecran - a_cote >= largeur_min ? a_cote : std::max(apres, droite_ecran - r.largeur);
    r.largeur = std::min(r.largeur, droite_ecran - r.x);
  } else {
    r.x = ecran.x;
  }
  return p;
}

} // namespace bilobe

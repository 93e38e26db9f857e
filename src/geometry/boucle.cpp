#include "geometry/boucle.h"

#include <algorithm>

namespace bilobe {

Cadre cadre_de(std::initializer_list<const Boucle*> boucles) {
  const PointMm& premier = (*boucles.begin())->front();
  Cadre c{premier.x, premier.x, premier.y, premier.y};
  for (const Boucle* boucle : boucles)
    for (const PointMm& p : *boucle) c = reunion(c, {p.x, p.x, p.y, p.y});
  return c;
}

Cadre reunion(Cadre a, const Cadre& b) {
  a.gauche = std::min(a.gauche, b.gauche);
  a.droite = std::max(a.droite, b.droite);
  a.bas = std::min(a.bas, b.bas);
  a.haut = std::max(a.haut, b.haut);
  return a;
}

double aire_signee(const Boucle& boucle) {
  double somme = 0;
  const std::size_t n = boucle.size();
  for (std::size_t k = 0; k < n; ++k) {
    const PointMm& a = boucle[k];
    const PointMm& b = boucle[k + 1 < n ? k + 1 : 0];
    somme += a.x * b.y - b.x * a.y;
  }
  return somme / 2;
}

} // namespace bilobe

#include "geometry/boucle.h"

#include <algorithm>

namespace bilobe {

Cadre cadre_de(std::initializer_list<const Boucle*> boucles) {
  const PointMm& premier = (*boucles.begin())->front();
  Cadre c{premier.x, premier.x, premier.y, premier.y};
  for (const Boucle* boucle : boucles)
    for (const PointMm& p : *boucle) {
      c.gauche = std::min(c.gauche, p.x);
      c.droite = std::max(c.droite, p.x);
      c.bas = std::min(c.bas, p.y);
      c.haut = std::max(c.haut, p.y);
    }
  return c;
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

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
  return {std::min(a.gauche, b.gauche), std::max(a.droite, b.droite), std::min(a.bas, b.bas), std::max(a.haut, b.haut)};
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

bool dans_la_boucle(PointMm p, const Boucle& boucle) {
  bool dedans = false;
  for (std::size_t i = 0, j = boucle.size() - 1; i < boucle.size(); j = i++) {
    const PointMm& a = boucle[i];
    const PointMm& b = boucle[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) dedans = !dedans;
  }
  return dedans;
}

bool segments_se_touchent(PointMm a, PointMm b, PointMm c, PointMm d) {
  const double d1 = croix(c, d, a), d2 = croix(c, d, b), d3 = croix(a, b, c), d4 = croix(a, b, d);
  return ((d1 <= 0 && d2 >= 0) || (d1 >= 0 && d2 <= 0)) && ((d3 <= 0 && d4 >= 0) || (d3 >= 0 && d4 <= 0)) &&
         std::max(std::min(a.x, b.x), std::min(c.x, d.x)) <= std::min(std::max(a.x, b.x), std::max(c.x, d.x)) &&
         std::max(std::min(a.y, b.y), std::min(c.y, d.y)) <= std::min(std::max(a.y, b.y), std::max(c.y, d.y));
}

} // namespace bilobe

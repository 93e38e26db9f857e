#include "formats/dessin.h"

namespace bilobe {

Dessin deplace(Dessin d, double dx, double dy) {
  for (TraitDessin& t : d.traits)
    for (PointMm& p : t.points) p = {p.x + dx, p.y + dy};
  for (TexteDessin& t : d.textes) t.base = {t.base.x + dx, t.base.y + dy};
  d.cadre = {d.cadre.gauche + dx, d.cadre.droite + dx, d.cadre.bas + dy, d.cadre.haut + dy};
  return d;
}

} // namespace bilobe

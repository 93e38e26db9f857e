#include "formats/dessin.h"

namespace bilobe {

Dessin deplace(Dessin d, double dx, double dy) {
  for (TraitDessin& t : d.traits)
    for (PointMm& p : t.points) p = {p.x + dx, p.y + dy};
  for (TexteDessin& t : d.textes) t.base = {t.base.x + dx, t.base.y + dy};
  d.cadre = {d.cadre.gauche + dx, d.cadre.droite + dx, d.cadre.bas + dy, d.cadre.haut + dy};
  return d;
}

Dessin dessin_gabarit(const Gabarit& g) {
  Dessin d;
  d.trait(g.interieur, style_gabarit::DECOUPE, true);
  d.trait(g.exterieur, style_gabarit::DECOUPE, true);
  for (const Repere* r : {&g.axe, &g.niveau}) d.trait({r->debut, r->fin}, style_gabarit::REPERES);
  for (const Repere& m : g.marques_pattes) d.trait({m.debut, m.fin}, style_gabarit::REPERES);
  d.cadre = g.cadre;
  return d;
}

} // namespace bilobe

#include "common/texte_nombre.h"
#include "serie/dessins_serie.h"

namespace bilobe {

using namespace style_gabarit;

Dessin dessin_planche(const SerieTracee& serie, int planche) {
  const Planche& pl = serie.description.planche;
  Dessin d;
  // From the sheet's frame (y down) to the drawing's (y up).
  const auto haut = [](PointMm p) { return PointMm{p.x, -p.y}; };
  d.cadre = {0, pl.largeur, -pl.hauteur, 0};
  d.trait({{0, 0}, {pl.largeur, 0}, {pl.largeur, -pl.hauteur}, {0, -pl.hauteur}}, PLANCHE, true);
  for (const std::size_t k : ordre_de_coupe(serie.imbrication)) {
    const PiecePlacee& place = serie.imbrication.pieces[k];
    if (place.planche != planche) continue;
    const Gabarit& g = serie.couples[k].gabarit;
    const SurLaPlanche placer{g.cadre, place};
    for (const Boucle* b : {&g.interieur, &g.exterieur}) {
      std::vector<PointMm> points;
      for (const PointMm& p : *b) points.push_back(haut(placer(p)));
      d.trait(std::move(points), DECOUPE, true);
    }
    for (const Repere& m : g.marques_pattes) d.trait({haut(placer(m.debut)), haut(placer(m.fin))}, REPERES);
    const Etiquette e = etiquette(serie, k);
    d.ecrire(haut(e.debut), serie.couples[k].couple.nom, e.hauteur);
  }
  return d;
}

} // namespace bilobe

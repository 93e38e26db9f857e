#include "formats/ecrivain_vectoriel.h"

#include "formats/legende.h"

namespace bilobe {

void dessiner_gabarit(const Gabarit& g, EcrivainVectoriel& e) {
  e.calque(style_gabarit::DECOUPE);
  e.boucle(g.interieur);
  e.boucle(g.exterieur);
  e.calque(style_gabarit::REPERES);
  e.ligne(g.axe);
  e.ligne(g.niveau);
  for (const Repere& marque : g.marques_pattes) e.ligne(marque);
  e.legende(legende_gabarit(g));
}

} // namespace bilobe

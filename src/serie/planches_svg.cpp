#include "common/texte_mm.h"
#include "formats/ecrivain_svg.h"
#include "formats/style_gabarit.h"
#include "formats/texte_xml.h"
#include "serie/planches.h"

#include <vector>

namespace bilobe {

namespace {

using namespace style_gabarit;

// The name's baseline sits this share of the letters' height below the
// centre, so that the letters are centred in the hollow.
constexpr double DESCENTE_CENTRE = 0.35;

} // namespace

std::string contenu_planche_svg(const SerieTracee& serie, int planche) {
  const Planche& pl = serie.description.planche;
  const std::string nom = serie.description.nom.empty() ? "Série" : texte_xml(serie.description.nom);
  DocumentSvg svg(pl.largeur, pl.hauteur, true);
  svg.titre(nom + " - planche " + std::to_string(planche + 1) + "/" + std::to_string(serie.imbrication.planches));
  // The sheet's edge is a layer of its own, so that a laser program can
  // switch it off; then the lines to cut, each hollow before its outline,
  // the formers standing in a hollow before the one around them.
  svg.calque(PLANCHE, attributs_trait(PLANCHE)).rectangle({}, 4).fermer();
  svg.calque(DECOUPE, attributs_trait(DECOUPE));
  struct Nom {
    PointMm base;
    double hauteur;
    const std::string& texte;
  };
  std::vector<Nom> noms;
  std::vector<Repere> marques; // where each tab is cut off, on the sheet
  for (const std::size_t k : ordre_de_coupe(serie.imbrication)) {
    const PiecePlacee& place = serie.imbrication.pieces[k];
    if (place.planche != planche) continue;
    const CoupleTrace& c = serie.couples[k];
    const SurLaPlanche placer{c.gabarit.cadre, place};
    svg.chemin(c.gabarit.interieur, placer).chemin(c.gabarit.exterieur, placer);
    for (const Repere& m : c.gabarit.marques_pattes) marques.push_back({placer(m.debut), placer(m.fin)});
    const Etiquette e = etiquette(serie, k);
    noms.push_back({{e.centre.x, e.centre.y + DESCENTE_CENTRE * e.hauteur}, e.hauteur, c.couple.nom});
  }
  svg.fermer().calque(REPERES, "font-family=\"sans-serif\" text-anchor=\"middle\" fill=\"" + hexa(TEXTE.couleur) +
                                   "\" stroke=\"none\"");
  for (const Nom& n : noms) svg.texte(n.base, n.texte, " font-size=\"" + texte_mm(n.hauteur) + "\"");
  if (!marques.empty()) {
    svg.groupe(attributs_trait(REPERES));
    for (const Repere& m : marques) svg.ligne(m.debut, m.fin);
    svg.fermer();
  }
  return svg.fermer().fin();
}

} // namespace bilobe

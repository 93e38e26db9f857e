#include "common/texte_mm.h"
#include "formats/chemin_svg.h"
#include "formats/style_gabarit.h"
#include "formats/texte_xml.h"
#include "serie/planches.h"

namespace bilobe {

namespace {

using namespace style_gabarit;

// The name's baseline sits this share of the letters' height below the
// centre, so that the letters are centred in the hollow.
constexpr double DESCENTE_CENTRE = 0.35;

std::string calque(const char* id, const char* libelle, const std::string& attributs) {
  return std::string("  <g id=\"") + id + "\" inkscape:groupmode=\"layer\" inkscape:label=\"" + libelle + "\" " +
         attributs + ">\n";
}

} // namespace

std::string contenu_planche_svg(const SerieTracee& serie, int planche) {
  const Planche& pl = serie.description.planche;
  const std::string l = texte_mm(pl.largeur), h = texte_mm(pl.hauteur);
  const std::string trait = "stroke-width=\"" + texte_mm(LARGEUR_FICHIER) + "\"";
  const std::string nom = serie.description.nom.empty() ? "Série" : texte_xml(serie.description.nom);

  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" "
         "version=\"1.1\" width=\"" +
         l + "mm\" height=\"" + h + "mm\" viewBox=\"0 0 " + l + " " + h + "\">\n";
  svg += "  <title>" + nom + " - planche " + std::to_string(planche + 1) + "/" +
         std::to_string(serie.imbrication.planches) + "</title>\n";
  // The sheet's edge is a layer of its own, so that a laser program can
  // switch it off; then the lines to cut, each hollow before its outline.
  svg += calque("planche", "Planche", "fill=\"none\" stroke=\"" + hexa(PLANCHE.couleur) + "\" " + trait);
  svg += "    <rect x=\"0\" y=\"0\" width=\"" + l + "\" height=\"" + h + "\"/>\n  </g>\n";
  svg += calque("contour", "Découpe", "fill=\"none\" stroke=\"" + hexa(DECOUPE.couleur) + "\" " + trait);
  std::string noms;
  for (std::size_t k = 0; k < serie.couples.size(); ++k) {
    const PiecePlacee& place = serie.imbrication.pieces[k];
    if (place.planche != planche) continue;
    const CoupleTrace& c = serie.couples[k];
    const SurLaPlanche placer{c.gabarit.cadre, place};
    svg += chemin_svg(c.gabarit.interieur, placer) + chemin_svg(c.gabarit.exterieur, placer);
    const Etiquette e = etiquette(c.gabarit, c.couple.nom);
    const PointMm centre = placer(e.centre);
    noms += "    <text x=\"" + texte_mm(centre.x) + "\" y=\"" + texte_mm(centre.y + DESCENTE_CENTRE * e.hauteur) +
            "\" font-size=\"" + texte_mm(e.hauteur) + "\">" + c.couple.nom + "</text>\n";
  }
  svg += "  </g>\n";
  svg +=
      calque("reperes", "Repères",
             "font-family=\"sans-serif\" text-anchor=\"middle\" fill=\"" + hexa(TEXTE.couleur) + "\" stroke=\"none\"");
  svg += noms + "  </g>\n</svg>\n";
  return svg;
}

} // namespace bilobe

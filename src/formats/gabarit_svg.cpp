#include "formats/gabarit_svg.h"
#include "formats/legende.h"

#include "common/texte_mm.h"
#include "formats/chemin_svg.h"
#include "formats/style_gabarit.h"

namespace bilobe {

namespace {

using namespace gabarit_svg;
using namespace style_gabarit;

// From the former's frame (y up) to the page's (y down, origin top left).
struct Page {
  const Cadre& cadre;
  double x_mm(double mm) const { return MARGE + (mm - cadre.gauche); }
  double y_mm(double mm) const { return MARGE + (cadre.haut - mm); }
  std::string x(double mm) const { return texte_mm(x_mm(mm)); }
  std::string y(double mm) const { return texte_mm(y_mm(mm)); }
  PointMm operator()(PointMm p) const { return {x_mm(p.x), y_mm(p.y)}; }
};

std::string ligne(const Repere& r, const Page& page) {
  return "    <line x1=\"" + page.x(r.debut.x) + "\" y1=\"" + page.y(r.debut.y) + "\" x2=\"" + page.x(r.fin.x) +
         "\" y2=\"" + page.y(r.fin.y) + "\"/>\n";
}

} // namespace

std::string contenu_svg(const Gabarit& g) {
  const Page page{g.cadre};
  const double largeur = g.cadre.largeur() + 2 * MARGE;
  const double hauteur_legende = g.cadre.hauteur() + 2 * MARGE;
  const double hauteur = hauteur_legende + BANDE_LEGENDE;
  const std::string l = texte_mm(largeur);
  const std::string h = texte_mm(hauteur);

  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" "
         "version=\"1.1\" width=\"" +
         l + "mm\" height=\"" + h + "mm\" viewBox=\"0 0 " + l + " " + h + "\">\n";
  svg += "  <title>" + legende_gabarit(g) + "</title>\n"; // digits and fixed words only: nothing to escape
  const std::string largeur_trait = texte_mm(LARGEUR_FICHIER);
  // Two layers, so that a laser program can switch the marks off; the
  // inside first, so that programs that cut in drawing order free the part last.
  svg += "  <g id=\"contour\" inkscape:groupmode=\"layer\" inkscape:label=\"Découpe\" fill=\"none\" stroke=\"" +
         hexa(DECOUPE.couleur) + "\" stroke-width=\"" + largeur_trait + "\">\n";
  svg += chemin_svg(g.interieur, page) + chemin_svg(g.exterieur, page);
  svg += "  </g>\n";
  svg += "  <g id=\"reperes\" inkscape:groupmode=\"layer\" inkscape:label=\"Repères\" fill=\"none\" stroke=\"" +
         hexa(REPERES.couleur) + "\" stroke-width=\"" + largeur_trait + "\" stroke-dasharray=\"" +
         texte_mm(REPERES.tiret) + " " + texte_mm(REPERES.espace) + "\">\n";
  svg += ligne(g.axe, page) + ligne(g.niveau, page);
  svg += "    <text x=\"" + texte_mm(MARGE) + "\" y=\"" + texte_mm(hauteur_legende + BANDE_LEGENDE / 2) +
         "\" font-family=\"sans-serif\" font-size=\"" + texte_mm(TEXTE.hauteur) + "\" fill=\"" + hexa(TEXTE.couleur) +
         "\" stroke=\"none\">" + legende_gabarit(g) + "</text>\n";
  svg += "  </g>\n";
  svg += "</svg>\n";
  return svg;
}

} // namespace bilobe

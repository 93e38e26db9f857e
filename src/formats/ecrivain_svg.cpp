#include "formats/ecrivain_svg.h"

namespace bilobe {

using namespace style_gabarit;

DocumentSvg::DocumentSvg(double largeur, double hauteur, bool avec_calques)
    : largeur_(texte_mm(largeur)), hauteur_(texte_mm(hauteur)) {
  svg_ = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  svg_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" ";
  if (avec_calques) svg_ += "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" ";
  svg_ += "version=\"1.1\" width=\"" + largeur_ + "mm\" height=\"" + hauteur_ + "mm\" viewBox=\"0 0 " + largeur_ + " " +
          hauteur_ + "\">\n";
}

DocumentSvg& DocumentSvg::titre(const std::string& xml) {
  svg_ += "  <title>" + xml + "</title>\n";
  return *this;
}

DocumentSvg& DocumentSvg::calque(const Trait& trait, const std::string& attributs) {
  svg_ += std::string("  <g id=\"") + trait.id_svg + "\" inkscape:groupmode=\"layer\" inkscape:label=\"" +
          trait.libelle + "\" " + attributs + ">\n";
  return *this;
}

DocumentSvg& DocumentSvg::groupe(const std::string& attributs) {
  svg_ += "  <g " + attributs + ">\n";
  return *this;
}

DocumentSvg& DocumentSvg::fermer() {
  svg_ += "  </g>\n";
  return *this;
}

DocumentSvg& DocumentSvg::polyligne(const std::vector<PointMm>& points) {
  std::string texte;
  for (std::size_t k = 0; k < points.size(); ++k)
    texte.append(k == 0 ? "" : " ").append(texte_mm(points[k].x)).append(",").append(texte_mm(points[k].y));
  svg_ += "    <polyline points=\"" + texte + "\"/>\n";
  return *this;
}

DocumentSvg& DocumentSvg::ligne(PointMm a, PointMm b) {
  svg_ += "    <line x1=\"" + texte_mm(a.x) + "\" y1=\"" + texte_mm(a.y) + "\" x2=\"" + texte_mm(b.x) + "\" y2=\"" +
          texte_mm(b.y) + "\"/>\n";
  return *this;
}

DocumentSvg& DocumentSvg::cercle(PointMm centre, double rayon) {
  svg_ += "    <circle cx=\"" + texte_mm(centre.x) + "\" cy=\"" + texte_mm(centre.y) + "\" r=\"" + texte_mm(rayon) +
          "\"/>\n";
  return *this;
}

DocumentSvg& DocumentSvg::rectangle(const std::string& attributs, int retrait) {
  svg_ += std::string(static_cast<std::size_t>(retrait), ' ') + "<rect x=\"0\" y=\"0\" width=\"" + largeur_ +
          "\" height=\"" + hauteur_ + "\"" + attributs + "/>\n";
  return *this;
}

DocumentSvg& DocumentSvg::texte(PointMm base, const std::string& mots, const std::string& attributs) {
  svg_ +=
      "    <text x=\"" + texte_mm(base.x) + "\" y=\"" + texte_mm(base.y) + "\"" + attributs + ">" + mots + "</text>\n";
  return *this;
}

std::string DocumentSvg::fin() { return std::move(svg_) + "</svg>\n"; }

std::string attributs_trait(const Trait& trait, double echelle) {
  std::string a = "fill=\"none\" stroke=\"" + hexa(trait.couleur) + "\" stroke-width=\"" +
                  texte_mm(LARGEUR_FICHIER * echelle) + "\"";
  if (trait.tiret > 0)
    a += " stroke-dasharray=\"" + texte_mm(trait.tiret * echelle) + " " + texte_mm(trait.espace * echelle) + "\"";
  return a;
}

} // namespace bilobe

#pragma once

#include "common/texte_mm.h"
#include "formats/style_gabarit.h"
#include "geometry/boucle.h"

#include <string>
#include <vector>

namespace bilobe {

// An SVG drawing in millimetres (one unit a millimetre, y down), written
// element after element: the header once, groups and Inkscape layers, and
// the few elements the program draws, each on a line of its own.
class DocumentSvg {
public:
  // The header of a drawing `largeur` x `hauteur` mm, with Inkscape's
  // namespace when it has layers.
  DocumentSvg(double largeur, double hauteur, bool avec_calques);

  const std::string& largeur() const { return largeur_; }
  const std::string& hauteur() const { return hauteur_; }

  DocumentSvg& titre(const std::string& xml);
  // An Inkscape layer named after the line's vocabulary; `attributs` say how it draws.
  DocumentSvg& calque(const style_gabarit::Trait& trait, const std::string& attributs);
  DocumentSvg& groupe(const std::string& attributs);
  DocumentSvg& fermer();

  // A closed line, each point placed on the page by `placer`.
  template <class Placer> DocumentSvg& chemin(const Boucle& boucle, const Placer& placer) {
    std::string d;
    for (std::size_t k = 0; k < boucle.size(); ++k) {
      const PointMm p = placer(boucle[k]);
      d.append(k == 0 ? "M " : " L ").append(texte_mm(p.x)).append(",").append(texte_mm(p.y));
    }
    svg_ += "    <path d=\"" + d + " Z\"/>\n";
    return *this;
  }
  DocumentSvg& polyligne(const std::vector<PointMm>& points);
  DocumentSvg& ligne(PointMm a, PointMm b);
  DocumentSvg& cercle(PointMm centre, double rayon);
  // A rectangle from the page's corner; `retrait` spaces before it.
  DocumentSvg& rectangle(const std::string& attributs, int retrait);
  // `attributs` start with a space.
  DocumentSvg& texte(PointMm base, const std::string& mots, const std::string& attributs = {});

  std::string fin();

private:
  std::string largeur_, hauteur_;
  std::string svg_;
};

// How a line of the vocabulary is stroked in the files: a hairline, dashed
// where the line is. `echelle` grows the widths with the drawing.
std::string attributs_trait(const style_gabarit::Trait& trait, double echelle = 1);

} // namespace bilobe

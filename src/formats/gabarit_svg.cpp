#include "formats/gabarit_svg.h"

#include "common/texte_mm.h"
#include "formats/dessin.h"
#include "formats/ecrivain_svg.h"
#include "formats/legende.h"

#include <string_view>

namespace bilobe {

namespace {

using namespace gabarit_svg;
using namespace style_gabarit;

// From the former's frame (y up) to the page's (y down, origin top left),
// a group for each layer, the caption in a band under the bottom margin.
class GabaritSvg {
public:
  explicit GabaritSvg(const Gabarit& g)
      : cadre_(g.cadre), hauteur_dessin_(g.cadre.hauteur() + 2 * MARGE),
        svg_(g.cadre.largeur() + 2 * MARGE, hauteur_dessin_ + BANDE_LEGENDE, true) {
    svg_.titre(legende_gabarit(g)); // digits and fixed words only: nothing to escape
  }
  void trait(const TraitDessin& t) {
    if (!calque_ || std::string_view(calque_) != t.style.calque) {
      if (calque_) svg_.fermer();
      svg_.calque(t.style, attributs_trait(t.style));
      calque_ = t.style.calque;
    }
    if (t.ferme) {
      svg_.chemin(t.points, [this](PointMm p) { return place(p); });
      return;
    }
    for (std::size_t k = 1; k < t.points.size(); ++k) svg_.ligne(place(t.points[k - 1]), place(t.points[k]));
  }
  void legende(const std::string& utf8) {
    svg_.texte({MARGE, hauteur_dessin_ + BANDE_LEGENDE / 2}, utf8,
               " font-family=\"sans-serif\" font-size=\"" + texte_mm(TEXTE.hauteur) + "\" fill=\"" +
                   hexa(TEXTE.couleur) + "\" stroke=\"none\"");
  }
  std::string fin() {
    if (calque_) svg_.fermer();
    return svg_.fin();
  }

private:
  PointMm place(PointMm p) const { return {MARGE + (p.x - cadre_.gauche), MARGE + (cadre_.haut - p.y)}; }

  Cadre cadre_;
  double hauteur_dessin_;
  DocumentSvg svg_;
  const char* calque_ = nullptr; // the layer open, if any
};

} // namespace

std::string contenu_svg(const Gabarit& g) {
  GabaritSvg svg(g);
  for (const TraitDessin& t : dessin_gabarit(g).traits) svg.trait(t);
  svg.legende(legende_gabarit(g));
  return svg.fin();
}

} // namespace bilobe

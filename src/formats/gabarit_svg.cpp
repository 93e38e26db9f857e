#include "formats/gabarit_svg.h"

#include "common/texte_mm.h"
#include "formats/ecrivain_svg.h"
#include "formats/ecrivain_vectoriel.h"
#include "formats/legende.h"

namespace bilobe {

namespace {

using namespace gabarit_svg;
using namespace style_gabarit;

// From the former's frame (y up) to the page's (y down, origin top left),
// the caption in a band under the bottom margin.
class GabaritSvg : public EcrivainVectoriel {
public:
  explicit GabaritSvg(const Gabarit& g)
      : cadre_(g.cadre), hauteur_dessin_(g.cadre.hauteur() + 2 * MARGE),
        svg_(g.cadre.largeur() + 2 * MARGE, hauteur_dessin_ + BANDE_LEGENDE, true) {
    svg_.titre(legende_gabarit(g)); // digits and fixed words only: nothing to escape
  }
  void calque(const Trait& trait) override {
    if (ouvert_) svg_.fermer();
    svg_.calque(trait, attributs_trait(trait));
    ouvert_ = true;
  }
  void boucle(const Boucle& b) override {
    svg_.chemin(b, [this](PointMm p) { return place(p); });
  }
  void ligne(const Repere& r) override { svg_.ligne(place(r.debut), place(r.fin)); }
  void legende(const std::string& utf8) override {
    svg_.texte({MARGE, hauteur_dessin_ + BANDE_LEGENDE / 2}, utf8,
               " font-family=\"sans-serif\" font-size=\"" + texte_mm(TEXTE.hauteur) + "\" fill=\"" +
                   hexa(TEXTE.couleur) + "\" stroke=\"none\"");
  }
  std::string fin() override {
    if (ouvert_) svg_.fermer();
    return svg_.fin();
  }

private:
  PointMm place(PointMm p) const { return {MARGE + (p.x - cadre_.gauche), MARGE + (cadre_.haut - p.y)}; }

  Cadre cadre_;
  double hauteur_dessin_;
  DocumentSvg svg_;
  bool ouvert_ = false;
};

} // namespace

std::string contenu_svg(const Gabarit& g) {
  GabaritSvg svg(g);
  dessiner_gabarit(g, svg);
  return svg.fin();
}

} // namespace bilobe

#include "formats/gabarit_dxf.h"

#include "common/texte_mm.h"
#include "formats/ecrivain_dxf.h"
#include "formats/ecrivain_vectoriel.h"
#include "formats/largeur_texte.h"
#include "formats/legende.h"
#include "formats/style_gabarit.h"
#include "formats/texte_dat.h"

#include <algorithm>

namespace bilobe {

namespace {

using namespace style_gabarit;

// The text's box as CAD programs draw it in their sans-serif face,
// descenders a third of the height below the baseline.
Cadre boite_texte(PointMm base, const std::string& utf8) {
  return {base.x, base.x + largeur_texte(utf8, TEXTE.hauteur), base.y - TEXTE.hauteur / 3, base.y + TEXTE.hauteur};
}

Cadre cadre_repere(const Repere& r) {
  return {std::min(r.debut.x, r.fin.x), std::max(r.debut.x, r.fin.x), std::min(r.debut.y, r.fin.y),
          std::max(r.debut.y, r.fin.y)};
}

// The drawing is moved so that the lower left corner of everything it holds
// (contours, marks, text) is at (0, 0): laser and CNC programs that keep
// absolute coordinates then put the whole part on the bed. The caption sits
// under the centre line.
class GabaritDxf : public EcrivainVectoriel {
public:
  explicit GabaritDxf(const Gabarit& g)
      : dxf_(64 * (g.exterieur.size() + g.interieur.size()) + 2048), base_legende_{g.cadre.gauche,
                                                                                   g.axe.debut.y - 2 * TEXTE.hauteur} {
    const Cadre tout = reunion(reunion(reunion(g.cadre, cadre_repere(g.axe)), cadre_repere(g.niveau)),
                               boite_texte(base_legende_, legende_gabarit(g)));
    dx_ = -tout.gauche;
    dy_ = -tout.bas;
    dxf_.entete(place({tout.gauche, tout.bas}), place({tout.droite, tout.haut}));
    dxf_.tables({&DECOUPE, &REPERES});
    dxf_.section("ENTITIES");
  }
  void calque(const Trait& trait) override { calque_ = trait.calque; }
  void boucle(const Boucle& b) override {
    dxf_.polyligne_fermee(calque_, b, [this](PointMm p) { return place(p); });
  }
  void ligne(const Repere& r) override {
    dxf_(0, "LINE")(8, calque_).point(10, place(r.debut)).point(11, place(r.fin));
  }
  void legende(const std::string& utf8) override {
    dxf_.texte(calque_, place(base_legende_), TEXTE.hauteur, vers_windows_1252(utf8));
  }
  std::string fin() override { return dxf_(0, "ENDSEC").fin(); }

private:
  PointMm place(PointMm p) const { return {p.x + dx_, p.y + dy_}; }

  Dxf dxf_;
  PointMm base_legende_;
  double dx_ = 0, dy_ = 0;
  const char* calque_ = DECOUPE.calque;
};

} // namespace

std::string contenu_dxf(const Gabarit& g) {
  GabaritDxf dxf(g);
  dessiner_gabarit(g, dxf);
  return dxf.fin();
}

} // namespace bilobe

#include "formats/gabarit_dxf.h"

#include "common/texte_mm.h"
#include "formats/dessin.h"
#include "formats/ecrivain_dxf.h"
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
class GabaritDxf {
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
  void trait(const TraitDessin& t) {
    calque_ = t.style.calque;
    if (t.ferme) {
      dxf_.polyligne_fermee(calque_, t.points, [this](PointMm p) { return place(p); });
      return;
    }
    for (std::size_t k = 1; k < t.points.size(); ++k)
      dxf_(0, "LINE")(8, calque_).point(10, place(t.points[k - 1])).point(11, place(t.points[k]));
  }
  // On the layer of the last line drawn.
  void legende(const std::string& utf8) {
    dxf_.texte(calque_, place(base_legende_), TEXTE.hauteur, vers_windows_1252(utf8));
  }
  std::string fin() { return dxf_(0, "ENDSEC").fin(); }

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
  for (const TraitDessin& t : dessin_gabarit(g).traits) dxf.trait(t);
  dxf.legende(legende_gabarit(g));
  return dxf.fin();
}

} // namespace bilobe

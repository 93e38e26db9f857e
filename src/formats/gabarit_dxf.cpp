#include "formats/gabarit_dxf.h"
#include "formats/legende.h"

#include "common/texte_mm.h"
#include "formats/ecrivain_dxf.h"
#include "formats/style_gabarit.h"
#include "formats/texte_dat.h"

#include <algorithm>

namespace bilobe {

namespace {

using namespace style_gabarit;

// The drawing is moved so that the lower left corner of everything it holds
// (contours, marks, text) is at (0, 0): laser and CNC programs that keep
// absolute coordinates then put the whole part on the bed.
struct Placement {
  double dx = 0, dy = 0;
  PointMm operator()(PointMm p) const { return {p.x + dx, p.y + dy}; }
};

// The text's box as readers without its font estimate it: each character
// as wide as the text is high, descenders a third of the height below the
// baseline.
Cadre boite_texte(PointMm base, const std::string& utf8) {
  std::size_t caracteres = 0;
  for (const char c : utf8) caracteres += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return {base.x, base.x + static_cast<double>(caracteres) * TEXTE.hauteur, base.y - TEXTE.hauteur / 3,
          base.y + TEXTE.hauteur};
}

Cadre reunion(Cadre a, const Cadre& b) {
  a.gauche = std::min(a.gauche, b.gauche);
  a.droite = std::max(a.droite, b.droite);
  a.bas = std::min(a.bas, b.bas);
  a.haut = std::max(a.haut, b.haut);
  return a;
}

Cadre cadre_repere(const Repere& r) {
  return {std::min(r.debut.x, r.fin.x), std::max(r.debut.x, r.fin.x), std::min(r.debut.y, r.fin.y),
          std::max(r.debut.y, r.fin.y)};
}

void ligne(Dxf& dxf, const Repere& r, const Placement& place) {
  dxf(0, "LINE")(8, REPERES.calque).point(10, place(r.debut)).point(11, place(r.fin));
}

} // namespace

std::string contenu_dxf(const Gabarit& g) {
  Dxf dxf(64 * (g.exterieur.size() + g.interieur.size()) + 2048);
  const PointMm base_texte{g.cadre.gauche, g.axe.debut.y - 2 * TEXTE.hauteur};
  const Cadre tout = reunion(reunion(reunion(g.cadre, cadre_repere(g.axe)), cadre_repere(g.niveau)),
                             boite_texte(base_texte, legende_gabarit(g)));
  const Placement place{-tout.gauche, -tout.bas};
  dxf.entete(place({tout.gauche, tout.bas}), place({tout.droite, tout.haut}));

  dxf.section("TABLES");
  dxf(0, "TABLE")(2, "LTYPE")(70, "1");
  dxf(0, "LTYPE")(2, "CONTINUOUS")(70, "0")(3, "Solid line")(72, "65")(73, "0")(40, "0");
  dxf(0, "ENDTAB");
  dxf(0, "TABLE")(2, "LAYER")(70, "2").calque(DECOUPE).calque(REPERES)(0, "ENDTAB");
  dxf(0, "ENDSEC");

  // The inside first: programs that cut in drawing order free the part last.
  dxf.section("ENTITIES");
  dxf.polyligne_fermee(DECOUPE.calque, g.interieur, place);
  dxf.polyligne_fermee(DECOUPE.calque, g.exterieur, place);
  ligne(dxf, g.axe, place);
  ligne(dxf, g.niveau, place);
  dxf(0, "TEXT")(8, REPERES.calque).point(10, place(base_texte));
  dxf(40, texte_mm(TEXTE.hauteur))(1, vers_windows_1252(legende_gabarit(g)));
  dxf(0, "ENDSEC");
  return dxf.fin();
}

} // namespace bilobe

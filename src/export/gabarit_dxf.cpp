#include "export/gabarit_dxf.h"

#include "export/style_gabarit.h"
#include "export/texte_dat.h"
#include "export/texte_mm.h"

#include <string_view>

namespace bilobe {

namespace {

using namespace style_gabarit;

// A DXF file is a sequence of pairs: a group code, then its value.
class Dxf {
public:
  explicit Dxf(std::size_t taille_prevue) { texte_.reserve(taille_prevue); }

  // Group codes are below 1000, right-aligned on three columns.
  Dxf& operator()(int code, std::string_view valeur) {
    const char code_texte[3] = {code >= 100 ? char('0' + code / 100) : ' ',
                                code >= 10 ? char('0' + code / 10 % 10) : ' ', char('0' + code % 10)};
    texte_.append(code_texte, 3).append("\r\n").append(valeur).append("\r\n");
    return *this;
  }
  Dxf& point(int code, PointMm p) { return (*this)(code, texte_mm(p.x))(code + 10, texte_mm(p.y))(code + 20, "0"); }
  Dxf& section(const char* nom) { return (*this)(0, "SECTION")(2, nom); }
  Dxf& calque(const Trait& trait) {
    return (*this)(0, "LAYER")(2, trait.calque)(70, "0")(62, std::to_string(trait.couleur_dxf))(6, "CONTINUOUS");
  }
  std::string fin() { return std::move((*this)(0, "EOF").texte_); }

private:
  std::string texte_;
};

void polyligne_fermee(Dxf& dxf, const Boucle& boucle) {
  dxf(0, "POLYLINE")(8, DECOUPE.calque)(66, "1").point(10, {})(70, "1");
  for (const PointMm& p : boucle) dxf(0, "VERTEX")(8, DECOUPE.calque).point(10, p);
  dxf(0, "SEQEND")(8, DECOUPE.calque);
}

void ligne(Dxf& dxf, const Repere& r) { dxf(0, "LINE")(8, REPERES.calque).point(10, r.debut).point(11, r.fin); }

} // namespace

std::string contenu_dxf(const Gabarit& g) {
  Dxf dxf(64 * (g.exterieur.size() + g.interieur.size()) + 2048);
  const Cadre& c = g.cadre;
  dxf.section("HEADER")(9, "$ACADVER")(1, "AC1009")(9, "$DWGCODEPAGE")(3, "ANSI_1252");
  dxf(9, "$INSUNITS")(70, "4"); // millimetres
  dxf(9, "$EXTMIN").point(10, {c.gauche, c.bas})(9, "$EXTMAX").point(10, {c.droite, c.haut});
  dxf(0, "ENDSEC");

  dxf.section("TABLES");
  dxf(0, "TABLE")(2, "LTYPE")(70, "1");
  dxf(0, "LTYPE")(2, "CONTINUOUS")(70, "0")(3, "Solid line")(72, "65")(73, "0")(40, "0");
  dxf(0, "ENDTAB");
  dxf(0, "TABLE")(2, "LAYER")(70, "2").calque(DECOUPE).calque(REPERES)(0, "ENDTAB");
  dxf(0, "ENDSEC");

  dxf.section("ENTITIES");
  polyligne_fermee(dxf, g.exterieur);
  polyligne_fermee(dxf, g.interieur);
  ligne(dxf, g.axe);
  ligne(dxf, g.niveau);
  dxf(0, "TEXT")(8, REPERES.calque).point(10, {c.gauche, g.axe.debut.y - 2 * TEXTE.hauteur});
  dxf(40, texte_mm(TEXTE.hauteur))(1, vers_windows_1252(g.legende));
  dxf(0, "ENDSEC");
  return dxf.fin();
}

} // namespace bilobe

#include "common/texte_mm.h"
#include "formats/ecrivain_dxf.h"
#include "formats/style_gabarit.h"
#include "serie/planches.h"

namespace bilobe {

namespace {

using namespace style_gabarit;

// From a sheet's frame (mm from its top left corner, y down) to the file's:
// y up, each sheet to the right of the one before.
struct VersLeFichier {
  double decalage;
  double hauteur;
  PointMm operator()(PointMm p) const { return {decalage + p.x, hauteur - p.y}; }
};

} // namespace

std::string contenu_planches_dxf(const SerieTracee& serie) {
  const Planche& pl = serie.description.planche;
  const int n = serie.imbrication.planches;
  std::size_t points = 0;
  for (const CoupleTrace& c : serie.couples) points += c.gabarit.exterieur.size() + c.gabarit.interieur.size();
  Dxf dxf(64 * points + 1024 * static_cast<std::size_t>(n) + 2048);

  const double pas = pl.largeur + ECART_PLANCHES;
  // Each sheet's number is written under it.
  const double base_numero = -2 * TEXTE.hauteur;
  dxf.entete({0, base_numero - TEXTE.hauteur / 3}, {n * pl.largeur + (n - 1) * ECART_PLANCHES, pl.hauteur});
  dxf.tables({&PLANCHE, &DECOUPE, &REPERES});

  dxf.section("ENTITIES");
  for (int k = 0; k < n; ++k) {
    const VersLeFichier vers{k * pas, pl.hauteur};
    const Boucle bord{{0, 0}, {0, pl.hauteur}, {pl.largeur, pl.hauteur}, {pl.largeur, 0}};
    dxf.polyligne_fermee(PLANCHE.calque, bord, [&](PointMm p) { return PointMm{vers.decalage + p.x, p.y}; });
    dxf.texte(REPERES.calque, {vers.decalage, base_numero}, TEXTE.hauteur, "Planche " + std::to_string(k + 1));
  }
  // Each hollow before its outline, and the formers standing in a hollow
  // before the one around them: programs that cut in drawing order free
  // each part last.
  for (const std::size_t k : ordre_de_coupe(serie.imbrication)) {
    const CoupleTrace& c = serie.couples[k];
    const PiecePlacee& place = serie.imbrication.pieces[k];
    const VersLeFichier vers{place.planche * pas, pl.hauteur};
    const SurLaPlanche sur_la_planche{c.gabarit.cadre, place};
    const auto placer = [&](PointMm p) { return vers(sur_la_planche(p)); };
    dxf.polyligne_fermee(DECOUPE.calque, c.gabarit.interieur, placer);
    dxf.polyligne_fermee(DECOUPE.calque, c.gabarit.exterieur, placer);
    for (const Repere& m : c.gabarit.marques_pattes)
      dxf(0, "LINE")(8, REPERES.calque).point(10, placer(m.debut)).point(11, placer(m.fin));
    // Centred on its point, both ways; the start as well, for the readers
    // that place a text by its first point alone.
    const Etiquette e = etiquette(serie, k);
    dxf.texte(REPERES.calque, vers(e.debut), e.hauteur, c.couple.nom)(72, "1").point(11, vers(e.centre))(73, "2");
  }
  dxf(0, "ENDSEC");
  return dxf.fin();
}

} // namespace bilobe

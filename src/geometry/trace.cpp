#include "geometry/trace.h"

#include "common/calcul.h"
#include "common/erreurs.h"
#include "common/texte_nombre.h"
#include "geometry/construction.h"

namespace bilobe {

using namespace calcul;

std::string legende_nbpts(std::int16_t nbpts) { return texte_nombre(nbpts) + " points)"; }

namespace {

// The last stage: the outline relative to H, the height typed (not reduced),
// and the preview that goes with it.
void convertir(const ValeursCouple& v, const ListePoints& mm, ListePoints& relatif, Apercu& apercu) {
  const double h = add(v.yinf(), v.ytot(), "H = yinf + ytot");
  const double yinf = v.yinf();
  apercu.niveau = simple(div(yinf, h, "yinf / H"), "ligne de niveau");
  apercu.polyligne.reserve(static_cast<std::size_t>(mm.nbpts()));
  for (int k = 1; k <= mm.nbpts(); ++k) {
    const double x = div(mm.x(k), h, "x / H");
    const float y = simple(div(add(mm.y(k), yinf, "y + yinf"), h, "(y + yinf) / H"), "y relatif");
    relatif.ajouter_simple(x, y);
    apercu.polyligne.push_back({simple(x, "tracé de x / H"), y});
  }
}

} // namespace

ContourMm construire_contour(const ValeursCouple& valeurs) {
  Construction c(valeurs);
  const ResultatExterieur exterieur = construire_contour_exterieur(c);
  construire_contour_interieur(c, reduire(exterieur), exterieur.ep);
  return std::move(c.contour());
}

ResultatTrace tracer(const ChampsCouple& champs) {
  ResultatTrace r(champs);
  r.contour = construire_contour(r.valeurs);
  r.legende = legende_nbpts(r.contour.nbpts());
  convertir(r.valeurs, r.contour.liste, r.liste, r.apercu);
  return r;
}

const ResultatTrace& CouplePublie::retracer(const ChampsCouple& champs) {
  try {
    ResultatTrace r = tracer(champs);
    courant_ = std::move(r);
    echec_.reset();
    return *courant_;
  } catch (const ErreurExecution&) {
    echec_ = champs;
    throw;
  }
}

} // namespace bilobe

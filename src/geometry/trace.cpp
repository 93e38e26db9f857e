#include "geometry/trace.h"

#include "common/calcul.h"
#include "common/erreurs.h"
#include "common/lecture_nombre.h"
#include "common/texte_nombre.h"
#include "geometry/construction.h"

namespace bilobe {

using namespace calcul;

std::string legende_nbpts(std::int16_t nbpts) { return texte_nombre(nbpts) + " points)"; }

namespace {

// The last stage: the list in place to coordinates relative to H, the
// height typed (not reduced), and the preview that goes with it.
void convertir(ListePoints& liste, std::int16_t nbpts, const ChampsCouple& champs, Apercu& apercu) {
  const double h = add(lire_nombre(champs.yinf), lire_nombre(champs.ytot), "H = yinf + ytot");
  const double yinf = lire_nombre(champs.yinf);
  apercu.niveau = simple(div(yinf, h, "yinf / H"), "ligne de niveau");
  apercu.polyligne.reserve(static_cast<std::size_t>(nbpts > 0 ? nbpts : 0));
  for (int k = 1; k <= nbpts; ++k) {
    const double x = div(liste.x(k), h, "x / H");
    const float y = simple(div(add(liste.y(k), yinf, "y + yinf"), h, "(y + yinf) / H"), "y relatif");
    liste.stocker_exact(k, x, y);
    apercu.polyligne.push_back({simple(x, "tracé de x / H"), y});
  }
}

} // namespace

ContourMm construire_contour(const ChampsCouple& champs) {
  Construction c(champs);
  const ResultatExterieur exterieur = construire_contour_exterieur(c);
  const std::int16_t nb_exterieur = c.compte();
  construire_contour_interieur(c, reduire(exterieur), exterieur.ep);
  return {std::move(c.liste()), c.compte(), nb_exterieur};
}

ResultatTrace tracer(const ChampsCouple& champs) {
  ContourMm contour = construire_contour(champs);
  ResultatTrace r;
  r.nbpts = contour.nbpts;
  r.legende = legende_nbpts(r.nbpts);
  r.liste = std::move(contour.liste);
  convertir(r.liste, r.nbpts, champs, r.apercu);
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

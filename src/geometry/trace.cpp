#include "geometry/trace.h"

#include "common/calcul.h"
#include "common/erreurs.h"
#include "common/texte_nombre.h"
#include "geometry/construction.h"

#include <cmath>

namespace bilobe {

using namespace calcul;

std::string legende_nbpts(std::int16_t nbpts) { return texte_nombre(nbpts) + " points)"; }

namespace {

// The last stage: the outline relative to H, the height typed (not reduced),
// and the preview that goes with it.
void convertir(const ValeursCouple& v, const ListePoints& mm, ResultatTrace& r) {
  const double h = add(v.yinf(), v.ytot(), "H = yinf + ytot");
  const double yinf = v.yinf();
  r.niveau = simple(div(yinf, h, "yinf / H"), "ligne de niveau");
  const auto xs = mm.xs();
  const auto ys = mm.ys();
  const std::size_t n = xs.size();
  // H is not zero here (yinf / H went through), so only overflows can
  // occur. Every value first, in a loop without branches where the
  // divisions run side by side; then the checks, point by point in the same
  // order as a point-by-point loop, so the same failure is raised first.
  r.liste.ajouter_en_bloc(mm.nbpts(), [&](double* x, float* y) {
    for (std::size_t k = 0; k < n; ++k) {
      x[k] = xs[k] / h;
      y[k] = static_cast<float>((ys[k] + yinf) / h);
    }
    for (std::size_t k = 0; k < n; ++k) {
      verifie(x[k], "x / H");
      if (std::isinf(y[k])) [[unlikely]] {
        const double somme = add(ys[k], yinf, "y + yinf");
        verifie(somme / h, "(y + yinf) / H");
        verifie(y[k], "y relatif");
      }
      simple(x[k], "tracé de x / H"); // the preview draws it in single precision
    }
  });
}

void construire_dans(const ValeursCouple& valeurs, ContourMm& contour) {
  Construction c(valeurs, contour);
  const ResultatExterieur exterieur = construire_contour_exterieur(c);
  construire_contour_interieur(c, reduire(exterieur), exterieur.ep);
}

} // namespace

ResultatTrace tracer(const ChampsCouple& champs) {
  ResultatTrace r(champs);
  construire_dans(r.valeurs, r.contour);
  r.legende = legende_nbpts(r.contour.nbpts());
  convertir(r.valeurs, r.contour.liste, r);
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

#include "common/calcul.h"
#include "common/erreurs.h"
#include "geometry/construction.h"

#include <cmath>

namespace bilobe {

using namespace calcul;

void construire_contour_interieur(Construction& c, const DimensionsHautes& r, float ep) {
  const ValeursCouple& v = c.v;
  const double nbptel = v.nbptel();

  // 1. The inner upper ellipses, from the reduced dimensions.
  EllipsesHautes e;
  try {
    e = deriver_ellipses_hautes(r.xtot, r.ytot, r.xa, r.ya);
  } catch (const ErreurExecution& erreur) {
    erreur.relancer_dans("contour intérieur");
  }

  // 2. Piece 7, inner upper arc 2, from the top down to the junction.
  const double dt2 = div(QUART_DE_TOUR - e.t2, nbptel, "dt2 = (π / 2 - t2) / nbptel");
  for (double i = 0; i <= nbptel - 1; i += 1) {
    const double t = sub(QUART_DE_TOUR, mul(dt2, i, "θ"), "θ");
    c.ajouter(mul(e.a2, std::cos(t), "x"), mul(r.ytot, std::sin(t), "y"));
  }

  // 3. Piece 8, inner upper arc 1, down to the widest level.
  const double dt1 = div(e.t1, nbptel, "dt1 = t1 / nbptel");
  for (double i = 0; i <= nbptel - 1; i += 1) {
    const double t = sub(e.t1, mul(dt1, i, "θ"), "θ");
    c.ajouter(mul(r.xtot, std::cos(t), "x"), mul(e.b1, std::sin(t), "y"));
  }

  // 4. Piece 9, the inner vertical side segment.
  if (v.cv == 1) {
    const double segv = v.segv();
    const double nbptseg = v.nbptseg();
    const double dv = div(segv, nbptseg, "dv = segv / nbptseg");
    for (double i = 0; i <= nbptseg - 1; i += 1) c.ajouter(r.xtot, mul(-i, dv, "-i · dv"));
  }

  // 5. Piece 10, the inner lower arc: the outer one's semi-axes less ep, from the typed width.
  const double dt0 = div(QUART_DE_TOUR, nbptel, "dt0 = (π / 2) / nbptel");
  EllipseBasse basse = ellipse_basse(v);
  basse.a0 = sub(basse.a0, ep, "a0");
  basse.b0 = sub(basse.b0, ep, "b0");
  for (double i = 0; i <= nbptel - 1; i += 1) ajouter_point_ellipse(c, basse, mul(-i, dt0, "θ"));

  // 6. Piece 11, the inner flat bottom segment, back towards the centre line.
  if (v.ch == 1) {
    const double segh = v.segh();
    const double nbptseg = v.nbptseg();
    const double yinf = v.yinf();
    const double dh = div(segh, nbptseg, "dh = segh / nbptseg");
    for (double i = 0; i <= nbptseg - 1; i += 1)
      c.ajouter(sub(segh, mul(i, dh, "i · dh"), "x"), sub(ep, yinf, "ep - yinf"));
  }
  c.marquer(c.contour().interieur);

  // 7. Piece 12, down through the wall to the first point of the outline:
  // ep / 4 and its product with i in single precision, the rest in double.
  const double yinf = v.yinf();
  const double bas = sub(ep, yinf, "ep - yinf");
  const float quart = ep / 4.0f;
  for (int i = 0; i <= 4; ++i) c.ajouter(0.0, sub(bas, mulf(static_cast<float>(i), quart, "i · ep / 4"), "y"));
  c.marquer(c.contour().marche_bas);
}

} // namespace bilobe

#include "common/calcul.h"
#include "geometry/construction.h"

#include <cmath>

namespace bilobe {

using namespace calcul;

ResultatExterieur construire_contour_exterieur(Construction& c) {
  const ValeursCouple& v = c.v;
  // 1. The upper ellipses through the junction point.
  const double xtot = v.xtot();
  const double ytot = v.ytot();
  const double xa = v.xa();
  const double ya = v.ya();
  const EllipsesHautes e = deriver_ellipses_hautes(xtot, ytot, xa, ya);

  // 2. The wall thickness, held in single precision from here on.
  const float ep = simple(v.ep(), "ep en simple précision");

  // 3. The running count starts at 0: the construction is new.

  // 4. Piece 1, the flat bottom segment.
  if (v.ch == 1) {
    const double nbptseg = v.nbptseg();
    const double segh = v.segh();
    const double yinf = v.yinf();
    const double dh = div(segh, nbptseg, "dh = segh / nbptseg");
    for (double i = 0; i <= nbptseg - 1; i += 1) c.ajouter(mul(i, dh, "i · dh"), -yinf);
  }

  // 5. Piece 2, the lower arc: a quarter of the lower ellipse.
  const double nbptel = v.nbptel();
  const double dt0 = div(QUART_DE_TOUR, nbptel, "dt0 = (π / 2) / nbptel");
  const EllipseBasse basse = ellipse_basse(v);
  for (double i = 0; i <= nbptel - 1; i += 1)
    ajouter_point_ellipse(c, basse, add(-QUART_DE_TOUR, mul(dt0, i, "θ"), "θ"));

  // 6. Piece 3, the vertical side segment.
  if (v.cv == 1) {
    const double nbptseg = v.nbptseg();
    const double segv = v.segv();
    const double dv = div(segv, nbptseg, "dv = segv / nbptseg");
    for (double i = 0; i <= nbptseg - 1; i += 1) c.ajouter(xtot, add(-segv, mul(i, dv, "i · dv"), "y"));
  }

  // 7. Piece 4, upper arc 1.
  const double dt1 = div(e.t1, nbptel, "dt1 = t1 / nbptel");
  for (double i = 0; i <= nbptel - 1; i += 1) {
    const double t = mul(dt1, i, "θ");
    c.ajouter(mul(xtot, std::cos(t), "x"), mul(e.b1, std::sin(t), "y"));
  }

  // 8. Piece 5, upper arc 2.
  const double dt2 = div(QUART_DE_TOUR - e.t2, nbptel, "dt2 = (π / 2 - t2) / nbptel");
  for (double i = 0; i <= nbptel - 1; i += 1) {
    const double t = add(e.t2, mul(dt2, i, "θ"), "θ");
    c.ajouter(mul(e.a2, std::cos(t), "x"), mul(ytot, std::sin(t), "y"));
  }
  c.marquer(c.contour().exterieur);

  // 9. Piece 6, the wall step down the centre line: i · ep / 4 in single precision.
  for (int i = 0; i <= 3; ++i) {
    const float pas = mulf(static_cast<float>(i), ep, "i · ep") / 4.0f;
    c.ajouter(0.0, sub(ytot, pas, "y"));
  }
  c.marquer(c.contour().marche_haut);

  return {{xtot, ytot, xa, ya}, e, ep};
}

DimensionsHautes reduire(const ResultatExterieur& ext) {
  const double ep = ext.ep;
  const double tm = add(ext.ellipses.t1, ext.ellipses.t2, "tm") / 2;
  DimensionsHautes r;
  r.xtot = sub(ext.dimensions.xtot, ep, "xtot - ep");
  r.ytot = sub(ext.dimensions.ytot, ep, "ytot - ep");
  r.xa = sub(ext.dimensions.xa, mul(ep, std::cos(tm), "ep · cos(tm)"), "xa - ep · cos(tm)");
  r.ya = sub(ext.dimensions.ya, mul(ep, std::sin(tm), "ep · sin(tm)"), "ya - ep · sin(tm)");
  return r;
}

} // namespace bilobe

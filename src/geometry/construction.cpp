#include "geometry/construction.h"

#include "common/calcul.h"
#include "common/lecture_nombre.h"

#include <cmath>

namespace bilobe {

double Construction::lire(std::string ChampsCouple::*champ) const { return lire_nombre(champs_.*champ); }

void Construction::ajouter(double x, double y) {
  ++compte_;
  liste_.stocker(compte_, x, y);
}

void Construction::ajouter_exact(double x, float y) {
  ++compte_;
  liste_.stocker_exact(compte_, x, y);
}

EllipseBasse ellipse_basse(const Construction& c) {
  using C = ChampsCouple;
  using namespace calcul;
  const double segh = c.lire(&C::segh);
  const double xtot = c.lire(&C::xtot);
  const double segv = c.lire(&C::segv);
  const double yinf = c.lire(&C::yinf);
  const double ch = c.ch();
  const double cv = c.cv();
  return {mul(segh, ch, "cx0"), mul(-segv, cv, "cy0"), sub(xtot, mul(ch, segh, "a0"), "a0"),
          sub(yinf, mul(cv, segv, "b0"), "b0")};
}

void ajouter_point_ellipse(Construction& c, const EllipseBasse& e, double t) {
  using namespace calcul;
  c.ajouter(add(e.cx0, mul(e.a0, std::cos(t), "x"), "x"), add(e.cy0, mul(e.b0, std::sin(t), "y"), "y"));
}

} // namespace bilobe

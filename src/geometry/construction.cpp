#include "geometry/construction.h"

#include "common/calcul.h"

#include <cmath>

namespace bilobe {

EllipseBasse ellipse_basse(const ValeursCouple& v) {
  using namespace calcul;
  const double segh = v.segh();
  const double xtot = v.xtot();
  const double segv = v.segv();
  const double yinf = v.yinf();
  const double ch = v.ch;
  const double cv = v.cv;
  return {mul(segh, ch, "cx0"), mul(-segv, cv, "cy0"), sub(xtot, mul(ch, segh, "a0"), "a0"),
          sub(yinf, mul(cv, segv, "b0"), "b0")};
}

} // namespace bilobe
